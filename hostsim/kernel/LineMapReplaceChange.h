#pragma once

#include "Scene.h"
#include "SceneChange.h"

namespace kestrix::hostsim::kernel {

// One line map's record replaced as a whole (a copy from another map).
class LineMapReplaceChange : public SceneChange {
public:
    LineMapReplaceChange(Frame& frame, int index, LineMap after);

    void undo() override;
    void redo() override;

private:
    Frame& m_frame;
    std::size_t m_index;
    LineMap m_before;
    LineMap m_after;
};

} // namespace kestrix::hostsim::kernel
