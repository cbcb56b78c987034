#include "SceneFactory.h"

#include "KernelHandles.h"
#include "StyleEngine.h"

#include <kxsdkbase/Enumerations.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace kestrix::hostsim::kernel {

namespace {

// The generated scenes hold at most this many maps: beyond it a scene of data-carrying zones
// would take gigabytes. The workbench's --generate takes the same range.
constexpr int MaximumGeneratedMapCount = 1000000;

constexpr double Pi = 3.14159265358979323846;

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
    scene.index(result);
    return result;
}

Zone& addOrderedZone(Frame& frame, std::string name, long iMax, long jMax, long kMax)
{
    Zone zone;
    zone.name = std::move(name);
    zone.ordered = true;
    zone.iMax = iMax;
    zone.jMax = jMax;
    zone.kMax = kMax;
    zone.volume = iMax > 1 && jMax > 1 && kMax > 1;
    frame.zones.push_back(std::move(zone));
    return frame.zones.back();
}

// `connectivity` holds `nodesPerElement` 0-based node numbers per element.
Zone& addFiniteElementZone(Frame& frame, std::string name, long nodes, std::vector<int> connectivity,
                           long nodesPerElement, bool volume)
{
    Zone zone;
    zone.name = std::move(name);
    zone.ordered = false;
    zone.iMax = nodes;
    zone.jMax = static_cast<long>(connectivity.size()) / nodesPerElement;
    zone.kMax = nodesPerElement;
    zone.volume = volume;
    zone.connectivity = std::move(connectivity);
    frame.zones.push_back(std::move(zone));
    return frame.zones.back();
}

// Triangles and quadrilaterals over a grid of nx by ny nodes (node i + j * nx): the first
// `quads` cells stay quadrilaterals, the others are cut into two triangles each; triangles
// repeat their last node.
std::vector<int> surfaceElements(int nx, int ny, int quads)
{
    std::vector<int> result;
    int cell = 0;
    for (int j = 0; j + 1 < ny; ++j) {
        for (int i = 0; i + 1 < nx; ++i, ++cell) {
            const int a = i + j * nx;
            const int b = a + 1;
            const int c = b + nx;
            const int d = a + nx;
            if (cell < quads)
                result.insert(result.end(), {a, b, c, d});
            else
                result.insert(result.end(), {a, b, c, c, a, c, d, d});
        }
    }
    return result;
}

// Six tetrahedra per cell of a grid of nx by ny by nz nodes, all around the cell's diagonal
// from its lowest to its highest corner, so that neighbouring cells share their faces.
std::vector<int> tetrahedra(int nx, int ny, int nz)
{
    const auto node = [nx, ny](int i, int j, int k) { return i + j * nx + k * nx * ny; };
    static const int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    std::vector<int> result;
    for (int k = 0; k + 1 < nz; ++k) {
        for (int j = 0; j + 1 < ny; ++j) {
            for (int i = 0; i + 1 < nx; ++i) {
                for (const auto& order : orders) {
                    int at[3] = {i, j, k};
                    result.push_back(node(at[0], at[1], at[2]));
                    for (int step = 0; step < 3; ++step) {
                        ++at[order[step]];
                        result.push_back(node(at[0], at[1], at[2]));
                    }
                }
            }
        }
    }
    return result;
}

// One brick per cell of a grid of nx by ny by nz nodes: the lower face, then the upper one.
std::vector<int> bricks(int nx, int ny, int nz)
{
    const auto node = [nx, ny](int i, int j, int k) { return i + j * nx + k * nx * ny; };
    std::vector<int> result;
    for (int k = 0; k + 1 < nz; ++k) {
        for (int j = 0; j + 1 < ny; ++j) {
            for (int i = 0; i + 1 < nx; ++i) {
                for (int dk = 0; dk < 2; ++dk)
                    result.insert(result.end(), {node(i, j, k + dk), node(i + 1, j, k + dk), node(i + 1, j + 1, k + dk),
                                                 node(i, j + 1, k + dk)});
            }
        }
    }
    return result;
}

// Node values of a zone whose nodes form a grid of nx by ny by nz (i fastest), for the listed
// variables (0-based) of a frame of `variableCount` variables; the others get none.
// `sample(i, j, k, out)` writes one value per listed variable, in the order listed.
template <typename Sample>
void fillGrid(Zone& zone, std::size_t variableCount, const std::vector<std::size_t>& variables, long nx, long ny,
              long nz, Sample sample)
{
    const auto nodes = static_cast<std::size_t>(nx * ny * nz);
    zone.values.assign(variableCount, {});
    std::vector<double*> targets;
    for (std::size_t variable : variables) {
        zone.values[variable].resize(nodes);
        targets.push_back(zone.values[variable].data());
    }
    std::vector<double> out(targets.size());
    std::size_t node = 0;
    for (long k = 0; k < nz; ++k) {
        for (long j = 0; j < ny; ++j) {
            for (long i = 0; i < nx; ++i, ++node) {
                sample(i, j, k, out.data());
                for (std::size_t v = 0; v < targets.size(); ++v)
                    targets[v][node] = out[v];
            }
        }
    }
}

double fraction(long index, long count)
{
    return count > 1 ? static_cast<double>(index) / static_cast<double>(count - 1) : 0.0;
}

// Half the thickness of a symmetric wing section of 12 % at x (0 to 1 along the chord).
double halfThickness(double x)
{
    if (x <= 0.0 || x >= 1.0)
        return 0.0;
    return 0.6 * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x - 0.1036 * x * x * x * x);
}

// A smooth stand-in for the flow round the wing at x along the chord, `span` along the span
// (0 to 2) and `height` above the chord: a stagnation point at the leading edge, suction over
// the upper side and less under it, weakening towards the tip, and a wake behind. Far from
// the wing the pressure coefficient P is 0 and the velocity (U, V, W) is (1, 0, 0).
struct Flow {
    double p;
    double u;
    double v;
    double w;
};

Flow flowAround(double x, double span, double height)
{
    const double lead = std::exp(-((x + 0.02) * (x + 0.02) + height * height) / 0.01);
    const double side = std::exp(-(x - 0.3) * (x - 0.3) / 0.35 - height * height / 0.35);
    const double upper = 0.5 + 0.5 * std::tanh(6.0 * height);
    const double load = 1.0 - 0.2 * span;
    const double wake = std::exp(-height * height / 0.02) / (1.0 + std::exp(-8.0 * (x - 1.2)));
    Flow flow;
    flow.p = 0.9 * lead - load * (0.5 + 0.8 * upper) * side - 0.25 * wake;
    flow.u = 1.0 + 0.5 * load * (0.4 + 0.6 * upper) * side - 0.3 * wake - 0.5 * lead;
    flow.v = 0.05 * std::sin(Pi * span / 2.0);
    flow.w = 0.4 * (0.3 - x) * side;
    return flow;
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
    const std::size_t variables = wing.variables.size();
    // A wing of chord 1 and span 2 along Y: flow blocks before and behind it, its upper
    // surface, a tetrahedral block under it, its lower skin and a wake line.
    const auto flowAt = [](double x, double y, double z, double* out) {
        const Flow flow = flowAround(x, y, z);
        const double values[] = {x, y, z, flow.p, flow.u, flow.v, flow.w};
        std::copy(std::begin(values), std::end(values), out);
    };
    const auto box = [&](Zone& zone, double x0, double x1, double z0, double z1) {
        fillGrid(zone, variables, {0, 1, 2, 3, 4, 5, 6}, zone.iMax, zone.jMax, zone.kMax,
                 [&](long i, long j, long k, double* out) {
                     flowAt(x0 + (x1 - x0) * fraction(i, zone.iMax), 2.0 * fraction(j, zone.jMax),
                            z0 + (z1 - z0) * fraction(k, zone.kMax), out);
                 });
    };
    box(addOrderedZone(wing, "block 1", 10, 8, 4), -1.0, 0.0, -0.5, 0.5);
    box(addOrderedZone(wing, "block 2", 12, 6, 4), 1.0, 2.5, -0.5, 0.5);
    const auto chord = [](long i, long count) { return 0.5 * (1.0 - std::cos(Pi * fraction(i, count))); };
    Zone& upper = addOrderedZone(wing, "upper surface", 20, 10, 1);
    fillGrid(upper, variables, {0, 1, 2, 3, 4, 5, 6}, 20, 10, 1, [&](long i, long j, long, double* out) {
        const double x = chord(i, 20);
        flowAt(x, 2.0 * fraction(j, 10), halfThickness(x), out);
    });
    Zone& tets = addFiniteElementZone(wing, "tet mesh", 11 * 7 * 6, tetrahedra(11, 7, 6), 4, true);
    fillGrid(tets, variables, {0, 1, 2, 3, 4, 5, 6}, 11, 7, 6, [&](long i, long j, long k, double* out) {
        flowAt(fraction(i, 11), 2.0 * fraction(j, 7), -0.5 + 0.4 * fraction(k, 6), out);
    });
    Zone& skin = addFiniteElementZone(wing, "skin", 20 * 10, surfaceElements(20, 10, 22), 4, false);
    fillGrid(skin, variables, {0, 1, 2, 3, 4, 5, 6}, 20, 10, 1, [&](long i, long j, long, double* out) {
        const double x = chord(i, 20);
        flowAt(x, 2.0 * fraction(j, 10), -halfThickness(x), out);
    });
    Zone& wake = addOrderedZone(wing, "wake", 30, 1, 1);
    fillGrid(wake, variables, {0, 1, 2, 3, 4, 5, 6}, 30, 1, 1,
             [&](long i, long, long, double* out) { flowAt(1.0 + 2.0 * fraction(i, 30), 1.0, 0.0, out); });
    addFieldMap(wing, {1, 2});
    addFieldMap(wing, {3});
    addFieldMap(wing, {4});
    addFieldMap(wing, {5});
    addFieldMap(wing, {6});
    finishFrame(wing);

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
    Frame& section = addFrame(scene, "Section", PlotType_Cartesian2D, {"X", "Y", "P", "U", "V"});
    const std::size_t variables = section.variables.size();
    // The flow around the wing's section: grids above and below it from x = -1 to 2, and a
    // finite-element block behind them.
    const auto flowAt = [](double x, double y, double* out) {
        const Flow flow = flowAround(x, 0.0, y);
        const double values[] = {x, y, flow.p, flow.u, flow.w};
        std::copy(std::begin(values), std::end(values), out);
    };
    const auto along = [](long i) { return -1.0 + 3.0 * fraction(i, 40); };
    fillGrid(addOrderedZone(section, "upper", 40, 20, 1), variables, {0, 1, 2, 3, 4}, 40, 20, 1,
             [&](long i, long j, long, double* out) {
                 const double x = along(i);
                 const double wall = halfThickness(x);
                 flowAt(x, wall + (1.0 - wall) * std::pow(fraction(j, 20), 1.5), out);
             });
    fillGrid(addOrderedZone(section, "lower", 40, 20, 1), variables, {0, 1, 2, 3, 4}, 40, 20, 1,
             [&](long i, long j, long, double* out) {
                 const double x = along(i);
                 const double wall = halfThickness(x);
                 flowAt(x, -wall - (1.0 - wall) * std::pow(1.0 - fraction(j, 20), 1.5), out);
             });
    fillGrid(addFiniteElementZone(section, "mixed", 15 * 20, surfaceElements(15, 20, 32), 4, false), variables,
             {0, 1, 2, 3, 4}, 15, 20, 1, [&](long i, long j, long, double* out) {
                 flowAt(2.0 + fraction(i, 15), -1.0 + 2.0 * fraction(j, 20), out);
             });
    finishFrame(section);

    style(scene, section, {"FIELDLAYERS", "SHOWCONTOUR"}, 1L);
    style(scene, section, {"GLOBALCONTOUR", "VAR"}, 3L, {}, 1);
    style(scene, section, {"FIELDMAP", "MESH", "SHOW"}, 0L, {3});
    style(scene, section, {"FIELDMAP", "CONTOUR", "CONTOURTYPE"}, long(ContourType_Overlay), {1, 2});
    style(scene, section, {"FIELDMAP", "VECTOR", "SHOW"}, 1L, {1});
}

// The pressure coefficient along the wing's upper and lower surface at x (0 to 1).
double upperPressure(double x)
{
    return 1.0 - 2.2 * (1.0 - std::exp(-30.0 * x)) + 1.3 * x;
}

double lowerPressure(double x)
{
    return 1.0 - 1.1 * (1.0 - std::exp(-30.0 * x)) + 0.2 * x;
}

void buildPressure(Scene& scene)
{
    Frame& pressure = addFrame(scene, "Pressure", PlotType_XYLine, {"X", "Cp", "Cf"});
    const std::size_t variables = pressure.variables.size();
    const auto chord = [](long i, long count) { return 0.5 * (1.0 - std::cos(Pi * fraction(i, count))); };
    fillGrid(addOrderedZone(pressure, "upper surface", 60, 1, 1), variables, {0, 1, 2}, 60, 1, 1,
             [&](long i, long, long, double* out) {
                 const double x = chord(i, 60);
                 out[0] = x;
                 out[1] = upperPressure(x);
                 out[2] = 0.006 * std::exp(-3.0 * x) + 0.001;
             });
    fillGrid(addOrderedZone(pressure, "lower surface", 60, 1, 1), variables, {0, 1, 2}, 60, 1, 1,
             [&](long i, long, long, double* out) {
                 const double x = chord(i, 60);
                 out[0] = x;
                 out[1] = lowerPressure(x);
                 out[2] = 0.004 * std::exp(-2.0 * x) + 0.001;
             });
    // Measurements scatter about the upper surface's curve; Cf holds their error.
    fillGrid(addOrderedZone(pressure, "experiment", 25, 1, 1), variables, {0, 1, 2}, 25, 1, 1,
             [&](long i, long, long, double* out) {
                 const double x = 0.02 + 0.96 * fraction(i, 25);
                 out[0] = x;
                 out[1] = upperPressure(x) + 0.06 * std::sin(7.0 * static_cast<double>(i));
                 out[2] = 0.05 + 0.03 * std::cos(3.0 * static_cast<double>(i));
             });
    finishFrame(pressure);
    pressure.axes[{'X', 1}] = {0.0, 1.0};
    pressure.axes[{'Y', 1}] = {-1.5, 1.0};

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
    // Theta in degrees, every 5 degrees round the circle.
    fillGrid(addOrderedZone(polar, "lobe", 72, 1, 1), 2, {0, 1}, 72, 1, 1, [](long i, long, long, double* out) {
        const double theta = 5.0 * static_cast<double>(i);
        out[0] = theta;
        out[1] = 1.0 + 0.6 * std::cos(2.0 * theta * Pi / 180.0) + 0.2 * std::cos(theta * Pi / 180.0);
    });
    fillGrid(addOrderedZone(polar, "reference", 72, 1, 1), 2, {0, 1}, 72, 1, 1, [](long i, long, long, double* out) {
        out[0] = 5.0 * static_cast<double>(i);
        out[1] = 1.0;
    });
    finishFrame(polar);

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

// Node values of a zone of a generated field scene: X, Y, (Z) and P over a grid of nx by ny
// by nz nodes (at most 8 a side) spread over 0.8 by 0.8 from (left, bottom) and, in 3D, 0 to
// 0.4 in Z (a single layer is a sheet at about 0.2). P is one smooth function of X, Y and Z
// over the whole scene; its factors along X and Y are worked out once per index.
void fillTile(Zone& zone, std::size_t variables, double left, double bottom, long nx, long ny, long nz, bool threeD)
{
    std::array<double, 8> xs{};
    std::array<double, 8> ys{};
    std::array<double, 8> alongX{};
    std::array<double, 8> alongY{};
    std::array<double, 8> sheetX{};
    std::array<double, 8> sheetY{};
    for (long i = 0; i < nx; ++i) {
        const auto at = static_cast<std::size_t>(i);
        xs[at] = left + 0.8 * fraction(i, nx);
        alongX[at] = std::sin(0.9 * xs[at]);
        sheetX[at] = std::sin(5.0 * xs[at]);
    }
    for (long j = 0; j < ny; ++j) {
        const auto at = static_cast<std::size_t>(j);
        ys[at] = bottom + 0.8 * fraction(j, ny);
        alongY[at] = std::cos(0.7 * ys[at]);
        sheetY[at] = std::cos(3.0 * ys[at]);
    }
    const auto nodes = static_cast<std::size_t>(nx * ny * nz);
    zone.values.assign(variables, {});
    std::vector<double>& x = zone.values[0];
    std::vector<double>& y = zone.values[1];
    std::vector<double>& z = zone.values[2];
    std::vector<double>& p = zone.values[3];
    x.resize(nodes);
    y.resize(nodes);
    p.resize(nodes);
    if (threeD)
        z.resize(nodes);
    std::size_t node = 0;
    for (long k = 0; k < nz; ++k) {
        for (std::size_t j = 0; j < static_cast<std::size_t>(ny); ++j) {
            for (std::size_t i = 0; i < static_cast<std::size_t>(nx); ++i, ++node) {
                x[node] = xs[i];
                y[node] = ys[j];
                p[node] = alongX[i] * alongY[j];
                if (threeD) {
                    z[node] = nz > 1 ? 0.4 * fraction(k, nz) : 0.2 + 0.1 * sheetX[i] * sheetY[j];
                    p[node] += 0.5 * z[node];
                }
            }
        }
    }
}

// Zone k of a generated field scene lies in tile k of a square of tiles of size 1, row by
// row, so that every zone shows. 2D zones carry no Z.
std::unique_ptr<Scene> generateField(int count, bool threeD)
{
    auto scene = std::make_unique<Scene>();
    Frame& frame = addFrame(*scene, threeD ? "Generated 3D" : "Generated 2D",
                            threeD ? PlotType_Cartesian3D : PlotType_Cartesian2D, {"X", "Y", "Z", "P"});
    const std::size_t variables = frame.variables.size();
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count)))));
    const std::vector<int> surface = surfaceElements(5, 5, 4);
    const std::vector<int> volume = bricks(3, 3, 3);
    frame.zones.reserve(static_cast<std::size_t>(count));
    for (int zone = 1; zone <= count; ++zone) {
        const double left = static_cast<double>((zone - 1) % columns) + 0.1;
        const double bottom = static_cast<double>((zone - 1) / columns) + 0.1;
        if (zone % 3 == 0 && threeD)
            fillTile(addFiniteElementZone(frame, alternatingName(zone), 27, volume, 8, true), variables, left, bottom,
                     3, 3, 3, true);
        else if (zone % 3 == 0)
            fillTile(addFiniteElementZone(frame, alternatingName(zone), 25, surface, 4, false), variables, left, bottom,
                     5, 5, 1, false);
        else
            fillTile(addOrderedZone(frame, alternatingName(zone), 7, 5, threeD && zone % 3 == 1 ? 3 : 1), variables,
                     left, bottom, 7, 5, threeD && zone % 3 == 1 ? 3 : 1, threeD);
    }
    finishFrame(frame);
    style(*scene, frame, {"GLOBALCONTOUR", "VAR"}, 4L, {}, 1);
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

// Line k of a generated scene is a curve of its own: a sine wave whose frequency, phase,
// amplitude and offset change with k (x-y), or a lobed curve round the circle (polar, theta
// in degrees).
std::unique_ptr<Scene> generateLines(int count, bool polar)
{
    constexpr long Points = 50;
    auto scene = std::make_unique<Scene>();
    Frame& frame =
        addFrame(*scene, polar ? "Generated polar" : "Generated x-y", polar ? PlotType_PolarLine : PlotType_XYLine,
                 polar ? std::vector<std::string>{"Theta", "R"} : std::vector<std::string>{"X", "Y", "E"});
    const std::size_t variables = frame.variables.size();
    frame.zones.reserve(static_cast<std::size_t>(count));
    for (int zone = 1; zone <= count; ++zone) {
        const double frequency = 1.0 + 0.5 * (zone % 5);
        const double phase = 0.7 * zone;
        const double amplitude = 1.0 / (1.0 + 0.2 * (zone % 7));
        const double offset = 0.1 * (zone % 11);
        Zone& target = addOrderedZone(frame, "zone " + std::to_string(zone), Points, 1, 1);
        target.values.assign(variables, {});
        std::vector<double>& along = target.values[0];
        std::vector<double>& across = target.values[1];
        along.resize(Points);
        across.resize(Points);
        for (long i = 0; i < Points; ++i) {
            const double t = fraction(i, Points);
            const auto at = static_cast<std::size_t>(i);
            if (polar) {
                along[at] = 360.0 * t;
                across[at] = 1.0 + offset + 0.5 * amplitude * std::cos(frequency * 2.0 * Pi * t + phase);
            } else {
                along[at] = t;
                across[at] = offset + amplitude * std::sin(2.0 * Pi * frequency * t + phase);
            }
        }
    }
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
    if (count < 1 || count > MaximumGeneratedMapCount) {
        if (error)
            *error = "\"" + description + "\": expected kind:count with a count from 1 to "
                     + std::to_string(MaximumGeneratedMapCount) + ", e.g. field3d:1000";
        return nullptr;
    }
    std::unique_ptr<Scene> scene;
    if (kind == "field3d" || kind == "field2d")
        scene = generateField(count, kind == "field3d");
    else if (kind == "xy" || kind == "polar")
        scene = generateLines(count, kind == "polar");
    else if (error)
        *error = "\"" + kind + "\": unknown kind (field3d, field2d, xy or polar)";
    return scene;
}

} // namespace kestrix::hostsim::kernel
