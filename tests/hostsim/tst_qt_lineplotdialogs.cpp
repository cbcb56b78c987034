// The host's line-plot dialogs: curve-fit settings and line-map creation.

#include <hostsim/Host.h>
#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkdialogs_lineplot_qt/CurveFitSettingsDialog.h>
#include <kxsdkdialogs_lineplot_qt/LineMapCreateDialog.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "support/ChildWidget.h"
#include "support/ModalDialogAnswerer.h"

#include <functional>
#include <memory>
#include <tuple>

using kestrix::dialogs::lineplot::CurveFitSettingsDialog;
using kestrix::dialogs::lineplot::LineMapCreateDialog;
using kestrix::hostsim::Host;

using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::child;

namespace {

QPushButton* okButton(QWidget& dialog)
{
    return child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
}

QString zoneName(int zone)
{
    return QString::fromStdString(kestrix::sdk::zoneNameWithIndexFormattedForFrame(VexUtilFrameGetUniqueID(), zone));
}

void replaceText(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// An x-y frame with three zones (the second disabled), four variables and two line maps.
const char* const LineScene = R"({
  "pages": [ { "frames": [ {
    "name": "Pressure", "plotType": 3,
    "variables": ["X", "Cp", "Cf", "Re"],
    "zones": [
      { "name": "upper", "ordered": true, "imax": 20, "jmax": 1, "kmax": 1 },
      { "name": "lower", "ordered": true, "imax": 20, "jmax": 1, "kmax": 1 },
      { "name": "wake", "ordered": true, "imax": 10, "jmax": 1, "kmax": 1 }
    ],
    "enabledZones": [1, 3],
    "lineMaps": [
      { "name": "&ZN&: &DV&", "zone": 1, "x": 1, "y": 2 },
      { "name": "friction", "zone": 3, "x": 1, "y": 3 }
    ]
  } ] } ],
  "current": { "page": 1, "frame": 1 }
})";

} // namespace

class TestLinePlotDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();

    void curveFitShowsTheSettingsOfTheCurveType_data();
    void curveFitShowsTheSettingsOfTheCurveType();
    void curveFitSettersShowInTheWidgets();
    void curveFitReadsBackWhatTheUserEntered();
    void curveFitRefusesAnEmptyRange();
    void curveFitOffersTheEnabledVariables();

    void lineMapCreateOffersTheFramesZonesAndVariables();
    void lineMapCreateMakesOneUndoableMap();
    void lineMapCreateWithoutASetForTheNewMapChangesNoOtherMap_data();
    void lineMapCreateWithoutASetForTheNewMapChangesNoOtherMap();
    void lineMapCreateCancelledCreatesNothing();
};

void TestLinePlotDialogs::init()
{
    QString error;
    QVERIFY2(Host::instance().loadSceneJson(QByteArray(LineScene), &error), qPrintable(error));
}

void TestLinePlotDialogs::curveFitShowsTheSettingsOfTheCurveType_data()
{
    QTest::addColumn<int>("curveType");
    QTest::addColumn<bool>("order");
    QTest::addColumn<bool>("range");
    QTest::addColumn<bool>("clamp");
    QTest::addColumn<bool>("weighting");

    QTest::newRow("polynomial") << int(CurveType_PolynomialFit) << true << true << false << true;
    QTest::newRow("exponential") << int(CurveType_EToRFit) << false << true << false << true;
    QTest::newRow("power") << int(CurveType_PowerFit) << false << true << false << true;
    QTest::newRow("spline") << int(CurveType_Spline) << false << true << true << false;
    QTest::newRow("parametric spline") << int(CurveType_ParaSpline) << false << true << true << false;
}

void TestLinePlotDialogs::curveFitShowsTheSettingsOfTheCurveType()
{
    QFETCH(int, curveType);
    QFETCH(bool, order);
    QFETCH(bool, range);
    QFETCH(bool, clamp);
    QFETCH(bool, weighting);

    CurveFitSettingsDialog& dialog = CurveFitSettingsDialog::getInstance(nullptr, static_cast<CurveType_e>(curveType));
    QCOMPARE(int(dialog.curveType()), curveType);
    QCOMPARE(child<QGroupBox>(dialog, "curveFit_PolyOrder_Group")->isVisibleTo(&dialog), order);
    QCOMPARE(child<QGroupBox>(dialog, "curveFit_Range_Group")->isVisibleTo(&dialog), range);
    QCOMPARE(child<QGroupBox>(dialog, "curveFit_Clamp_Group")->isVisibleTo(&dialog), clamp);
    QCOMPARE(child<QGroupBox>(dialog, "curveFit_Weight_Group")->isVisibleTo(&dialog), weighting);
}

void TestLinePlotDialogs::curveFitSettersShowInTheWidgets()
{
    CurveFitSettingsDialog& dialog = CurveFitSettingsDialog::getInstance(nullptr, CurveType_PolynomialFit);
    dialog.setPolyOrder(4);
    dialog.setRangeActive(true);
    dialog.setRangeMin(-2.5);
    dialog.setRangeMax(1e7);
    dialog.setClampActive(true);
    dialog.setClampStart(0.125);
    dialog.setClampEnd(-3.0);
    dialog.setVarActive(true);
    dialog.setVarNumber(3);

    QCOMPARE(child<QSpinBox>(dialog, "curveFit_PolyOrder_SpinBox")->value(), 4);
    QVERIFY(child<QGroupBox>(dialog, "curveFit_Range_Group")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>(dialog, "curveFit_RangeMin_SpinBox")->value(), -2.5);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "curveFit_RangeMax_SpinBox")->value(), 1e7);
    QVERIFY(child<QGroupBox>(dialog, "curveFit_Clamp_Group")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>(dialog, "curveFit_ClampStart_SpinBox")->value(), 0.125);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "curveFit_ClampEnd_SpinBox")->value(), -3.0);
    QVERIFY(child<QGroupBox>(dialog, "curveFit_Weight_Group")->isChecked());
    QCOMPARE(child<QComboBox>(dialog, "curveFit_WeightVar_CmbBox")->currentData().toInt(), 3);

    QCOMPARE(dialog.varNumber(), 3);

    dialog.setRangeActive(false);
    QVERIFY(!dialog.rangeActive());
    // The values of a switched-off setting stay for when it is switched on again.
    QCOMPARE(dialog.rangeMin(), -2.5);
}

void TestLinePlotDialogs::curveFitReadsBackWhatTheUserEntered()
{
    CurveFitSettingsDialog& dialog = CurveFitSettingsDialog::getInstance(nullptr, CurveType_PolynomialFit);
    dialog.setPolyOrder(2);
    dialog.setRangeActive(false);
    dialog.setRangeMin(0.0);
    dialog.setRangeMax(1.0);
    dialog.setVarActive(false);
    dialog.setVarNumber(1);

    ModalDialogAnswerer answer([](QWidget& modal) {
        replaceText(child<QSpinBox>(modal, "curveFit_PolyOrder_SpinBox")->findChild<QLineEdit*>(), QStringLiteral("5"));
        child<QGroupBox>(modal, "curveFit_Range_Group")->setChecked(true);
        replaceText(child<QDoubleSpinBox>(modal, "curveFit_RangeMax_SpinBox")->findChild<QLineEdit*>(),
                    QStringLiteral("2e3"));
        child<QGroupBox>(modal, "curveFit_Weight_Group")->setChecked(true);
        auto* variables = child<QComboBox>(modal, "curveFit_WeightVar_CmbBox");
        variables->setCurrentIndex(variables->findData(4));
        QTest::keyClick(variables, Qt::Key_Tab);
        okButton(modal)->click();
    });
    dialog.launch();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.polyOrder(), short(5));
    QVERIFY(dialog.rangeActive());
    QCOMPARE(dialog.rangeMax(), 2000.0);
    QVERIFY(dialog.varActive());
    QCOMPARE(dialog.varNumber(), 4);
}

void TestLinePlotDialogs::curveFitRefusesAnEmptyRange()
{
    CurveFitSettingsDialog& dialog = CurveFitSettingsDialog::getInstance(nullptr, CurveType_Spline);
    dialog.setRangeActive(true);
    dialog.setRangeMin(5.0);
    dialog.setRangeMax(1.0);
    QVERIFY(!okButton(dialog)->isEnabled());
    dialog.setRangeMax(5.0);
    QVERIFY(!okButton(dialog)->isEnabled());
    dialog.setRangeMax(5.5);
    QVERIFY(okButton(dialog)->isEnabled());
    dialog.setRangeMax(1.0);
    dialog.setRangeActive(false);
    QVERIFY(okButton(dialog)->isEnabled());
}

void TestLinePlotDialogs::curveFitOffersTheEnabledVariables()
{
    CurveFitSettingsDialog& dialog = CurveFitSettingsDialog::getInstance(nullptr, CurveType_PowerFit);
    auto* variables = child<QComboBox>(dialog, "curveFit_WeightVar_CmbBox");
    QCOMPARE(variables->count(), 4);
    for (int var = 1; var <= 4; ++var) {
        QCOMPARE(variables->itemData(var - 1).toInt(), var);
        QCOMPARE(variables->itemText(var - 1), QString::fromStdString(kestrix::sdk::variableNameFormattedForAliases(var)));
    }
}

void TestLinePlotDialogs::lineMapCreateOffersTheFramesZonesAndVariables()
{
    LineMapCreateDialog& dialog = LineMapCreateDialog::getInstance(nullptr);
    auto* zones = child<QComboBox>(dialog, "lineMapCreate_Zone_CmbBox");
    QCOMPARE(zones->count(), 2);
    QCOMPARE(zones->itemText(0), zoneName(1));
    QCOMPARE(zones->itemText(1), zoneName(3));
    QCOMPARE(child<QComboBox>(dialog, "lineMapCreate_XVar_CmbBox")->count(), 4);
    QCOMPARE(child<QComboBox>(dialog, "lineMapCreate_XVar_CmbBox")->currentData().toInt(), 1);
    QCOMPARE(child<QComboBox>(dialog, "lineMapCreate_YVar_CmbBox")->currentData().toInt(), 2);
}

void TestLinePlotDialogs::lineMapCreateMakesOneUndoableMap()
{
    Host& host = Host::instance();
    const int stepsBefore = host.undoStepCount();
    QCOMPARE(VexUtilLineMapGetCount(), 2);

    LineMapCreateDialog& dialog = LineMapCreateDialog::getInstance(nullptr);
    int lockDepthDuringDialog = -1;
    ModalDialogAnswerer answer([&](QWidget& modal) {
        lockDepthDuringDialog = host.appLockDepth();
        auto* zones = child<QComboBox>(modal, "lineMapCreate_Zone_CmbBox");
        zones->setCurrentIndex(zones->findText(zoneName(3)));
        auto* xVar = child<QComboBox>(modal, "lineMapCreate_XVar_CmbBox");
        xVar->setCurrentIndex(xVar->findData(2));
        auto* yVar = child<QComboBox>(modal, "lineMapCreate_YVar_CmbBox");
        yVar->setCurrentIndex(yVar->findData(4));
        okButton(modal)->click();
    });
    dialog.launch();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(lockDepthDuringDialog, 0);
    QCOMPARE(host.appLockDepth(), 0);
    QCOMPARE(host.undoDepth(), 0);

    QCOMPARE(VexUtilLineMapGetCount(), 3);
    using kestrix::toolbox::CheckedStyleValue;
    int zone = 0;
    int xVar = 0;
    int yVar = 0;
    QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "ASSIGN", "ZONE").get(zone, 3)));
    QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "ASSIGN", "XAXISVAR").get(xVar, 3)));
    QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "ASSIGN", "YAXISVAR").get(yVar, 3)));
    QCOMPARE(zone, 3);
    QCOMPARE(xVar, 2);
    QCOMPARE(yVar, 4);
    // The other maps keep their own assignment.
    QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "ASSIGN", "ZONE").get(zone, 1)));
    QCOMPARE(zone, 1);

    QCOMPARE(host.undoStepCount(), stepsBefore + 1);
    QVERIFY(host.undo());
    QCOMPARE(VexUtilLineMapGetCount(), 2);
}

// The host could not make the set that names the new map: its assignment is left undone, as
// the message then says, rather than written to every map.
void TestLinePlotDialogs::lineMapCreateWithoutASetForTheNewMapChangesNoOtherMap_data()
{
    QTest::addColumn<int>("failures");
    for (int failures = 1; failures <= 4; ++failures)
        QTest::addRow("%d", failures) << failures;
}

void TestLinePlotDialogs::lineMapCreateWithoutASetForTheNewMapChangesNoOtherMap()
{
    QFETCH(int, failures);
    Host& host = Host::instance();
    host.clearJournal();
    LineMapCreateDialog& dialog = LineMapCreateDialog::getInstance(nullptr);
    std::unique_ptr<ModalDialogAnswerer> message;
    ModalDialogAnswerer answer([&](QWidget& modal) {
        message = std::make_unique<ModalDialogAnswerer>([](QWidget& box) { static_cast<QDialog&>(box).accept(); });
        host.failNext(Host::Fault::SetAllocation, failures);
        okButton(modal)->click();
    });
    dialog.launch();
    host.clearFailures();
    QCOMPARE(VexUtilLineMapGetCount(), 3);
    using kestrix::toolbox::CheckedStyleValue;
    for (const auto& [map, expectedZone, expectedY] : {std::tuple{1, 1, 2}, std::tuple{2, 3, 3}}) {
        int zone = 0;
        int yVar = 0;
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "ASSIGN", "ZONE").get(zone, map)));
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "ASSIGN", "YAXISVAR").get(yVar, map)));
        QCOMPARE(zone, expectedZone);
        QCOMPARE(yVar, expectedY);
    }
    for (const QString& line : host.journal())
        QVERIFY2(!line.contains(QLatin1String("objects=all")), qPrintable(line));
    QCOMPARE(host.appLockDepth(), 0);
    QCOMPARE(host.undoDepth(), 0);
}

void TestLinePlotDialogs::lineMapCreateCancelledCreatesNothing()
{
    Host& host = Host::instance();
    const int stepsBefore = host.undoStepCount();
    LineMapCreateDialog& dialog = LineMapCreateDialog::getInstance(nullptr);
    ModalDialogAnswerer answer([](QWidget& modal) {
        child<QDialogButtonBox>(modal, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
    });
    dialog.launch();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(VexUtilLineMapGetCount(), 2);
    QCOMPARE(host.undoStepCount(), stepsBefore);
}

QTEST_MAIN(TestLinePlotDialogs)
#include "tst_qt_lineplotdialogs.moc"
