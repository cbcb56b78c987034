#include "StyleValueData.h"

#include <algorithm>

namespace kestrix::hostsim::kernel {

namespace {
auto lowerBound(std::vector<std::pair<std::uint16_t, StyleData>>& entries, std::uint16_t slot)
{
    return std::lower_bound(entries.begin(), entries.end(), slot,
                            [](const auto& entry, std::uint16_t key) { return entry.first < key; });
}
} // namespace

const StyleData* SparseStyleValues::find(std::uint16_t slot) const
{
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), slot,
                                     [](const auto& entry, std::uint16_t key) { return entry.first < key; });
    if (it == m_entries.end() || it->first != slot)
        return nullptr;
    return &it->second;
}

void SparseStyleValues::set(std::uint16_t slot, StyleData value)
{
    const auto it = lowerBound(m_entries, slot);
    if (it != m_entries.end() && it->first == slot)
        it->second = std::move(value);
    else
        m_entries.emplace(it, slot, std::move(value));
}

void SparseStyleValues::erase(std::uint16_t slot)
{
    const auto it = lowerBound(m_entries, slot);
    if (it != m_entries.end() && it->first == slot)
        m_entries.erase(it);
}

void SparseStyleValues::assign(std::uint16_t slot, const std::optional<StyleData>& value)
{
    if (value)
        set(slot, *value);
    else
        erase(slot);
}

std::optional<StyleData> SparseStyleValues::get(std::uint16_t slot) const
{
    if (const StyleData* value = find(slot))
        return *value;
    return std::nullopt;
}

} // namespace kestrix::hostsim::kernel
