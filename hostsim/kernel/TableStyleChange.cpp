#include "TableStyleChange.h"

#include "Scene.h"

namespace kestrix::hostsim::kernel {

TableStyleChange::TableStyleChange(StyleTable& table, std::uint64_t key, std::optional<StyleData> before,
                                   std::optional<StyleData> after)
    : m_table(table), m_key(key), m_before(std::move(before)), m_after(std::move(after))
{
}

void TableStyleChange::undo()
{
    m_table.assign(m_key, m_before);
}

void TableStyleChange::redo()
{
    m_table.assign(m_key, m_after);
}

} // namespace kestrix::hostsim::kernel
