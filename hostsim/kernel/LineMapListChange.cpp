#include "LineMapListChange.h"

namespace kestrix::hostsim::kernel {

std::unique_ptr<LineMapListChange> LineMapListChange::removal(Frame& frame, std::vector<int> indices)
{
    return std::unique_ptr<LineMapListChange>(new LineMapListChange(frame, false, std::move(indices), {}));
}

std::unique_ptr<LineMapListChange> LineMapListChange::insertion(Frame& frame, std::vector<int> indices,
                                                                std::vector<LineMap> records)
{
    return std::unique_ptr<LineMapListChange>(
        new LineMapListChange(frame, true, std::move(indices), std::move(records)));
}

LineMapListChange::LineMapListChange(Frame& frame, bool inserting, std::vector<int> indices,
                                     std::vector<LineMap> records)
    : m_frame(frame), m_inserting(inserting), m_indices(std::move(indices)), m_records(std::move(records))
{
}

void LineMapListChange::undo()
{
    if (m_inserting)
        remove();
    else
        insert();
}

void LineMapListChange::redo()
{
    if (m_inserting)
        insert();
    else
        remove();
}

void LineMapListChange::remove()
{
    std::vector<LineMap>& maps = m_frame.lineMaps;
    m_records.clear();
    m_records.reserve(m_indices.size());
    std::size_t next = 0;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < maps.size(); ++i) {
        if (next < m_indices.size() && static_cast<std::size_t>(m_indices[next]) == i) {
            m_records.push_back(std::move(maps[i]));
            ++next;
        } else {
            if (kept != i)
                maps[kept] = std::move(maps[i]);
            ++kept;
        }
    }
    maps.resize(kept);
}

void LineMapListChange::insert()
{
    std::vector<LineMap>& maps = m_frame.lineMaps;
    std::vector<LineMap> merged;
    merged.reserve(maps.size() + m_records.size());
    std::size_t next = 0;
    std::size_t old = 0;
    while (merged.size() < maps.size() + m_records.size()) {
        if (next < m_indices.size() && static_cast<std::size_t>(m_indices[next]) == merged.size())
            merged.push_back(std::move(m_records[next++]));
        else
            merged.push_back(std::move(maps[old++]));
    }
    maps = std::move(merged);
    m_records.clear();
}

} // namespace kestrix::hostsim::kernel
