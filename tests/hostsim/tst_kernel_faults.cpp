// Failures the stand-in host is told to produce: each kind fails exactly the number of
// operations it was given, as a real host's would, and changes nothing while failing.

#include <hostsim/Host.h>
#include <hostsim/printing/PrintingManager.h>
#include <kxsdkbase/KernelApi.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "support/FolderEntries.h"
#include "support/StyleWrites.h"

using kestrix::hostsim::Host;
using kestrix::testing::FolderEntries;
using kestrix::testing::setApplicationStyle;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::Set;
using kestrix::toolbox::StyleValue;

class TestKernelFaults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsFailAsManyTimesAsTold();
    void failedWritesChangeNothing();
    void failedSetAllocationsGiveNoSet();
    void failedExportsAndPrintsWriteNothing();
    void clearingEndsEveryPendingFailure();

private:
    QTemporaryDir m_dir;
};

void TestKernelFaults::init()
{
    Host::instance().loadDemoScene();
    Host::instance().clearJournal();
    Host::instance().clearFailures();
}

void TestKernelFaults::cleanup()
{
    Host::instance().clearFailures();
}

void TestKernelFaults::readsFailAsManyTimesAsTold()
{
    const CheckedStyleValue color("FIELDMAP", "MESH", "COLOR");
    Host::instance().failNext(Host::Fault::StyleRead, 2);
    QCOMPARE(Host::instance().pendingFailures(Host::Fault::StyleRead), 2);
    for (int attempt = 0; attempt < 2; ++attempt) {
        long value = 42;
        QCOMPARE(color.get(value, 1), GetValue_Invalid);
        QCOMPARE(value, 42L);
    }
    long value = 42;
    QVERIFY(StyleValue::returnCodeOk(color.get(value, 1)));
    QCOMPARE(value, 3L);
    QCOMPARE(Host::instance().pendingFailures(Host::Fault::StyleRead), 0);
}

void TestKernelFaults::failedWritesChangeNothing()
{
    const Set maps = kestrix::testing::setOf({1, 2});
    const CheckedStyleValue color("FIELDMAP", "MESH", "COLOR");
    const int undoSteps = Host::instance().undoStepCount();

    Host::instance().failNext(Host::Fault::StyleWrite, 1);
    QCOMPARE(color.set(5L, &maps), SetValue_InternalMemoryError);
    QCOMPARE(Host::instance().styleValue({"FIELDMAP", "MESH", "COLOR"}, 1).toInt(), 3);
    QCOMPARE(Host::instance().journal(), QStringList());
    QCOMPARE(Host::instance().undoStepCount(), undoSteps);

    QVERIFY(StyleValue::returnCodeOk(color.set(5L, &maps)));
    QCOMPARE(Host::instance().styleValue({"FIELDMAP", "MESH", "COLOR"}, 1).toInt(), 5);
}

void TestKernelFaults::failedSetAllocationsGiveNoSet()
{
    Host::instance().failNext(Host::Fault::SetAllocation, 2);
    Set_pa allocated = VexUtilSetAlloc(true);
    QCOMPARE(allocated, nullptr);
    Set_pa copied = VexUtilSetCopy(nullptr);
    QCOMPARE(copied, nullptr);

    // A set whose allocation failed holds nothing: adding allocates anew, and what was added
    // while that failed too is lost.
    Host::instance().failNext(Host::Fault::SetAllocation, 2);
    Set maps;
    maps.add(1);
    QVERIFY(maps.isEmpty());
    maps.add(2);
    QCOMPARE(maps.size(), 1);
    QVERIFY(maps.contains(2));

    allocated = VexUtilSetAlloc(true);
    QVERIFY(allocated);
    VexUtilSetDealloc(&allocated);
}

void TestKernelFaults::failedExportsAndPrintsWriteNothing()
{
    QVERIFY(m_dir.isValid());
    const QString picture = m_dir.filePath(QStringLiteral("picture.png"));
    QVERIFY(setApplicationStyle("EXPORTSETUP", "EXPORTFORMAT", long(ExportFormat_PNG)));
    QVERIFY(setApplicationStyle("EXPORTSETUP", "EXPORTFNAME", picture.toStdString()));
    Host::instance().failNext(Host::Fault::Export, 1);
    QVERIFY(!VexUtilExport(0));
    QVERIFY(!Host::instance().lastExportError().isEmpty());
    QCOMPARE(FolderEntries::of(m_dir.path()), QStringList());
    QVERIFY2(VexUtilExport(0), qPrintable(Host::instance().lastExportError()));
    QCOMPARE(FolderEntries::of(m_dir.path()), QStringList{QStringLiteral("picture.png")});

    auto& manager = kestrix::hostsim::printing::PrintingManager::instance();
    QPrinter printer;
    const QString printed = m_dir.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(printed);
    Host::instance().failNext(Host::Fault::Print, 1);
    QVERIFY(!manager.print(printer));
    QVERIFY(!manager.lastError().isEmpty());
    QVERIFY(!QFile::exists(printed));
    QVERIFY2(manager.print(printer), qPrintable(manager.lastError()));
    QVERIFY(QFile::exists(printed));
}

void TestKernelFaults::clearingEndsEveryPendingFailure()
{
    for (Host::Fault fault : {Host::Fault::StyleRead, Host::Fault::StyleWrite, Host::Fault::SetAllocation,
                              Host::Fault::Export, Host::Fault::Print})
        Host::instance().failNext(fault, 3);
    Host::instance().failNext(Host::Fault::StyleWrite, -4);
    QCOMPARE(Host::instance().pendingFailures(Host::Fault::StyleWrite), 0);
    Host::instance().clearFailures();
    for (Host::Fault fault :
         {Host::Fault::StyleRead, Host::Fault::SetAllocation, Host::Fault::Export, Host::Fault::Print})
        QCOMPARE(Host::instance().pendingFailures(fault), 0);
    long value = 0;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").get(value, 1)));
}

QTEST_MAIN(TestKernelFaults)
#include "tst_kernel_faults.moc"
