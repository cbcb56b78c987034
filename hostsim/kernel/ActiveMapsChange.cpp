#include "ActiveMapsChange.h"

#include "Scene.h"

namespace kestrix::hostsim::kernel {

ActiveMapsChange::ActiveMapsChange(Frame& frame, StyleOwner owner) : m_frame(frame), m_owner(owner)
{
}

bool& ActiveMapsChange::flagOf(int map) const
{
    const auto index = static_cast<std::size_t>(map - 1);
    return m_owner == StyleOwner::FieldMap ? m_frame.fieldMaps[index].active : m_frame.lineMaps[index].active;
}

bool ActiveMapsChange::setActive(int map, bool active)
{
    if (flagOf(map) == active)
        return false;
    m_maps.push_back(map);
    m_after.push_back(active ? 1 : 0);
    return true;
}

void ActiveMapsChange::undo()
{
    for (std::size_t i = 0; i < m_maps.size(); ++i)
        flagOf(m_maps[i]) = m_after[i] == 0;
}

void ActiveMapsChange::redo()
{
    for (std::size_t i = 0; i < m_maps.size(); ++i)
        flagOf(m_maps[i]) = m_after[i] != 0;
}

} // namespace kestrix::hostsim::kernel
