#pragma once

#include "SceneChange.h"

#include <vector>

namespace kestrix::hostsim::kernel {

struct Frame;

// The line maps of a frame put in a new order: position i of the new list holds the map
// that was at order[i] (0-based).
class LineMapReorderChange : public SceneChange {
public:
    LineMapReorderChange(Frame& frame, std::vector<int> order);

    void undo() override;
    void redo() override;

private:
    void apply(const std::vector<int>& order);

    Frame& m_frame;
    std::vector<int> m_order;
    std::vector<int> m_inverse;
};

} // namespace kestrix::hostsim::kernel
