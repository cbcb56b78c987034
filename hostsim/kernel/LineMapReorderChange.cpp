#include "LineMapReorderChange.h"

#include "Scene.h"

namespace kestrix::hostsim::kernel {

LineMapReorderChange::LineMapReorderChange(Frame& frame, std::vector<int> order)
    : m_frame(frame), m_order(std::move(order)), m_inverse(m_order.size())
{
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_inverse[static_cast<std::size_t>(m_order[i])] = static_cast<int>(i);
}

void LineMapReorderChange::undo()
{
    apply(m_inverse);
}

void LineMapReorderChange::redo()
{
    apply(m_order);
}

void LineMapReorderChange::apply(const std::vector<int>& order)
{
    std::vector<LineMap> reordered;
    reordered.reserve(order.size());
    for (int source : order)
        reordered.push_back(std::move(m_frame.lineMaps[static_cast<std::size_t>(source)]));
    m_frame.lineMaps = std::move(reordered);
}

} // namespace kestrix::hostsim::kernel
