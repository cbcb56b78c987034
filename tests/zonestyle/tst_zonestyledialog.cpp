#include "dialogs/uicontrols/RowSelectionModel.h"
#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "hostsim/Host.h"
#include "support/ModalDialogAnswerer.h"
#include "support/StyleWrites.h"
#include "support/TableClicks.h"
#include "support/TestScenes.h"
#include "support/TestStateChangeEvent.h"

#include <kxsdkdialogs_common_qt/TabWidgetLaunchHelpAction.h>
#include <kxsdkintegrationmanager/StateChange.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QAbstractItemModelTester>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <memory>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::MappingStyleTab_e;
using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
using kestrix::sdk::ui::dialogs::uicontrols::RowSelectionModel;
using kestrix::sdk::ui::dialogs::uicontrols::SelectedRows;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::setOf;
using kestrix::testing::TableClicks;
using kestrix::testing::TestScenes;
using kestrix::testing::TestStateChangeEvent;
using kestrix::toolbox::CheckedStyleValue;

namespace {

QList<int> selectedRows(QTableView* view)
{
    QList<int> rows;
    for (const SelectedRows::Run& run : SelectedRows::runs(*view->selectionModel())) {
        for (int row = run.first; row <= run.last; ++row)
            rows.append(row);
    }
    return rows;
}

void selectRows(QTableView* view, const QList<int>& rows)
{
    QVector<int> wanted(rows.begin(), rows.end());
    SelectedRows::replaceSelection(*view->selectionModel(), SelectedRows::runsFromRows(wanted));
}

QString lineMapName(int map)
{
    char* name = nullptr;
    if (!VexUtilLineMapGetName(map, &name) || !name)
        return {};
    const QString text = QString::fromUtf8(name);
    VexUtilStringDealloc(&name);
    return text;
}

bool switchFrame(int frame)
{
    return Host::instance().setCurrentFrame(frame);
}

void deleteLineMaps(std::initializer_list<int> maps)
{
    QVERIFY(VexUtilLineMapDelete(setOf(maps).getRef()));
}

// The long name comes first: a column measured on its last row would cut it.
const QByteArray NamesOfManyLengths = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Names", "plotType": 2, "variables": ["X", "Y"],
      "zones": [
        { "name": "a zone name of considerable length", "ordered": true, "imax": 2, "jmax": 2, "kmax": 1 },
        { "name": "mid-sized name", "ordered": true, "imax": 2, "jmax": 2, "kmax": 1 },
        { "name": "z", "ordered": true, "imax": 2, "jmax": 2, "kmax": 1 } ] } ] } ],
  "current": { "page": 1, "frame": 1 } })");

ModalDialogAnswerer::Answer press(QMessageBox::StandardButton which)
{
    return [which](QWidget& window) {
        auto* box = qobject_cast<QMessageBox*>(&window);
        QVERIFY(box);
        box->button(which)->click();
    };
}

} // namespace

class TestZoneStyleDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_mainWindow.show(); }

    void init()
    {
        ZoneStyleDialog::setAvailableMappingStyleTabs(ZoneStyleDialog::defaultAvailableMappingTabs());
        QVERIFY(TestScenes::load(TestScenes::mixed()));
        open();
    }

    void cleanup()
    {
        Host::instance().clearFailures();
        m_dialog.reset();
    }

    void aBurstOfStateChangesRefreshesOnce()
    {
        int refreshes = 0;
        connect(view()->model(), &QAbstractItemModel::layoutChanged, this, [&refreshes] { ++refreshes; });
        for (int i = 0; i < 10; ++i)
            TestStateChangeEvent::send(StateChange_VarName);
        QCOMPARE(refreshes, 0);
        QTRY_COMPARE(refreshes, 1);
        QTest::qWait(50);
        QCOMPARE(refreshes, 1);

        // Changes the dialog does not show are ignored.
        TestStateChangeEvent::send(StateChange_Style, {"GLOBALCONTOUR", "VAR"});
        TestStateChangeEvent::send(StateChange_ContourLevels);
        QTest::qWait(50);
        QCOMPARE(refreshes, 1);
    }

    void plotTypeChangesApplyAtOnce()
    {
        QTabWidget* fieldTabs = tabs("plotAttr_FD_PageGroup");
        QWidget* volume = page("plotAttr_FDVolume_Page");
        QVERIFY(fieldTabs->indexOf(volume) >= 0);
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("PLOTTYPE").set(PlotType_Cartesian2D)));
        QCOMPARE(fieldTabs->indexOf(volume), -1);
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("PLOTTYPE").set(PlotType_Cartesian3D)));
        QCOMPARE(fieldTabs->indexOf(volume), 8);
        QCOMPARE(fieldTabs->tabText(8), QStringLiteral("Volume"));
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("PLOTTYPE").set(PlotType_Sketch)));
        QVERIFY(!m_dialog->isVisible());
    }

    void switchingTabsKeepsTheSelection()
    {
        selectRows(view(), {1, 3, 4});
        tabs("plotAttr_FD_PageGroup")->setCurrentWidget(page("plotAttr_FDCont_Page"));
        QCOMPARE(view()->parentWidget(), page("plotAttr_FDCont_Page"));
        QCOMPARE(selectedRows(view()), (QList<int>{1, 3, 4}));
        tabs("plotAttr_FD_PageGroup")->setCurrentWidget(page("plotAttr_FDEdge_Page"));
        QCOMPARE(selectedRows(view()), (QList<int>{1, 3, 4}));
        // Every selection spans all columns.
        for (const QItemSelectionRange& range : view()->selectionModel()->selection()) {
            QCOMPARE(range.left(), 0);
            QCOMPARE(range.right(), view()->model()->columnCount() - 1);
        }
    }

    void frameSwitchShowsTheOtherKindOfTable()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Zone Style"));
        QVERIFY(!buttonBox()->buttons().contains(button("plotAttr_MaptoolsCopyMap_Button")));
        QVERIFY(Host::instance().setCurrentFrame(2));
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Mapping Style"));
        QCOMPARE(view()->model()->rowCount(), 4);
        QCOMPARE(view()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Map\nName"));
        QVERIFY(buttonBox()->buttons().contains(button("plotAttr_MaptoolsCopyMap_Button")));
        QCOMPARE(button("mapSelectionByPattern_apply_button")->text(), QStringLiteral("&Select"));
        QVERIFY(button("mapSelectionByPattern_groups_button")->isHidden());
        QVERIFY(Host::instance().setCurrentFrame(1));
        QVERIFY(!buttonBox()->buttons().contains(button("plotAttr_MaptoolsCopyMap_Button")));
        QCOMPARE(button("plotAttr_MaptoolsCopyMap_Button")->parentWidget(), page("additionalButtonsPage"));
    }

    void polarHidesErrorBarsAndBarChartsUntilXYComesBack()
    {
        QTabWidget* lineTabs = tabs("plotAttr_LP_PageGroup");
        QVERIFY(Host::instance().setCurrentFrame(3));
        QCOMPARE(lineTabs->indexOf(page("plotAttr_LPEBar_Page")), -1);
        QCOMPARE(lineTabs->indexOf(page("plotAttr_LPBars_Page")), -1);
        QCOMPARE(lineTabs->count(), 5);
        QVERIFY(Host::instance().setCurrentFrame(2));
        QCOMPARE(lineTabs->indexOf(page("plotAttr_LPEBar_Page")), 4);
        QCOMPARE(lineTabs->indexOf(page("plotAttr_LPBars_Page")), 5);
        QCOMPARE(lineTabs->tabText(4), QStringLiteral("Error Bars"));
        QCOMPARE(lineTabs->tabText(5), QStringLiteral("Bar Charts"));

        ZoneStyleDialog::setAvailableMappingStyleTabs({kestrix::sdk::ui::dialogs::MappingStyleTab_Definitions,
                                                       kestrix::sdk::ui::dialogs::MappingStyleTab_Lines,
                                                       kestrix::sdk::ui::dialogs::MappingStyleTab_Bars});
        QCOMPARE(lineTabs->count(), 3);
        QCOMPARE(lineTabs->tabText(2), QStringLiteral("Bar Charts"));
        QVERIFY(Host::instance().setCurrentFrame(3));
        QVERIFY(Host::instance().setCurrentFrame(2));
        QCOMPARE(lineTabs->indexOf(page("plotAttr_LPEBar_Page")), -1);
        QCOMPARE(lineTabs->tabText(2), QStringLiteral("Bar Charts"));
    }

    void twoDimensionalFramesHaveNoVolumeTab()
    {
        QVERIFY(Host::instance().setCurrentFrame(4));
        QCOMPARE(tabs("plotAttr_FD_PageGroup")->indexOf(page("plotAttr_FDVolume_Page")), -1);
        QCOMPARE(view()->model()->rowCount(), 2);
    }

    void helpFollowsTheCurrentTab()
    {
        auto* help = qobject_cast<kestrix::dialogs::common::TabWidgetLaunchHelpAction*>(m_dialog->helpAction());
        QVERIFY(help);
        tabs("plotAttr_FD_PageGroup")->setCurrentWidget(page("plotAttr_FDCont_Page"));
        QCOMPARE(help->currentHelpFileName(), std::string("zone_style_contour.html"));
        QVERIFY(Host::instance().setCurrentFrame(2));
        tabs("plotAttr_LP_PageGroup")->setCurrentWidget(page("plotAttr_LPIndx_Page"));
        QCOMPARE(help->currentHelpFileName(), std::string("mapping_style_indices.html"));
    }

    void lastTabAndColumnWidthsSurviveReopening()
    {
        tabs("plotAttr_FD_PageGroup")->setCurrentWidget(page("plotAttr_FDEdge_Page"));
        view()->horizontalHeader()->resizeSection(1, 173);
        tabs("plotAttr_FD_PageGroup")->setCurrentWidget(page("plotAttr_FDMesh_Page"));
        tabs("plotAttr_FD_PageGroup")->setCurrentWidget(page("plotAttr_FDEdge_Page"));
        QCOMPARE(view()->columnWidth(1), 173);
        m_dialog.reset();
        open();
        QCOMPARE(tabs("plotAttr_FD_PageGroup")->currentWidget(), page("plotAttr_FDEdge_Page"));
        QCOMPARE(view()->columnWidth(1), 173);
    }

    void selectionFollowsDeletedMaps()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        selectRows(view(), {1, 2, 3});
        deleteLineMaps({3, 4});
        QTRY_COMPARE(view()->model()->rowCount(), 2);
        QTRY_COMPARE(selectedRows(view()), (QList<int>{1}));
    }

    void copyMapAppendsCopiesInOneUndoStep()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        selectRows(view(), {0, 2});
        const int stepsBefore = Host::instance().undoStepCount();
        QTest::mouseClick(button("plotAttr_MaptoolsCopyMap_Button"), Qt::LeftButton);
        QCOMPARE(VexUtilLineMapGetCount(), 6);
        QCOMPARE(lineMapName(5), lineMapName(1));
        QCOMPARE(lineMapName(6), lineMapName(3));
        QCOMPARE(Host::instance().undoStepCount(), stepsBefore + 1);
        QCOMPARE(Host::instance().appLockDepth(), 0);
        QCOMPARE(Host::instance().undoDepth(), 0);
        QVERIFY(Host::instance().undo());
        QCOMPARE(VexUtilLineMapGetCount(), 4);
    }

    // Copying makes a set for each new map before making the map: one the host could not make
    // would have named every map.
    void mapToolsWithFailedSetAllocationsChangeNoOtherMap_data()
    {
        QTest::addColumn<int>("failures");
        for (int failures = 1; failures <= 6; ++failures)
            QTest::addRow("%d", failures) << failures;
    }

    void mapToolsWithFailedSetAllocationsChangeNoOtherMap()
    {
        QFETCH(int, failures);
        QVERIFY(Host::instance().setCurrentFrame(2));
        QStringList names;
        for (int map = 1; map <= 4; ++map)
            names << lineMapName(map);
        selectRows(view(), {0, 2});

        Host::instance().failNext(Host::Fault::SetAllocation, failures);
        QTest::mouseClick(button("plotAttr_MaptoolsCopyMap_Button"), Qt::LeftButton);
        for (int map = 1; map <= 4; ++map)
            QCOMPARE(lineMapName(map), names.at(map - 1));
        for (int map = 5; map <= VexUtilLineMapGetCount(); ++map)
            QVERIFY2(lineMapName(map) == names.at(0) || lineMapName(map) == names.at(2), qPrintable(lineMapName(map)));

        Host::instance().failNext(Host::Fault::SetAllocation, failures);
        QTest::mouseClick(button("plotAttr_MaptoolsMoveToTop_Button"), Qt::LeftButton);
        Host::instance().clearFailures();
        const QString first = lineMapName(1);
        QVERIFY2(first == names.at(0), qPrintable(first));
        QCOMPARE(Host::instance().appLockDepth(), 0);
        QCOMPARE(Host::instance().undoDepth(), 0);
    }

    void deleteMapAsksFirst()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        view()->selectionModel()->clearSelection();
        {
            ModalDialogAnswerer question(press(QMessageBox::Ok));
            QTest::mouseClick(button("plotAttr_MaptoolsDeleteMap_Button"), Qt::LeftButton);
            QCOMPARE(question.answered(), 0);
            QCOMPARE(VexUtilLineMapGetCount(), 4);
        }
        selectRows(view(), {1, 2});
        {
            ModalDialogAnswerer question(press(QMessageBox::Cancel));
            QTest::mouseClick(button("plotAttr_MaptoolsDeleteMap_Button"), Qt::LeftButton);
            QCOMPARE(question.answered(), 1);
            QCOMPARE(question.answeredWindowTitle(), QStringLiteral("Linemap Delete"));
            QCOMPARE(VexUtilLineMapGetCount(), 4);
        }
        const int stepsBefore = Host::instance().undoStepCount();
        {
            ModalDialogAnswerer question(press(QMessageBox::Ok));
            QTest::mouseClick(button("plotAttr_MaptoolsDeleteMap_Button"), Qt::LeftButton);
            QCOMPARE(question.answered(), 1);
        }
        QCOMPARE(VexUtilLineMapGetCount(), 2);
        QCOMPARE(lineMapName(2), QStringLiteral("fourth"));
        QCOMPARE(Host::instance().undoStepCount(), stepsBefore + 1);
        QCOMPARE(Host::instance().appLockDepth(), 0);
    }

    void aDeleteConfirmedAfterAFrameSwitchDeletesNothing()
    {
        QVERIFY(switchFrame(2));
        selectRows(view(), {0, 1});
        ModalDialogAnswerer question([](QWidget& window) {
            QVERIFY(switchFrame(3));
            qobject_cast<QMessageBox*>(&window)->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(button("plotAttr_MaptoolsDeleteMap_Button"), Qt::LeftButton);
        QCOMPARE(question.answered(), 1);
        QCOMPARE(VexUtilLineMapGetCount(), 2);
        QVERIFY(switchFrame(2));
        QCOMPARE(VexUtilLineMapGetCount(), 4);
    }

    void moveToTopAndBottom()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        selectRows(view(), {3});
        QTest::mouseClick(button("plotAttr_MaptoolsMoveToTop_Button"), Qt::LeftButton);
        QCOMPARE(lineMapName(1), QStringLiteral("fourth"));
        QCOMPARE(lineMapName(2), QStringLiteral("first"));
        selectRows(view(), {0});
        QTest::mouseClick(button("plotAttr_MaptoolsMoveToBottom_Button"), Qt::LeftButton);
        QCOMPARE(lineMapName(4), QStringLiteral("fourth"));
        QCOMPARE(Host::instance().appLockDepth(), 0);
    }

    void selectionByNamePattern()
    {
        applyPattern(QStringLiteral("2"), "mapSelectionByPattern_apply_button");
        QCOMPARE(selectedRows(view()), (QList<int>{1}));
        QCOMPARE(view()->currentIndex().row(), 1);
        applyPattern(QStringLiteral("wing [3-5]"), "mapSelectionByPattern_apply_button");
        QCOMPARE(selectedRows(view()), (QList<int>{2, 3, 4}));
        applyPattern(QStringLiteral("^ing"), "mapSelectionByPattern_apply_button");
        QCOMPARE(selectedRows(view()), QList<int>());
        applyPattern(QStringLiteral("ing 1$"), "mapSelectionByPattern_apply_button");
        QCOMPARE(selectedRows(view()), (QList<int>{0}));

        // A broken regular expression selects nothing new and keeps the selection.
        applyPattern(QStringLiteral("wing ("), "mapSelectionByPattern_apply_button");
        QCOMPARE(selectedRows(view()), (QList<int>{0}));

        applyPattern(QStringLiteral("2"), "mapSelectionByPattern_groups_button");
        QCOMPARE(selectedRows(view()), (QList<int>{1, 3, 5}));

        QTest::mouseClick(button("mapSelectionByPattern_clear_button"), Qt::LeftButton);
        QCOMPARE(selectedRows(view()), QList<int>());
    }

    void mapsDeletedWhileAPopupRunsAreNotWritten()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        selectRows(view(), {0, 1, 2, 3});
        ModalDialogAnswerer popup(TableClicks::typeIntoPopup(QStringLiteral("renamed"), [] { deleteLineMaps({3, 4}); }));
        TableClicks::rightClick(view(), 2, 1);
        QCOMPARE(popup.answered(), 1);
        QCOMPARE(VexUtilLineMapGetCount(), 2);
        QCOMPARE(lineMapName(1), QStringLiteral("renamed"));
        QCOMPARE(lineMapName(2), QStringLiteral("renamed"));
        QCOMPARE(selectedRows(view()), (QList<int>{0, 1}));
    }

    void aFrameSwitchWhileAPopupRunsWritesNothing()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        selectRows(view(), {0, 1});
        Host::instance().clearJournal();
        ModalDialogAnswerer popup(TableClicks::typeIntoPopup(QStringLiteral("renamed"), [] { QVERIFY(switchFrame(1)); }));
        TableClicks::rightClick(view(), 0, 1);
        QCOMPARE(popup.answered(), 1);
        QVERIFY(Host::instance().journal().isEmpty());
        QVERIFY(Host::instance().setCurrentFrame(2));
        QCOMPARE(lineMapName(1), QStringLiteral("first"));
    }

    void pickedMapsAreSelectedWhenAsked()
    {
        m_dialog.reset();
        Host::instance().setPickList({{15, 5}, {15, 2}, {21, 1}});
        open(kestrix::dialogs::common::DialogInitialization_SelectPickedObjects);
        QTRY_COMPARE(selectedRows(view()), (QList<int>{0, 1, 4}));
        QCOMPARE(view()->currentIndex().row(), 0);
        Host::instance().setPickList({});
    }

    void staysFilledAcrossSceneLoads()
    {
        Host::instance().loadDemoScene();
        QVERIFY(view()->model()->rowCount() > 0);
        QVERIFY(!view()->model()->index(0, 1).data().toString().isEmpty());

        QVERIFY(TestScenes::load(TestScenes::mixed()));
        QCOMPARE(view()->model()->rowCount(), 6);
        QCOMPARE(view()->model()->index(5, 1).data().toString(), QStringLiteral("wing 6"));

        // Hidden while the host replaces its data set, then shown again.
        m_dialog->close();
        Host::instance().loadDemoScene();
        QVERIFY(TestScenes::load(TestScenes::mixed()));
        QVERIFY(switchFrame(2));
        m_dialog->launch();
        QTRY_COMPARE(view()->model()->rowCount(), 4);
        QCOMPARE(view()->model()->index(1, 1).data().toString(), QStringLiteral("second"));
    }

    void rowsComeAndGoAsQtExpects()
    {
        QAbstractItemModel* model = view()->model();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        const QPersistentModelIndex lastWing(model->index(5, 1));
        const QPersistentModelIndex firstWing(model->index(0, 1));

        QVERIFY(switchFrame(4));
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), 2);
        QCOMPARE(removed.at(0).at(2).toInt(), 5);
        QVERIFY(!lastWing.isValid());
        QVERIFY(firstWing.isValid());
        QCOMPARE(firstWing.data().toString(), QStringLiteral("left"));

        QVERIFY(switchFrame(1));
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 2);
        QCOMPARE(inserted.at(0).at(2).toInt(), 5);
        if (QTest::currentTestFailed())
            return;

        // The line table through deletions and a new scene.
        QVERIFY(switchFrame(2));
        QAbstractItemModelTester lineTester(view()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        deleteLineMaps({1, 2});
        QTRY_COMPARE(view()->model()->rowCount(), 2);
        QVERIFY(TestScenes::load(TestScenes::mixed()));
        QVERIFY(switchFrame(2));
        QCOMPARE(view()->model()->rowCount(), 4);
    }

    void popupConfirmedAfterASwitchToAFrameOfTheSameKindWritesNothing()
    {
        QVERIFY(switchFrame(2));
        selectRows(view(), {0, 1});
        Host::instance().clearJournal();
        ModalDialogAnswerer popup(TableClicks::typeIntoPopup(QStringLiteral("renamed"), [] { QVERIFY(switchFrame(3)); }));
        TableClicks::rightClick(view(), 0, 1);
        QCOMPARE(popup.answered(), 1);
        QVERIFY(Host::instance().journal().isEmpty());
        QCOMPARE(lineMapName(1), QStringLiteral("inner"));
        QVERIFY(switchFrame(2));
        QCOMPARE(lineMapName(1), QStringLiteral("first"));
    }

    void menuChosenAfterAFrameSwitchWritesNothing()
    {
        QVERIFY(switchFrame(2));
        selectRows(view(), {0, 1});
        Host::instance().clearJournal();
        ModalDialogAnswerer menu(TableClicks::choose(QStringLiteral("Deactivate"), [] { QVERIFY(switchFrame(3)); }));
        TableClicks::rightClick(view(), 0, 2);
        QCOMPARE(menu.answered(), 1);
        QVERIFY(Host::instance().journal().isEmpty());
        QCOMPARE(VexUtilLineMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 1), 1);
    }

    void menuChosenAfterMapsWereDeletedWritesTheMapsStillSelected()
    {
        QVERIFY(switchFrame(2));
        selectRows(view(), {0, 1, 2, 3});
        Host::instance().clearJournal();
        ModalDialogAnswerer menu(TableClicks::choose(QStringLiteral("Deactivate"), [] { deleteLineMaps({3, 4}); }));
        TableClicks::rightClick(view(), 0, 2);
        QCOMPARE(menu.answered(), 1);
        // One write of the maps that are left, not a refused write of the old set.
        QCOMPARE(Host::instance().journal().size(), 1);
        QCOMPARE(VexUtilLineMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 1), 0);
        QCOMPARE(VexUtilLineMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 2), 0);
    }

    void checkBoxReleasedAfterAFrameSwitchWritesNothing()
    {
        QVERIFY(switchFrame(2));
        selectRows(view(), {0, 1});
        Host::instance().clearJournal();
        const QPoint box = TableClicks::checkBox(view(), 0, 2);
        QTest::mousePress(view()->viewport(), Qt::LeftButton, {}, box);
        QVERIFY(switchFrame(3));
        QTest::mouseRelease(view()->viewport(), Qt::LeftButton, {}, box);
        QVERIFY(Host::instance().journal().isEmpty());

        // Without a switch the same click writes both selected maps.
        selectRows(view(), {0, 1});
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, TableClicks::checkBox(view(), 0, 2));
        QCOMPARE(Host::instance().journal().size(), 1);
        QCOMPARE(VexUtilLineMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 2), 0);
    }

    void inPlaceEditCommittedAfterAFrameSwitchWritesNothing()
    {
        const QPoint group = TableClicks::cell(view(), 0, 2);
        TableClicks::doubleClick(view(), group);
        QTRY_VERIFY(TableClicks::openEditor(view()));
        QLineEdit* editor = TableClicks::openEditor(view());
        editor->setText(QStringLiteral("9"));
        // A refresh while the user types leaves the editor and its text alone.
        TestStateChangeEvent::send(StateChange_VarName);
        QTest::qWait(20);
        QCOMPARE(TableClicks::openEditor(view()), editor);
        QCOMPARE(editor->text(), QStringLiteral("9"));

        Host::instance().clearJournal();
        QVERIFY(switchFrame(4));
        const QString sliceGroup = view()->model()->index(0, 2).data().toString();
        QCOMPARE(TableClicks::openEditor(view()), editor);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!TableClicks::openEditor(view()));
        QVERIFY(Host::instance().journal().isEmpty());
        QCOMPARE(view()->model()->index(0, 2).data().toString(), sliceGroup);
        // The Return that ends an edit is the editor's, not the dialog's Close.
        QVERIFY(m_dialog->isVisible());

        QVERIFY(switchFrame(1));
        TableClicks::doubleClick(view(), group);
        QTRY_VERIFY(TableClicks::openEditor(view()));
        editor = TableClicks::openEditor(view());
        editor->setText(QStringLiteral("9"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(view()->model()->index(0, 2).data().toString(), QStringLiteral("9"));
        QVERIFY(m_dialog->isVisible());
    }

    void selectingAllGoesThroughTheRowSelection()
    {
        QVERIFY(qobject_cast<RowSelectionModel*>(view()->selectionModel()));
        selectRows(view(), {0, 2, 4});
        view()->setFocus();
        QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(selectedRows(view()), (QList<int>{0, 1, 2, 3, 4, 5}));

        selectRows(view(), {1, 3});
        auto* corner = view()->findChild<QAbstractButton*>();
        QVERIFY(corner);
        corner->click();
        QCOMPARE(selectedRows(view()), (QList<int>{0, 1, 2, 3, 4, 5}));

        // A click, then Shift-clicks: the last one decides how far the selection reaches.
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, TableClicks::cell(view(), 1, 0));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, Qt::ShiftModifier, TableClicks::cell(view(), 5, 0));
        QCOMPARE(selectedRows(view()), (QList<int>{1, 2, 3, 4, 5}));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, Qt::ShiftModifier, TableClicks::cell(view(), 3, 0));
        QCOMPARE(selectedRows(view()), (QList<int>{1, 2, 3}));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, Qt::ControlModifier, TableClicks::cell(view(), 5, 0));
        QCOMPARE(selectedRows(view()), (QList<int>{1, 2, 3, 5}));
    }

    void fieldFilterButtonsComeBackAfterALinePlot()
    {
        QPushButton* apply = button("mapSelectionByPattern_apply_button");
        QPushButton* groups = button("mapSelectionByPattern_groups_button");
        QCOMPARE(apply->text(), QStringLiteral("&Zones"));
        QVERIFY(switchFrame(2));
        QCOMPARE(apply->text(), QStringLiteral("&Select"));
        QVERIFY(groups->isHidden());
        QVERIFY(switchFrame(1));
        QCOMPARE(apply->text(), QStringLiteral("&Zones"));
        QVERIFY(!groups->isHidden());
    }

    void rowsAreAsHighAsTheirContents()
    {
        const QStyle* style = view()->style();
        const int text = view()->fontMetrics().height();
        const int checkBoxHeight = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, view());
        for (int row = 0; row < view()->model()->rowCount(); ++row) {
            QVERIFY2(view()->rowHeight(row) >= text + 2, qPrintable(QString::number(view()->rowHeight(row))));
            QVERIFY(view()->rowHeight(row) >= checkBoxHeight + 2);
        }
        // A map added later gets the same height.
        QVERIFY(switchFrame(2));
        selectRows(view(), {0});
        const int height = view()->rowHeight(0);
        QTest::mouseClick(button("plotAttr_MaptoolsCopyMap_Button"), Qt::LeftButton);
        QTRY_COMPARE(view()->model()->rowCount(), 5);
        QCOMPARE(view()->rowHeight(4), height);
    }

    void nameColumnFitsTheWidestVisibleName()
    {
        m_dialog.reset();
        QVERIFY(TestScenes::load(NamesOfManyLengths));
        open();
        const QModelIndex longest = view()->model()->index(0, 1);
        const int needed = view()->fontMetrics().horizontalAdvance(longest.data().toString());
        QVERIFY2(view()->columnWidth(1) >= needed,
                 qPrintable(QStringLiteral("%1 < %2").arg(view()->columnWidth(1)).arg(needed)));
        // A width the user set is kept.
        view()->horizontalHeader()->resizeSection(1, needed + 40);
        m_dialog.reset();
        open();
        QCOMPARE(view()->columnWidth(1), needed + 40);
    }

    void opensLargeEnoughForItsTableAndGivesItEveryExtraPixel()
    {
        m_dialog.reset();
        Host::instance().loadGeneratedScene(QStringLiteral("field3d:100"));
        open();
        const int available = m_dialog->screen()->availableGeometry().height();
        const int rowsShown = view()->viewport()->height() / view()->rowHeight(0);
        QVERIFY2(rowsShown >= 24 || m_dialog->height() >= available * 0.85,
                 qPrintable(QStringLiteral("%1 rows in %2 pixels").arg(rowsShown).arg(m_dialog->height())));
        QVERIFY(rowsShown > 7);

        const int tableHeight = view()->height();
        m_dialog->resize(m_dialog->width(), m_dialog->height() + 200);
        QTRY_COMPARE(view()->height(), tableHeight + 200);
    }

    void closesWithoutFrames()
    {
        QVERIFY(m_dialog->isVisible());
        QVERIFY(TestScenes::load(TestScenes::empty()));
        QVERIFY(!m_dialog->isVisible());
    }

private:
    void open(kestrix::dialogs::common::DialogInitialization_e init = kestrix::dialogs::common::DialogInitialization_None)
    {
        m_dialog.reset(&ZoneStyleDialog::getInstance(m_mainWindow, init));
        m_dialog->launch();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    QTableView* view() const
    {
        QTabWidget* current = tabs(VexUtilFrameGetPlotType() <= 2 ? "plotAttr_FD_PageGroup" : "plotAttr_LP_PageGroup");
        auto* tableView = current->currentWidget()->findChild<QTableView*>();
        if (!tableView)
            qFatal("no table view in the current page");
        return tableView;
    }
    QTabWidget* tabs(const char* name) const { return m_dialog->findChild<QTabWidget*>(QString::fromLatin1(name)); }
    QWidget* page(const char* name) const { return m_dialog->findChild<QWidget*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const { return m_dialog->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QDialogButtonBox* buttonBox() const { return m_dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")); }

    void applyPattern(const QString& pattern, const char* buttonName)
    {
        auto* edit = m_dialog->findChild<QLineEdit*>(QStringLiteral("mapSelectionByPattern_pattern_lineEdit"));
        QVERIFY(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, pattern);
        QTest::keyClick(edit, Qt::Key_Tab);
        QPushButton* apply = button(buttonName);
        QVERIFY(apply->isEnabled());
        QTest::mouseClick(apply, Qt::LeftButton);
    }

    QMainWindow m_mainWindow;
    std::unique_ptr<ZoneStyleDialog> m_dialog;
};

QTEST_MAIN(TestZoneStyleDialog)
#include "tst_zonestyledialog.moc"
