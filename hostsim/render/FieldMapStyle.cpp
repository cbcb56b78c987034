#include "FieldMapStyle.h"

#include "FieldFrameStyle.h"
#include "FrameSnapshot.h"

#include "hostsim/kernel/Scene.h"
#include "hostsim/kernel/StyleSchema.h"

#include <kxsdkbase/Enumerations.h>

namespace kestrix::hostsim::render {

namespace {

// A per-map setting, found in the schema once: a frame of many maps then reads each map's
// value straight from the map's own values, without searching the schema by keywords for
// every map.
class MapSetting {
public:
    MapSetting(std::initializer_list<const char*> path) : m_entry(*kernel::StyleSchema::instance().find(path)) {}

    const kernel::StyleData& of(const kernel::FieldMap& map) const
    {
        const kernel::StyleData* stored = map.style.find(m_entry.slot);
        return stored ? *stored : m_entry.defaultValue;
    }
    long integer(const kernel::FieldMap& map) const
    {
        const kernel::StyleData& value = of(map);
        if (const auto* number = std::get_if<long>(&value))
            return *number;
        if (const auto* real = std::get_if<double>(&value))
            return static_cast<long>(*real);
        return 0;
    }
    int small(const kernel::FieldMap& map) const { return static_cast<int>(integer(map)); }
    bool isOn(const kernel::FieldMap& map) const { return integer(map) != 0; }
    double number(const kernel::FieldMap& map) const
    {
        const kernel::StyleData& value = of(map);
        if (const auto* real = std::get_if<double>(&value))
            return *real;
        if (const auto* number = std::get_if<long>(&value))
            return static_cast<double>(*number);
        return 0.0;
    }
    std::string text(const kernel::FieldMap& map) const
    {
        const kernel::StyleData& value = of(map);
        const auto* string = std::get_if<std::string>(&value);
        return string ? *string : std::string();
    }

private:
    const kernel::StyleSchemaEntry& m_entry;
};

// The line settings of one layer; edges have no pattern.
class LineSettings {
public:
    LineSettings(const char* layer, bool patterned)
        : m_color({"FIELDMAP", layer, "COLOR"}),
          m_thickness({"FIELDMAP", layer, "LINETHICKNESS"})
    {
        if (patterned) {
            m_pattern.emplace(MapSetting{"FIELDMAP", layer, "LINEPATTERN"});
            m_patternLength.emplace(MapSetting{"FIELDMAP", layer, "PATTERNLENGTH"});
        }
    }

    FieldLineStyle read(const kernel::FieldMap& map) const
    {
        FieldLineStyle style;
        style.color = m_color.small(map);
        style.thickness = m_thickness.number(map);
        if (m_pattern) {
            style.pattern = m_pattern->small(map);
            if (style.pattern != LinePattern_Solid)
                style.patternLength = m_patternLength->number(map);
        }
        return style;
    }

private:
    MapSetting m_color;
    MapSetting m_thickness;
    std::optional<MapSetting> m_pattern;
    std::optional<MapSetting> m_patternLength;
};

} // namespace

FieldMapStyle FieldMapStyle::read(const FrameSnapshot& snapshot, int map, const FieldFrameStyle& frame, bool threeD)
{
    static const MapSetting meshShow{"FIELDMAP", "MESH", "SHOW"};
    static const MapSetting meshType{"FIELDMAP", "MESH", "MESHTYPE"};
    static const LineSettings meshLine("MESH", true);
    static const MapSetting contourShow{"FIELDMAP", "CONTOUR", "SHOW"};
    static const MapSetting contourType{"FIELDMAP", "CONTOUR", "CONTOURTYPE"};
    static const MapSetting floodColoring{"FIELDMAP", "CONTOUR", "FLOODCOLORING"};
    static const MapSetting lineGroup{"FIELDMAP", "CONTOUR", "LINECONTOURGROUP"};
    static const LineSettings contourLine("CONTOUR", true);
    static const MapSetting contourLighting{"FIELDMAP", "CONTOUR", "USELIGHTINGEFFECT"};
    static const MapSetting vectorShow{"FIELDMAP", "VECTOR", "SHOW"};
    static const MapSetting vectorType{"FIELDMAP", "VECTOR", "VECTORTYPE"};
    static const MapSetting arrowheadStyle{"FIELDMAP", "VECTOR", "ARROWHEADSTYLE"};
    static const LineSettings vectorLine("VECTOR", true);
    static const MapSetting scatterShow{"FIELDMAP", "SCATTER", "SHOW"};
    static const MapSetting scatterIsText{"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ISASCII"};
    static const MapSetting scatterText{"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ASCIISHAPE", "ASCIICHAR"};
    static const MapSetting scatterShape{"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "GEOMSHAPE"};
    static const MapSetting scatterSize{"FIELDMAP", "SCATTER", "FRAMESIZE"};
    static const MapSetting scatterColor{"FIELDMAP", "SCATTER", "COLOR"};
    static const MapSetting scatterThickness{"FIELDMAP", "SCATTER", "LINETHICKNESS"};
    static const MapSetting fillMode{"FIELDMAP", "SCATTER", "FILLMODE"};
    static const MapSetting fillColor{"FIELDMAP", "SCATTER", "FILLCOLOR"};
    static const MapSetting shadeShow{"FIELDMAP", "SHADE", "SHOW"};
    static const MapSetting shadeColor{"FIELDMAP", "SHADE", "COLOR"};
    static const MapSetting shadeLighting{"FIELDMAP", "SHADE", "USELIGHTINGEFFECT"};
    static const MapSetting edgeShow{"FIELDMAP", "EDGELAYER", "SHOW"};
    static const MapSetting edgeType{"FIELDMAP", "EDGELAYER", "EDGETYPE"};
    static const LineSettings edgeLine("EDGELAYER", false);
    static const MapSetting borders[3] = {{"FIELDMAP", "EDGELAYER", "IBORDER"},
                                          {"FIELDMAP", "EDGELAYER", "JBORDER"},
                                          {"FIELDMAP", "EDGELAYER", "KBORDER"}};
    static const MapSetting pointsToPlot{"FIELDMAP", "POINTS", "POINTSTOPLOT"};
    static const MapSetting pointSkip[3] = {{"FIELDMAP", "POINTS", "IJKSKIP", "I"},
                                            {"FIELDMAP", "POINTS", "IJKSKIP", "J"},
                                            {"FIELDMAP", "POINTS", "IJKSKIP", "K"}};
    static const MapSetting surfacesToPlot{"FIELDMAP", "SURFACES", "SURFACESTOPLOT"};
    static const MapSetting ranges[3][3] = {{{"FIELDMAP", "SURFACES", "IRANGE", "MIN"},
                                             {"FIELDMAP", "SURFACES", "IRANGE", "MAX"},
                                             {"FIELDMAP", "SURFACES", "IRANGE", "SKIP"}},
                                            {{"FIELDMAP", "SURFACES", "JRANGE", "MIN"},
                                             {"FIELDMAP", "SURFACES", "JRANGE", "MAX"},
                                             {"FIELDMAP", "SURFACES", "JRANGE", "SKIP"}},
                                            {{"FIELDMAP", "SURFACES", "KRANGE", "MIN"},
                                             {"FIELDMAP", "SURFACES", "KRANGE", "MAX"},
                                             {"FIELDMAP", "SURFACES", "KRANGE", "SKIP"}}};
    static const MapSetting useTranslucency{"FIELDMAP", "EFFECTS", "USETRANSLUCENCY"};
    static const MapSetting translucency{"FIELDMAP", "EFFECTS", "SURFACETRANSLUCENCY"};

    FieldMapStyle style;
    if (map < 1 || map > snapshot.frame().fieldMapCount())
        return style;
    const kernel::FieldMap& m = snapshot.frame().fieldMaps[static_cast<std::size_t>(map - 1)];
    style.mesh = frame.showMesh && meshShow.isOn(m);
    if (style.mesh) {
        style.meshType = meshType.small(m);
        style.meshLine = meshLine.read(m);
    }
    style.contour = frame.showContour && contourShow.isOn(m);
    if (style.contour) {
        style.contourType = contourType.small(m);
        style.floodColoring = floodColoring.small(m);
        style.lineGroup = lineGroup.small(m);
        if (style.contourType == ContourType_Lines || style.contourType == ContourType_Overlay)
            style.contourLine = contourLine.read(m);
        style.contourLighting = contourLighting.isOn(m);
    }
    style.vector = frame.showVector && vectorShow.isOn(m);
    if (style.vector) {
        style.vectorType = vectorType.small(m);
        style.arrowheadStyle = arrowheadStyle.small(m);
        style.vectorLine = vectorLine.read(m);
    }
    style.scatter = frame.showScatter && scatterShow.isOn(m);
    if (style.scatter) {
        style.scatterIsText = scatterIsText.isOn(m);
        if (style.scatterIsText)
            style.scatterText = scatterText.text(m);
        else
            style.scatterShape = scatterShape.small(m);
        style.scatterSize = scatterSize.number(m);
        style.scatterColor = scatterColor.small(m);
        style.scatterThickness = scatterThickness.number(m);
        style.fillMode = fillMode.small(m);
        if (style.fillMode == FillMode_UseSpecificColor)
            style.fillColor = fillColor.small(m);
    }
    style.shade = frame.showShade && shadeShow.isOn(m);
    if (style.shade) {
        style.shadeColor = shadeColor.small(m);
        style.shadeLighting = shadeLighting.isOn(m);
    }
    style.edge = frame.showEdge && edgeShow.isOn(m);
    if (style.edge) {
        style.edgeType = edgeType.small(m);
        style.edgeLine = edgeLine.read(m);
        for (std::size_t d = 0; d < 3; ++d)
            style.borders[d] = borders[d].small(m);
    }
    if (style.vector || style.scatter) {
        style.pointsToPlot = pointsToPlot.small(m);
        for (std::size_t d = 0; d < 3; ++d)
            style.pointSkip[d] = pointSkip[d].integer(m);
    }
    if (!style.drawsAnything())
        return style;
    style.surfacesToPlot = surfacesToPlot.small(m);
    for (std::size_t d = 0; d < 3; ++d) {
        style.surfaceRanges[d].minimum = ranges[d][0].integer(m);
        style.surfaceRanges[d].maximum = ranges[d][1].integer(m);
        style.surfaceRanges[d].skip = ranges[d][2].integer(m);
    }
    if (threeD && frame.useTranslucency) {
        style.translucent = useTranslucency.isOn(m);
        if (style.translucent)
            style.translucency = translucency.small(m);
    }
    return style;
}

} // namespace kestrix::hostsim::render
