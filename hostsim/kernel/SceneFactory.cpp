#include "SceneFactory.h"

#include "KernelHandles.h"
#include "StyleEngine.h"

#include <kxsdkbase/Enumerations.h>

#include <stdexcept>

namespace kestrix::hostsim::kernel {

namespace {

Frame& addFrame(Scene& scene, const char* name, int plotType, std::vector<std::string> variables)
{
    if (scene.pages.empty())
        scene.pages.emplace_back();
    auto frame = std::make_unique<Frame>();
    frame->id = nextFrameId();
    frame->name = name;
    frame->plotType = plotType;
    frame->variables = std::move(variables);
    Frame& result = *frame;
    scene.pages.back().frames.push_back(std::move(frame));
    return result;
}

void addOrderedZone(Frame& frame, std::string name, long iMax, long jMax, long kMax)
{
    Zone zone;
    zone.name = std::move(name);
    zone.ordered = true;
    zone.iMax = iMax;
    zone.jMax = jMax;
    zone.kMax = kMax;
    zone.volume = iMax > 1 && jMax > 1 && kMax > 1;
    frame.zones.push_back(std::move(zone));
}

void addFiniteElementZone(Frame& frame, std::string name, long nodes, long elements, bool volume)
{
    Zone zone;
    zone.name = std::move(name);
    zone.ordered = false;
    zone.iMax = nodes;
    zone.jMax = elements;
    zone.kMax = volume ? 4 : 3;
    zone.volume = volume;
    frame.zones.push_back(std::move(zone));
}

void addFieldMap(Frame& frame, std::vector<int> zones)
{
    FieldMap map;
    map.mode = zones.size() > 1 ? 0 : 1;
    map.zones = std::move(zones);
    frame.fieldMaps.push_back(std::move(map));
}

// Enabled flags, one field map per zone when none were given, and the zone index.
void finishFrame(Frame& frame)
{
    frame.zoneEnabled.assign(frame.zones.size(), true);
    frame.variableEnabled.assign(frame.variables.size(), true);
    if (frame.fieldMaps.empty()) {
        frame.fieldMaps.reserve(frame.zones.size());
        for (int zone = 1; zone <= frame.zoneCount(); ++zone)
            addFieldMap(frame, {zone});
    }
    frame.indexZones();
}

// Writes a style value through the validating engine; the demo is code, so a refusal is a
// programming error.
void style(Scene& scene, const Frame& frame, std::initializer_list<const char*> path, const StyleData& value,
           std::initializer_list<int> objects = {}, int offset1 = -1)
{
    StyleRequest request;
    request.entry = StyleSchema::instance().find(path);
    request.frameId = frame.id;
    request.offset1 = offset1;
    KxKernelSet set;
    for (int object : objects)
        set.add(object);
    request.objects = &set;
    request.assignValue(value);
    const SetValueReturnCode_e code = StyleEngine::assign(scene, request);
    if (code != SetValue_Ok)
        throw std::logic_error("demo style refused: code " + std::to_string(code));
}

void setActive(Scene& scene, const Frame& frame, const char* keyword, std::initializer_list<int> inactive)
{
    KxKernelSet set;
    for (int map : inactive)
        set.add(map);
    StyleRequest request;
    request.entry = StyleSchema::instance().find({keyword});
    request.frameId = frame.id;
    request.assignOp = AssignOp_MinusEquals;
    request.setValue = &set;
    if (StyleEngine::assign(scene, request) != SetValue_Ok)
        throw std::logic_error("demo active set refused");
}

void addLineMap(Scene& scene, Frame& frame, const char* name, int zone, int x, int y)
{
    frame.lineMaps.emplace_back();
    const int map = frame.lineMapCount();
    style(scene, frame, {"LINEMAP", "NAME"}, std::string(name), {map});
    style(scene, frame, {"LINEMAP", "ASSIGN", "ZONE"}, long(zone), {map});
    style(scene, frame, {"LINEMAP", "ASSIGN", "XAXISVAR"}, long(x), {map});
    style(scene, frame, {"LINEMAP", "ASSIGN", "YAXISVAR"}, long(y), {map});
}

void buildWing(Scene& scene)
{
    Frame& wing = addFrame(scene, "Wing", PlotType_Cartesian3D, {"X", "Y", "Z", "P", "U", "V", "W"});
    addOrderedZone(wing, "block 1", 10, 8, 4);
    addOrderedZone(wing, "block 2", 12, 6, 4);
    addOrderedZone(wing, "upper surface", 20, 10, 1);
    addFiniteElementZone(wing, "tet mesh", 500, 1800, true);
    addFiniteElementZone(wing, "skin", 200, 360, false);
    addOrderedZone(wing, "wake", 30, 1, 1);
    addFieldMap(wing, {1, 2});
    addFieldMap(wing, {3});
    addFieldMap(wing, {4});
    addFieldMap(wing, {5});
    addFieldMap(wing, {6});
    finishFrame(wing);
    scene.reindex();

    style(scene, wing, {"FIELDLAYERS", "SHOWCONTOUR"}, 1L);
    style(scene, wing, {"GLOBALCONTOUR", "VAR"}, 4L, {}, 1);
    style(scene, wing, {"GLOBALCONTOUR", "VAR"}, 5L, {}, 2);
    style(scene, wing, {"GLOBALRGB", "REDCHANNELVAR"}, 5L);
    style(scene, wing, {"GLOBALRGB", "GREENCHANNELVAR"}, 6L);
    style(scene, wing, {"GLOBALRGB", "BLUECHANNELVAR"}, 7L);
    style(scene, wing, {"FIELDMAP", "GROUP"}, 2L, {3, 4});
    style(scene, wing, {"FIELDMAP", "MESH", "COLOR"}, 3L, {1});
    style(scene, wing, {"FIELDMAP", "MESH", "COLOR"}, 1L, {2, 3});
    style(scene, wing, {"FIELDMAP", "MESH", "MESHTYPE"}, long(MeshType_Overlay), {2});
    style(scene, wing, {"FIELDMAP", "MESH", "LINEPATTERN"}, long(LinePattern_Dashed), {3});
    style(scene, wing, {"FIELDMAP", "MESH", "LINETHICKNESS"}, 0.4, {1});
    style(scene, wing, {"FIELDMAP", "CONTOUR", "CONTOURTYPE"}, long(ContourType_Lines), {2});
    style(scene, wing, {"FIELDMAP", "CONTOUR", "FLOODCOLORING"}, long(ContourColoring_Group2), {3});
    style(scene, wing, {"FIELDMAP", "SCATTER", "SHOW"}, 1L, {3});
    style(scene, wing, {"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "GEOMSHAPE"}, long(GeomShape_Sphere), {3});
    style(scene, wing, {"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ISASCII"}, 1L, {4});
    style(scene, wing, {"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ASCIISHAPE", "ASCIICHAR"}, std::string("\\a"), {4});
    style(scene, wing, {"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ASCIISHAPE", "USEBASEFONT"}, 0L, {4});
    style(scene, wing, {"FIELDMAP", "SHADE", "SHOW"}, 1L, {4, 5});
    style(scene, wing, {"FIELDMAP", "SURFACES", "SURFACESTOPLOT"}, long(SurfacesToPlot_None), {3});
    style(scene, wing, {"FIELDMAP", "SURFACES", "SURFACESTOPLOT"}, long(SurfacesToPlot_KPlanes), {1});
    style(scene, wing, {"FIELDMAP", "SURFACES", "KRANGE", "SKIP"}, 2L, {1});
    style(scene, wing, {"FIELDMAP", "EFFECTS", "USETRANSLUCENCY"}, 1L, {3});
    style(scene, wing, {"FIELDMAP", "EFFECTS", "SURFACETRANSLUCENCY"}, 30L, {3});
    setActive(scene, wing, "ACTIVEFIELDMAPS", {5});
}

void buildSection(Scene& scene)
{
    Frame& section = addFrame(scene, "Section", PlotType_Cartesian2D, {"X", "Y", "P"});
    addOrderedZone(section, "upper", 40, 20, 1);
    addOrderedZone(section, "lower", 40, 20, 1);
    addFiniteElementZone(section, "mixed", 300, 500, false);
    finishFrame(section);
    scene.reindex();

    style(scene, section, {"FIELDLAYERS", "SHOWCONTOUR"}, 1L);
    style(scene, section, {"GLOBALCONTOUR", "VAR"}, 3L, {}, 1);
    style(scene, section, {"FIELDMAP", "MESH", "SHOW"}, 0L, {3});
    style(scene, section, {"FIELDMAP", "CONTOUR", "CONTOURTYPE"}, long(ContourType_Overlay), {1, 2});
    style(scene, section, {"FIELDMAP", "VECTOR", "SHOW"}, 1L, {1});
}

void buildPressure(Scene& scene)
{
    Frame& pressure = addFrame(scene, "Pressure", PlotType_XYLine, {"X", "Cp", "Cf"});
    addOrderedZone(pressure, "upper surface", 60, 1, 1);
    addOrderedZone(pressure, "lower surface", 60, 1, 1);
    addOrderedZone(pressure, "experiment", 25, 1, 1);
    finishFrame(pressure);
    pressure.axes[{'X', 1}] = {0.0, 1.0};
    pressure.axes[{'Y', 1}] = {-1.5, 1.0};
    scene.reindex();

    addLineMap(scene, pressure, "&ZN&: &DV&", 1, 1, 2);
    addLineMap(scene, pressure, "&ZN&: &DV&", 2, 1, 2);
    addLineMap(scene, pressure, "Skin friction &Z#&", 1, 1, 3);
    addLineMap(scene, pressure, "Measured (map &M#&)", 3, 1, 2);
    style(scene, pressure, {"LINEPLOTLAYERS", "SHOWSYMBOLS"}, 1L);
    style(scene, pressure, {"LINEMAP", "LINES", "COLOR"}, 1L, {1});
    style(scene, pressure, {"LINEMAP", "LINES", "COLOR"}, 3L, {2});
    style(scene, pressure, {"LINEMAP", "LINES", "LINEPATTERN"}, long(LinePattern_Dashed), {3});
    style(scene, pressure, {"LINEMAP", "ASSIGN", "YAXIS"}, 2L, {3});
    style(scene, pressure, {"LINEMAP", "LINES", "SHOW"}, 0L, {4});
    style(scene, pressure, {"LINEMAP", "SYMBOLS", "SHOW"}, 1L, {4});
    style(scene, pressure, {"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "GEOMSHAPE"}, long(GeomShape_Circle), {4});
    style(scene, pressure, {"LINEMAP", "ERRORBARS", "VAR"}, 3L, {4});
    style(scene, pressure, {"LINEMAP", "CURVES", "CURVETYPE"}, long(CurveType_Spline), {2});
}

void buildPolar(Scene& scene)
{
    Frame& polar = addFrame(scene, "Polar", PlotType_PolarLine, {"Theta", "R"});
    addOrderedZone(polar, "lobe", 72, 1, 1);
    addOrderedZone(polar, "reference", 72, 1, 1);
    finishFrame(polar);
    scene.reindex();

    addLineMap(scene, polar, "&DV& over &IV&", 1, 1, 2);
    addLineMap(scene, polar, "Map &M#&: &ZN&", 2, 1, 2);
    style(scene, polar, {"LINEMAP", "LINES", "COLOR"}, 2L, {2});
}

// Names alternate so that a pattern such as "inlet" hits every other row.
std::string alternatingName(int number)
{
    return (number % 2 == 1 ? "inlet " : "outlet ") + std::to_string(number);
}

void setDirect(SparseStyleValues& values, const StyleSchemaEntry& entry, StyleData value)
{
    if (value != entry.defaultValue)
        values.set(entry.slot, std::move(value));
}

std::unique_ptr<Scene> generateField(int count, bool threeD)
{
    auto scene = std::make_unique<Scene>();
    Frame& frame = addFrame(*scene, threeD ? "Generated 3D" : "Generated 2D",
                            threeD ? PlotType_Cartesian3D : PlotType_Cartesian2D, {"X", "Y", "Z", "P"});
    frame.zones.reserve(static_cast<std::size_t>(count));
    for (int zone = 1; zone <= count; ++zone) {
        if (zone % 3 == 0)
            addFiniteElementZone(frame, alternatingName(zone), 64, 90, threeD);
        else
            addOrderedZone(frame, alternatingName(zone), 8, 6, threeD && zone % 3 == 1 ? 4 : 1);
    }
    finishFrame(frame);
    const StyleSchema& schema = StyleSchema::instance();
    const StyleSchemaEntry& group = *schema.find({"FIELDMAP", "GROUP"});
    const StyleSchemaEntry& color = *schema.find({"FIELDMAP", "MESH", "COLOR"});
    for (int map = 1; map <= count; ++map) {
        FieldMap& fieldMap = frame.fieldMaps[static_cast<std::size_t>(map - 1)];
        setDirect(fieldMap.style, group, long(map % 2 == 1 ? 1 : 2));
        setDirect(fieldMap.style, color, long(map % 8));
    }
    scene->currentPage = 1;
    scene->currentFrame = 1;
    return scene;
}

std::unique_ptr<Scene> generateLines(int count, bool polar)
{
    auto scene = std::make_unique<Scene>();
    Frame& frame = addFrame(*scene, polar ? "Generated polar" : "Generated x-y",
                            polar ? PlotType_PolarLine : PlotType_XYLine,
                            polar ? std::vector<std::string>{"Theta", "R"} : std::vector<std::string>{"X", "Y", "E"});
    frame.zones.reserve(static_cast<std::size_t>(count));
    for (int zone = 1; zone <= count; ++zone)
        addOrderedZone(frame, "zone " + std::to_string(zone), 100, 1, 1);
    finishFrame(frame);
    const StyleSchema& schema = StyleSchema::instance();
    const StyleSchemaEntry& name = *schema.find({"LINEMAP", "NAME"});
    const StyleSchemaEntry& zoneEntry = *schema.find({"LINEMAP", "ASSIGN", "ZONE"});
    const StyleSchemaEntry& color = *schema.find({"LINEMAP", "LINES", "COLOR"});
    frame.lineMaps.resize(static_cast<std::size_t>(count));
    for (int map = 1; map <= count; ++map) {
        LineMap& lineMap = frame.lineMaps[static_cast<std::size_t>(map - 1)];
        setDirect(lineMap.style, color, long(map % 8));
        setDirect(lineMap.style, name, alternatingName(map));
        setDirect(lineMap.style, zoneEntry, long(map));
    }
    scene->currentPage = 1;
    scene->currentFrame = 1;
    return scene;
}

} // namespace

std::unique_ptr<Scene> SceneFactory::empty()
{
    return std::make_unique<Scene>();
}

std::unique_ptr<Scene> SceneFactory::demo()
{
    auto scene = std::make_unique<Scene>();
    scene->pages.emplace_back();
    scene->pages.back().name = "Demo";
    buildWing(*scene);
    buildSection(*scene);
    buildPressure(*scene);
    buildPolar(*scene);
    scene->currentPage = 1;
    scene->currentFrame = 1;
    scene->reindex();
    return scene;
}

std::unique_ptr<Scene> SceneFactory::generated(const std::string& description, std::string* error)
{
    const auto colon = description.find(':');
    const std::string kind = description.substr(0, colon);
    int count = -1;
    if (colon != std::string::npos) {
        const std::string number = description.substr(colon + 1);
        if (!number.empty() && number.size() <= 7 && number.find_first_not_of("0123456789") == std::string::npos)
            count = std::stoi(number);
    }
    std::unique_ptr<Scene> scene;
    if (count < 0) {
        if (error)
            *error = "\"" + description + "\": expected kind:count, e.g. field3d:1000";
        return nullptr;
    }
    if (kind == "field3d" || kind == "field2d")
        scene = generateField(count, kind == "field3d");
    else if (kind == "xy" || kind == "polar")
        scene = generateLines(count, kind == "polar");
    else if (error)
        *error = "\"" + kind + "\": unknown kind (field3d, field2d, xy or polar)";
    if (scene)
        scene->reindex();
    return scene;
}

} // namespace kestrix::hostsim::kernel
