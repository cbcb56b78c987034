#include "Scene.h"

namespace kestrix::hostsim::kernel {

std::uint64_t StyleTable::key(std::uint16_t slot, int offset1, int offset2)
{
    return (static_cast<std::uint64_t>(slot) << 40)
           | (static_cast<std::uint64_t>(static_cast<std::uint32_t>(offset1 + 1)) << 20)
           | static_cast<std::uint64_t>(static_cast<std::uint32_t>(offset2 + 1) & 0xFFFFFu);
}

std::optional<StyleData> StyleTable::get(std::uint64_t key) const
{
    const auto it = m_values.find(key);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

void StyleTable::assign(std::uint64_t key, const std::optional<StyleData>& value)
{
    if (value)
        m_values[key] = *value;
    else
        m_values.erase(key);
}

int Frame::fieldMapOfZone(int zone) const
{
    if (zone < 1 || zone > static_cast<int>(m_fieldMapOfZone.size()))
        return 0;
    return m_fieldMapOfZone[static_cast<std::size_t>(zone - 1)];
}

void Frame::indexZones()
{
    m_fieldMapOfZone.assign(zones.size(), 0);
    for (std::size_t map = 0; map < fieldMaps.size(); ++map) {
        for (int member : fieldMaps[map].zones) {
            if (isZone(member) && m_fieldMapOfZone[static_cast<std::size_t>(member - 1)] == 0)
                m_fieldMapOfZone[static_cast<std::size_t>(member - 1)] = static_cast<int>(map) + 1;
        }
    }
}

AxisRange Frame::axisRange(char axis, int number) const
{
    const auto it = axes.find({axis, number});
    return it == axes.end() ? AxisRange{} : it->second;
}

Frame* Scene::current() const
{
    const Page* currentPage = page();
    if (!currentPage || currentFrame < 1 || currentFrame > static_cast<int>(currentPage->frames.size()))
        return nullptr;
    return currentPage->frames[static_cast<std::size_t>(currentFrame - 1)].get();
}

Frame* Scene::frame(UniqueID_t id) const
{
    const auto it = m_frameById.find(id);
    return it == m_frameById.end() ? nullptr : it->second;
}

const Page* Scene::page() const
{
    if (currentPage < 1 || currentPage > static_cast<int>(pages.size()))
        return nullptr;
    return &pages[static_cast<std::size_t>(currentPage - 1)];
}

void Scene::reindex()
{
    m_frameById.clear();
    for (const Page& p : pages) {
        for (const auto& f : p.frames)
            m_frameById.emplace(f->id, f.get());
    }
}

void Scene::index(Frame& frame)
{
    m_frameById[frame.id] = &frame;
}

UniqueID_t nextFrameId()
{
    // Ids start high so that they are not mistaken for frame numbers.
    static UniqueID_t next = 0x10000;
    return ++next;
}

} // namespace kestrix::hostsim::kernel
