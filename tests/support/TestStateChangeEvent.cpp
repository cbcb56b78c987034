#include "support/TestStateChangeEvent.h"

#include <kxsdkintegrationmanager/StateChangeEventObservable.h>

namespace kestrix::testing {

TestStateChangeEvent::TestStateChangeEvent(int code, std::vector<std::string> params)
    : m_code(code), m_params(std::move(params))
{
}

std::string TestStateChangeEvent::getParamString(int index) const
{
    if (index < 1 || index > getParamCount())
        return {};
    return m_params[static_cast<size_t>(index - 1)];
}

void TestStateChangeEvent::send(int code, std::vector<std::string> params)
{
    sdk::integration::StateChangeEventObservable::getInstance().notify(TestStateChangeEvent(code, std::move(params)));
}

} // namespace kestrix::testing
