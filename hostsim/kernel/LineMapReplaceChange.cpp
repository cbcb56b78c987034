#include "LineMapReplaceChange.h"

namespace kestrix::hostsim::kernel {

LineMapReplaceChange::LineMapReplaceChange(Frame& frame, int index, LineMap after)
    : m_frame(frame), m_index(static_cast<std::size_t>(index)), m_before(frame.lineMaps[m_index]),
      m_after(std::move(after))
{
}

void LineMapReplaceChange::undo()
{
    m_frame.lineMaps[m_index] = m_before;
}

void LineMapReplaceChange::redo()
{
    m_frame.lineMaps[m_index] = m_after;
}

} // namespace kestrix::hostsim::kernel
