#pragma once

#include "SceneChange.h"

namespace kestrix::hostsim::kernel {

struct Frame;

class PlotTypeChange : public SceneChange {
public:
    PlotTypeChange(Frame& frame, int before, int after);

    void undo() override;
    void redo() override;

private:
    Frame& m_frame;
    int m_before;
    int m_after;
};

} // namespace kestrix::hostsim::kernel
