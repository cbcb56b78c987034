#include "PlotTypeChange.h"

#include "Scene.h"

namespace kestrix::hostsim::kernel {

PlotTypeChange::PlotTypeChange(Frame& frame, int before, int after) : m_frame(frame), m_before(before), m_after(after)
{
}

void PlotTypeChange::undo()
{
    m_frame.plotType = m_before;
}

void PlotTypeChange::redo()
{
    m_frame.plotType = m_after;
}

} // namespace kestrix::hostsim::kernel
