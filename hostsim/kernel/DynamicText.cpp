#include "DynamicText.h"

#include "Scene.h"
#include "StyleSchema.h"

#include <string>

namespace kestrix::hostsim::kernel {

namespace {

long lineMapInteger(const LineMap& map, const StyleSchemaEntry& entry)
{
    const StyleData* stored = map.style.find(entry.slot);
    return std::get<long>(stored ? *stored : entry.defaultValue);
}

std::string variableName(const Frame& frame, long var)
{
    return frame.isVariable(static_cast<int>(var)) ? frame.variables[static_cast<std::size_t>(var - 1)] : std::string();
}

} // namespace

std::string resolveLineMapText(const Frame& frame, int map, std::string_view text)
{
    if (map < 1 || map > frame.lineMapCount())
        return std::string(text);
    const StyleSchema& schema = StyleSchema::instance();
    static const StyleSchemaEntry* const zoneEntry = schema.find({"LINEMAP", "ASSIGN", "ZONE"});
    static const StyleSchemaEntry* const xVarEntry = schema.find({"LINEMAP", "ASSIGN", "XAXISVAR"});
    static const StyleSchemaEntry* const yVarEntry = schema.find({"LINEMAP", "ASSIGN", "YAXISVAR"});
    static const StyleSchemaEntry* const xAxisEntry = schema.find({"LINEMAP", "ASSIGN", "XAXIS"});
    static const StyleSchemaEntry* const yAxisEntry = schema.find({"LINEMAP", "ASSIGN", "YAXIS"});

    const LineMap& lineMap = frame.lineMaps[static_cast<std::size_t>(map - 1)];
    std::string result;
    result.reserve(text.size() + 16);
    std::size_t position = 0;
    while (position < text.size()) {
        if (text[position] == '&' && position + 3 < text.size() && text[position + 3] == '&') {
            const std::string_view code = text.substr(position + 1, 2);
            bool known = true;
            if (code == "ZN") {
                const Zone* zone = frame.zone(static_cast<int>(lineMapInteger(lineMap, *zoneEntry)));
                result += zone ? zone->name : std::string();
            } else if (code == "Z#") {
                result += std::to_string(lineMapInteger(lineMap, *zoneEntry));
            } else if (code == "DV") {
                result += variableName(frame, lineMapInteger(lineMap, *yVarEntry));
            } else if (code == "D#") {
                result += std::to_string(lineMapInteger(lineMap, *yVarEntry));
            } else if (code == "IV") {
                result += variableName(frame, lineMapInteger(lineMap, *xVarEntry));
            } else if (code == "I#") {
                result += std::to_string(lineMapInteger(lineMap, *xVarEntry));
            } else if (code == "M#") {
                result += std::to_string(map);
            } else if (code == "X#") {
                result += std::to_string(lineMapInteger(lineMap, *xAxisEntry));
            } else if (code == "Y#") {
                result += std::to_string(lineMapInteger(lineMap, *yAxisEntry));
            } else {
                known = false;
            }
            if (known) {
                position += 4;
                continue;
            }
        }
        result += text[position++];
    }
    return result;
}

} // namespace kestrix::hostsim::kernel
