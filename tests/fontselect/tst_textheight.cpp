#include "dialogs/fontselect/RangeLimitedValue.h"
#include "dialogs/fontselect/TextHeight.h"
#include "hostsim/Host.h"

#include <exception/ExceptionBase.h>
#include <kxsdkbase/KernelApi.h>

#include <QtTest>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>

using kestrix::InvalidArgumentException;
using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::RangeLimitedValue;
using kestrix::sdk::ui::dialogs::TextHeight;

namespace {

// The message of the InvalidArgumentException that `action` throws; empty when it throws none.
std::string refusal(const std::function<void()>& action)
{
    try {
        action();
    } catch (const InvalidArgumentException& refused) {
        return refused.message();
    }
    return {};
}

const std::string InvalidUnits = "Invalid units parameter passed to TextHeight";
const std::string InvalidHeight = "Invalid height parameter passed to TextHeight";

double hostConversion(Units_e from, Units_e to, double value)
{
    return VexUtilConvertUnits(from, to, value);
}

} // namespace

class TestTextHeight : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Host::instance().loadDemoScene(); }

    void rangeLimitedValueDefaultsToZeroInTheWidestRange()
    {
        const RangeLimitedValue value;
        QCOMPARE(value.value(), 0.0);
        QCOMPARE(value.minimum(), -1e150);
        QCOMPARE(value.maximum(), 1e150);
    }

    void rangeLimitedValueNeedsMinimumNotAboveMaximum()
    {
        QCOMPARE(refusal([] { RangeLimitedValue(1.0, 2.0, 0.0); }),
                 std::string("Error creating RangeLimitedValue. Min must be less than Max."));
        QCOMPARE(refusal([] { RangeLimitedValue(0.0, std::numeric_limits<double>::quiet_NaN(), 1.0); }),
                 std::string("Error creating RangeLimitedValue. Min must be less than Max."));
        const RangeLimitedValue single(4.0, 4.0, 4.0);
        QCOMPARE(single.value(), 4.0);
    }

    void rangeLimitedValueRefusesAValueOutsideTheRange()
    {
        QCOMPARE(refusal([] { RangeLimitedValue(5.0, 0.0, 2.5); }),
                 std::string("The value 5 is out of range.\nValue must be between: 0 and 2.5"));
        QCOMPARE(refusal([] { RangeLimitedValue(-1.0, 1e-150, 1e150); }),
                 std::string("The value -1 is out of range.\nValue must be between: 1e-150 and 1e+150"));

        RangeLimitedValue value(1.0, 0.0, 2.0);
        QCOMPARE(refusal([&value] { value.setValue(2.0000001); }),
                 std::string("The value 2 is out of range.\nValue must be between: 0 and 2"));
        QVERIFY(!refusal([&value] { value.setValue(std::numeric_limits<double>::quiet_NaN()); }).empty());
        QCOMPARE(value.value(), 1.0);
        value.setValue(2.0);
        QCOMPARE(value.value(), 2.0);
    }

    void rangeLimitedValueIncludesItsBounds()
    {
        const RangeLimitedValue value(1.0, 0.5, 2500.0);
        QVERIFY(value.isInRange(0.5));
        QVERIFY(value.isInRange(2500.0));
        QVERIFY(!value.isInRange(0.4999));
        QVERIFY(!value.isInRange(2500.0001));
        QVERIFY(!value.isInRange(std::numeric_limits<double>::infinity()));
        QVERIFY(!value.isInRange(std::numeric_limits<double>::quiet_NaN()));
    }

    void eachUnitsHaveTheirRangeAndDefault_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("defaultHeight");
        QTest::newRow("grid") << int(Units_Grid) << 1e-150 << 1e150 << 1.0;
        QTest::newRow("frame") << int(Units_Frame) << 1e-150 << 200.0 << 3.0;
        QTest::newRow("points") << int(Units_Point) << 0.5 << 2500.0 << 11.0;
        QTest::newRow("axis") << int(Units_AxisPercentage) << 1e-150 << 200.0 << 3.0;
    }

    void eachUnitsHaveTheirRangeAndDefault()
    {
        QFETCH(int, units);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(double, defaultHeight);
        const auto unitsValue = static_cast<Units_e>(units);
        QVERIFY(TextHeight::isValidUnits(units));
        QCOMPARE(TextHeight::minimumHeight(unitsValue), minimum);
        QCOMPARE(TextHeight::maximumHeight(unitsValue), maximum);
        QCOMPARE(TextHeight::defaultHeight(unitsValue), defaultHeight);

        const TextHeight byDefault(unitsValue);
        QCOMPARE(byDefault.units(), unitsValue);
        QCOMPARE(byDefault.height(), defaultHeight);
        QCOMPARE(TextHeight(minimum, unitsValue).height(), minimum);
        QCOMPARE(TextHeight(maximum, unitsValue).height(), maximum);
        QCOMPARE(refusal([=] { TextHeight(maximum * 1.001, unitsValue); }), InvalidHeight);
        QCOMPARE(refusal([=] { TextHeight(minimum * 0.999, unitsValue); }), InvalidHeight);
        QCOMPARE(refusal([=] { TextHeight(0.0, unitsValue); }), InvalidHeight);
    }

    void otherUnitsAreRefused_data()
    {
        QTest::addColumn<int>("units");
        QTest::newRow("screen") << int(Units_Screen);
        QTest::newRow("invalid") << int(Units_Invalid);
        QTest::newRow("five") << 5;
    }

    void otherUnitsAreRefused()
    {
        QFETCH(int, units);
        const auto unitsValue = static_cast<Units_e>(units);
        QVERIFY(!TextHeight::isValidUnits(units));
        QCOMPARE(refusal([=] { TextHeight{unitsValue}; }), InvalidUnits);
        QCOMPARE(refusal([=] { TextHeight(1.0, unitsValue); }), InvalidUnits);
        QCOMPARE(refusal([=] { TextHeight::minimumHeight(unitsValue); }), InvalidUnits);
        QCOMPARE(refusal([=] { TextHeight::maximumHeight(unitsValue); }), InvalidUnits);
        QCOMPARE(refusal([=] { TextHeight::defaultHeight(unitsValue); }), InvalidUnits);
        TextHeight height(12.0, Units_Point);
        QCOMPARE(refusal([&height, unitsValue] { height.changeUnits(unitsValue); }), InvalidUnits);
        QCOMPARE(height.units(), Units_Point);
        QCOMPARE(height.height(), 12.0);
    }

    void setHeightKeepsTheRangeOfTheUnits()
    {
        TextHeight height(Units_Point);
        QVERIFY(height.isValidHeight(2500.0));
        QVERIFY(!height.isValidHeight(2500.5));
        height.setHeight(24.0);
        QCOMPARE(height.height(), 24.0);
        QCOMPARE(refusal([&height] { height.setHeight(3000.0); }),
                 std::string("The value 3000 is out of range.\nValue must be between: 0.5 and 2500"));
        QCOMPARE(height.height(), 24.0);
    }

    // Points reach the host in hundredths and come back from it in hundredths.
    void pointsConvertInHundredthsThroughTheHost()
    {
        TextHeight height(11.0, Units_Point);
        height.changeUnits(Units_Frame);
        const double framePercent = hostConversion(Units_Point, Units_Frame, 1100.0);
        QCOMPARE(height.units(), Units_Frame);
        QCOMPARE(height.height(), framePercent);
        height.changeUnits(Units_Point);
        QCOMPARE(height.units(), Units_Point);
        QCOMPARE(height.height(), hostConversion(Units_Frame, Units_Point, framePercent) / 100.0);
        QVERIFY(qFuzzyCompare(height.height(), 11.0));
        QCOMPARE(Host::instance().appLockDepth(), 0);
    }

    void convertedHeightsAreClampedIntoTheNewRange()
    {
        TextHeight large(2500.0, Units_Point);
        QVERIFY(hostConversion(Units_Point, Units_Frame, 250000.0) > 200.0);
        large.changeUnits(Units_Frame);
        QCOMPARE(large.height(), 200.0);

        TextHeight small(0.01, Units_Frame);
        QVERIFY(hostConversion(Units_Frame, Units_Point, 0.01) / 100.0 < 0.5);
        small.changeUnits(Units_Point);
        QCOMPARE(small.height(), 0.5);
    }

    void gridHeightsFollowTheHostsConversion()
    {
        TextHeight height(3.0, Units_AxisPercentage);
        height.changeUnits(Units_Grid);
        const double expected = std::clamp(hostConversion(Units_AxisPercentage, Units_Grid, 3.0), 1e-150, 1e150);
        QCOMPARE(height.height(), expected);
    }

    void theSameUnitsKeepTheHeight()
    {
        TextHeight height(17.25, Units_Point);
        height.changeUnits(Units_Point);
        QCOMPARE(height.units(), Units_Point);
        QCOMPARE(height.height(), 17.25);
    }
};

QTEST_MAIN(TestTextHeight)
#include "tst_textheight.moc"
