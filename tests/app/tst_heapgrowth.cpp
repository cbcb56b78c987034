// Memory over time: opening and closing every dialog of the workbench again and again, and
// switching the Zone Style tabs over and over, leaves the heap where it was.

#include "DialogCatalog.h"
#include "MainWindow.h"

#include "hostsim/Host.h"

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QPixmapCache>
#include <QTimer>
#include <QtTest>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's runtime counts what the program holds; GCC ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

using kestrix::hostsim::Host;
using kestrix::workbench::DialogCatalog;
using kestrix::workbench::DialogEntry;
using kestrix::workbench::MainWindow;

namespace {

constexpr qint64 AllowedGrowth = 1024 * 1024;
// Each switch lays out and paints a table. The sanitizer build, several times slower, makes
// fewer switches: its leak check at exit finds what the count here would miss.
#if defined(__SANITIZE_ADDRESS__)
constexpr int TabSwitches = 1000;
#else
constexpr int TabSwitches = 10000;
#endif

// Bytes the program holds on the heap now; the sanitizer's allocator keeps its own count.
// Qt's cache of drawn pixmaps, which fills up to its limit of 10 MB, is emptied first.
qint64 heapInUse()
{
    QPixmapCache::clear();
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<qint64>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<qint64>(mallinfo2().uordblks);
#endif
}

// Lets deferred deletes and idle work run, as the event loop does between a user's actions.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// A modal dialog opens inside its own event loop: it is closed from there, as Escape would.
// A modeless one returns at once and is closed by its opener.
class ModalDialogRejecter {
public:
    ModalDialogRejecter()
    {
        m_poll.setInterval(0);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                m_poll.stop();
                dialog->reject();
            }
        });
        m_poll.start();
    }

private:
    QTimer m_poll;
};

} // namespace

class TestHeapGrowth : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void openingAndClosingEveryDialogKeepsTheHeap();
    void switchingZoneStyleTabsKeepsTheHeap();

private:
    void openAndCloseEveryDialog();

    MainWindow m_window;
};

void TestHeapGrowth::initTestCase()
{
    Host::instance().loadDemoScene();
    m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
}

void TestHeapGrowth::openAndCloseEveryDialog()
{
    for (const DialogEntry& entry : DialogCatalog::entries()) {
        QDialog* dialog = nullptr;
        {
            const ModalDialogRejecter rejecter;
            dialog = m_window.openDialog(entry);
        }
        QVERIFY2(dialog, qPrintable(entry.name));
        if (dialog->isVisible())
            dialog->close();
        QVERIFY(!dialog->isVisible());
        settle();
    }
}

void TestHeapGrowth::openingAndClosingEveryDialogKeepsTheHeap()
{
    // The first rounds make each dialog once and fill Qt's caches of fonts and styles.
    for (int round = 0; round < 3; ++round)
        openAndCloseEveryDialog();
    const qint64 before = heapInUse();
    for (int round = 0; round < 200; ++round) {
        openAndCloseEveryDialog();
        if (QTest::currentTestFailed())
            return;
    }
    const qint64 growth = heapInUse() - before;
    qInfo("heap growth over 200 rounds of %zu dialogs: %lld bytes", DialogCatalog::entries().size(), growth);
    QVERIFY2(growth < AllowedGrowth, qPrintable(QString::number(growth)));
}

void TestHeapGrowth::switchingZoneStyleTabsKeepsTheHeap()
{
    QDialog* dialog = m_window.openDialog(*DialogCatalog::find(QStringLiteral("zonestyle")));
    QVERIFY(dialog);
    auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("plotAttr_FD_PageGroup"));
    QVERIFY(tabs);
    QVERIFY(tabs->isVisible());
    const int tabCount = tabs->count();
    QVERIFY(tabCount > 1);

    const auto switchTabs = [tabs, tabCount](int switches) {
        for (int i = 0; i < switches; ++i) {
            tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabCount);
            settle();
        }
    };
    switchTabs(2 * tabCount);
    const qint64 before = heapInUse();
    switchTabs(TabSwitches);
    const qint64 growth = heapInUse() - before;
    qInfo("heap growth over %d tab switches: %lld bytes", TabSwitches, growth);
    // The budget is 1 MB for 10,000 switches.
    QVERIFY2(growth < AllowedGrowth * TabSwitches / 10000, qPrintable(QString::number(growth)));
    dialog->close();
}

QTEST_MAIN(TestHeapGrowth)
#include "tst_heapgrowth.moc"
