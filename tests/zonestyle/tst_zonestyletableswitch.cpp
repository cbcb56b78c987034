// Zone Style's one table view passing between the field and the line tables while the user
// has scrolled it sideways.

#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "hostsim/Host.h"
#include "support/TestScenes.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <memory>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
using kestrix::testing::TestScenes;

class TestZoneStyleTableSwitch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_mainWindow.show(); }

    void init()
    {
        QVERIFY(TestScenes::load(TestScenes::mixed()));
        m_dialog.reset(
            &ZoneStyleDialog::getInstance(m_mainWindow, kestrix::dialogs::common::DialogInitialization_None));
        m_dialog->launch();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup() { m_dialog.reset(); }

    // The field table's header comes back scrolled while the view still holds the line
    // table it leaves, which has fewer columns than the header shows.
    void aFieldTableScrolledSidewaysComesBackAfterANarrowLineTable()
    {
        QTableView* table = view();
        QHeaderView* header = table->horizontalHeader();
        for (int column = 0; column < header->count(); ++column)
            header->resizeSection(column, table->viewport()->width() / 3);
        QScrollBar* sideways = table->horizontalScrollBar();
        QTRY_VERIFY(sideways->maximum() > 1);
        // The first column is out of sight, the last but one in sight.
        sideways->setValue(sideways->maximum() - 1);
        const int firstShown = header->visualIndexAt(0);
        const int lastShown = header->visualIndexAt(table->viewport()->width());
        QVERIFY(firstShown > 0);

        QVERIFY(Host::instance().setCurrentFrame(2));
        auto* lineTabs = m_dialog->findChild<QTabWidget*>(QStringLiteral("plotAttr_LP_PageGroup"));
        lineTabs->setCurrentWidget(m_dialog->findChild<QWidget*>(QStringLiteral("plotAttr_LPIndx_Page")));
        QVERIFY2(lastShown >= view()->model()->columnCount(),
                 qPrintable(QStringLiteral("%1 < %2").arg(lastShown).arg(view()->model()->columnCount())));
        QVERIFY(Host::instance().setCurrentFrame(1));
        QCOMPARE(view()->model()->rowCount(), 6);
        QCOMPARE(view()->horizontalHeader()->count(), view()->model()->columnCount());
    }

    // A table left for another tab keeps its header aside. That header, hidden and at rest,
    // no longer sizes the columns of the table now shown.
    void aHeaderAtRestLeavesTheShownTableAlone()
    {
        auto* fieldTabs = m_dialog->findChild<QTabWidget*>(QStringLiteral("plotAttr_FD_PageGroup"));
        QVERIFY(fieldTabs);
        QVERIFY(fieldTabs->count() > 1);
        QHeaderView* restingHeader = view()->horizontalHeader();
        for (int round = 0; round < 3; ++round) {
            fieldTabs->setCurrentIndex(1);
            fieldTabs->setCurrentIndex(0);
        }
        fieldTabs->setCurrentIndex(1);
        QHeaderView* shownHeader = view()->horizontalHeader();
        QVERIFY(shownHeader != restingHeader);
        QVERIFY(!restingHeader->isVisible());

        shownHeader->resizeSection(1, shownHeader->sectionSize(1) + 57);
        const int chosenWidth = shownHeader->sectionSize(1);
        // As a double click on a section's edge would, if the header were in sight.
        emit restingHeader->sectionHandleDoubleClicked(1);
        QCOMPARE(shownHeader->sectionSize(1), chosenWidth);
    }

private:
    QTableView* view() const { return m_dialog->findChild<QTableView*>(); }

    QMainWindow m_mainWindow;
    std::unique_ptr<ZoneStyleDialog> m_dialog;
};

QTEST_MAIN(TestZoneStyleTableSwitch)
#include "tst_zonestyletableswitch.moc"
