// The stand-in host's pictures of 2-D and 3-D field plots: what each layer draws, that maps
// and layers that are off draw nothing of their own, flood colours, contour crossings,
// finite-element connectivity, depth order and translucency in 3-D, labels, and that every
// demo frame shows a plot.

#include <hostsim/Host.h>
#include <hostsim/render/ColorMap.h>
#include <hostsim/render/FrameRenderer.h>
#include <hostsim/render/FrameSnapshot.h>
#include <hostsim/render/MarchingSquares.h>

#include <QtTest>

#include <functional>

using kestrix::hostsim::Host;
using kestrix::hostsim::render::ColorMap;
using kestrix::hostsim::render::FrameRenderer;
using kestrix::hostsim::render::FrameSnapshot;
using kestrix::hostsim::render::MarchingSquares;

namespace {

constexpr int Width = 480;

// A frame of one plot type with the given variables, zones and style entries; every zone is
// its own field map.
QByteArray scene(int plotType, const char* variables, const QByteArray& zones, const QByteArray& style,
                 const QByteArray& extra = QByteArray())
{
    return "{ \"pages\": [ { \"frames\": [ { \"plotType\": " + QByteArray::number(plotType) + ", \"variables\": ["
           + variables + "], \"width\": 6, \"height\": 4, \"zones\": [" + zones + "], \"style\": [" + style + "]"
           + extra + " } ] } ] }";
}

QByteArray styleEntry(const char* path, const QByteArray& value, const QByteArray& more = QByteArray())
{
    return "{ \"path\": [" + QByteArray(path) + "], \"value\": " + value + more + " }";
}

QImage render(const QByteArray& json)
{
    QString error;
    if (!Host::instance().loadSceneJson(json, &error)) {
        qWarning("scene refused: %s", qPrintable(error));
        return {};
    }
    const std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
    return snapshot ? FrameRenderer::image(*snapshot, Width) : QImage();
}

using Test = std::function<bool(const QColor&)>;

int count(const QImage& image, const Test& test, const QRect& region = QRect())
{
    const QRect area = region.isNull() ? image.rect() : region.intersected(image.rect());
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            found += test(image.pixelColor(x, y)) ? 1 : 0;
    }
    return found;
}

// The box of the pixels that pass a test.
QRect box(const QImage& image, const Test& test)
{
    QRect result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixelColor(x, y)))
                result |= QRect(x, y, 1, 1);
        }
    }
    return result;
}

bool near(const QColor& color, const QColor& expected, int tolerance)
{
    return std::abs(color.red() - expected.red()) <= tolerance
           && std::abs(color.green() - expected.green()) <= tolerance
           && std::abs(color.blue() - expected.blue()) <= tolerance;
}

Test close(const QColor& expected, int tolerance = 40)
{
    return [expected, tolerance](const QColor& color) { return near(color, expected, tolerance); };
}

bool isWhite(const QColor& color)
{
    return color.red() > 245 && color.green() > 245 && color.blue() > 245;
}

// Strongly coloured: neither white, black nor grey.
bool isVivid(const QColor& color)
{
    return std::max({color.red(), color.green(), color.blue()}) - std::min({color.red(), color.green(), color.blue()})
           > 100;
}

// A 3 x 3 node grid from (0, 0) to (2, 2) with P = X.
const char* const Grid = R"({ "imax": 3, "jmax": 3, "values": {
    "X": [0, 1, 2, 0, 1, 2, 0, 1, 2], "Y": [0, 0, 0, 1, 1, 1, 2, 2, 2], "P": [0, 1, 2, 0, 1, 2, 0, 1, 2] } })";

// Two unit squares, the first at X 0 to 1, the second at X 2 to 3.
const char* const TwoSquares = R"({ "imax": 2, "jmax": 2, "values": {
    "X": [0, 1, 0, 1], "Y": [0, 0, 1, 1], "P": [0, 0, 0, 0] } },
  { "imax": 2, "jmax": 2, "values": { "X": [2, 3, 2, 3], "Y": [0, 0, 1, 1], "P": [1, 1, 1, 1] } })";

const QByteArray NoMeshNoEdges =
    styleEntry("\"FIELDLAYERS\", \"SHOWMESH\"", "false") + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWEDGE\"", "false");

QByteArray shadeInRedAndBlue()
{
    return NoMeshNoEdges + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWSHADE\"", "true") + ", "
           + styleEntry("\"FIELDMAP\", \"SHADE\", \"SHOW\"", "true") + ", "
           + styleEntry("\"FIELDMAP\", \"SHADE\", \"COLOR\"", "1", ", \"objects\": [1]") + ", "
           + styleEntry("\"FIELDMAP\", \"SHADE\", \"COLOR\"", "3", ", \"objects\": [2]");
}

} // namespace

class TestRenderFieldPlot : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase();

    void meshColourChangesTheMeshAndNothingElse();
    void inactiveMapDrawsNothingOfItsOwn();
    void layerThatIsOffDrawsNothing();
    void floodTakesTheColourMapAtTheNodeValues();
    void averageCellFloodColoursEachCellByItsMean();
    void marchingSquaresCrossesWhereTheValuesPassTheLevel();
    void marchingSquaresSaddleFollowsTheCellMean();
    void contourLinesFollowTheLevels();
    void finiteElementZoneDrawsItsElements();
    void finiteElementZoneWithoutConnectivityHasNoCells();
    void vectorsNeedVelocityVariables();
    void nearerFaceWinsInThreeDimensions();
    void translucentFaceLetsTheFarOneThrough();
    void labelsAppearOnlyWhenSwitchedOn();
    void manyMapsAllShow();
    void everyDemoFrameDrawsAPlot();
};

void TestRenderFieldPlot::cleanupTestCase()
{
    Host::instance().loadDemoScene();
}

void TestRenderFieldPlot::meshColourChangesTheMeshAndNothingElse()
{
    const QImage before = render(scene(2, R"("X", "Y", "P")", Grid, QByteArray()));
    const QImage after =
        render(scene(2, R"("X", "Y", "P")", Grid, styleEntry("\"FIELDMAP\", \"MESH\", \"COLOR\"", "2")));
    QVERIFY(!before.isNull() && !after.isNull());
    const Test greenish = [](const QColor& c) { return c.green() > c.red() && c.green() > c.blue(); };
    // The mesh spans the zone: its inner lines run from border to border.
    const QRect mesh = box(after, greenish);
    QVERIFY(mesh.width() > 100 && mesh.height() > 100);
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const QColor was = before.pixelColor(x, y);
            const QColor is = after.pixelColor(x, y);
            if (was == is)
                continue;
            ++changed;
            // Only mesh pixels change, from black (blended at a line's sides) to green.
            QVERIFY2(mesh.adjusted(-1, -1, 1, 1).contains(x, y) && greenish(is) && !isWhite(was),
                     qPrintable(QStringLiteral("pixel %1,%2 was %3, is %4").arg(x).arg(y).arg(was.name(), is.name())));
        }
    }
    // The two inner grid lines each way, some hundred pixels long.
    QVERIFY2(changed > 400, qPrintable(QString::number(changed)));
    // The zone's border belongs to the edge layer and stays black.
    const Test black = [](const QColor& c) { return c.red() < 80 && c.green() < 80 && c.blue() < 80; };
    QVERIFY(count(after, black, QRect(mesh.left() - 2, mesh.top() + mesh.height() / 4, 5, 1)) > 0);
    QVERIFY(count(after, black, QRect(mesh.right() - 2, mesh.top() + mesh.height() / 4, 5, 1)) > 0);
    QVERIFY(count(after, black, QRect(mesh.left() + mesh.width() / 4, mesh.top() - 2, 1, 5)) > 0);
    QVERIFY(count(after, black, QRect(mesh.left() + mesh.width() / 4, mesh.bottom() - 2, 1, 5)) > 0);
}

void TestRenderFieldPlot::inactiveMapDrawsNothingOfItsOwn()
{
    const QImage both = render(scene(2, R"("X", "Y", "P")", TwoSquares, shadeInRedAndBlue()));
    const QImage first =
        render(scene(2, R"("X", "Y", "P")", TwoSquares, shadeInRedAndBlue(), ", \"activeFieldMaps\": [1]"));
    const int red = count(both, close(Qt::red));
    QVERIFY2(red > 2000, qPrintable(QString::number(red)));
    QVERIFY(count(both, close(Qt::blue)) > 2000);
    QCOMPARE(count(first, close(Qt::blue)), 0);
    // The view stays where it was: the active map looks the same.
    QCOMPARE(count(first, close(Qt::red)), red);
    QCOMPARE(box(first, close(Qt::red)), box(both, close(Qt::red)));
}

void TestRenderFieldPlot::layerThatIsOffDrawsNothing()
{
    const QByteArray shadeOff = shadeInRedAndBlue() + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWSHADE\"", "false");
    const QImage off = render(scene(2, R"("X", "Y", "P")", TwoSquares, shadeOff));
    QCOMPARE(count(off, close(Qt::red)), 0);
    QCOMPARE(count(off, close(Qt::blue)), 0);

    const QByteArray scatter = NoMeshNoEdges + ", " + styleEntry("\"FIELDMAP\", \"SCATTER\", \"SHOW\"", "true") + ", "
                               + styleEntry("\"FIELDMAP\", \"SCATTER\", \"COLOR\"", "2") + ", "
                               + styleEntry("\"FIELDMAP\", \"SCATTER\", \"FILLMODE\"", "2");
    const QImage symbolsOn = render(scene(2, R"("X", "Y", "P")", TwoSquares,
                                          scatter + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWSCATTER\"", "true")));
    const QImage symbolsOff = render(scene(2, R"("X", "Y", "P")", TwoSquares, scatter));
    // Eight nodes, each a filled square.
    QVERIFY(count(symbolsOn, close(Qt::green)) > 8 * 20);
    QCOMPARE(count(symbolsOff, close(Qt::green)), 0);
    QCOMPARE(count(
                 symbolsOff, [](const QColor& c) { return !isWhite(c); }, symbolsOff.rect().adjusted(60, 30, -30, -50)),
             0);
}

void TestRenderFieldPlot::floodTakesTheColourMapAtTheNodeValues()
{
    // Four columns of nodes with P 0, 2, 2, 4: the middle cell is 2 throughout, the middle of
    // the map from 0 to 4.
    const char* zone = R"({ "imax": 4, "jmax": 2, "values": {
        "X": [0, 1, 2, 3, 0, 1, 2, 3], "Y": [0, 0, 0, 0, 1, 1, 1, 1], "P": [0, 2, 2, 4, 0, 2, 2, 4] } })";
    const QByteArray style = NoMeshNoEdges + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWCONTOUR\"", "true") + ", "
                             + styleEntry("\"GLOBALCONTOUR\", \"VAR\"", "3", ", \"offset1\": 1");
    const QImage image = render(scene(2, R"("X", "Y", "P")", zone, style));
    const QRect flood = box(image, isVivid);
    QVERIFY(flood.width() > 100);
    const QColor middle = image.pixelColor(flood.center());
    QVERIFY2(near(middle, ColorMap(0.0, 4.0).color(2.0), 8), qPrintable(middle.name()));
    // Towards the left the values fall to 0: blue.
    const QColor left = image.pixelColor(flood.left() + 2, flood.center().y());
    QVERIFY2(near(left, ColorMap(0.0, 4.0).color(0.0), 40), qPrintable(left.name()));
    const QColor right = image.pixelColor(flood.right() - 2, flood.center().y());
    QVERIFY2(near(right, ColorMap(0.0, 4.0).color(4.0), 40), qPrintable(right.name()));
}

void TestRenderFieldPlot::averageCellFloodColoursEachCellByItsMean()
{
    const char* zone = R"({ "imax": 3, "jmax": 2, "values": {
        "X": [0, 1, 2, 0, 1, 2], "Y": [0, 0, 0, 1, 1, 1], "P": [0, 2, 4, 0, 2, 4] } })";
    const QByteArray style = NoMeshNoEdges + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWCONTOUR\"", "true") + ", "
                             + styleEntry("\"GLOBALCONTOUR\", \"VAR\"", "3", ", \"offset1\": 1") + ", "
                             + styleEntry("\"FIELDMAP\", \"CONTOUR\", \"CONTOURTYPE\"", "3");
    const QImage image = render(scene(2, R"("X", "Y", "P")", zone, style));
    const QRect flood = box(image, isVivid);
    // The first cell's mean is 1, a quarter of the map: cyan, all over the cell.
    const ColorMap map(0.0, 4.0);
    for (int x : {flood.left() + 3, flood.left() + flood.width() / 4, flood.center().x() - 3})
        QVERIFY2(near(image.pixelColor(x, flood.center().y()), map.color(1.0), 6), qPrintable(QString::number(x)));
    QVERIFY(near(image.pixelColor(flood.right() - 3, flood.center().y()), map.color(3.0), 6));
}

void TestRenderFieldPlot::marchingSquaresCrossesWhereTheValuesPassTheLevel()
{
    // A cell two wide and one high whose values rise from 0 on the left to 4 on the right.
    const QPointF corners[4] = {{0, 0}, {2, 0}, {2, 1}, {0, 1}};
    std::vector<QLineF> lines;
    MarchingSquares::quad(corners, {0.0, 4.0, 4.0, 0.0}, 1.0, lines);
    QCOMPARE(lines.size(), std::size_t(1));
    QCOMPARE(lines[0].x1(), 0.5);
    QCOMPARE(lines[0].x2(), 0.5);
    QCOMPARE(std::min(lines[0].y1(), lines[0].y2()), 0.0);
    QCOMPARE(std::max(lines[0].y1(), lines[0].y2()), 1.0);
    // Rising from bottom to top instead, the line lies across.
    lines.clear();
    MarchingSquares::quad(corners, {0.0, 0.0, 4.0, 4.0}, 3.0, lines);
    QCOMPARE(lines.size(), std::size_t(1));
    QCOMPARE(lines[0].y1(), 0.75);
    QCOMPARE(lines[0].y2(), 0.75);
    // A level outside the values crosses nothing; one corner alone above it is cut off.
    lines.clear();
    MarchingSquares::quad(corners, {0.0, 4.0, 4.0, 0.0}, 5.0, lines);
    QVERIFY(lines.empty());
    MarchingSquares::quad(corners, {0.0, 0.0, 4.0, 0.0}, 2.0, lines);
    QCOMPARE(lines.size(), std::size_t(1));
    QVERIFY(lines[0].p1() == QPointF(2, 0.5) || lines[0].p2() == QPointF(2, 0.5));
    QVERIFY(lines[0].p1() == QPointF(1, 1) || lines[0].p2() == QPointF(1, 1));

    std::vector<QLineF> triangle;
    MarchingSquares::triangle({{0, 0}, {4, 0}, {0, 4}}, {0.0, 4.0, 8.0}, 2.0, triangle);
    QCOMPARE(triangle.size(), std::size_t(1));
    // Halfway along the first edge, a quarter of the way along the third.
    const QPointF ends[2] = {triangle[0].p1(), triangle[0].p2()};
    QVERIFY(ends[0] == QPointF(2, 0) || ends[1] == QPointF(2, 0));
    QVERIFY(ends[0] == QPointF(0, 1) || ends[1] == QPointF(0, 1));
}

void TestRenderFieldPlot::marchingSquaresSaddleFollowsTheCellMean()
{
    const QPointF corners[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    std::vector<QLineF> lines;
    // Corners 0 and 2 high, 1 and 3 low, the mean above the level: the high corners join
    // through the middle and the low ones are cut off.
    MarchingSquares::quad(corners, {1.0, 0.0, 1.0, 0.0}, 0.4, lines);
    QCOMPARE(lines.size(), std::size_t(2));
    const auto cutsOff = [&lines](const QPointF& corner) {
        for (const QLineF& line : lines) {
            if (QLineF(line.center(), corner).length() < 0.5)
                return true;
        }
        return false;
    };
    QVERIFY(cutsOff(QPointF(1, 0)));
    QVERIFY(cutsOff(QPointF(0, 1)));
    lines.clear();
    MarchingSquares::quad(corners, {1.0, 0.0, 1.0, 0.0}, 0.6, lines);
    QCOMPARE(lines.size(), std::size_t(2));
    QVERIFY(cutsOff(QPointF(0, 0)));
    QVERIFY(cutsOff(QPointF(1, 1)));
}

void TestRenderFieldPlot::contourLinesFollowTheLevels()
{
    // P = X from 0 to 2: levels every 0.2, so red lines cross the zone at X 0.2 to 1.8.
    const QByteArray style = NoMeshNoEdges + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWCONTOUR\"", "true") + ", "
                             + styleEntry("\"GLOBALCONTOUR\", \"VAR\"", "3", ", \"offset1\": 1") + ", "
                             + styleEntry("\"FIELDMAP\", \"CONTOUR\", \"CONTOURTYPE\"", "0") + ", "
                             + styleEntry("\"FIELDMAP\", \"CONTOUR\", \"COLOR\"", "1") + ", "
                             + styleEntry("\"FIELDMAP\", \"CONTOUR\", \"LINETHICKNESS\"", "0.8");
    const QImage image = render(scene(2, R"("X", "Y", "P")", Grid, style));
    const QRect lines = box(image, close(Qt::red, 60));
    QVERIFY(lines.height() > 100);
    // Nine vertical lines: along a row through the middle, nine runs of red.
    int runs = 0;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool red = near(image.pixelColor(x, lines.center().y()), Qt::red, 60);
        runs += red && !inside ? 1 : 0;
        inside = red;
    }
    QCOMPARE(runs, 9);
    // The lines are vertical: the same columns are red at the top and the bottom.
    QCOMPARE(count(image, close(Qt::red, 60), QRect(0, lines.top() + 2, image.width(), 1)),
             count(image, close(Qt::red, 60), QRect(0, lines.bottom() - 2, image.width(), 1)));
}

void TestRenderFieldPlot::finiteElementZoneDrawsItsElements()
{
    // A unit square (a quadrilateral) and a triangle beside it, (1, 0) (2, 0) (1, 1): the
    // upper right of the box from (0, 0) to (2, 1) is empty.
    const char* zone = R"({ "ordered": false, "nodes": 5, "elements": 2,
        "connectivity": [[1, 2, 3, 4], [2, 5, 3]],
        "values": { "X": [0, 1, 1, 0, 2], "Y": [0, 0, 1, 1, 0], "P": [0, 0, 0, 0, 0] } })";
    const QByteArray style = NoMeshNoEdges + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWSHADE\"", "true") + ", "
                             + styleEntry("\"FIELDMAP\", \"SHADE\", \"SHOW\"", "true") + ", "
                             + styleEntry("\"FIELDMAP\", \"SHADE\", \"COLOR\"", "1");
    const QImage image = render(scene(2, R"("X", "Y", "P")", zone, style));
    const QRect shaded = box(image, close(Qt::red, 20));
    QVERIFY(shaded.width() > 100);
    const auto at = [&shaded](double x, double y) {
        return QPoint(shaded.left() + static_cast<int>(x / 2.0 * shaded.width()),
                      shaded.bottom() - static_cast<int>(y * shaded.height()));
    };
    QVERIFY(near(image.pixelColor(at(0.5, 0.5)), Qt::red, 20));
    QVERIFY(near(image.pixelColor(at(1.3, 0.3)), Qt::red, 20));
    QVERIFY(isWhite(image.pixelColor(at(1.85, 0.85))));
    // The shaded area is about three quarters of the box.
    const double share = double(count(image, close(Qt::red, 20), shaded)) / (shaded.width() * shaded.height());
    QVERIFY2(share > 0.7 && share < 0.8, qPrintable(QString::number(share)));
}

void TestRenderFieldPlot::finiteElementZoneWithoutConnectivityHasNoCells()
{
    const char* zone = R"({ "ordered": false, "nodes": 5, "elements": 2,
        "values": { "X": [0, 1, 1, 0, 2], "Y": [0, 0, 1, 1, 0], "P": [0, 0, 0, 0, 0] } })";
    const QByteArray style = styleEntry("\"FIELDLAYERS\", \"SHOWSHADE\"", "true") + ", "
                             + styleEntry("\"FIELDMAP\", \"SHADE\", \"SHOW\"", "true") + ", "
                             + styleEntry("\"FIELDMAP\", \"SHADE\", \"COLOR\"", "1") + ", "
                             + styleEntry("\"FIELDMAP\", \"MESH\", \"COLOR\"", "3") + ", "
                             + styleEntry("\"FIELDMAP\", \"MESH\", \"LINETHICKNESS\"", "1");
    const QImage image = render(scene(2, R"("X", "Y", "P")", zone, style));
    QCOMPARE(count(image, close(Qt::red, 60)), 0);
    // The mesh shows the nodes instead.
    QVERIFY(count(image, close(Qt::blue, 100)) >= 5);
}

void TestRenderFieldPlot::vectorsNeedVelocityVariables()
{
    const char* zone = R"({ "imax": 3, "jmax": 3, "values": {
        "X": [0, 1, 2, 0, 1, 2, 0, 1, 2], "Y": [0, 0, 0, 1, 1, 1, 2, 2, 2],
        "U": [1, 1, 1, 1, 1, 1, 1, 1, 1], "V": [0, 0, 0, 0.5, 0.5, 0.5, 1, 1, 1] } })";
    const QByteArray style = NoMeshNoEdges + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWVECTOR\"", "true") + ", "
                             + styleEntry("\"FIELDMAP\", \"VECTOR\", \"SHOW\"", "true") + ", "
                             + styleEntry("\"FIELDMAP\", \"VECTOR\", \"COLOR\"", "1") + ", "
                             + styleEntry("\"FIELDMAP\", \"VECTOR\", \"LINETHICKNESS\"", "0.8");
    const QImage arrows = render(scene(2, R"("X", "Y", "U", "V")", zone, style));
    QVERIFY(count(arrows, close(Qt::red, 80)) > 9 * 5);
    QByteArray renamed(zone);
    renamed.replace("\"U\"", "\"A\"").replace("\"V\"", "\"B\"");
    const QImage without = render(scene(2, R"("X", "Y", "A", "B")", renamed, style));
    QVERIFY(!without.isNull());
    QCOMPARE(count(without, close(Qt::red, 80)), 0);
}

void TestRenderFieldPlot::nearerFaceWinsInThreeDimensions()
{
    // Two unit squares in the X-Y plane, a red one at Z 0.2 and a blue one at Z 0: seen from
    // above, the red one hides the blue one where they overlap, whichever comes first.
    const QByteArray high = R"({ "imax": 2, "jmax": 2, "values": {
        "X": [0, 1, 0, 1], "Y": [0, 0, 1, 1], "Z": [0.2, 0.2, 0.2, 0.2] } })";
    const QByteArray low = R"({ "imax": 2, "jmax": 2, "values": {
        "X": [0, 1, 0, 1], "Y": [0, 0, 1, 1], "Z": [0, 0, 0, 0] } })";
    const QByteArray style = NoMeshNoEdges + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWSHADE\"", "true") + ", "
                             + styleEntry("\"FIELDMAP\", \"SHADE\", \"SHOW\"", "true");
    const auto colours = [](const char* first, const char* second) -> QByteArray {
        return ", " + styleEntry("\"FIELDMAP\", \"SHADE\", \"COLOR\"", first, ", \"objects\": [1]") + ", "
               + styleEntry("\"FIELDMAP\", \"SHADE\", \"COLOR\"", second, ", \"objects\": [2]");
    };
    const Test reddish = [](const QColor& c) { return c.red() > 120 && c.blue() < 60 && c.green() < 60; };
    const Test bluish = [](const QColor& c) { return c.blue() > 120 && c.red() < 60 && c.green() < 60; };
    for (bool highFirst : {true, false}) {
        const QByteArray zones = highFirst ? high + ", " + low : low + ", " + high;
        const QImage image =
            render(scene(1, R"("X", "Y", "Z")", zones, style + colours(highFirst ? "1" : "3", highFirst ? "3" : "1")));
        const QRect red = box(image, reddish);
        const QRect blue = box(image, bluish);
        QVERIFY(red.isValid() && blue.isValid());
        // The high square sits higher on the screen; the low one's picture is the same moved
        // down by `drop`, and shows only below the high one.
        const int drop = blue.bottom() - red.bottom();
        QVERIFY(drop > 10);
        QVERIFY(red.top() < blue.top());
        // A point of the high square whose point `drop` higher is also in the high square:
        // that point is in the low square's picture too.
        const QPoint overlap(red.center().x(), red.center().y() + drop / 2);
        QVERIFY(reddish(image.pixelColor(overlap.x(), overlap.y() - drop)));
        QVERIFY2(reddish(image.pixelColor(overlap)), qPrintable(image.pixelColor(overlap).name()));
    }
}

void TestRenderFieldPlot::translucentFaceLetsTheFarOneThrough()
{
    const QByteArray zones = R"({ "imax": 2, "jmax": 2, "values": {
        "X": [0, 1, 0, 1], "Y": [0, 0, 1, 1], "Z": [0.2, 0.2, 0.2, 0.2] } },
      { "imax": 2, "jmax": 2, "values": { "X": [0, 1, 0, 1], "Y": [0, 0, 1, 1], "Z": [0, 0, 0, 0] } })";
    const QByteArray style =
        NoMeshNoEdges + ", " + styleEntry("\"FIELDLAYERS\", \"SHOWSHADE\"", "true") + ", "
        + styleEntry("\"FIELDMAP\", \"SHADE\", \"SHOW\"", "true") + ", "
        + styleEntry("\"FIELDMAP\", \"SHADE\", \"COLOR\"", "1", ", \"objects\": [1]") + ", "
        + styleEntry("\"FIELDMAP\", \"SHADE\", \"COLOR\"", "3", ", \"objects\": [2]") + ", "
        + styleEntry("\"FIELDMAP\", \"EFFECTS\", \"USETRANSLUCENCY\"", "true", ", \"objects\": [1]") + ", "
        + styleEntry("\"FIELDMAP\", \"EFFECTS\", \"SURFACETRANSLUCENCY\"", "50", ", \"objects\": [1]");
    const QImage image = render(scene(1, R"("X", "Y", "Z")", zones, style));
    // Red over blue mixes to purple; red alone over white to pink; blue alone stays blue.
    const Test purple = [](const QColor& c) {
        return c.red() > 60 && c.blue() > 60 && c.red() < 200 && c.blue() < 200 && c.green() < 50;
    };
    const Test pink = [](const QColor& c) {
        return c.red() > 200 && c.green() > 80 && c.green() < 180 && c.blue() > 80 && c.blue() < 180;
    };
    const Test blue = [](const QColor& c) { return c.blue() > 150 && c.red() < 40 && c.green() < 40; };
    QVERIFY(count(image, purple) > 1000);
    QVERIFY(count(image, pink) > 1000);
    QVERIFY(count(image, blue) > 200);
    QVERIFY(box(image, pink).top() < box(image, purple).top());
    QVERIFY(box(image, purple).bottom() < box(image, blue).bottom());
}

void TestRenderFieldPlot::labelsAppearOnlyWhenSwitchedOn()
{
    const QByteArray base = NoMeshNoEdges + ", " + styleEntry("\"GLOBALSCATTER\", \"DATALABELS\", \"COLOR\"", "2")
                            + ", " + styleEntry("\"GLOBALSCATTER\", \"DATALABELS\", \"TEXTSHAPE\", \"HEIGHT\"", "30");
    const QByteArray nodes = ", " + styleEntry("\"GLOBALSCATTER\", \"DATALABELS\", \"SHOWNODELABELS\"", "true");
    const QByteArray cells = ", " + styleEntry("\"GLOBALSCATTER\", \"DATALABELS\", \"SHOWCELLLABELS\"", "true");
    const Test green = [](const QColor& c) { return c.green() > 100 && c.red() < 90 && c.blue() < 90; };

    QCOMPARE(count(render(scene(2, R"("X", "Y", "P")", Grid, base)), green), 0);
    const int nodeLabels = count(render(scene(2, R"("X", "Y", "P")", Grid, base + nodes)), green);
    QVERIFY2(nodeLabels > 9 * 4, qPrintable(QString::number(nodeLabels)));
    QVERIFY(count(render(scene(2, R"("X", "Y", "P")", Grid, base + cells)), green) > 4 * 4);
    // Not for an inactive map.
    QCOMPARE(count(render(scene(2, R"("X", "Y", "P")", Grid, base + nodes, ", \"activeFieldMaps\": []")), green), 0);
    // In the map's mesh colour when asked, even with the mesh off.
    const QImage byMap =
        render(scene(2, R"("X", "Y", "P")", Grid,
                     base + nodes + ", " + styleEntry("\"GLOBALSCATTER\", \"DATALABELS\", \"COLORBYZONEMAP\"", "true")
                         + ", " + styleEntry("\"FIELDMAP\", \"MESH\", \"COLOR\"", "1")));
    QCOMPARE(count(byMap, green), 0);
    QVERIFY(count(byMap, close(Qt::red, 90)) > 9 * 4);
    // Values instead of numbers: P is 0, 1, 2, so no label reads more than one character.
    const QImage values =
        render(scene(2, R"("X", "Y", "P")", Grid,
                     base + nodes + ", " + styleEntry("\"GLOBALSCATTER\", \"DATALABELS\", \"NODELABELTYPE\"", "1")
                         + ", " + styleEntry("\"GLOBALSCATTER\", \"DATALABELS\", \"NODELABELVAR\"", "3")));
    QVERIFY(count(values, green) > 9 * 3);
}

void TestRenderFieldPlot::manyMapsAllShow()
{
    QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field2d:10000")));
    const std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
    QVERIFY(snapshot);
    // 100 by 100 tiles in some 300 pixels: every zone is a dot of its mesh colour, and the
    // colours cycle through all eight basic colours, white among them.
    const QImage image = FrameRenderer::image(*snapshot, 400);
    const QRect drawn = box(image, isVivid);
    QVERIFY(drawn.width() > 200 && drawn.height() > 200);
    for (const QColor& colour : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue), QColor(Qt::cyan),
                                 QColor(Qt::yellow), QColor(Qt::magenta)}) {
        for (const QRect& quarter : {QRect(drawn.topLeft(), drawn.size() / 2), QRect(drawn.center(), drawn.size() / 2)})
            QVERIFY2(count(image, close(colour, 30), quarter) > 100, qPrintable(colour.name()));
    }
}

void TestRenderFieldPlot::everyDemoFrameDrawsAPlot()
{
    Host::instance().loadDemoScene();
    const int frames = Host::instance().framesOfCurrentPage().size();
    QCOMPARE(frames, 4);
    for (int frame = 1; frame <= frames; ++frame) {
        QVERIFY(Host::instance().setCurrentFrame(frame));
        const std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
        QVERIFY(snapshot);
        const QImage image = FrameRenderer::image(*snapshot, Width);
        // Inside the frame's border, a tenth of the picture or more is drawn, and something
        // of it in colour.
        const QRect inside = image.rect().adjusted(3, 3, -3, -3);
        const int drawn = count(
            image, [](const QColor& c) { return !isWhite(c); }, inside);
        QVERIFY2(drawn > inside.width() * inside.height() / 50,
                 qPrintable(QStringLiteral("frame %1: %2").arg(frame).arg(drawn)));
        QVERIFY2(count(image, isVivid, inside) > 50, qPrintable(QStringLiteral("frame %1").arg(frame)));
    }
}

QTEST_MAIN(TestRenderFieldPlot)
#include "tst_render_fieldplot.moc"
