#pragma once

#include "StyleValueData.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrix::hostsim::kernel {

// Who owns a style value: every field map, every line map, every frame, or the application.
enum class StyleOwner { FieldMap, LineMap, Frame, Application };

enum class StyleType {
    Boolean,
    Integer,
    Enumeration,
    Double,
    String,
    Color,
    Variable, // a variable number of the frame (0 allowed when `allowNone`)
    Zone,     // a zone number of the frame
    MapSet    // the set of active maps
};

// Where the value lives: sparse per-map or per-frame/application tables, or a field of the
// frame itself.
enum class StyleStorage { Table, PlotType, ActiveFieldMaps, ActiveLineMaps };

struct StyleSchemaEntry {
    std::vector<int> path;           // keyword identifiers
    std::vector<std::string> keywords;
    std::string text;                // keywords joined by blanks
    StyleOwner owner = StyleOwner::Frame;
    StyleType type = StyleType::Integer;
    StyleStorage storage = StyleStorage::Table;
    long minInteger = 0;
    long maxInteger = 0;
    double minDouble = 0.0;
    double maxDouble = 0.0;
    std::vector<long> enumerationValues;
    bool allowNone = false;
    StyleData defaultValue;
    // Range of the first offset for per-frame values addressed by a number (contour groups,
    // blanking constraints); 0, 0 when the value takes no offset.
    int offsetMin = 0;
    int offsetMax = 0;
    std::uint16_t slot = 0;

    bool takesOffset() const { return offsetMax > 0; }
    bool isPerMap() const { return owner == StyleOwner::FieldMap || owner == StyleOwner::LineMap; }
};

// The one table of every style value the stand-in host knows, with its type, default and
// owner, and the registry of keyword identifiers. Lookups by identifier path are hash
// lookups without allocation, since the tables read a value per visible cell.
class StyleSchema {
public:
    static const StyleSchema& instance();

    int keywordId(std::string_view keyword) const;
    // Null for an unknown identifier.
    const char* keyword(int id) const;

    // The entry of an identifier path (not closed by -1); null when unknown.
    const StyleSchemaEntry* find(const int* ids, int count) const;
    const StyleSchemaEntry* find(std::initializer_list<const char*> keywords) const;
    const StyleSchemaEntry& entry(std::uint16_t slot) const { return *m_entries[slot]; }
    int entryCount() const { return static_cast<int>(m_entries.size()); }

    static constexpr int MaxPathLength = 8;

private:
    StyleSchema();
    friend class StyleSchemaBuilder;

    struct PathKey {
        std::array<std::int16_t, MaxPathLength> ids;
        bool operator==(const PathKey& other) const { return ids == other.ids; }
    };
    struct PathKeyHash {
        std::size_t operator()(const PathKey& key) const;
    };

    static bool makeKey(const int* ids, int count, PathKey& key);
    int registerKeyword(const char* keyword);
    void add(std::unique_ptr<StyleSchemaEntry> entry, std::initializer_list<const char*> keywords);

    std::vector<const char*> m_keywords;
    std::unordered_map<std::string_view, int> m_keywordIds;
    std::vector<std::unique_ptr<StyleSchemaEntry>> m_entries;
    std::unordered_map<PathKey, const StyleSchemaEntry*, PathKeyHash> m_byPath;
};

} // namespace kestrix::hostsim::kernel
