#pragma once

#include "SceneChange.h"
#include "StyleSchema.h"

#include <vector>

namespace kestrix::hostsim::kernel {

struct Frame;

// Maps switched on or off; only maps whose state changes are recorded.
class ActiveMapsChange : public SceneChange {
public:
    ActiveMapsChange(Frame& frame, StyleOwner owner);

    // Records the new state of a map (1-based); returns false when it would not change.
    bool setActive(int map, bool active);
    bool isEmpty() const { return m_maps.empty(); }

    void undo() override;
    void redo() override;

private:
    bool& flagOf(int map) const;

    Frame& m_frame;
    StyleOwner m_owner;
    std::vector<int> m_maps;
    std::vector<char> m_after;
};

} // namespace kestrix::hostsim::kernel
