#include "StyleSchema.h"

#include <kxsdkbase/Enumerations.h>

#include <climits>
#include <stdexcept>

namespace kestrix::hostsim::kernel {

namespace {

struct ValueRules {
    StyleType type = StyleType::Integer;
    long minInteger = 0;
    long maxInteger = 0;
    double minDouble = 0.0;
    double maxDouble = 0.0;
    std::vector<long> values;
    bool allowNone = false;
    StyleData defaultValue;
};

ValueRules boolean(bool defaultValue)
{
    ValueRules rules;
    rules.type = StyleType::Boolean;
    rules.minInteger = 0;
    rules.maxInteger = 1;
    rules.defaultValue = defaultValue ? 1L : 0L;
    return rules;
}

ValueRules integer(long minimum, long maximum, long defaultValue)
{
    ValueRules rules;
    rules.type = StyleType::Integer;
    rules.minInteger = minimum;
    rules.maxInteger = maximum;
    rules.defaultValue = defaultValue;
    return rules;
}

ValueRules enumeration(std::vector<long> values, long defaultValue)
{
    ValueRules rules;
    rules.type = StyleType::Enumeration;
    rules.values = std::move(values);
    rules.defaultValue = defaultValue;
    return rules;
}

// Enumerations whose values are first..last without gaps.
ValueRules enumerationRange(long first, long last, long defaultValue)
{
    std::vector<long> values;
    for (long value = first; value <= last; ++value)
        values.push_back(value);
    return enumeration(std::move(values), defaultValue);
}

ValueRules real(double minimum, double maximum, double defaultValue)
{
    ValueRules rules;
    rules.type = StyleType::Double;
    rules.minDouble = minimum;
    rules.maxDouble = maximum;
    rules.defaultValue = defaultValue;
    return rules;
}

ValueRules text(const char* defaultValue)
{
    ValueRules rules;
    rules.type = StyleType::String;
    rules.defaultValue = std::string(defaultValue);
    return rules;
}

// Basic colours 0..63 and the multi-colour and RGB settings -1, -3..-10 (-2 is no colour).
ValueRules color(long defaultValue)
{
    ValueRules rules;
    rules.type = StyleType::Color;
    rules.defaultValue = defaultValue;
    return rules;
}

ValueRules variable(bool allowNone, long defaultValue)
{
    ValueRules rules;
    rules.type = StyleType::Variable;
    rules.allowNone = allowNone;
    rules.defaultValue = defaultValue;
    return rules;
}

ValueRules zone(long defaultValue)
{
    ValueRules rules;
    rules.type = StyleType::Zone;
    rules.defaultValue = defaultValue;
    return rules;
}

ValueRules mapSet()
{
    ValueRules rules;
    rules.type = StyleType::MapSet;
    rules.defaultValue = 0L;
    return rules;
}

// Sizes and pattern lengths are percentages of the frame.
ValueRules thickness(double defaultValue) { return real(0.0001, 100.0, defaultValue); }
ValueRules patternLength(double defaultValue) { return real(0.01, 100.0, defaultValue); }
ValueRules symbolSize(double defaultValue) { return real(0.0, 100.0, defaultValue); }
ValueRules linePattern() { return enumerationRange(LinePattern_Solid, LinePattern_DashDotDot, LinePattern_Solid); }
ValueRules fillMode(long defaultValue) { return enumerationRange(FillMode_None, FillMode_UseBackgroundColor, defaultValue); }
ValueRules geomShape() { return enumerationRange(GeomShape_Square, GeomShape_Point, GeomShape_Square); }
ValueRules font(long defaultValue) { return enumerationRange(Font_Helvetica, Font_Extended, defaultValue); }
ValueRules skipping() { return real(0.0, 2147483647.0, 1.0); }
ValueRules skipMode() { return enumerationRange(SkipMode_ByIndex, SkipMode_ByFrameUnits, SkipMode_ByIndex); }

} // namespace

class StyleSchemaBuilder {
public:
    explicit StyleSchemaBuilder(StyleSchema& schema) : m_schema(schema) {}

    void add(StyleOwner owner, std::initializer_list<const char*> keywords, const ValueRules& rules,
             StyleStorage storage = StyleStorage::Table, int offsetMin = 0, int offsetMax = 0)
    {
        auto entry = std::make_unique<StyleSchemaEntry>();
        entry->owner = owner;
        entry->type = rules.type;
        entry->storage = storage;
        entry->minInteger = rules.minInteger;
        entry->maxInteger = rules.maxInteger;
        entry->minDouble = rules.minDouble;
        entry->maxDouble = rules.maxDouble;
        entry->enumerationValues = rules.values;
        entry->allowNone = rules.allowNone;
        entry->defaultValue = rules.defaultValue;
        entry->offsetMin = offsetMin;
        entry->offsetMax = offsetMax;
        m_schema.add(std::move(entry), keywords);
    }

    void fieldMap(std::initializer_list<const char*> keywords, const ValueRules& rules)
    {
        add(StyleOwner::FieldMap, keywords, rules);
    }
    void lineMap(std::initializer_list<const char*> keywords, const ValueRules& rules)
    {
        add(StyleOwner::LineMap, keywords, rules);
    }
    void frame(std::initializer_list<const char*> keywords, const ValueRules& rules) { add(StyleOwner::Frame, keywords, rules); }
    void application(std::initializer_list<const char*> keywords, const ValueRules& rules)
    {
        add(StyleOwner::Application, keywords, rules);
    }

    void build()
    {
        buildFieldMaps();
        buildLineMaps();
        buildFrames();
        buildApplication();
    }

private:
    void buildSymbolShape(StyleOwner owner, const char* kw1, const char* kw2)
    {
        add(owner, {kw1, kw2, "SYMBOLSHAPE", "ISASCII"}, boolean(false));
        add(owner, {kw1, kw2, "SYMBOLSHAPE", "GEOMSHAPE"}, geomShape());
        add(owner, {kw1, kw2, "SYMBOLSHAPE", "ASCIISHAPE", "ASCIICHAR"}, text("a"));
        add(owner, {kw1, kw2, "SYMBOLSHAPE", "ASCIISHAPE", "USEBASEFONT"}, boolean(true));
        add(owner, {kw1, kw2, "SYMBOLSHAPE", "ASCIISHAPE", "FONTOVERRIDE"}, font(Font_Greek));
    }

    void buildIndexRange(StyleOwner owner, const char* kw1, const char* kw2, const char* range)
    {
        // MIN and MAX count from the end when zero or negative (0 is the last index).
        add(owner, {kw1, kw2, range, "MIN"}, integer(-2147483647L, 2147483647L, 1));
        add(owner, {kw1, kw2, range, "MAX"}, integer(-2147483647L, 2147483647L, 0));
        add(owner, {kw1, kw2, range, "SKIP"}, integer(0, 2147483647L, 1));
    }

    void buildFieldMaps()
    {
        fieldMap({"FIELDMAP", "GROUP"}, integer(1, 32700, 1));

        fieldMap({"FIELDMAP", "MESH", "SHOW"}, boolean(true));
        fieldMap({"FIELDMAP", "MESH", "MESHTYPE"},
                 enumerationRange(MeshType_Wireframe, MeshType_HiddenLine, MeshType_Wireframe));
        fieldMap({"FIELDMAP", "MESH", "COLOR"}, color(0));
        fieldMap({"FIELDMAP", "MESH", "LINEPATTERN"}, linePattern());
        fieldMap({"FIELDMAP", "MESH", "PATTERNLENGTH"}, patternLength(2.0));
        fieldMap({"FIELDMAP", "MESH", "LINETHICKNESS"}, thickness(0.1));

        fieldMap({"FIELDMAP", "CONTOUR", "SHOW"}, boolean(true));
        fieldMap({"FIELDMAP", "CONTOUR", "CONTOURTYPE"},
                 enumerationRange(ContourType_Lines, ContourType_PrimaryValue, ContourType_Flood));
        fieldMap({"FIELDMAP", "CONTOUR", "FLOODCOLORING"},
                 enumerationRange(ContourColoring_RGB, ContourColoring_Group8, ContourColoring_Group1));
        fieldMap({"FIELDMAP", "CONTOUR", "LINECONTOURGROUP"}, integer(1, 8, 1));
        fieldMap({"FIELDMAP", "CONTOUR", "COLOR"}, color(0));
        fieldMap({"FIELDMAP", "CONTOUR", "LINEPATTERN"}, linePattern());
        fieldMap({"FIELDMAP", "CONTOUR", "PATTERNLENGTH"}, patternLength(2.0));
        fieldMap({"FIELDMAP", "CONTOUR", "LINETHICKNESS"}, thickness(0.1));
        fieldMap({"FIELDMAP", "CONTOUR", "USELIGHTINGEFFECT"}, boolean(true));

        fieldMap({"FIELDMAP", "VECTOR", "SHOW"}, boolean(false));
        fieldMap({"FIELDMAP", "VECTOR", "VECTORTYPE"},
                 enumerationRange(VectorType_TailAtPoint, VectorType_HeadOnly, VectorType_TailAtPoint));
        fieldMap({"FIELDMAP", "VECTOR", "ISTANGENT"}, boolean(false));
        fieldMap({"FIELDMAP", "VECTOR", "ARROWHEADSTYLE"},
                 enumerationRange(ArrowheadStyle_Plain, ArrowheadStyle_Hollow, ArrowheadStyle_Plain));
        fieldMap({"FIELDMAP", "VECTOR", "COLOR"}, color(0));
        fieldMap({"FIELDMAP", "VECTOR", "LINEPATTERN"}, linePattern());
        fieldMap({"FIELDMAP", "VECTOR", "PATTERNLENGTH"}, patternLength(2.0));
        fieldMap({"FIELDMAP", "VECTOR", "LINETHICKNESS"}, thickness(0.1));

        fieldMap({"FIELDMAP", "SCATTER", "SHOW"}, boolean(false));
        buildSymbolShape(StyleOwner::FieldMap, "FIELDMAP", "SCATTER");
        fieldMap({"FIELDMAP", "SCATTER", "FRAMESIZE"}, symbolSize(2.5));
        fieldMap({"FIELDMAP", "SCATTER", "SIZEBYVARIABLE"}, boolean(false));
        fieldMap({"FIELDMAP", "SCATTER", "COLOR"}, color(0));
        fieldMap({"FIELDMAP", "SCATTER", "LINETHICKNESS"}, thickness(0.1));
        fieldMap({"FIELDMAP", "SCATTER", "FILLMODE"}, fillMode(FillMode_None));
        fieldMap({"FIELDMAP", "SCATTER", "FILLCOLOR"}, color(1));

        fieldMap({"FIELDMAP", "SHADE", "SHOW"}, boolean(false));
        fieldMap({"FIELDMAP", "SHADE", "COLOR"}, color(7));
        fieldMap({"FIELDMAP", "SHADE", "USELIGHTINGEFFECT"}, boolean(true));

        fieldMap({"FIELDMAP", "EDGELAYER", "SHOW"}, boolean(true));
        fieldMap({"FIELDMAP", "EDGELAYER", "EDGETYPE"},
                 enumerationRange(EdgeType_Borders, EdgeType_BordersAndCreases, EdgeType_Borders));
        fieldMap({"FIELDMAP", "EDGELAYER", "COLOR"}, color(0));
        fieldMap({"FIELDMAP", "EDGELAYER", "LINETHICKNESS"}, thickness(0.1));
        for (const char* border : {"IBORDER", "JBORDER", "KBORDER"})
            fieldMap({"FIELDMAP", "EDGELAYER", border},
                     enumerationRange(BorderLocation_None, BorderLocation_Both, BorderLocation_Both));

        fieldMap({"FIELDMAP", "POINTS", "POINTSTOPLOT"},
                 enumerationRange(PointsToPlot_SurfaceNodes, PointsToPlot_AllConnected, PointsToPlot_SurfaceNodes));
        for (const char* index : {"I", "J", "K"})
            fieldMap({"FIELDMAP", "POINTS", "IJKSKIP", index}, integer(1, 2147483647L, 1));

        fieldMap({"FIELDMAP", "SURFACES", "SURFACESTOPLOT"},
                 enumerationRange(SurfacesToPlot_BoundaryFaces, SurfacesToPlot_None, SurfacesToPlot_BoundaryFaces));
        for (const char* range : {"IRANGE", "JRANGE", "KRANGE"})
            buildIndexRange(StyleOwner::FieldMap, "FIELDMAP", "SURFACES", range);

        for (const char* object : {"SHOWISOSURFACES", "SHOWSLICES", "SHOWSTREAMTRACES"})
            fieldMap({"FIELDMAP", "VOLUMEMODE", "VOLUMEOBJECTSTOPLOT", object}, boolean(true));

        fieldMap({"FIELDMAP", "EFFECTS", "USEVALUEBLANKING"}, boolean(true));
        fieldMap({"FIELDMAP", "EFFECTS", "LIGHTINGEFFECT"},
                 enumerationRange(LightingEffect_Paneled, LightingEffect_Gouraud, LightingEffect_Gouraud));
        fieldMap({"FIELDMAP", "EFFECTS", "USETRANSLUCENCY"}, boolean(false));
        fieldMap({"FIELDMAP", "EFFECTS", "SURFACETRANSLUCENCY"}, integer(1, 99, 50));
    }

    void buildLineMaps()
    {
        lineMap({"LINEMAP", "NAME"}, text("&ZN&: &DV&"));
        lineMap({"LINEMAP", "ASSIGN", "ZONE"}, zone(1));
        lineMap({"LINEMAP", "ASSIGN", "XAXISVAR"}, variable(false, 1));
        lineMap({"LINEMAP", "ASSIGN", "YAXISVAR"}, variable(false, 2));
        lineMap({"LINEMAP", "ASSIGN", "XAXIS"}, integer(1, 5, 1));
        lineMap({"LINEMAP", "ASSIGN", "YAXIS"}, integer(1, 5, 1));
        lineMap({"LINEMAP", "ASSIGN", "SORT"}, enumerationRange(LineMapSort_None, LineMapSort_SpecificVar, LineMapSort_None));
        lineMap({"LINEMAP", "ASSIGN", "SORTVAR"}, variable(true, 1));
        lineMap({"LINEMAP", "ASSIGN", "SHOWINLEGEND"},
                enumerationRange(LegendShow_Always, LegendShow_Auto, LegendShow_Auto));
        lineMap({"LINEMAP", "ASSIGN", "FUNCTIONDEPENDENCY"},
                enumerationRange(FunctionDependency_XIndependent, FunctionDependency_YIndependent,
                                 FunctionDependency_XIndependent));

        lineMap({"LINEMAP", "LINES", "SHOW"}, boolean(true));
        lineMap({"LINEMAP", "LINES", "COLOR"}, color(0));
        lineMap({"LINEMAP", "LINES", "LINETHICKNESS"}, thickness(0.1));
        lineMap({"LINEMAP", "LINES", "LINEPATTERN"}, linePattern());
        lineMap({"LINEMAP", "LINES", "PATTERNLENGTH"}, patternLength(2.0));

        lineMap({"LINEMAP", "CURVES", "CURVETYPE"},
                enumerationRange(CurveType_LineSeg, CurveType_Extended, CurveType_LineSeg));
        lineMap({"LINEMAP", "CURVES", "NUMPTS"}, integer(2, 2000, 200));
        lineMap({"LINEMAP", "CURVES", "POLYORDER"}, integer(1, 10, 3));
        lineMap({"LINEMAP", "CURVES", "USEINDVARRANGE"}, boolean(false));
        lineMap({"LINEMAP", "CURVES", "INDVARMIN"}, real(-1e150, 1e150, 0.0));
        lineMap({"LINEMAP", "CURVES", "INDVARMAX"}, real(-1e150, 1e150, 1.0));
        lineMap({"LINEMAP", "CURVES", "CLAMPSPLINE"}, boolean(false));
        lineMap({"LINEMAP", "CURVES", "SPLINEDERIVATIVEATSTART"}, real(-1e150, 1e150, 0.0));
        lineMap({"LINEMAP", "CURVES", "SPLINEDERIVATIVEATEND"}, real(-1e150, 1e150, 0.0));
        lineMap({"LINEMAP", "CURVES", "USEWEIGHTVAR"}, boolean(false));
        lineMap({"LINEMAP", "CURVES", "WEIGHTVAR"}, variable(true, 0));

        lineMap({"LINEMAP", "SYMBOLS", "SHOW"}, boolean(false));
        buildSymbolShape(StyleOwner::LineMap, "LINEMAP", "SYMBOLS");
        lineMap({"LINEMAP", "SYMBOLS", "SIZE"}, symbolSize(2.5));
        lineMap({"LINEMAP", "SYMBOLS", "SKIPPING"}, skipping());
        lineMap({"LINEMAP", "SYMBOLS", "SKIPMODE"}, skipMode());
        lineMap({"LINEMAP", "SYMBOLS", "COLOR"}, color(0));
        lineMap({"LINEMAP", "SYMBOLS", "LINETHICKNESS"}, thickness(0.1));
        lineMap({"LINEMAP", "SYMBOLS", "FILLMODE"}, fillMode(FillMode_None));
        lineMap({"LINEMAP", "SYMBOLS", "FILLCOLOR"}, color(1));

        lineMap({"LINEMAP", "ERRORBARS", "SHOW"}, boolean(false));
        lineMap({"LINEMAP", "ERRORBARS", "VAR"}, variable(true, 0));
        lineMap({"LINEMAP", "ERRORBARS", "BARTYPE"}, enumerationRange(ErrorBar_Up, ErrorBar_Cross, ErrorBar_Vert));
        lineMap({"LINEMAP", "ERRORBARS", "SKIPPING"}, skipping());
        lineMap({"LINEMAP", "ERRORBARS", "SKIPMODE"}, skipMode());
        lineMap({"LINEMAP", "ERRORBARS", "COLOR"}, color(0));
        lineMap({"LINEMAP", "ERRORBARS", "SIZE"}, symbolSize(2.5));
        lineMap({"LINEMAP", "ERRORBARS", "LINETHICKNESS"}, thickness(0.1));

        lineMap({"LINEMAP", "BARCHARTS", "SHOW"}, boolean(false));
        lineMap({"LINEMAP", "BARCHARTS", "SIZE"}, symbolSize(2.5));
        lineMap({"LINEMAP", "BARCHARTS", "COLOR"}, color(0));
        lineMap({"LINEMAP", "BARCHARTS", "LINETHICKNESS"}, thickness(0.1));
        lineMap({"LINEMAP", "BARCHARTS", "FILLMODE"}, fillMode(FillMode_UseSpecificColor));
        lineMap({"LINEMAP", "BARCHARTS", "FILLCOLOR"}, color(3));

        lineMap({"LINEMAP", "INDICES", "IJKLINES"}, enumerationRange(IJKLines_I, IJKLines_K, IJKLines_I));
        for (const char* range : {"IRANGE", "JRANGE", "KRANGE"})
            buildIndexRange(StyleOwner::LineMap, "LINEMAP", "INDICES", range);
    }

    void buildDataLabels(const char* group)
    {
        frame({group, "DATALABELS", "SHOWNODELABELS"}, boolean(false));
        frame({group, "DATALABELS", "SHOWCELLLABELS"}, boolean(false));
        frame({group, "DATALABELS", "NODELABELTYPE"}, enumerationRange(0, 2, 0));
        frame({group, "DATALABELS", "CELLLABELTYPE"}, enumerationRange(0, 1, 0));
        frame({group, "DATALABELS", "NODELABELVAR"}, variable(true, 0));
        frame({group, "DATALABELS", "CELLLABELVAR"}, variable(true, 0));
        frame({group, "DATALABELS", "INDEXSKIP"}, integer(1, 2147483647L, 1));
        frame({group, "DATALABELS", "DISTANCESKIP"}, real(0.0, 100.0, 5.0));
        frame({group, "DATALABELS", "SKIPMODE"}, skipMode());
        frame({group, "DATALABELS", "INCLUDEBOX"}, boolean(false));
        frame({group, "DATALABELS", "COLORBYZONEMAP"}, boolean(false));
        frame({group, "DATALABELS", "COLOR"}, color(0));
        frame({group, "DATALABELS", "TEXTSHAPE", "FONTFAMILY"}, text("Helvetica"));
        frame({group, "DATALABELS", "TEXTSHAPE", "HEIGHT"}, real(1e-150, 1e150, 11.0));
        frame({group, "DATALABELS", "TEXTSHAPE", "SIZEUNITS"},
              enumerationRange(Units_Grid, Units_AxisPercentage, Units_Point));
        frame({group, "DATALABELS", "NUMFORMAT", "FORMATTING"},
              enumerationRange(NumberFormat_Integer, NumberFormat_TimeDate, NumberFormat_BestFloat));
        frame({group, "DATALABELS", "NUMFORMAT", "PRECISION"}, integer(0, 18, 3));
        frame({group, "DATALABELS", "NUMFORMAT", "CUSTOMLABEL"}, integer(1, 10, 1));
        frame({group, "DATALABELS", "NUMFORMAT", "SHOWDECIMALSONWHOLENUMBERS"}, boolean(false));
        frame({group, "DATALABELS", "NUMFORMAT", "REMOVELEADINGZEROS"}, boolean(false));
        frame({group, "DATALABELS", "NUMFORMAT", "SHOWNEGATIVESIGN"}, boolean(true));
        for (const char* affix : {"POSITIVEPREFIX", "POSITIVESUFFIX", "ZEROPREFIX", "ZEROSUFFIX", "NEGATIVEPREFIX",
                                  "NEGATIVESUFFIX"})
            frame({group, "DATALABELS", "NUMFORMAT", affix}, text(""));
        frame({group, "DATALABELS", "NUMFORMAT", "TIMEDATEFORMAT"}, text("mmm dd, yyyy"));
    }

    void buildFrames()
    {
        add(StyleOwner::Frame, {"PLOTTYPE"}, enumerationRange(PlotType_Automatic, PlotType_PolarLine, PlotType_Cartesian3D),
            StyleStorage::PlotType);
        add(StyleOwner::Frame, {"FRAMEMODE"},
            enumerationRange(PlotType_Automatic, PlotType_PolarLine, PlotType_Cartesian3D), StyleStorage::PlotType);
        add(StyleOwner::Frame, {"ACTIVEFIELDMAPS"}, mapSet(), StyleStorage::ActiveFieldMaps);
        add(StyleOwner::Frame, {"ACTIVELINEMAPS"}, mapSet(), StyleStorage::ActiveLineMaps);

        frame({"FIELDLAYERS", "SHOWMESH"}, boolean(true));
        frame({"FIELDLAYERS", "SHOWCONTOUR"}, boolean(false));
        frame({"FIELDLAYERS", "SHOWVECTOR"}, boolean(false));
        frame({"FIELDLAYERS", "SHOWSCATTER"}, boolean(false));
        frame({"FIELDLAYERS", "SHOWSHADE"}, boolean(false));
        frame({"FIELDLAYERS", "SHOWEDGE"}, boolean(true));
        frame({"FIELDLAYERS", "USELIGHTINGEFFECT"}, boolean(true));
        frame({"FIELDLAYERS", "USETRANSLUCENCY"}, boolean(true));

        frame({"LINEPLOTLAYERS", "SHOWLINES"}, boolean(true));
        frame({"LINEPLOTLAYERS", "SHOWSYMBOLS"}, boolean(false));
        frame({"LINEPLOTLAYERS", "SHOWBARCHARTS"}, boolean(false));
        frame({"LINEPLOTLAYERS", "SHOWERRORBARS"}, boolean(false));

        add(StyleOwner::Frame, {"GLOBALCONTOUR", "VAR"}, variable(true, 0), StyleStorage::Table, 1, 8);
        for (const char* channel : {"REDCHANNELVAR", "GREENCHANNELVAR", "BLUECHANNELVAR"})
            frame({"GLOBALRGB", channel}, variable(true, 0));
        frame({"GLOBALSCATTER", "VAR"}, variable(true, 0));
        buildDataLabels("GLOBALSCATTER");
        buildDataLabels("GLOBALLINEPLOT");

        frame({"BLANKING", "VALUE", "INCLUDE"}, boolean(false));
        add(StyleOwner::Frame, {"BLANKING", "VALUE", "CONSTRAINT", "INCLUDE"}, boolean(false), StyleStorage::Table, 1, 8);

        for (const char* link : {"LINKXAXISRANGE", "LINKYAXISRANGE", "LINKSOLUTIONTIME", "LINKFRAMESIZEANDPOSITION"})
            frame({"LINKING", "BETWEENFRAMES", link}, boolean(false));
        for (const char* link : {"LINKAXISSTYLE", "LINKGRIDLINESTYLE"})
            frame({"LINKING", "WITHINFRAME", link}, boolean(false));
    }

    void buildApplication()
    {
        application({"EXPORTSETUP", "EXPORTFORMAT"}, enumerationRange(ExportFormat_RasterMetafile, ExportFormat_MPEG4, ExportFormat_PNG));
        application({"EXPORTSETUP", "PRINTRENDERTYPE"}, enumerationRange(0, 1, 0));
        application({"EXPORTSETUP", "EXPORTREGION"}, enumerationRange(0, 2, 0));
        application({"EXPORTSETUP", "IMAGEWIDTH"}, integer(1, 100000, 800));
        application({"EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGETYPE"}, enumerationRange(0, 3, 0));
        application({"EXPORTSETUP", "EPSPREVIEWIMAGE", "GRAYSCALEDEPTH"}, enumeration({0, 1, 4, 8}, 0));
        application({"EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGEWIDTH"}, integer(1, 100000, 128));
        application({"EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGEHEIGHT"}, integer(1, 100000, 128));
        application({"EXPORTSETUP", "USESUPERSAMPLEANTIALIASING"}, boolean(false));
        application({"EXPORTSETUP", "SUPERSAMPLEFACTOR"}, integer(2, 16, 3));
        application({"EXPORTSETUP", "USEMULTIPLECOLORTABLES"}, boolean(false));
        application({"EXPORTSETUP", "CONVERTTO256COLORS"}, boolean(false));
        application({"EXPORTSETUP", "ANIMATIONSPEED"}, real(0.01, 1000.0, 10.0));
        application({"EXPORTSETUP", "FLASHIMAGETYPE"}, enumerationRange(0, 2, 0));
        application({"EXPORTSETUP", "FLASHCOMPRESSIONTYPE"}, enumerationRange(0, 1, 0));
        application({"EXPORTSETUP", "QUALITY"}, real(1.0, 100.0, 75.0));
        application({"EXPORTSETUP", "JPEGENCODING"}, enumerationRange(0, 1, 0));
        application({"EXPORTSETUP", "EXPORTFNAME"}, text(""));

        application({"PRINTSETUP", "PALETTE"}, enumerationRange(0, 2, 2));
        application({"PRINTSETUP", "IMAGERESOLUTION"}, integer(1, 100000, 150));
        application({"PRINTSETUP", "PRECISION"}, integer(0, 16, 4));
        application({"PRINTSETUP", "FORCEEXTRA3DSORTING"}, boolean(false));
        application({"PRINTSETUP", "SENDPRINTTOFILE"}, boolean(false));
        application({"PRINTSETUP", "NUMHARDCOPYCOPIES"}, integer(1, 500, 1));
        application({"PRINTSETUP", "PRINTRENDERTYPE"}, enumerationRange(0, 1, 0));
        application({"PRINTSETUP", "PRINTFNAME"}, text(""));

        application({"INTERFACE", "USEOFFSCREENBITMAP"}, boolean(true));
        application({"INTERFACE", "USEKESTRIXPRINTDRIVERS"}, boolean(true));

        struct BasicSizes {
            const char* kind;
            double sizes[5];
        };
        const BasicSizes basicSizes[] = {
            {"LINETHICKNESSES", {0.02, 0.1, 0.4, 0.8, 1.5}},
            {"LINEPATLENGTHS", {0.5, 0.8, 2.0, 3.0, 4.0}},
            {"SYMBOLSIZES", {0.5, 1.0, 2.5, 4.0, 8.0}},
            {"POINTTEXTSIZES", {6.0, 10.0, 14.0, 18.0, 24.0}},
            {"FRAMETEXTSIZES", {1.5, 2.2, 3.0, 4.0, 6.0}},
        };
        const char* const sizeNames[] = {"TINY", "SMALL", "MEDIUM", "LARGE", "HUGE"};
        for (const BasicSizes& sizes : basicSizes) {
            for (int i = 0; i < 5; ++i)
                application({"BASICSIZE", sizes.kind, sizeNames[i]}, real(0.0001, 2500.0, sizes.sizes[i]));
        }
    }

    StyleSchema& m_schema;
};

const StyleSchema& StyleSchema::instance()
{
    static const StyleSchema schema;
    return schema;
}

StyleSchema::StyleSchema()
{
    StyleSchemaBuilder(*this).build();
}

int StyleSchema::registerKeyword(const char* keyword)
{
    const auto it = m_keywordIds.find(keyword);
    if (it != m_keywordIds.end())
        return it->second;
    const int id = static_cast<int>(m_keywords.size());
    m_keywords.push_back(keyword);
    m_keywordIds.emplace(keyword, id);
    return id;
}

void StyleSchema::add(std::unique_ptr<StyleSchemaEntry> entry, std::initializer_list<const char*> keywords)
{
    for (const char* keyword : keywords) {
        entry->path.push_back(registerKeyword(keyword));
        entry->keywords.emplace_back(keyword);
        if (!entry->text.empty())
            entry->text += ' ';
        entry->text += keyword;
    }
    entry->slot = static_cast<std::uint16_t>(m_entries.size());
    PathKey key;
    if (!makeKey(entry->path.data(), static_cast<int>(entry->path.size()), key))
        throw std::logic_error("style path too long: " + entry->text);
    if (!m_byPath.emplace(key, entry.get()).second)
        throw std::logic_error("style path listed twice: " + entry->text);
    m_entries.push_back(std::move(entry));
}

int StyleSchema::keywordId(std::string_view keyword) const
{
    const auto it = m_keywordIds.find(keyword);
    return it == m_keywordIds.end() ? -1 : it->second;
}

const char* StyleSchema::keyword(int id) const
{
    if (id < 0 || id >= static_cast<int>(m_keywords.size()))
        return nullptr;
    return m_keywords[static_cast<std::size_t>(id)];
}

bool StyleSchema::makeKey(const int* ids, int count, PathKey& key)
{
    if (count < 1 || count > MaxPathLength)
        return false;
    key.ids.fill(-1);
    for (int i = 0; i < count; ++i) {
        if (ids[i] < 0 || ids[i] > SHRT_MAX)
            return false;
        key.ids[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(ids[i]);
    }
    return true;
}

std::size_t StyleSchema::PathKeyHash::operator()(const PathKey& key) const
{
    std::size_t hash = 1469598103934665603ULL;
    for (std::int16_t id : key.ids) {
        hash ^= static_cast<std::size_t>(static_cast<std::uint16_t>(id));
        hash *= 1099511628211ULL;
    }
    return hash;
}

const StyleSchemaEntry* StyleSchema::find(const int* ids, int count) const
{
    PathKey key;
    if (!makeKey(ids, count, key))
        return nullptr;
    const auto it = m_byPath.find(key);
    return it == m_byPath.end() ? nullptr : it->second;
}

const StyleSchemaEntry* StyleSchema::find(std::initializer_list<const char*> keywords) const
{
    int ids[MaxPathLength];
    int count = 0;
    for (const char* keyword : keywords) {
        if (count == MaxPathLength)
            return nullptr;
        ids[count++] = keywordId(keyword);
    }
    return find(ids, count);
}

} // namespace kestrix::hostsim::kernel
