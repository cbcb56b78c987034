// The colour map of contour floods: its stops, the colours between them, the ends and the
// handling of values outside the range or of an empty range.

#include <hostsim/render/ColorMap.h>

#include <QtTest>

using kestrix::hostsim::render::ColorMap;

class TestRenderColorMap : public QObject {
    Q_OBJECT

private slots:
    void stopsAreBlueCyanGreenYellowRed_data();
    void stopsAreBlueCyanGreenYellowRed();
    void valuesBetweenStopsBlendLinearly();
    void valuesOutsideTheRangeTakeTheNearerEnd();
    void reversedRangeIsTheSameMap();
    void emptyRangeIsTheMiddle();
};

void TestRenderColorMap::stopsAreBlueCyanGreenYellowRed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QColor>("expected");
    // A map from -2 to 6: the stops lie every 2.
    QTest::newRow("minimum") << -2.0 << QColor(0, 0, 255);
    QTest::newRow("quarter") << 0.0 << QColor(0, 255, 255);
    QTest::newRow("middle") << 2.0 << QColor(0, 255, 0);
    QTest::newRow("three quarters") << 4.0 << QColor(255, 255, 0);
    QTest::newRow("maximum") << 6.0 << QColor(255, 0, 0);
}

void TestRenderColorMap::stopsAreBlueCyanGreenYellowRed()
{
    QFETCH(double, value);
    QFETCH(QColor, expected);
    QCOMPARE(ColorMap(-2.0, 6.0).color(value), expected);
}

void TestRenderColorMap::valuesBetweenStopsBlendLinearly()
{
    const ColorMap map(0.0, 8.0);
    // Halfway from cyan (value 2) to green (value 4).
    QCOMPARE(map.color(3.0), QColor(0, 255, 128));
    // A quarter of the way from yellow (6) to red (8).
    QCOMPARE(map.color(6.5), QColor(255, 191, 0));
    QCOMPARE(map.fraction(3.0), 0.375);
}

void TestRenderColorMap::valuesOutsideTheRangeTakeTheNearerEnd()
{
    const ColorMap map(10.0, 20.0);
    QCOMPARE(map.color(-1000.0), QColor(0, 0, 255));
    QCOMPARE(map.color(1e9), QColor(255, 0, 0));
    QCOMPARE(ColorMap::colorAt(1.5), QColor(255, 0, 0));
    QCOMPARE(ColorMap::colorAt(-0.5), QColor(0, 0, 255));
}

void TestRenderColorMap::reversedRangeIsTheSameMap()
{
    const ColorMap map(5.0, 1.0);
    QCOMPARE(map.minimum(), 1.0);
    QCOMPARE(map.maximum(), 5.0);
    QCOMPARE(map.color(1.0), QColor(0, 0, 255));
}

void TestRenderColorMap::emptyRangeIsTheMiddle()
{
    QCOMPARE(ColorMap(3.0, 3.0).color(3.0), QColor(0, 255, 0));
    QCOMPARE(ColorMap(3.0, 3.0).color(-7.0), QColor(0, 255, 0));
}

QTEST_MAIN(TestRenderColorMap)
#include "tst_render_colormap.moc"
