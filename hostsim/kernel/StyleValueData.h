#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kestrix::hostsim::kernel {

// One stored style value: integers, booleans, enumerations, colour indices and variable or
// zone numbers as long, floating-point values as double, texts as string.
using StyleData = std::variant<long, double, std::string>;

// Style values of one map, stored sparsely: only values that differ from the schema's
// default are kept, sorted by the schema slot, so a map that uses the defaults costs
// nothing beyond an empty vector.
class SparseStyleValues {
public:
    const StyleData* find(std::uint16_t slot) const;
    void set(std::uint16_t slot, StyleData value);
    void erase(std::uint16_t slot);
    // Stores the value, or erases it when there is none (the map uses the default again).
    void assign(std::uint16_t slot, const std::optional<StyleData>& value);
    std::optional<StyleData> get(std::uint16_t slot) const;
    bool isEmpty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }

private:
    std::vector<std::pair<std::uint16_t, StyleData>> m_entries;
};

} // namespace kestrix::hostsim::kernel
