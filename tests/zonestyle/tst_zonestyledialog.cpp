#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "hostsim/Host.h"
#include "support/ModalDialogAnswerer.h"
#include "support/TestScenes.h"
#include "support/TestStateChangeEvent.h"

#include <kxsdkdialogs_common_qt/TabWidgetLaunchHelpAction.h>
#include <kxsdkintegrationmanager/StateChange.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QContextMenuEvent>
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
using kestrix::sdk::ui::dialogs::uicontrols::SelectedRows;
using kestrix::testing::ModalDialogAnswerer;
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

    void cleanup() { m_dialog.reset(); }

    void aBurstOfStateChangesRefreshesOnce()
    {
        int refreshes = 0;
        connect(view()->model(), &QAbstractItemModel::dataChanged, this, [&refreshes] { ++refreshes; });
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
        kestrix::toolbox::Set lastTwo;
        lastTwo.add(3);
        lastTwo.add(4);
        QVERIFY(VexUtilLineMapDelete(lastTwo.getRef()));
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
        ModalDialogAnswerer popup([](QWidget& window) {
            kestrix::toolbox::Set lastTwo;
            lastTwo.add(3);
            lastTwo.add(4);
            QVERIFY(VexUtilLineMapDelete(lastTwo.getRef()));
            QCoreApplication::processEvents();
            auto* edit = window.findChild<QLineEdit*>(QStringLiteral("lineEdit"));
            QVERIFY(edit);
            edit->setText(QStringLiteral("renamed"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        rightClick(view(), 2, 1);
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
        ModalDialogAnswerer popup([](QWidget& window) {
            QVERIFY(Host::instance().setCurrentFrame(1));
            auto* edit = window.findChild<QLineEdit*>(QStringLiteral("lineEdit"));
            QVERIFY(edit);
            edit->setText(QStringLiteral("renamed"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        rightClick(view(), 0, 1);
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

    static void rightClick(QTableView* table, int row, int column)
    {
        const QPoint position = table->visualRect(table->model()->index(row, column)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, position, table->viewport()->mapToGlobal(position));
        QCoreApplication::sendEvent(table->viewport(), &event);
    }

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
