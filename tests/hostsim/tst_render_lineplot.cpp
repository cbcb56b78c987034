// The stand-in host's pictures of x–y and polar line frames, drawn from the scene and the
// style the dialogs write.

#include <hostsim/Host.h>
#include <hostsim/render/CartesianAxes.h>
#include <hostsim/render/FrameRenderer.h>
#include <hostsim/render/FrameSnapshot.h>
#include <hostsim/render/LineCartesianProjection.h>
#include <hostsim/render/LineClipArea.h>
#include <hostsim/render/LineColorPalette.h>
#include <hostsim/render/LineLabelFormat.h>
#include <hostsim/render/LineLegend.h>
#include <hostsim/render/LineMapAssignment.h>
#include <hostsim/render/LineMapPoints.h>
#include <hostsim/render/LinePointLabels.h>
#include <hostsim/render/LinePolylines.h>
#include <hostsim/render/PolarAxes.h>

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>
#include <functional>
#include <map>
#include <optional>

using kestrix::hostsim::Host;
using kestrix::hostsim::render::CartesianAxes;
using kestrix::hostsim::render::FrameRenderer;
using kestrix::hostsim::render::FrameSnapshot;
using kestrix::hostsim::render::LineCartesianProjection;
using kestrix::hostsim::render::LineClipArea;
using kestrix::hostsim::render::LineColorPalette;
using kestrix::hostsim::render::LineLabelFormat;
using kestrix::hostsim::render::LineLegend;
using kestrix::hostsim::render::LineMapAssignment;
using kestrix::hostsim::render::LineMapPoints;
using kestrix::hostsim::render::LinePointLabels;
using kestrix::hostsim::render::LinePolylines;
using kestrix::hostsim::render::PolarAxes;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::Set;
using kestrix::toolbox::StyleValue;

namespace {

constexpr int imageWidth = 600;
// Frames are 9 by 6 inches: the pictures are 600 by 400 pixels.
const QRectF frameRect(0.0, 0.0, 600.0, 400.0);
constexpr int red = 1;
constexpr int green = 2;
constexpr int blue = 3;
constexpr int cyan = 4;

QJsonArray numbers(const std::vector<double>& values)
{
    QJsonArray array;
    for (double value : values)
        array.append(value);
    return array;
}

std::vector<double> range(double from, double to, double step)
{
    std::vector<double> values;
    for (double value = from; value <= to + step * 1e-9; value += step)
        values.push_back(value);
    return values;
}

QJsonObject zone(const QString& name, const std::vector<double>& x, const std::vector<double>& y,
                 std::vector<double> e = {})
{
    e.resize(x.size(), 0.0);
    return QJsonObject{{"name", name},
                       {"imax", static_cast<int>(x.size())},
                       {"values", QJsonObject{{"X", numbers(x)}, {"Y", numbers(y)}, {"E", numbers(e)}}}};
}

QJsonObject lineMap(const QString& name, int zoneNumber)
{
    return QJsonObject{{"name", name}, {"zone", zoneNumber}, {"x", 1}, {"y", 2}};
}

QJsonObject style(const QStringList& path, const QJsonValue& value, const QList<int>& objects = {})
{
    QJsonObject entry{{"path", QJsonArray::fromStringList(path)}, {"value", value}};
    if (!objects.isEmpty()) {
        QJsonArray members;
        for (int object : objects)
            members.append(object);
        entry.insert("objects", members);
    }
    return entry;
}

// One x–y frame with variables X, Y and E, axes from 0 to 10 unless `frame` says otherwise.
bool loadFrame(const QJsonArray& zones, const QJsonArray& maps, const QJsonArray& styles, QJsonObject frame = {})
{
    frame.insert("name", "Lines");
    if (!frame.contains("plotType"))
        frame.insert("plotType", 3);
    if (!frame.contains("variables"))
        frame.insert("variables", QJsonArray{"X", "Y", "E"});
    if (!frame.contains("axes"))
        frame.insert("axes", QJsonObject{{"X1", QJsonArray{0, 10}}, {"Y1", QJsonArray{0, 10}}});
    frame.insert("zones", zones);
    frame.insert("lineMaps", maps);
    frame.insert("style", styles);
    const QJsonObject scene{{"pages", QJsonArray{QJsonObject{{"frames", QJsonArray{frame}}}}}};
    QString error;
    const bool loaded = Host::instance().loadSceneJson(QJsonDocument(scene).toJson(), &error);
    if (!loaded)
        qWarning("scene refused: %s", qPrintable(error));
    return loaded;
}

QImage render()
{
    const std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
    return snapshot ? FrameRenderer::image(*snapshot, imageWidth) : QImage();
}

QColor basic(int color)
{
    return QColor::fromRgb(FrameSnapshot::basicColorRgb(color));
}

bool isColor(QRgb pixel, const QColor& color, int tolerance = 40)
{
    return std::abs(qRed(pixel) - color.red()) <= tolerance && std::abs(qGreen(pixel) - color.green()) <= tolerance
           && std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235;
}

// Whether a pixel of the colour lies within `reach` pixels of `at`.
bool colorNear(const QImage& image, const QPointF& at, const QColor& color, int reach = 2)
{
    const int cx = static_cast<int>(std::lround(at.x()));
    const int cy = static_cast<int>(std::lround(at.y()));
    for (int y = cy - reach; y <= cy + reach; ++y) {
        for (int x = cx - reach; x <= cx + reach; ++x) {
            if (image.valid(x, y) && isColor(image.pixel(x, y), color))
                return true;
        }
    }
    return false;
}

int countColor(const QImage& image, const QColor& color, int tolerance = 40)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += isColor(image.pixel(x, y), color, tolerance) ? 1 : 0;
    }
    return count;
}

// Runs of the colour along a row: separate blobs crossing it.
int runsAlongRow(const QImage& image, int row, const std::function<bool(QRgb)>& inRun, int from = 0, int to = -1)
{
    if (to < 0)
        to = image.width() - 1;
    int runs = 0;
    bool inside = false;
    for (int x = from; x <= to; ++x) {
        const bool hit = inRun(image.pixel(x, row));
        if (hit && !inside)
            ++runs;
        inside = hit;
    }
    return runs;
}

CartesianAxes axes(double xMaximum = 10.0, double yMaximum = 10.0)
{
    return CartesianAxes(frameRect, 0.0, xMaximum, 0.0, yMaximum);
}

Set setOf(std::initializer_list<int> members)
{
    Set set;
    for (int member : members)
        set.add(member);
    return set;
}

} // namespace

class TestRenderLinePlot : public QObject {
    Q_OBJECT

private slots:
    void lineColorEditRecoloursOnlyTheLine()
    {
        QVERIFY(loadFrame(
            {zone("probe", range(1, 9, 1), std::vector<double>(9, 5.0))}, {lineMap("level", 1)},
            {style({"LINEMAP", "LINES", "LINETHICKNESS"}, 1.0), style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)}));
        const QImage before = render();
        const QPointF middle = axes().map(5.0, 5.0);
        QVERIFY(colorNear(before, middle, Qt::black, 0));

        const Set map = setOf({1});
        QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "LINES", "COLOR").set(red, &map)));
        const QImage after = render();
        for (double x = 1.2; x <= 8.8; x += 0.2)
            QVERIFY2(colorNear(after, axes().map(x, 5.0), basic(red), 0), qPrintable(QString::number(x)));

        // Every pixel that changed belongs to the line: within its thickness of y = 5, between
        // its ends.
        const QPointF start = axes().map(1.0, 5.0);
        const QPointF end = axes().map(9.0, 5.0);
        int changed = 0;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                if (before.pixel(x, y) == after.pixel(x, y))
                    continue;
                ++changed;
                QVERIFY2(std::abs(y - middle.y()) <= 4.0 && x >= start.x() - 4.0 && x <= end.x() + 4.0,
                         qPrintable(QStringLiteral("pixel %1, %2 changed").arg(x).arg(y)));
            }
        }
        QVERIFY(changed > 500);
    }

    void layersDrawOnlyWhenFrameAndMapShowThem()
    {
        const QJsonArray styles = {
            style({"LINEPLOTLAYERS", "SHOWSYMBOLS"}, true),     style({"LINEPLOTLAYERS", "SHOWERRORBARS"}, true),
            style({"LINEPLOTLAYERS", "SHOWBARCHARTS"}, true),   style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1),
            style({"LINEMAP", "LINES", "COLOR"}, red),          style({"LINEMAP", "LINES", "LINETHICKNESS"}, 1.0),
            style({"LINEMAP", "SYMBOLS", "SHOW"}, true),        style({"LINEMAP", "SYMBOLS", "COLOR"}, green),
            style({"LINEMAP", "SYMBOLS", "FILLMODE"}, 2),       style({"LINEMAP", "SYMBOLS", "SIZE"}, 3.0),
            style({"LINEMAP", "ERRORBARS", "SHOW"}, true),      style({"LINEMAP", "ERRORBARS", "VAR"}, 3),
            style({"LINEMAP", "ERRORBARS", "COLOR"}, blue),     style({"LINEMAP", "ERRORBARS", "LINETHICKNESS"}, 0.8),
            style({"LINEMAP", "BARCHARTS", "SHOW"}, true),      style({"LINEMAP", "BARCHARTS", "COLOR"}, cyan),
            style({"LINEMAP", "BARCHARTS", "FILLCOLOR"}, cyan),
        };
        const QJsonArray zones = {zone("probe", {2, 4, 6, 8}, {5, 6, 5, 6}, {1.5, 1.5, 1.5, 1.5})};
        const struct {
            const char* frameLayer;
            const char* mapLayer;
            int color;
        } layers[] = {{"SHOWLINES", "LINES", red},
                      {"SHOWSYMBOLS", "SYMBOLS", green},
                      {"SHOWERRORBARS", "ERRORBARS", blue},
                      {"SHOWBARCHARTS", "BARCHARTS", cyan}};

        QVERIFY(loadFrame(zones, {lineMap("all", 1)}, styles));
        const QImage all = render();
        for (const auto& layer : layers)
            QVERIFY2(countColor(all, basic(layer.color)) > 40, layer.mapLayer);

        for (const auto& layer : layers) {
            QJsonArray frameOff = styles;
            frameOff.append(style({"LINEPLOTLAYERS", layer.frameLayer}, false));
            QJsonArray mapOff = styles;
            mapOff.append(style({"LINEMAP", layer.mapLayer, "SHOW"}, false));
            for (const QJsonArray& variant : {frameOff, mapOff}) {
                QVERIFY(loadFrame(zones, {lineMap("all", 1)}, variant));
                const QImage image = render();
                QVERIFY2(countColor(image, basic(layer.color)) == 0, layer.mapLayer);
                for (const auto& other : layers) {
                    if (other.color != layer.color)
                        QVERIFY2(countColor(image, basic(other.color)) > 40, other.mapLayer);
                }
            }
        }
    }

    void errorBarsWithoutVariableDrawNothing()
    {
        QVERIFY(
            loadFrame({zone("probe", {2, 4, 6, 8}, {5, 6, 5, 6}, {1.5, 1.5, 1.5, 1.5})}, {lineMap("bars", 1)},
                      {style({"LINEPLOTLAYERS", "SHOWERRORBARS"}, true), style({"LINEPLOTLAYERS", "SHOWLINES"}, false),
                       style({"LINEMAP", "ERRORBARS", "SHOW"}, true), style({"LINEMAP", "ERRORBARS", "COLOR"}, blue)}));
        QCOMPARE(countColor(render(), basic(blue)), 0);
    }

    void inactiveMapDrawsNothing()
    {
        const QJsonArray zones = {zone("low", range(1, 9, 1), std::vector<double>(9, 3.0)),
                                  zone("high", range(1, 9, 1), std::vector<double>(9, 7.0))};
        const QJsonArray styles = {style({"LINEMAP", "LINES", "LINETHICKNESS"}, 1.0),
                                   style({"LINEMAP", "LINES", "COLOR"}, blue, {1}),
                                   style({"LINEMAP", "LINES", "COLOR"}, red, {2})};
        QVERIFY(loadFrame(zones, {lineMap("low", 1), lineMap("high", 2)}, styles));
        const QImage both = render();
        QVERIFY(countColor(both, basic(red)) > 100);
        QVERIFY(countColor(both, basic(blue)) > 100);

        QVERIFY(loadFrame(zones, {lineMap("low", 1), lineMap("high", 2)}, styles,
                          QJsonObject{{"activeLineMaps", QJsonArray{1}}}));
        const QImage one = render();
        QCOMPARE(countColor(one, basic(red)), 0);
        QVERIFY(countColor(one, basic(blue)) > 100);
    }

    void dashedPatternLeavesGaps()
    {
        const QJsonArray zones = {zone("probe", range(1, 9, 1), std::vector<double>(9, 5.0))};
        QJsonArray styles = {style({"LINEMAP", "LINES", "LINETHICKNESS"}, 1.0),
                             style({"LINEMAP", "LINES", "PATTERNLENGTH"}, 5.0),
                             style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)};
        const int row = static_cast<int>(std::lround(axes().map(5.0, 5.0).y()));
        const int from = static_cast<int>(axes().map(1.0, 5.0).x()) + 4;
        const int to = static_cast<int>(axes().map(9.0, 5.0).x()) - 4;

        QVERIFY(loadFrame(zones, {lineMap("solid", 1)}, styles));
        QCOMPARE(runsAlongRow(render(), row, isWhite, from, to), 0);

        for (int pattern : {1, 2, 3, 4, 5}) {
            QJsonArray patterned = styles;
            patterned.append(style({"LINEMAP", "LINES", "LINEPATTERN"}, pattern));
            QVERIFY(loadFrame(zones, {lineMap("patterned", 1)}, patterned));
            const QImage image = render();
            // A repetition is 24 pixels long (six pen widths at least): the 480 pixels of the line
            // cross 20 gaps.
            const int gaps = runsAlongRow(image, row, isWhite, from, to);
            QVERIFY2(gaps >= 15, qPrintable(QStringLiteral("pattern %1: %2 gaps").arg(pattern).arg(gaps)));
            QVERIFY2(runsAlongRow(
                         image, row, [](QRgb pixel) { return qRed(pixel) < 60; }, from, to)
                         >= 15,
                     qPrintable(QString::number(pattern)));
        }
    }

    void polynomialFitPassesThroughItsPoints()
    {
        const QJsonArray zones = {zone("three", {2, 5, 8}, {2, 8, 3})};
        const QJsonArray styles = {style({"LINEMAP", "LINES", "LINETHICKNESS"}, 0.8),
                                   style({"LINEMAP", "LINES", "COLOR"}, red),
                                   style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)};
        QJsonArray fit = styles;
        fit.append(style({"LINEMAP", "CURVES", "CURVETYPE"}, 1));
        fit.append(style({"LINEMAP", "CURVES", "POLYORDER"}, 2));
        QVERIFY(loadFrame(zones, {lineMap("fit", 1)}, fit));
        const QImage image = render();
        for (const QPointF& point : {QPointF(2, 2), QPointF(5, 8), QPointF(8, 3)})
            QVERIFY2(colorNear(image, axes().map(point.x(), point.y()), basic(red)),
                     qPrintable(QStringLiteral("%1, %2").arg(point.x()).arg(point.y())));
        // The parabola through the points is 6.375 at x = 3.5; the straight segment is at 5.
        QVERIFY(colorNear(image, axes().map(3.5, 6.375), basic(red)));
        QVERIFY(!colorNear(image, axes().map(3.5, 5.0), basic(red), 6));

        QVERIFY(loadFrame(zones, {lineMap("segments", 1)}, styles));
        QVERIFY(colorNear(render(), axes().map(3.5, 5.0), basic(red)));
    }

    void splineBendsThroughItsPoints()
    {
        QVERIFY(
            loadFrame({zone("three", {2, 5, 8}, {2, 8, 3})}, {lineMap("spline", 1)},
                      {style({"LINEMAP", "LINES", "LINETHICKNESS"}, 0.8), style({"LINEMAP", "LINES", "COLOR"}, red),
                       style({"LINEMAP", "CURVES", "CURVETYPE"}, 4), style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)}));
        const QImage image = render();
        for (const QPointF& point : {QPointF(2, 2), QPointF(5, 8), QPointF(8, 3)})
            QVERIFY(colorNear(image, axes().map(point.x(), point.y()), basic(red)));
        QVERIFY(!colorNear(image, axes().map(3.5, 5.0), basic(red), 4));
    }

    void skippingEveryOtherSymbolHalvesThem()
    {
        const QJsonArray zones = {zone("row", range(1, 10, 1), std::vector<double>(10, 5.0))};
        const QJsonArray styles = {
            style({"LINEPLOTLAYERS", "SHOWSYMBOLS"}, true), style({"LINEPLOTLAYERS", "SHOWLINES"}, false),
            style({"LINEMAP", "SYMBOLS", "SHOW"}, true),    style({"LINEMAP", "SYMBOLS", "COLOR"}, green),
            style({"LINEMAP", "SYMBOLS", "FILLMODE"}, 2),   style({"LINEMAP", "SYMBOLS", "SIZE"}, 2.0),
            style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)};
        const QJsonObject wideAxes{{"axes", QJsonObject{{"X1", QJsonArray{0, 11}}, {"Y1", QJsonArray{0, 10}}}}};
        const int row = static_cast<int>(std::lround(axes(11.0).map(5.0, 5.0).y()));
        const auto isGreen = [](QRgb pixel) { return isColor(pixel, basic(green)); };

        QVERIFY(loadFrame(zones, {lineMap("symbols", 1)}, styles, wideAxes));
        QCOMPARE(runsAlongRow(render(), row, isGreen), 10);

        QJsonArray byIndex = styles;
        byIndex.append(style({"LINEMAP", "SYMBOLS", "SKIPPING"}, 2.0));
        QVERIFY(loadFrame(zones, {lineMap("symbols", 1)}, byIndex, wideAxes));
        QCOMPARE(runsAlongRow(render(), row, isGreen), 5);

        // Points are 47 pixels apart; 20 % of the 400 pixel frame keeps every other one.
        QJsonArray byDistance = styles;
        byDistance.append(style({"LINEMAP", "SYMBOLS", "SKIPMODE"}, 1));
        byDistance.append(style({"LINEMAP", "SYMBOLS", "SKIPPING"}, 20.0));
        QVERIFY(loadFrame(zones, {lineMap("symbols", 1)}, byDistance, wideAxes));
        QCOMPARE(runsAlongRow(render(), row, isGreen), 5);
    }

    void symbolShapesDiffer()
    {
        const QJsonArray zones = {zone("one", {5}, {5})};
        const QJsonArray styles = {
            style({"LINEPLOTLAYERS", "SHOWSYMBOLS"}, true), style({"LINEMAP", "SYMBOLS", "SHOW"}, true),
            style({"LINEMAP", "SYMBOLS", "SIZE"}, 6.0), style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)};
        const QRect around = QRect(axes().map(5.0, 5.0).toPoint() - QPoint(20, 20), QSize(41, 41));
        const auto marked = [&around](const QImage& image) {
            int count = 0;
            for (int y = around.top(); y <= around.bottom(); ++y) {
                for (int x = around.left(); x <= around.right(); ++x)
                    count += isWhite(image.pixel(x, y)) ? 0 : 1;
            }
            return count;
        };
        QList<QImage> pictures;
        for (int shape = 0; shape <= 10; ++shape) {
            QJsonArray shaped = styles;
            shaped.append(style({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "GEOMSHAPE"}, shape));
            QVERIFY(loadFrame(zones, {lineMap("shape", 1)}, shaped));
            const QImage image = render();
            QVERIFY2(marked(image) > 10, qPrintable(QString::number(shape)));
            for (const QImage& other : pictures)
                QVERIFY2(other.copy(around) != image.copy(around), qPrintable(QString::number(shape)));
            pictures.append(image);
        }
        // A character instead of a shape, in the symbol's colour.
        QJsonArray character = styles;
        character.append(style({"LINEMAP", "SYMBOLS", "COLOR"}, blue));
        character.append(style({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "ISASCII"}, true));
        character.append(style({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "ASCIISHAPE", "ASCIICHAR"}, "\\X"));
        QVERIFY(loadFrame(zones, {lineMap("character", 1)}, character));
        const QImage letter = render();
        QVERIFY(countColor(letter, basic(blue)) > 20);
        for (const QImage& other : pictures)
            QVERIFY(other.copy(around) != letter.copy(around));
    }

    void errorBarsSpanTheirValueInDataUnits()
    {
        const QJsonArray zones = {zone("one", {5}, {5}, {2})};
        const QJsonArray styles = {
            style({"LINEPLOTLAYERS", "SHOWERRORBARS"}, true), style({"LINEPLOTLAYERS", "SHOWLINES"}, false),
            style({"LINEMAP", "ERRORBARS", "SHOW"}, true),    style({"LINEMAP", "ERRORBARS", "VAR"}, 3),
            style({"LINEMAP", "ERRORBARS", "COLOR"}, blue),   style({"LINEMAP", "ERRORBARS", "LINETHICKNESS"}, 0.8),
            style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)};
        QJsonArray up = styles;
        up.append(style({"LINEMAP", "ERRORBARS", "BARTYPE"}, 0));
        QVERIFY(loadFrame(zones, {lineMap("up", 1)}, up));
        QImage image = render();
        QVERIFY(colorNear(image, axes().map(5.0, 6.0), basic(blue)));
        QVERIFY(colorNear(image, axes().map(5.0, 6.9), basic(blue)));
        QVERIFY(!colorNear(image, axes().map(5.0, 7.5), basic(blue)));
        QVERIFY(!colorNear(image, axes().map(5.0, 4.0), basic(blue)));
        QVERIFY(!colorNear(image, axes().map(6.0, 5.0), basic(blue)));

        QJsonArray cross = styles;
        cross.append(style({"LINEMAP", "ERRORBARS", "BARTYPE"}, 6));
        QVERIFY(loadFrame(zones, {lineMap("cross", 1)}, cross));
        image = render();
        for (const QPointF& at : {QPointF(5, 6.5), QPointF(5, 3.5), QPointF(3.5, 5), QPointF(6.5, 5)})
            QVERIFY(colorNear(image, axes().map(at.x(), at.y()), basic(blue)));
        QVERIFY(!colorNear(image, axes().map(7.7, 5.0), basic(blue)));
    }

    void barsStandOnTheirAxis()
    {
        const QJsonArray zones = {zone("one", {5}, {6})};
        const QJsonArray styles = {
            style({"LINEPLOTLAYERS", "SHOWBARCHARTS"}, true), style({"LINEPLOTLAYERS", "SHOWLINES"}, false),
            style({"LINEMAP", "BARCHARTS", "SHOW"}, true), style({"LINEMAP", "BARCHARTS", "FILLCOLOR"}, cyan),
            style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)};
        QVERIFY(loadFrame(zones, {lineMap("vertical", 1)}, styles));
        QImage image = render();
        QVERIFY(colorNear(image, axes().map(5.0, 0.5), basic(cyan), 0));
        QVERIFY(colorNear(image, axes().map(5.0, 5.5), basic(cyan), 0));
        QVERIFY(!colorNear(image, axes().map(5.0, 6.5), basic(cyan)));
        QVERIFY(!colorNear(image, axes().map(2.0, 6.0), basic(cyan)));

        QJsonArray horizontal = styles;
        horizontal.append(style({"LINEMAP", "ASSIGN", "FUNCTIONDEPENDENCY"}, 1));
        QVERIFY(loadFrame(zones, {lineMap("horizontal", 1)}, horizontal));
        image = render();
        QVERIFY(colorNear(image, axes().map(0.5, 6.0), basic(cyan), 0));
        QVERIFY(colorNear(image, axes().map(4.5, 6.0), basic(cyan), 0));
        QVERIFY(!colorNear(image, axes().map(5.0, 0.5), basic(cyan)));
    }

    void multiColorDiffersFromMapToMap()
    {
        QVERIFY(LineColorPalette::color(-1, 1) != LineColorPalette::color(-1, 2));
        QVERIFY(LineColorPalette::color(-1, 2) == LineColorPalette::color(-3, 1));
        QCOMPARE(LineColorPalette::color(red, 7), basic(red));

        QVERIFY(loadFrame({zone("low", range(1, 9, 1), std::vector<double>(9, 3.0)),
                           zone("high", range(1, 9, 1), std::vector<double>(9, 7.0))},
                          {lineMap("low", 1), lineMap("high", 2)},
                          {style({"LINEMAP", "LINES", "LINETHICKNESS"}, 1.0), style({"LINEMAP", "LINES", "COLOR"}, -1),
                           style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)}));
        const QImage image = render();
        QVERIFY(colorNear(image, axes().map(5.0, 3.0), LineColorPalette::color(-1, 1), 0));
        QVERIFY(colorNear(image, axes().map(5.0, 7.0), LineColorPalette::color(-1, 2), 0));
    }

    void legendListsResolvedNamesOfShownMaps()
    {
        const QJsonArray zones = {zone("probe", range(1, 9, 1), std::vector<double>(9, 1.0))};
        QJsonObject frame{{"variables", QJsonArray{"X", "U", "E"}}, {"activeLineMaps", QJsonArray{1, 2, 3}}};
        QJsonObject probe = zones.first().toObject();
        QJsonObject values = probe.value("values").toObject();
        values.insert("U", values.take("Y"));
        probe.insert("values", values);
        const QJsonArray maps = {lineMap("&ZN&: &DV&", 1), lineMap("hidden", 1), lineMap("always", 1),
                                 lineMap("inactive", 1)};
        const QJsonArray styles = {
            style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1, {2}), style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 0, {3}),
            style({"LINEMAP", "LINES", "COLOR"}, red, {1}), style({"LINEMAP", "LINES", "LINETHICKNESS"}, 1.0)};
        QVERIFY(loadFrame({probe}, maps, styles, frame));
        const std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
        const std::vector<LineLegend::Entry> entries = LineLegend::entries(*snapshot);
        QCOMPARE(entries.size(), std::size_t(2));
        QCOMPARE(entries[0].map, 1);
        QCOMPARE(entries[0].name, QStringLiteral("probe: U"));
        QCOMPARE(entries[1].map, 3);
        QCOMPARE(entries[1].name, QStringLiteral("always"));

        const QRectF box = LineLegend::box(*snapshot, axes().plotRect(), frameRect.height());
        QVERIFY(axes().plotRect().contains(box));
        const QImage image = FrameRenderer::image(*snapshot, imageWidth);
        const int middle = static_cast<int>(box.center().y());
        const auto darkNear = [&image, middle](double x) {
            int darkest = 255;
            for (int column = static_cast<int>(x) - 1; column <= static_cast<int>(x) + 1; ++column)
                darkest = std::min(darkest, qGray(image.pixel(column, middle)));
            return darkest < 100;
        };
        QVERIFY(darkNear(box.left()));
        QVERIFY(darkNear(box.right()));
        // The first entry's sample is its line, in its colour.
        int samplePixels = 0;
        for (int y = static_cast<int>(box.top()); y < box.top() + box.height() / 2; ++y) {
            for (int x = static_cast<int>(box.left()); x < box.center().x(); ++x)
                samplePixels += isColor(image.pixel(x, y), basic(red)) ? 1 : 0;
        }
        QVERIFY(samplePixels > 10);

        QVERIFY(loadFrame({probe}, maps, {style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)}, frame));
        const std::shared_ptr<const FrameSnapshot> none = FrameSnapshot::capture();
        QVERIFY(LineLegend::entries(*none).empty());
        QVERIFY(LineLegend::box(*none, axes().plotRect(), frameRect.height()).isEmpty());
        const QImage without = FrameRenderer::image(*none, imageWidth);
        for (int column = static_cast<int>(box.left()) - 1; column <= static_cast<int>(box.left()) + 1; ++column)
            QVERIFY(isWhite(without.pixel(column, middle)));
    }

    void polarMapOfConstantRadiusDrawsACircle()
    {
        const std::vector<double> theta = range(0, 360, 5);
        QVERIFY(loadFrame({zone("ring", theta, std::vector<double>(theta.size(), 2.0))}, {lineMap("ring", 1)},
                          {style({"LINEMAP", "LINES", "COLOR"}, red), style({"LINEMAP", "LINES", "LINETHICKNESS"}, 0.8),
                           style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)},
                          QJsonObject{{"plotType", 5}, {"axes", QJsonObject{{"Y1", QJsonArray{0, 4}}}}}));
        const QImage image = render();
        const PolarAxes polar(frameRect, 0.0, 4.0);
        for (double angle = 1.0; angle < 360.0; angle += 7.5) {
            const QPointF direction(std::cos(angle * M_PI / 180.0), -std::sin(angle * M_PI / 180.0));
            QVERIFY2(colorNear(image, polar.center() + direction * polar.radius() / 2.0, basic(red), 1),
                     qPrintable(QString::number(angle)));
            QVERIFY(!colorNear(image, polar.center() + direction * polar.radius() / 4.0, basic(red), 3));
            QVERIFY(!colorNear(image, polar.center() + direction * polar.radius() * 0.75, basic(red), 3));
        }
    }

    void polarAnglesTurnCounterclockwiseFromTheRight()
    {
        QVERIFY(loadFrame({zone("spoke", {45, 45}, {0, 4})}, {lineMap("spoke", 1)},
                          {style({"LINEMAP", "LINES", "COLOR"}, red), style({"LINEMAP", "LINES", "LINETHICKNESS"}, 0.8),
                           style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)},
                          QJsonObject{{"plotType", 5}, {"axes", QJsonObject{{"Y1", QJsonArray{0, 4}}}}}));
        const QImage image = render();
        const PolarAxes polar(frameRect, 0.0, 4.0);
        const auto at = [&polar](double degrees, double fraction) {
            return polar.center()
                   + QPointF(std::cos(degrees * M_PI / 180.0), -std::sin(degrees * M_PI / 180.0)) * polar.radius()
                         * fraction;
        };
        QVERIFY(colorNear(image, at(45.0, 0.5), basic(red), 1));
        QVERIFY(colorNear(image, at(45.0, 0.95), basic(red), 1));
        for (double wrong : {-45.0, 135.0, 225.0, 50.0})
            QVERIFY(!colorNear(image, at(wrong, 0.5), basic(red), 2));
    }

    void defaultAxesFitTheData()
    {
        QVERIFY(
            loadFrame({zone("far", range(100, 200, 10), range(-50, 50, 10))}, {lineMap("far", 1)},
                      {style({"LINEMAP", "LINES", "COLOR"}, red), style({"LINEMAP", "LINES", "LINETHICKNESS"}, 1.0)},
                      QJsonObject{{"axes", QJsonObject{}}}));
        const QImage image = render();
        const CartesianAxes fitted(frameRect, 95.0, 205.0, -55.0, 55.0);
        QVERIFY(colorNear(image, fitted.map(150.0, 0.0), basic(red), 1));
        QVERIFY(colorNear(image, fitted.map(110.0, -40.0), basic(red), 1));
    }

    void pointLabelsDrawOnlyWhenShown()
    {
        const QJsonArray zones = {zone("row", {2, 5, 8}, {3, 3, 3})};
        QJsonArray styles = {style({"LINEPLOTLAYERS", "SHOWLINES"}, false),
                             style({"GLOBALLINEPLOT", "DATALABELS", "COLOR"}, green),
                             style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)};
        QVERIFY(loadFrame(zones, {lineMap("labelled", 1)}, styles));
        QCOMPARE(countColor(render(), basic(green), 80), 0);

        styles.append(style({"GLOBALLINEPLOT", "DATALABELS", "SHOWNODELABELS"}, true));
        QVERIFY(loadFrame(zones, {lineMap("labelled", 1)}, styles));
        const QImage labels = render();
        const int plain = countColor(labels, basic(green), 80);
        QVERIFY(plain > 10);
        // Labels sit above their points.
        for (double x : {2.0, 5.0, 8.0}) {
            const QPointF at = axes().map(x, 3.0);
            bool found = false;
            for (int y = static_cast<int>(at.y()) - 25; y < at.y() && !found; ++y) {
                for (int dx = -8; dx <= 8 && !found; ++dx)
                    found = isColor(labels.pixel(static_cast<int>(at.x()) + dx, y), basic(green), 80);
            }
            QVERIFY2(found, qPrintable(QString::number(x)));
        }

        styles.append(style({"GLOBALLINEPLOT", "DATALABELS", "INCLUDEBOX"}, true));
        QVERIFY(loadFrame(zones, {lineMap("labelled", 1)}, styles));
        QVERIFY(countColor(render(), basic(green), 80) > plain + 30);

        // Coloured by map: the map's line colour, though its line is not drawn.
        styles.append(style({"GLOBALLINEPLOT", "DATALABELS", "COLORBYZONEMAP"}, true));
        styles.append(style({"LINEMAP", "LINES", "COLOR"}, red));
        QVERIFY(loadFrame(zones, {lineMap("labelled", 1)}, styles));
        const QImage byMap = render();
        QCOMPARE(countColor(byMap, basic(green), 80), 0);
        QVERIFY(countColor(byMap, basic(red), 80) > plain);
    }

    void labelTextHeightsFollowTheirUnits()
    {
        const QJsonArray zones = {zone("row", {2, 5, 8}, {3, 3, 3})};
        const auto heightIn = [&zones](int units, double height) {
            if (!loadFrame(zones, {lineMap("labelled", 1)},
                           {style({"GLOBALLINEPLOT", "DATALABELS", "SHOWNODELABELS"}, true),
                            style({"GLOBALLINEPLOT", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"}, units),
                            style({"GLOBALLINEPLOT", "DATALABELS", "TEXTSHAPE", "HEIGHT"}, height)}))
                return -1.0;
            const std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
            const LineCartesianProjection plot(axes());
            return LinePointLabels(*snapshot, frameRect.height(), plot).textHeight();
        };
        // A 6 inch frame 400 pixels tall: 400 / 432 pixels per point.
        QVERIFY(std::abs(heightIn(2, 18.0) - 18.0 * 400.0 / 432.0) < 1e-9);
        QVERIFY(std::abs(heightIn(3, 18.0) - 18.0 * 0.75 * 400.0 / 432.0) < 1e-9);
        QVERIFY(std::abs(heightIn(1, 5.0) - 20.0) < 1e-9);
        QVERIFY(std::abs(heightIn(4, 5.0) - axes().plotRect().height() * 0.05) < 1e-9);
        QVERIFY(std::abs(heightIn(0, 0.5) - axes().plotRect().height() / 20.0) < 1e-9);
    }

    void indexRangesCountFromTheEnd()
    {
        QVERIFY(loadFrame({zone("ten", range(1, 10, 1), range(1, 10, 1))}, {lineMap("part", 1)},
                          {style({"LINEMAP", "INDICES", "IRANGE", "MIN"}, 3),
                           style({"LINEMAP", "INDICES", "IRANGE", "MAX"}, -2),
                           style({"LINEMAP", "INDICES", "IRANGE", "SKIP"}, 2)}));
        const std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
        const auto lines = LineMapPoints::lines(*snapshot, LineMapAssignment::read(*snapshot, 1));
        QCOMPARE(lines.size(), std::size_t(1));
        QList<double> xs;
        for (const auto& point : lines.front())
            xs.append(point.x);
        // I from 3 to the one two before the last (8), every second.
        QCOMPARE(xs, QList<double>({3, 5, 7}));
    }

    void indexSpansStayInTheDimension()
    {
        const LineMapPoints::Span all = LineMapPoints::span(1, 0, 1, 10);
        QCOMPARE(all.first, 0L);
        QCOMPARE(all.last, 9L);
        const LineMapPoints::Span fromEnd = LineMapPoints::span(-3, -1, 0, 10);
        QCOMPARE(fromEnd.first, 6L);
        QCOMPARE(fromEnd.last, 8L);
        QCOMPARE(fromEnd.step, 1L);
        const LineMapPoints::Span beyond = LineMapPoints::span(5, 40, 3, 10);
        QCOMPARE(beyond.first, 4L);
        QCOMPARE(beyond.last, 9L);
        QCOMPARE(beyond.step, 3L);
    }

    void jLinesRunAcrossTheZone()
    {
        QJsonObject grid = zone("grid", range(1, 12, 1), range(1, 12, 1));
        grid.insert("imax", 4);
        grid.insert("jmax", 3);
        QVERIFY(loadFrame(
            {grid}, {lineMap("columns", 1)},
            {style({"LINEMAP", "INDICES", "IJKLINES"}, 1), style({"LINEMAP", "INDICES", "IRANGE", "MIN"}, 2)}));
        const std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
        const auto lines = LineMapPoints::lines(*snapshot, LineMapAssignment::read(*snapshot, 1));
        QCOMPARE(lines.size(), std::size_t(3));
        QList<long> nodes;
        for (const auto& point : lines.front())
            nodes.append(point.node);
        QCOMPARE(nodes, QList<long>({1, 5, 9}));
    }

    void sortOrdersThePoints()
    {
        QVERIFY(loadFrame({zone("shuffled", {3, 1, 2}, {30, 10, 20}, {2, 3, 1})}, {lineMap("sorted", 1)},
                          {style({"LINEMAP", "ASSIGN", "SORT"}, 1)}));
        std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
        auto lines = LineMapPoints::lines(*snapshot, LineMapAssignment::read(*snapshot, 1));
        QCOMPARE(lines.front()[0].x, 1.0);
        QCOMPARE(lines.front()[2].x, 3.0);

        QVERIFY(loadFrame({zone("shuffled", {3, 1, 2}, {30, 10, 20}, {2, 3, 1})}, {lineMap("sorted", 1)},
                          {style({"LINEMAP", "ASSIGN", "SORT"}, 3), style({"LINEMAP", "ASSIGN", "SORTVAR"}, 3)}));
        snapshot = FrameSnapshot::capture();
        lines = LineMapPoints::lines(*snapshot, LineMapAssignment::read(*snapshot, 1));
        QCOMPARE(lines.front()[0].x, 2.0);
        QCOMPARE(lines.front()[2].x, 1.0);
    }

    void labelNumbersFollowTheirFormat()
    {
        const QJsonArray zones = {zone("row", {2, 5, 8}, {3, 3, 3})};
        const auto format = [&zones](const QJsonArray& numberFormat) -> std::optional<LineLabelFormat> {
            if (!loadFrame(zones, {lineMap("labelled", 1)}, numberFormat))
                return std::nullopt;
            return LineLabelFormat::read(*FrameSnapshot::capture());
        };
        const auto path = [](const char* keyword) {
            return QStringList{"GLOBALLINEPLOT", "DATALABELS", "NUMFORMAT", keyword};
        };
        const std::optional<LineLabelFormat> best = format({});
        QVERIFY(best);
        QCOMPARE(best->text(3.14159), QStringLiteral("3.14"));
        QCOMPARE(best->text(-2.0), QStringLiteral("-2"));

        const std::optional<LineLabelFormat> fixed =
            format({style(path("FORMATTING"), 1), style(path("PRECISION"), 2), style(path("NEGATIVEPREFIX"), "("),
                    style(path("NEGATIVESUFFIX"), ")"), style(path("SHOWNEGATIVESIGN"), false),
                    style(path("ZEROPREFIX"), "="), style(path("POSITIVESUFFIX"), " m")});
        QVERIFY(fixed);
        QCOMPARE(fixed->text(-1.5), QStringLiteral("(1.50)"));
        QCOMPARE(fixed->text(2.0), QStringLiteral("2.00 m"));
        QCOMPARE(fixed->text(0.0), QStringLiteral("=0.00"));

        const std::optional<LineLabelFormat> integer = format({style(path("FORMATTING"), 0)});
        QVERIFY(integer);
        QCOMPARE(integer->text(2.6), QStringLiteral("3"));
        const std::optional<LineLabelFormat> exponential =
            format({style(path("FORMATTING"), 2), style(path("PRECISION"), 1)});
        QVERIFY(exponential);
        QCOMPARE(exponential->text(1234.0), QStringLiteral("1.2e+03"));
        const std::optional<LineLabelFormat> bare = format(
            {style(path("FORMATTING"), 1), style(path("PRECISION"), 2), style(path("REMOVELEADINGZEROS"), true)});
        QVERIFY(bare);
        QCOMPARE(bare->text(0.25), QStringLiteral(".25"));
    }

    void linesAreCutToRectanglesAndCircles()
    {
        const LineClipArea box = LineClipArea::rectangle(QRectF(0.0, 0.0, 10.0, 10.0));
        const auto across = box.cut(QPointF(-5.0, 5.0), QPointF(15.0, 5.0));
        QVERIFY(across);
        QCOMPARE(across->from, QPointF(0.0, 5.0));
        QCOMPARE(across->to, QPointF(10.0, 5.0));
        QVERIFY(across->fromMoved && across->toMoved);
        QVERIFY(!box.cut(QPointF(-5.0, -1.0), QPointF(15.0, -1.0)));
        const auto inside = box.cut(QPointF(1.0, 1.0), QPointF(2.0, 3.0));
        QVERIFY(inside && !inside->fromMoved && !inside->toMoved);

        const LineClipArea round = LineClipArea::circle(QPointF(0.0, 0.0), 5.0);
        const auto chord = round.cut(QPointF(-10.0, 3.0), QPointF(10.0, 3.0));
        QVERIFY(chord);
        QVERIFY(std::abs(chord->from.x() + 4.0) < 1e-12 && std::abs(chord->to.x() - 4.0) < 1e-12);
        const auto outward = round.cut(QPointF(0.0, 0.0), QPointF(0.0, 10.0));
        QVERIFY(outward && !outward->fromMoved && outward->toMoved);
        QVERIFY(std::abs(outward->to.y() - 5.0) < 1e-12);
        QVERIFY(!round.cut(QPointF(-10.0, 6.0), QPointF(10.0, 6.0)));
        // Both ends outside beyond the same side: the segment misses.
        QVERIFY(!round.cut(QPointF(6.0, 0.0), QPointF(9.0, 0.0)));
    }

    void densePointsThinToThePixelsButKeepTheirExtremes()
    {
        const LineCartesianProjection projection(CartesianAxes(frameRect, 0.0, 1.0, -1.0, 1.0));
        std::vector<QPointF> data;
        const int count = 200000;
        for (int i = 0; i < count; ++i) {
            const double x = static_cast<double>(i) / (count - 1);
            data.emplace_back(x, std::sin(x * 400.0));
        }
        const std::vector<std::vector<QPointF>> polylines = LinePolylines::build(data, projection);
        QCOMPARE(polylines.size(), std::size_t(1));
        const std::vector<QPointF>& picture = polylines.front();
        QVERIFY2(picture.size() <= 4 * (projection.bounds().width() + 2), qPrintable(QString::number(picture.size())));
        QCOMPARE(picture.front(), projection.map(data.front().x(), data.front().y()));
        QCOMPARE(picture.back(), projection.map(data.back().x(), data.back().y()));
        // Each pixel column keeps the highest and lowest point the data have there.
        using Extremes = std::map<int, std::pair<double, double>>;
        const auto extremes = [](const std::vector<QPointF>& points) {
            Extremes result;
            for (const QPointF& point : points) {
                const auto column = static_cast<int>(std::floor(point.x()));
                auto [it, added] = result.try_emplace(column, point.y(), point.y());
                it->second.first = std::min(it->second.first, point.y());
                it->second.second = std::max(it->second.second, point.y());
            }
            return result;
        };
        std::vector<QPointF> mapped;
        for (const QPointF& point : data)
            mapped.push_back(projection.map(point.x(), point.y()));
        QVERIFY(extremes(picture) == extremes(mapped));
    }

    void sparsePointsAreNotThinned()
    {
        const std::vector<QPointF> points = {{0.5, 1.0}, {0.7, 3.0}, {1.2, 2.0}, {5.0, 0.0}, {9.0, 4.0}, {9.5, 1.0}};
        QCOMPARE(LinePolylines::thin(points), points);
    }

    void manyMapsAllDraw()
    {
        // Every map of a crowded frame leaves its mark: 300 maps, each a level line of its own.
        QJsonArray zones;
        QJsonArray maps;
        for (int map = 1; map <= 300; ++map) {
            zones.append(zone(QStringLiteral("z%1").arg(map), {0.0, 1.0}, {map - 0.5, map - 0.5}));
            maps.append(lineMap(QStringLiteral("m%1").arg(map), map));
        }
        QVERIFY(loadFrame(zones, maps, {style({"LINEMAP", "ASSIGN", "SHOWINLEGEND"}, 1)},
                          QJsonObject{{"axes", QJsonObject{{"X1", QJsonArray{0, 1}}, {"Y1", QJsonArray{0, 300}}}}}));
        const QImage image = render();
        const CartesianAxes crowded(frameRect, 0.0, 1.0, 0.0, 300.0);
        const int column = static_cast<int>(crowded.map(0.5, 0.0).x());
        for (int y = static_cast<int>(crowded.plotRect().top()) + 2; y < crowded.plotRect().bottom() - 2; ++y)
            QVERIFY2(!isWhite(image.pixel(column, y)), qPrintable(QString::number(y)));

        // A legend of more maps than rows stays within the plot area.
        QVERIFY(loadFrame(zones, maps, {},
                          QJsonObject{{"axes", QJsonObject{{"X1", QJsonArray{0, 1}}, {"Y1", QJsonArray{0, 300}}}}}));
        const std::shared_ptr<const FrameSnapshot> listed = FrameSnapshot::capture();
        QCOMPARE(LineLegend::entries(*listed).size(), std::size_t(300));
        const QRectF box = LineLegend::box(*listed, crowded.plotRect(), frameRect.height());
        QVERIFY(!box.isEmpty());
        QVERIFY(crowded.plotRect().contains(box));
    }
};

QTEST_MAIN(TestRenderLinePlot)
#include "tst_render_lineplot.moc"
