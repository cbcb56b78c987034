#include "StateChangeEvent.h"

namespace kestrix::hostsim::kernel {

StateChangeEvent::StateChangeEvent(int code, std::vector<std::string> params) : m_code(code), m_params(std::move(params))
{
}

std::string StateChangeEvent::getParamString(int index) const
{
    if (index < 1 || index > static_cast<int>(m_params.size()))
        return {};
    return m_params[static_cast<std::size_t>(index - 1)];
}

} // namespace kestrix::hostsim::kernel
