// The line-plot tabs of the Zone Style dialog, driven as a user drives them: what the cells
// show, which are enabled, what menus and popups offer and what they write into the host.

#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "hostsim/Host.h"
#include "support/ModalDialogAnswerer.h"
#include "support/StyleWrites.h"
#include "support/TableClicks.h"
#include "support/TestScenes.h"
#include "support/ZoneStyleTabs.h"

#include <common_ui_qt/ComboBoxAutoFilter.h>
#include <kxsdkdialogs_lineplot_qt/CurveFitSettingsDialog.h>
#include <kxsdkdialogs_prompt_qt/EnterThreeIntValuesDialog.h>
#include <kxsdkdialogs_prompt_qt/ZoneSelectDialog.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::readMapStyle;
using kestrix::testing::TableClicks;
using kestrix::testing::TestScenes;
using kestrix::testing::writeMapStyle;
using kestrix::testing::writeStyle;
using kestrix::testing::ZoneStyleTabs;

namespace {

const char* const LinePages[] = {"plotAttr_LPDefn_Page", "plotAttr_LPLine_Page", "plotAttr_LPCurv_Page",
                                 "plotAttr_LPSymb_Page", "plotAttr_LPEBar_Page", "plotAttr_LPBars_Page",
                                 "plotAttr_LPIndx_Page"};

// Frame 1: an x-y plot of five maps over a line, a sheet, a block and a finite-element cloud
// (maps 1 to 4 in that order, map 5 on the line again); only map 1 has an error-bar variable.
// Frame 2: a polar plot of two maps.
const QByteArray Scene = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Curves", "plotType": 3, "variables": ["X", "Y", "P", "dP"],
      "zones": [
        { "name": "line", "ordered": true, "imax": 10, "jmax": 1, "kmax": 1 },
        { "name": "sheet", "ordered": true, "imax": 5, "jmax": 4, "kmax": 1 },
        { "name": "block", "ordered": true, "imax": 3, "jmax": 3, "kmax": 3 },
        { "name": "cloud", "ordered": false, "nodes": 10, "elements": 8 } ],
      "lineMaps": [
        { "name": "first", "zone": 1, "x": 1, "y": 2 },
        { "name": "second", "zone": 2, "x": 1, "y": 3 },
        { "name": "third", "zone": 3, "x": 1, "y": 2 },
        { "name": "fourth", "zone": 4, "x": 1, "y": 3 },
        { "name": "fifth", "zone": 1, "x": 1, "y": 2 } ],
      "style": [ { "path": ["LINEMAP", "ERRORBARS", "VAR"], "objects": [1], "value": 4 } ] },
    { "name": "Round", "plotType": 5, "variables": ["Theta", "R"],
      "zones": [ { "name": "ring", "ordered": true, "imax": 36, "jmax": 1, "kmax": 1 } ],
      "lineMaps": [ { "name": "inner", "zone": 1, "x": 1, "y": 2 }, { "name": "outer", "zone": 1, "x": 1, "y": 2 } ] } ] } ],
  "current": { "page": 1, "frame": 1 } })");

void switchLayersOn()
{
    for (const char* layer : {"SHOWLINES", "SHOWSYMBOLS", "SHOWERRORBARS", "SHOWBARCHARTS"})
        writeStyle({"LINEPLOTLAYERS", layer}, 1);
}

// Accepts the item prompt of a variable choice with the named variable.
ModalDialogAnswerer::Answer chooseItem(const QString& item, QString* title = nullptr)
{
    return [item, title](QWidget& window) {
        auto* input = qobject_cast<QInputDialog*>(&window);
        QVERIFY(input);
        if (title)
            *title = input->windowTitle();
        input->setTextValue(item);
        input->accept();
    };
}

void deactivateFirstMap()
{
    QVERIFY(kestrix::toolbox::StyleValue::returnCodeOk(
        kestrix::toolbox::CheckedStyleValue("ACTIVELINEMAPS").set(kestrix::testing::setOf({2, 3, 4, 5}))));
}

void reject(QWidget& window)
{
    auto* dialog = qobject_cast<QDialog*>(&window);
    QVERIFY(dialog);
    dialog->reject();
}

int skipWrites(const char* layer)
{
    const QString prefix = QStringLiteral("LINEMAP %1 SKIPPING ").arg(QLatin1String(layer));
    int writes = 0;
    for (const QString& line : Host::instance().journal())
        writes += line.startsWith(prefix) ? 1 : 0;
    return writes;
}

} // namespace

class TestLineTabs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_mainWindow.show(); }

    void init()
    {
        QVERIFY(TestScenes::load(Scene));
        switchLayersOn();
        Host::instance().clearJournal();
        m_dialog.reset(
            &ZoneStyleDialog::getInstance(m_mainWindow, kestrix::dialogs::common::DialogInitialization_None));
        m_dialog->launch();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup() { m_dialog.reset(); }

    void everyChainKeepsQtsModelContract()
    {
        for (const char* page : LinePages) {
            for (int frame : {1, 2}) {
                QVERIFY(Host::instance().setCurrentFrame(frame));
                if (!tabs().open(page))
                    continue;
                QAbstractItemModelTester tester(tabs().model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
                QVERIFY(Host::instance().setCurrentFrame(3 - frame));
                QVERIFY(Host::instance().setCurrentFrame(frame));
                QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("xy:7")));
                QTest::qWait(0);
                QVERIFY(TestScenes::load(Scene));
                switchLayersOn();
                QTest::qWait(0);
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    void definitionsStartWithTheVariablesAndKeepTheUsersOrder()
    {
        tabs().open("plotAttr_LPDefn_Page");
        const QStringList xy{"Map\nNumber", "Map\nName", "Show\nMap",     "X-Axis\nVariable", "Y-Axis\nVariable",
                             "Zone",        "Sort",      "Which\nX-Axis", "Which\nY-Axis",    "Show in\nLegend"};
        QCOMPARE(visualOrder(), xy);

        QHeaderView* header = tabs().view()->horizontalHeader();
        header->moveSection(header->visualIndex(tabs().column("Zone")), 3);
        const QStringList moved = visualOrder();
        QCOMPARE(moved.at(3), QStringLiteral("Zone"));
        tabs().open("plotAttr_LPLine_Page");
        tabs().open("plotAttr_LPDefn_Page");
        QCOMPARE(visualOrder(), moved);

        QVERIFY(Host::instance().setCurrentFrame(2));
        QTRY_COMPARE(visualOrder(), (QStringList{"Map\nNumber", "Map\nName", "Show\nMap", "Theta\nVariable",
                                                 "Radius\nVariable", "Zone", "Sort", "Show in\nLegend"}));
        QVERIFY(Host::instance().setCurrentFrame(1));
        QTRY_COMPARE(visualOrder(), moved);
    }

    void polarFramesShowTheirOwnTabsAndTexts()
    {
        tabs().open("plotAttr_LPCurv_Page");
        QCOMPARE(tabs().text(0, tabs().column("Dependent\nVariable")), QStringLiteral("y=f(x)"));
        tabs().open("plotAttr_LPBars_Page");
        QCOMPARE(tabs().text(0, tabs().column("Bar\nDirection")), QStringLiteral("Vertical (y=f(x))"));

        QVERIFY(Host::instance().setCurrentFrame(2));
        QTRY_VERIFY(!tabs().open("plotAttr_LPBars_Page"));
        QVERIFY(!tabs().open("plotAttr_LPEBar_Page"));
        tabs().open("plotAttr_LPCurv_Page");
        const int dependency = tabs().column("Dependent\nVariable");
        QCOMPARE(tabs().text(1, dependency), QStringLiteral("R=f(Theta)"));
        tabs().selectRows({1});
        chooseInMenu(1, dependency, QStringLiteral("Theta=f(R)"));
        QCOMPARE(readMapStyle({"LINEMAP", "ASSIGN", "FUNCTIONDEPENDENCY"}, 2), 1.0);
        QCOMPARE(tabs().text(1, dependency), QStringLiteral("Theta=f(R)"));
        tabs().open("plotAttr_LPDefn_Page");
        QCOMPARE(tabs().text(0, tabs().column("Radius\nVariable")), QStringLiteral("2: R"));
    }

    void zoneAndVariableColumnsWriteTheChosenNumber()
    {
        tabs().open("plotAttr_LPDefn_Page");
        const int zone = tabs().column("Zone");
        QCOMPARE(tabs().text(1, zone), QStringLiteral("2: sheet"));
        QCOMPARE(tabs().index(0, zone).data(Qt::EditRole).toStringList(),
                 (QStringList{"1: line", "2: sheet", "3: block", "4: cloud"}));

        tabs().selectRows({0, 4});
        chooseInComboPopup(0, zone, 2);
        QCOMPARE(readMapStyle({"LINEMAP", "ASSIGN", "ZONE"}, 1), 3.0);
        QCOMPARE(readMapStyle({"LINEMAP", "ASSIGN", "ZONE"}, 5), 3.0);
        QCOMPARE(readMapStyle({"LINEMAP", "ASSIGN", "ZONE"}, 2), 2.0);

        const int yVariable = tabs().column("Y-Axis\nVariable");
        chooseInComboPopup(0, yVariable, 3);
        QCOMPARE(readMapStyle({"LINEMAP", "ASSIGN", "YAXISVAR"}, 1), 4.0);
        QCOMPARE(tabs().text(4, yVariable), QStringLiteral("4: dP"));

        // In place, the chosen text names the variable.
        QVERIFY(tabs().model()->setData(tabs().index(1, yVariable), QStringLiteral("3: P"), Qt::EditRole));
        QCOMPARE(readMapStyle({"LINEMAP", "ASSIGN", "YAXISVAR"}, 2), 3.0);
        QVERIFY(!tabs().model()->setData(tabs().index(1, yVariable), QStringLiteral("no such"), Qt::EditRole));

        QString title;
        tabs().selectRows({2});
        {
            ModalDialogAnswerer menu(TableClicks::chooseThenAnswer(QStringLiteral("Select Variable..."),
                                                                   chooseItem(QStringLiteral("Y"), &title)));
            TableClicks::menuKey(tabs().view(), 2, tabs().column("X-Axis\nVariable"));
            QCOMPARE(menu.answered(), 1);
        }
        QCOMPARE(title, QStringLiteral("Choose the variable"));
        QCOMPARE(readMapStyle({"LINEMAP", "ASSIGN", "XAXISVAR"}, 3), 2.0);
        QCOMPARE(readMapStyle({"LINEMAP", "ASSIGN", "XAXISVAR"}, 1), 1.0);

        ModalDialogAnswerer menu(TableClicks::chooseThenAnswer(QStringLiteral("Select Zone..."), [](QWidget& window) {
            auto* dialog = qobject_cast<kestrix::dialogs::prompt::ZoneSelectDialog*>(&window);
            QVERIFY(dialog);
            QCOMPARE(dialog->selectedZone(), 3);
            dialog->accept();
        }));
        TableClicks::menuKey(tabs().view(), 2, zone);
        QCOMPARE(menu.answered(), 1);
    }

    void sortingFollowsTheCurveType()
    {
        tabs().open("plotAttr_LPDefn_Page");
        const int sort = tabs().column("Sort");
        writeMapStyle({"LINEMAP", "ASSIGN", "SORT"}, {1}, 3);
        writeMapStyle({"LINEMAP", "ASSIGN", "SORTVAR"}, {1}, 3);
        writeMapStyle({"LINEMAP", "CURVES", "CURVETYPE"}, {2}, 4);
        QCOMPARE(tabs().text(0, sort), QStringLiteral("P"));
        QCOMPARE(tabs().text(1, sort), QStringLiteral("N/A"));
        QVERIFY(tabs().enabled(0, sort));
        QVERIFY(!tabs().enabled(1, sort));
        QCOMPARE(tabs().index(0, sort).data(Qt::EditRole).toStringList().size(), 3);

        deactivateFirstMap();
        QVERIFY(!tabs().enabled(0, tabs().column("Zone")));
        QVERIFY(tabs().enabled(0, tabs().column("Show in\nLegend")));
    }

    void aPolynomialIsNamedByItsOrder()
    {
        tabs().open("plotAttr_LPCurv_Page");
        const int type = tabs().column("Curve\nType");
        writeMapStyle({"LINEMAP", "CURVES", "CURVETYPE"}, {1, 2}, 1);
        writeMapStyle({"LINEMAP", "CURVES", "POLYORDER"}, {1}, 1);
        writeMapStyle({"LINEMAP", "CURVES", "POLYORDER"}, {2}, 2);
        QCOMPARE(tabs().text(0, type), QStringLiteral("Linear fit"));
        QCOMPARE(tabs().text(1, type), QStringLiteral("Polynomial fit"));
        QCOMPARE(tabs().text(1, tabs().column("Curve\nSetting")), QStringLiteral("Order=2"));
        QCOMPARE(tabs().index(0, type).data(Qt::EditRole).toStringList().at(1), QString());

        QCOMPARE(tabs().menuEntries(2, type),
                 (QStringList{"Line segment", "Linear fit", "Polynomial fit", "Exponential fit", "Power fit", "Spline",
                              "Parametric spline"}));
        tabs().selectRows({2, 3});
        const int steps = Host::instance().undoStepCount();
        ModalDialogAnswerer menu(TableClicks::choose(QStringLiteral("Linear fit")));
        TableClicks::rightClick(tabs().view(), 2, type);
        QCOMPARE(menu.answered(), 1);
        QCOMPARE(readMapStyle({"LINEMAP", "CURVES", "CURVETYPE"}, 4), 1.0);
        QCOMPARE(readMapStyle({"LINEMAP", "CURVES", "POLYORDER"}, 3), 1.0);
        QCOMPARE(tabs().text(3, type), QStringLiteral("Linear fit"));
        QCOMPARE(Host::instance().undoStepCount(), steps + 1);

        ModalDialogAnswerer polynomial(TableClicks::choose(QStringLiteral("Polynomial fit")));
        TableClicks::rightClick(tabs().view(), 2, type);
        QCOMPARE(readMapStyle({"LINEMAP", "CURVES", "POLYORDER"}, 4), 3.0);
        QCOMPARE(tabs().text(2, type), QStringLiteral("Polynomial fit"));
    }

    void curveSettingsNeedOneCurveTypeWithSettings()
    {
        tabs().open("plotAttr_LPCurv_Page");
        const int settings = tabs().column("Curve\nSetting");
        writeMapStyle({"LINEMAP", "CURVES", "CURVETYPE"}, {1, 2}, 4);
        writeMapStyle({"LINEMAP", "CURVES", "CURVETYPE"}, {3}, 2);
        const auto settingsEnabled = [this, settings](std::initializer_list<int> rows) {
            tabs().selectRows(rows);
            bool enabled = false;
            ModalDialogAnswerer menu([&enabled](QWidget& window) {
                enabled = window.actions().value(0) && window.actions().value(0)->isEnabled();
                window.close();
            });
            TableClicks::rightClick(tabs().view(), *rows.begin(), settings);
            return enabled;
        };
        QVERIFY(settingsEnabled({0, 1}));
        QVERIFY(!settingsEnabled({0, 2}));
        QVERIFY(!settingsEnabled({3}));

        tabs().selectRows({0, 1});
        const int steps = Host::instance().undoStepCount();
        ModalDialogAnswerer menu(TableClicks::chooseThenAnswer(QStringLiteral("&Settings..."), [](QWidget& window) {
            auto* dialog = qobject_cast<kestrix::dialogs::lineplot::CurveFitSettingsDialog*>(&window);
            QVERIFY(dialog);
            dialog->setClampActive(true);
            dialog->setClampStart(0.5);
            dialog->setClampEnd(-2);
            dialog->accept();
        }));
        TableClicks::rightClick(tabs().view(), 0, settings);
        QCOMPARE(menu.answered(), 1);
        QCOMPARE(readMapStyle({"LINEMAP", "CURVES", "CLAMPSPLINE"}, 2), 1.0);
        QCOMPARE(readMapStyle({"LINEMAP", "CURVES", "SPLINEDERIVATIVEATEND"}, 2), -2.0);
        QCOMPARE(readMapStyle({"LINEMAP", "CURVES", "CLAMPSPLINE"}, 3), 0.0);
        QCOMPARE(readMapStyle({"LINEMAP", "CURVES", "CURVETYPE"}, 1), 4.0);
        QCOMPARE(tabs().text(1, settings), QStringLiteral("Clamped: D1=0.5, D2=-2"));
        QCOMPARE(Host::instance().undoStepCount(), steps + 1);
    }

    void aSkippingOfZeroIsRepairedOnceWhenShown()
    {
        writeMapStyle({"LINEMAP", "SYMBOLS", "SKIPPING"}, {2}, 0);
        writeMapStyle({"LINEMAP", "ERRORBARS", "SKIPPING"}, {3}, 0);
        writeMapStyle({"LINEMAP", "ERRORBARS", "SKIPMODE"}, {3}, 1);
        Host::instance().clearJournal();
        tabs().open("plotAttr_LPSymb_Page");
        const int spacing = tabs().column("Symbol\nSpacing");
        QCOMPARE(tabs().text(1, spacing), QStringLiteral("Draw all"));
        QTRY_COMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SKIPPING"}, 2), 1.0);
        // The repair's state change refreshes the table, which must not write again.
        tabs().view()->viewport()->repaint();
        QTest::qWait(50);
        QCOMPARE(skipWrites("SYMBOLS"), 1);

        // By distance, 0 draws every point and is kept.
        tabs().open("plotAttr_LPEBar_Page");
        QCOMPARE(tabs().text(2, tabs().column("Error Bar\nSpacing")), QStringLiteral("Draw all"));
        QTest::qWait(50);
        QCOMPARE(skipWrites("ERRORBARS"), 0);
    }

    void skipMenusSetTheModeAndTheSkipping()
    {
        tabs().open("plotAttr_LPSymb_Page");
        const int spacing = tabs().column("Symbol\nSpacing");
        QCOMPARE(tabs().menuEntries(0, spacing),
                 (QStringList{"Draw all", "|", "I skip=2", "I skip=3", "I skip=4", "|", "Distance=1", "Distance=2",
                              "Distance=3", "|", "Enter index...", "Enter distance..."}));

        tabs().selectRows({0, 1});
        int steps = Host::instance().undoStepCount();
        chooseInMenu(0, spacing, QStringLiteral("Distance=2"));
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SKIPMODE"}, 2), 1.0);
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SKIPPING"}, 2), 2.0);
        QCOMPARE(tabs().text(1, spacing), QStringLiteral("D=2%"));
        QCOMPARE(Host::instance().undoStepCount(), steps + 1);

        // Drawing all is a distance of 0 by distance and a step of 1 by index.
        writeMapStyle({"LINEMAP", "SYMBOLS", "SKIPMODE"}, {1}, 0);
        steps = Host::instance().undoStepCount();
        chooseInMenu(0, spacing, QStringLiteral("Draw all"));
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SKIPPING"}, 1), 1.0);
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SKIPPING"}, 2), 0.0);
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SKIPMODE"}, 2), 1.0);
        QCOMPARE(tabs().text(1, spacing), QStringLiteral("Draw all"));
        QCOMPARE(Host::instance().undoStepCount(), steps + 1);

        chooseInMenu(0, spacing, QStringLiteral("I skip=3"));
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SKIPMODE"}, 2), 0.0);
        QCOMPARE(tabs().text(1, spacing), QStringLiteral("I=3"));

        double minimum = -1;
        ModalDialogAnswerer prompt(
            TableClicks::chooseThenAnswer(QStringLiteral("Enter index..."), [&minimum](QWidget& window) {
                auto* input = qobject_cast<QInputDialog*>(&window);
                QVERIFY(input);
                minimum = input->doubleMinimum();
                input->setDoubleValue(7);
                input->accept();
            }));
        TableClicks::rightClick(tabs().view(), 0, spacing);
        QCOMPARE(minimum, 1.0);
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SKIPPING"}, 1), 7.0);
    }

    void showingErrorBarsAsksForTheSelectedMapsVariable()
    {
        tabs().open("plotAttr_LPEBar_Page");
        const int show = tabs().column("Show\nError Bars");
        const int variable = tabs().column("Error Bar\nVariable");
        QCOMPARE(tabs().text(0, variable), QStringLiteral("dP"));
        QCOMPARE(tabs().text(2, variable), QStringLiteral("<Undef>"));

        // Map 1 has a variable, maps 3 and 4 do not: the question is theirs.
        tabs().selectRows({2, 3});
        {
            ModalDialogAnswerer menu(TableClicks::chooseThenAnswer(QStringLiteral("Yes"), reject));
            TableClicks::rightClick(tabs().view(), 2, show);
            QCOMPARE(menu.answered(), 1);
        }
        QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "SHOW"}, 3), 0.0);
        QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "VAR"}, 3), 0.0);

        const int steps = Host::instance().undoStepCount();
        QString title;
        {
            ModalDialogAnswerer menu(
                TableClicks::chooseThenAnswer(QStringLiteral("Yes"), chooseItem(QStringLiteral("P"), &title)));
            TableClicks::rightClick(tabs().view(), 2, show);
            QCOMPARE(menu.answered(), 1);
        }
        QCOMPARE(title, QStringLiteral("Select the error bar variable"));
        for (int map : {3, 4}) {
            QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "VAR"}, map), 3.0);
            QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "SHOW"}, map), 1.0);
        }
        QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "VAR"}, 1), 4.0);
        QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "VAR"}, 2), 0.0);
        QCOMPARE(Host::instance().undoStepCount(), steps + 1);

        // A check box click asks the same way.
        tabs().selectRows({1});
        {
            ModalDialogAnswerer prompt(reject);
            QVERIFY(tabs().model()->setData(tabs().index(1, show), int(Qt::Checked), Qt::CheckStateRole));
            QCOMPARE(prompt.answered(), 1);
        }
        QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "SHOW"}, 2), 0.0);
    }

    void theErrorBarVariableGoesToTheSelectedMapsOnly()
    {
        tabs().open("plotAttr_LPEBar_Page");
        tabs().selectRows({1, 4});
        ModalDialogAnswerer menu(
            TableClicks::chooseThenAnswer(QStringLiteral("Select Variable..."), chooseItem(QStringLiteral("Y"))));
        TableClicks::menuKey(tabs().view(), 1, tabs().column("Error Bar\nVariable"));
        QCOMPARE(menu.answered(), 1);
        QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "VAR"}, 2), 2.0);
        QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "VAR"}, 5), 2.0);
        QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "VAR"}, 1), 4.0);
        QCOMPARE(readMapStyle({"LINEMAP", "ERRORBARS", "VAR"}, 3), 0.0);
    }

    void indicesFollowTheZonesDimensions()
    {
        tabs().open("plotAttr_LPIndx_Page");
        const int varying = tabs().column("Varying\nIndex");
        const int iRange = tabs().column("I-Index\nRange");
        const int jRange = tabs().column("J-Index\nRange");
        const int kRange = tabs().column("K-Index\nRange");
        const auto enabledColumns = [&](int row) {
            return QList<bool>{tabs().enabled(row, varying), tabs().enabled(row, iRange), tabs().enabled(row, jRange),
                               tabs().enabled(row, kRange)};
        };
        QCOMPARE(enabledColumns(0), (QList<bool>{true, true, false, false}));
        QCOMPARE(enabledColumns(1), (QList<bool>{true, true, true, false}));
        QCOMPARE(enabledColumns(2), (QList<bool>{true, true, true, true}));
        QCOMPARE(enabledColumns(3), (QList<bool>{false, true, false, false}));
        QVERIFY(!(tabs().model()->flags(tabs().index(0, varying)) & Qt::ItemIsEditable));
        QCOMPARE(tabs().menuEntries(0, varying), (QStringList{"I-Varying", "J-Varying", "K-Varying"}));
    }

    void aRangePromptKeepsRelativeMembers()
    {
        writeMapStyle({"LINEMAP", "INDICES", "IRANGE", "MAX"}, {1}, -1);
        tabs().open("plotAttr_LPIndx_Page");
        const int iRange = tabs().column("I-Index\nRange");
        QCOMPARE(tabs().text(0, iRange), QStringLiteral("1,Mx-1,1"));
        tabs().selectRows({0});
        int shownEnd = 0;
        ModalDialogAnswerer menu(
            TableClicks::chooseThenAnswer(QStringLiteral("Enter range..."), [&shownEnd](QWidget& window) {
                auto* dialog = qobject_cast<kestrix::dialogs::prompt::EnterThreeIntValuesDialog*>(&window);
                QVERIFY(dialog);
                shownEnd = dialog->value2();
                dialog->accept();
            }));
        TableClicks::rightClick(tabs().view(), 0, iRange);
        QCOMPARE(menu.answered(), 1);
        QCOMPARE(shownEnd, -1);
        QCOMPARE(readMapStyle({"LINEMAP", "INDICES", "IRANGE", "MAX"}, 1), -1.0);
        QCOMPARE(tabs().text(0, iRange), QStringLiteral("1,Mx-1,1"));
    }

    void aGeometricShapeEndsACharacterSymbol()
    {
        writeMapStyle({"LINEMAP", "SYMBOLS", "SHOW"}, {1}, 1);
        writeMapStyle({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "ISASCII"}, {1}, 1);
        tabs().open("plotAttr_LPSymb_Page");
        const int shape = tabs().column("Symbol\nShape");
        QVERIFY(tabs().text(0, shape).startsWith(QLatin1Char('"')));
        const QStringList entries = tabs().menuEntries(0, shape);
        QCOMPARE(entries.size(), 13);
        QCOMPARE(entries.mid(11), (QStringList{"|", "&Character..."}));

        tabs().selectRows({0});
        const int steps = Host::instance().undoStepCount();
        chooseInMenu(0, shape, QStringLiteral("Circle"));
        QCOMPARE(tabs().text(0, shape), QStringLiteral("Circle"));
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "ISASCII"}, 1), 0.0);
        QCOMPARE(Host::instance().undoStepCount(), steps + 1);
    }

    void layerTabsFollowTheirLayerAndShowColumn_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("layer");
        QTest::addColumn<QString>("layerSwitch");
        QTest::newRow("lines") << "plotAttr_LPLine_Page"
                               << "LINES"
                               << "SHOWLINES";
        QTest::newRow("symbols") << "plotAttr_LPSymb_Page"
                                 << "SYMBOLS"
                                 << "SHOWSYMBOLS";
        QTest::newRow("error bars") << "plotAttr_LPEBar_Page"
                                    << "ERRORBARS"
                                    << "SHOWERRORBARS";
        QTest::newRow("bars") << "plotAttr_LPBars_Page"
                              << "BARCHARTS"
                              << "SHOWBARCHARTS";
    }

    void layerTabsFollowTheirLayerAndShowColumn()
    {
        QFETCH(QString, page);
        QFETCH(QString, layer);
        QFETCH(QString, layerSwitch);
        const QByteArray layerKeyword = layer.toLatin1();
        const QByteArray switchKeyword = layerSwitch.toLatin1();
        writeMapStyle({"LINEMAP", layerKeyword.constData(), "SHOW"}, {1, 2}, 1);
        writeMapStyle({"LINEMAP", layerKeyword.constData(), "SHOW"}, {3}, 0);
        tabs().open(page.toLatin1().constData());
        const int last = tabs().model()->columnCount() - 1;
        QVERIFY(tabs().enabled(0, last));
        QVERIFY(!tabs().enabled(2, last));
        deactivateFirstMap();
        QVERIFY(!tabs().enabled(0, last));
        QTest::qWait(0);
        writeStyle({"LINEPLOTLAYERS", switchKeyword.constData()}, 0);
        QVERIFY(!tabs().enabled(1, last));
    }

    void aTypedSymbolSizeIsWrittenAsTyped()
    {
        tabs().open("plotAttr_LPSymb_Page");
        const QModelIndex size = tabs().index(0, tabs().column("Symbol\nSize"));
        QVERIFY(tabs().model()->setData(size, QStringLiteral("2.5"), Qt::EditRole));
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SIZE"}, 1), 2.5);
        QVERIFY(!tabs().model()->setData(size, QStringLiteral("large"), Qt::EditRole));
        QVERIFY(!tabs().model()->setData(size, QStringLiteral("150"), Qt::EditRole));
        QCOMPARE(readMapStyle({"LINEMAP", "SYMBOLS", "SIZE"}, 1), 2.5);
        QCOMPARE(tabs().menuEntries(0, size.column()).size(), 7);
    }

private:
    ZoneStyleTabs tabs() const { return ZoneStyleTabs(*m_dialog, "plotAttr_LP_PageGroup"); }

    QStringList visualOrder() const
    {
        const QHeaderView* header = tabs().view()->horizontalHeader();
        QStringList titles;
        for (int visual = 0; visual < header->count(); ++visual)
            titles << tabs().model()->headerData(header->logicalIndex(visual), Qt::Horizontal).toString();
        return titles;
    }

    void chooseInMenu(int row, int column, const QString& entry) const
    {
        ModalDialogAnswerer menu(TableClicks::choose(entry));
        TableClicks::rightClick(tabs().view(), row, column);
        QCOMPARE(menu.answered(), 1);
    }

    void chooseInComboPopup(int row, int column, int entry) const
    {
        ModalDialogAnswerer popup([entry](QWidget& window) {
            auto* comboBox = window.findChild<kestrix::ui::ComboBoxAutoFilter*>(QStringLiteral("comboBox"));
            if (!comboBox)
                window.close();
            QVERIFY(comboBox);
            comboBox->setCurrentIndex(entry);
            QTest::keyClick(comboBox, Qt::Key_Return);
        });
        TableClicks::rightClick(tabs().view(), row, column);
        QCOMPARE(popup.answered(), 1);
    }

    QMainWindow m_mainWindow;
    std::unique_ptr<ZoneStyleDialog> m_dialog;
};

QTEST_MAIN(TestLineTabs)
#include "tst_linetabs.moc"
