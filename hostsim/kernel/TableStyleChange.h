#pragma once

#include "SceneChange.h"
#include "StyleValueData.h"

#include <cstdint>
#include <optional>

namespace kestrix::hostsim::kernel {

class StyleTable;

// One per-frame or per-application style value changed.
class TableStyleChange : public SceneChange {
public:
    TableStyleChange(StyleTable& table, std::uint64_t key, std::optional<StyleData> before,
                     std::optional<StyleData> after);

    void undo() override;
    void redo() override;

private:
    StyleTable& m_table;
    std::uint64_t m_key;
    std::optional<StyleData> m_before;
    std::optional<StyleData> m_after;
};

} // namespace kestrix::hostsim::kernel
