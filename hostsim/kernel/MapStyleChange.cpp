#include "MapStyleChange.h"

#include "Scene.h"

namespace kestrix::hostsim::kernel {

MapStyleChange::MapStyleChange(Frame& frame, StyleOwner owner, std::uint16_t slot, std::optional<StyleData> after)
    : m_frame(frame), m_owner(owner), m_slot(slot), m_after(std::move(after))
{
}

SparseStyleValues& MapStyleChange::styleOf(int map) const
{
    const auto index = static_cast<std::size_t>(map - 1);
    return m_owner == StyleOwner::FieldMap ? m_frame.fieldMaps[index].style : m_frame.lineMaps[index].style;
}

bool MapStyleChange::addMap(int map)
{
    std::optional<StyleData> before = styleOf(map).get(m_slot);
    if (before == m_after)
        return false;
    m_maps.push_back(map);
    m_before.push_back(std::move(before));
    return true;
}

void MapStyleChange::undo()
{
    for (std::size_t i = 0; i < m_maps.size(); ++i)
        styleOf(m_maps[i]).assign(m_slot, m_before[i]);
}

void MapStyleChange::redo()
{
    for (int map : m_maps)
        styleOf(map).assign(m_slot, m_after);
}

} // namespace kestrix::hostsim::kernel
