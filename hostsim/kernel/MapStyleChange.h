#pragma once

#include "SceneChange.h"
#include "StyleSchema.h"

#include <optional>
#include <vector>

namespace kestrix::hostsim::kernel {

struct Frame;

// One style value of many maps set to one new value; remembers each map's old value.
class MapStyleChange : public SceneChange {
public:
    MapStyleChange(Frame& frame, StyleOwner owner, std::uint16_t slot, std::optional<StyleData> after);

    // Records a map (1-based) whose value changes; returns false when it would not change.
    bool addMap(int map);
    bool isEmpty() const { return m_maps.empty(); }
    const std::vector<int>& maps() const { return m_maps; }

    void undo() override;
    void redo() override;

private:
    SparseStyleValues& styleOf(int map) const;

    Frame& m_frame;
    StyleOwner m_owner;
    std::uint16_t m_slot;
    std::optional<StyleData> m_after;
    std::vector<int> m_maps;
    std::vector<std::optional<StyleData>> m_before;
};

} // namespace kestrix::hostsim::kernel
