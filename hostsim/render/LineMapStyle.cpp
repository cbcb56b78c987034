#include "LineMapStyle.h"

#include "FrameSnapshot.h"
#include "LineColorPalette.h"
#include "LinePlotLayers.h"

#include <kxsdkbase/Enumerations.h>

#include <QList>

#include <algorithm>

namespace kestrix::hostsim::render {

namespace {

// Thin lines still cover a pixel, so that no setting makes a map invisible.
constexpr double thinnestLine = 1.0;

class MapReader {
public:
    MapReader(const FrameSnapshot& snapshot, int map) : m_snapshot(snapshot), m_map(map) {}

    long integer(std::initializer_list<const char*> path, long fallback) const
    {
        return m_snapshot.integer(path, m_map).value_or(fallback);
    }
    int whole(std::initializer_list<const char*> path, long fallback) const
    {
        return static_cast<int>(integer(path, fallback));
    }
    double number(std::initializer_list<const char*> path, double fallback) const
    {
        return m_snapshot.number(path, m_map).value_or(fallback);
    }
    bool isOn(std::initializer_list<const char*> path) const { return m_snapshot.isOn(path, m_map); }
    std::string text(std::initializer_list<const char*> path) const
    {
        return m_snapshot.text(path, m_map).value_or(std::string());
    }

private:
    const FrameSnapshot& m_snapshot;
    int m_map;
};

// The dashes of a pattern, in pen widths, for one repetition `length` pixels long.
QList<qreal> dashes(int pattern, double length, double width)
{
    const double dot = width;
    QList<qreal> pixels;
    switch (pattern) {
    case LinePattern_Dashed:
        pixels = {length / 2.0, length / 2.0};
        break;
    case LinePattern_DashDot: {
        const double dash = 0.55 * length;
        const double gap = (length - dash - dot) / 2.0;
        pixels = {dash, gap, dot, gap};
        break;
    }
    case LinePattern_Dotted:
        pixels = {dot, length - dot};
        break;
    case LinePattern_LongDash:
        pixels = {0.8 * length, 0.2 * length};
        break;
    case LinePattern_DashDotDot: {
        const double dash = 0.45 * length;
        const double gap = (length - dash - 2.0 * dot) / 3.0;
        pixels = {dash, gap, dot, gap, dot, gap};
        break;
    }
    default:
        break;
    }
    for (qreal& value : pixels)
        value /= width;
    return pixels;
}

QPen outlinePen(const QColor& color, double thickness, double frameHeight)
{
    QPen pen(color, std::max(thinnestLine, LineMapStyle::pixels(thickness, frameHeight)));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace

LineMapStyle LineMapStyle::read(const FrameSnapshot& snapshot, int map, const LinePlotLayers& layers)
{
    const MapReader reader(snapshot, map);
    LineMapStyle style;
    style.map = map;

    Lines& lines = style.lines;
    lines.show = layers.lines && reader.isOn({"LINEMAP", "LINES", "SHOW"});
    if (lines.show) {
        lines.color = reader.whole({"LINEMAP", "LINES", "COLOR"}, 0);
        lines.thickness = reader.number({"LINEMAP", "LINES", "LINETHICKNESS"}, 0.1);
        lines.pattern = reader.whole({"LINEMAP", "LINES", "LINEPATTERN"}, LinePattern_Solid);
        if (lines.pattern != LinePattern_Solid)
            lines.patternLength = reader.number({"LINEMAP", "LINES", "PATTERNLENGTH"}, 2.0);

        Curves& curves = style.curves;
        curves.type = reader.whole({"LINEMAP", "CURVES", "CURVETYPE"}, CurveType_LineSeg);
        if (curves.type != CurveType_LineSeg && curves.type != CurveType_Extended) {
            curves.pointCount = reader.whole({"LINEMAP", "CURVES", "NUMPTS"}, 200);
            curves.polynomialOrder = reader.whole({"LINEMAP", "CURVES", "POLYORDER"}, 3);
            curves.useRange = reader.isOn({"LINEMAP", "CURVES", "USEINDVARRANGE"});
            curves.rangeMinimum = reader.number({"LINEMAP", "CURVES", "INDVARMIN"}, 0.0);
            curves.rangeMaximum = reader.number({"LINEMAP", "CURVES", "INDVARMAX"}, 1.0);
            curves.clamped = reader.isOn({"LINEMAP", "CURVES", "CLAMPSPLINE"});
            curves.startSlope = reader.number({"LINEMAP", "CURVES", "SPLINEDERIVATIVEATSTART"}, 0.0);
            curves.endSlope = reader.number({"LINEMAP", "CURVES", "SPLINEDERIVATIVEATEND"}, 0.0);
            if (reader.isOn({"LINEMAP", "CURVES", "USEWEIGHTVAR"}))
                curves.weightVariable = reader.whole({"LINEMAP", "CURVES", "WEIGHTVAR"}, 0);
        }
    }

    Symbols& symbols = style.symbols;
    symbols.show = layers.symbols && reader.isOn({"LINEMAP", "SYMBOLS", "SHOW"});
    if (symbols.show) {
        symbols.isAscii = reader.isOn({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "ISASCII"});
        symbols.shape = reader.whole({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "GEOMSHAPE"}, GeomShape_Square);
        if (symbols.isAscii) {
            symbols.character = reader.text({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "ASCIISHAPE", "ASCIICHAR"});
            symbols.useBaseFont = reader.isOn({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "ASCIISHAPE", "USEBASEFONT"});
            symbols.font =
                reader.whole({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "ASCIISHAPE", "FONTOVERRIDE"}, Font_Greek);
        }
        symbols.size = reader.number({"LINEMAP", "SYMBOLS", "SIZE"}, 2.5);
        symbols.skipping = reader.number({"LINEMAP", "SYMBOLS", "SKIPPING"}, 1.0);
        symbols.skipMode = reader.whole({"LINEMAP", "SYMBOLS", "SKIPMODE"}, SkipMode_ByIndex);
        symbols.color = reader.whole({"LINEMAP", "SYMBOLS", "COLOR"}, 0);
        symbols.thickness = reader.number({"LINEMAP", "SYMBOLS", "LINETHICKNESS"}, 0.1);
        symbols.fillMode = reader.whole({"LINEMAP", "SYMBOLS", "FILLMODE"}, FillMode_None);
        symbols.fillColor = reader.whole({"LINEMAP", "SYMBOLS", "FILLCOLOR"}, 1);
    }

    ErrorBars& errorBars = style.errorBars;
    errorBars.show = layers.errorBars && reader.isOn({"LINEMAP", "ERRORBARS", "SHOW"});
    if (errorBars.show) {
        errorBars.variable = reader.whole({"LINEMAP", "ERRORBARS", "VAR"}, 0);
        errorBars.show = errorBars.variable > 0;
        errorBars.barType = reader.whole({"LINEMAP", "ERRORBARS", "BARTYPE"}, ErrorBar_Vert);
        errorBars.skipping = reader.number({"LINEMAP", "ERRORBARS", "SKIPPING"}, 1.0);
        errorBars.skipMode = reader.whole({"LINEMAP", "ERRORBARS", "SKIPMODE"}, SkipMode_ByIndex);
        errorBars.color = reader.whole({"LINEMAP", "ERRORBARS", "COLOR"}, 0);
        errorBars.size = reader.number({"LINEMAP", "ERRORBARS", "SIZE"}, 2.5);
        errorBars.thickness = reader.number({"LINEMAP", "ERRORBARS", "LINETHICKNESS"}, 0.1);
    }

    BarCharts& bars = style.barCharts;
    bars.show = layers.barCharts && reader.isOn({"LINEMAP", "BARCHARTS", "SHOW"});
    if (bars.show) {
        bars.size = reader.number({"LINEMAP", "BARCHARTS", "SIZE"}, 2.5);
        bars.color = reader.whole({"LINEMAP", "BARCHARTS", "COLOR"}, 0);
        bars.thickness = reader.number({"LINEMAP", "BARCHARTS", "LINETHICKNESS"}, 0.1);
        bars.fillMode = reader.whole({"LINEMAP", "BARCHARTS", "FILLMODE"}, FillMode_UseSpecificColor);
        bars.fillColor = reader.whole({"LINEMAP", "BARCHARTS", "FILLCOLOR"}, 3);
    }
    return style;
}

QColor LineMapStyle::color(int setting) const
{
    return LineColorPalette::color(setting, map);
}

double LineMapStyle::pixels(double percent, double frameHeight)
{
    return percent * frameHeight / 100.0;
}

QPen LineMapStyle::linePen(double frameHeight) const
{
    const double width = std::max(thinnestLine, pixels(lines.thickness, frameHeight));
    QPen pen(color(lines.color), width);
    pen.setJoinStyle(Qt::RoundJoin);
    if (lines.pattern != LinePattern_Solid) {
        // Flat ends keep the gaps as long as the pattern says; a repetition shorter than a few
        // pen widths would close them.
        const double length = std::max({pixels(lines.patternLength, frameHeight), 6.0 * width, 6.0});
        const QList<qreal> pattern = dashes(lines.pattern, length, width);
        if (!pattern.isEmpty()) {
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern(pattern);
        }
    } else {
        pen.setCapStyle(Qt::RoundCap);
    }
    return pen;
}

QPen LineMapStyle::symbolPen(double frameHeight) const
{
    return outlinePen(color(symbols.color), symbols.thickness, frameHeight);
}

QBrush LineMapStyle::symbolBrush() const
{
    switch (symbols.fillMode) {
    case FillMode_UseSpecificColor:
        return color(symbols.fillColor);
    case FillMode_UseLineColor:
        return color(symbols.color);
    case FillMode_UseBackgroundColor:
        return QColor(Qt::white);
    default:
        return Qt::NoBrush;
    }
}

QPen LineMapStyle::errorBarPen(double frameHeight) const
{
    QPen pen = outlinePen(color(errorBars.color), errorBars.thickness, frameHeight);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPen LineMapStyle::barPen(double frameHeight) const
{
    return outlinePen(color(barCharts.color), barCharts.thickness, frameHeight);
}

QBrush LineMapStyle::barBrush() const
{
    switch (barCharts.fillMode) {
    case FillMode_UseSpecificColor:
        return color(barCharts.fillColor);
    case FillMode_UseLineColor:
        return color(barCharts.color);
    case FillMode_UseBackgroundColor:
        return QColor(Qt::white);
    default:
        return Qt::NoBrush;
    }
}

} // namespace kestrix::hostsim::render
