// The stand-in kernel's application lock, undo states and undo history.

#include <hostsim/Host.h>

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>
#include <signals/SignalConnectionCollection.h>

#include <QtTest>

#include <stdexcept>

using kestrix::hostsim::Host;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::Set;
using kestrix::toolbox::StyleValue;

namespace {

Set setOf(std::initializer_list<int> members)
{
    Set set;
    for (int member : members)
        set.add(member);
    return set;
}

long meshColor(int map)
{
    long color = -1;
    CheckedStyleValue("FIELDMAP", "MESH", "COLOR").get(color, map);
    return color;
}

void setMeshColor(std::initializer_list<int> maps, long color)
{
    const Set objects = setOf(maps);
    QCOMPARE(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").set(color, &objects), SetValue_Ok);
}

} // namespace

class TestKernelUndo : public QObject {
    Q_OBJECT

private slots:
    void init();

    void writeOutsideUndoStateIsOneStep();
    void undoAndRedoAnnounceCompleteReset();
    void nestedUndoStatesMakeOneStep();
    void undoStateGuardEndsWhenExceptionPasses();
    void appLockNestsAndIsReleasedWhenExceptionPasses();
    void unbalancedFinishAndEndAreIgnored();
    void undoIsRefusedWhileUndoStateIsOpen();
    void endWithoutCommitKeepsChangesButClearsHistory();
    void newStepClearsRedo();
    void undoRestoresPerFrameAndApplicationValues();
    void sceneChangeClearsHistory();
};

void TestKernelUndo::init()
{
    Host::instance().loadDemoScene();
}

void TestKernelUndo::writeOutsideUndoStateIsOneStep()
{
    QSignalSpy historyChanged(&Host::instance(), &Host::historyChanged);
    setMeshColor({1}, 7);
    setMeshColor({2}, 8);
    QCOMPARE(Host::instance().undoStepCount(), 2);
    QCOMPARE(historyChanged.count(), 2);
    QVERIFY(Host::instance().undo());
    QCOMPARE(meshColor(1), 7L);
    QCOMPARE(meshColor(2), 1L);
    QVERIFY(Host::instance().undo());
    QCOMPARE(meshColor(1), 3L);
    QCOMPARE(historyChanged.count(), 4);
    QVERIFY(!Host::instance().canUndo());
    QVERIFY(!Host::instance().undo());
    QCOMPARE(historyChanged.count(), 4);
}

void TestKernelUndo::undoAndRedoAnnounceCompleteReset()
{
    setMeshColor({1, 2, 3}, 6);
    QList<int> codes;
    kestrix::signalling::SignalConnectionCollection connections;
    connections.add(kestrix::sdk::integration::StateChangeEventObservable::getInstance().connect(
        [&codes](const kestrix::toolbox::StateChangeEventInterface& event) { codes << event.getStateChange(); }));
    QVERIFY(Host::instance().undo());
    QCOMPARE(codes, QList<int>{StateChange_CompleteReset});
    QCOMPARE(meshColor(1), 3L);
    QCOMPARE(meshColor(2), 1L);
    QCOMPARE(meshColor(3), 1L);
    QVERIFY(Host::instance().canRedo());
    QVERIFY(Host::instance().redo());
    QCOMPARE(codes, QList<int>({StateChange_CompleteReset, StateChange_CompleteReset}));
    QCOMPARE(meshColor(1), 6L);
    QCOMPARE(meshColor(3), 6L);
    QVERIFY(!Host::instance().redo());
}

void TestKernelUndo::nestedUndoStatesMakeOneStep()
{
    VexUtilUndoStateBegin(6);
    setMeshColor({1}, 10);
    VexUtilUndoStateBegin(11);
    QCOMPARE(Host::instance().undoDepth(), 2);
    setMeshColor({2}, 11);
    QCOMPARE(CheckedStyleValue("ACTIVEFIELDMAPS").set(setOf({5}), nullptr, -1, -1, AssignOp_PlusEquals), SetValue_Ok);
    QSignalSpy historyChanged(&Host::instance(), &Host::historyChanged);
    VexUtilUndoStateEnd(false, true);
    QCOMPARE(Host::instance().undoStepCount(), 0);
    setMeshColor({3}, 12);
    QCOMPARE(historyChanged.count(), 0);
    VexUtilUndoStateEnd(false, true);
    QCOMPARE(historyChanged.count(), 1);
    QCOMPARE(Host::instance().undoDepth(), 0);
    QCOMPARE(Host::instance().undoStepCount(), 1);

    QVERIFY(Host::instance().undo());
    QCOMPARE(meshColor(1), 3L);
    QCOMPARE(meshColor(2), 1L);
    QCOMPARE(meshColor(3), 1L);
    QCOMPARE(VexUtilFieldMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 5), 0);
    QVERIFY(Host::instance().redo());
    QCOMPARE(meshColor(2), 11L);
    QCOMPARE(meshColor(3), 12L);
    QCOMPARE(VexUtilFieldMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 5), 1);
}

void TestKernelUndo::undoStateGuardEndsWhenExceptionPasses()
{
    bool caught = false;
    try {
        kestrix::sdk::UndoStateGuard outer(11);
        setMeshColor({1}, 20);
        kestrix::sdk::UndoStateGuard inner(11);
        setMeshColor({2}, 21);
        QCOMPARE(Host::instance().undoDepth(), 2);
        throw std::runtime_error("interrupted");
    } catch (const std::runtime_error&) {
        caught = true;
    }
    QVERIFY(caught);
    QCOMPARE(Host::instance().undoDepth(), 0);
    QCOMPARE(Host::instance().undoStepCount(), 1);
    QVERIFY(Host::instance().undo());
    QCOMPARE(meshColor(1), 3L);
    QCOMPARE(meshColor(2), 1L);
}

void TestKernelUndo::appLockNestsAndIsReleasedWhenExceptionPasses()
{
    QCOMPARE(Host::instance().appLockDepth(), 0);
    bool caught = false;
    try {
        kestrix::sdk::AppLock outer;
        QCOMPARE(Host::instance().appLockDepth(), 1);
        {
            kestrix::sdk::AppLock inner(0);
            QCOMPARE(Host::instance().appLockDepth(), 2);
        }
        QCOMPARE(Host::instance().appLockDepth(), 1);
        kestrix::sdk::AppLock again;
        throw std::logic_error("interrupted");
    } catch (const std::logic_error&) {
        caught = true;
    }
    QVERIFY(caught);
    QCOMPARE(Host::instance().appLockDepth(), 0);
}

void TestKernelUndo::unbalancedFinishAndEndAreIgnored()
{
    VexUtilLockFinish();
    QCOMPARE(Host::instance().appLockDepth(), 0);
    VexUtilUndoStateEnd(false, true);
    QCOMPARE(Host::instance().undoDepth(), 0);
    {
        kestrix::sdk::AppLock lock;
        QCOMPARE(Host::instance().appLockDepth(), 1);
    }
    QCOMPARE(Host::instance().appLockDepth(), 0);
}

void TestKernelUndo::undoIsRefusedWhileUndoStateIsOpen()
{
    setMeshColor({1}, 30);
    {
        kestrix::sdk::UndoStateGuard guard(6);
        QVERIFY(!Host::instance().canUndo());
        QVERIFY(!Host::instance().undo());
        QCOMPARE(meshColor(1), 30L);
    }
    QVERIFY(Host::instance().undo());
    QCOMPARE(meshColor(1), 3L);
}

void TestKernelUndo::endWithoutCommitKeepsChangesButClearsHistory()
{
    setMeshColor({1}, 40);
    VexUtilUndoStateBegin(6);
    setMeshColor({2}, 41);
    VexUtilUndoStateEnd(false, false);
    QCOMPARE(meshColor(1), 40L);
    QCOMPARE(meshColor(2), 41L);
    QVERIFY(!Host::instance().canUndo());
    QCOMPARE(Host::instance().undoStepCount(), 0);
}

void TestKernelUndo::newStepClearsRedo()
{
    setMeshColor({1}, 50);
    QVERIFY(Host::instance().undo());
    QVERIFY(Host::instance().canRedo());
    setMeshColor({2}, 51);
    QVERIFY(!Host::instance().canRedo());
    // A write that changes nothing is no step and keeps the redo history.
    QVERIFY(Host::instance().undo());
    QVERIFY(Host::instance().canRedo());
    const Set objects = setOf({2});
    QCOMPARE(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").set(1, &objects), SetValue_DuplicateValue);
    QVERIFY(Host::instance().canRedo());
}

void TestKernelUndo::undoRestoresPerFrameAndApplicationValues()
{
    {
        kestrix::sdk::UndoStateGuard guard(11);
        QCOMPARE(CheckedStyleValue("GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "FONTFAMILY").set("Courier New"),
                 SetValue_Ok);
        QCOMPARE(CheckedStyleValue("GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "HEIGHT").set(18.0), SetValue_Ok);
        QCOMPARE(CheckedStyleValue("PRINTSETUP", "PALETTE").set(0), SetValue_Ok);
        QCOMPARE(CheckedStyleValue("PLOTTYPE").set(PlotType_Cartesian2D), SetValue_Ok);
    }
    QVERIFY(Host::instance().undo());
    std::string family;
    QVERIFY(StyleValue::returnCodeOk(
        CheckedStyleValue("GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "FONTFAMILY").get(family)));
    QCOMPARE(family, std::string("Helvetica"));
    double height = 0.0;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "HEIGHT").get(height)));
    QCOMPARE(height, 11.0);
    long palette = -1;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PALETTE").get(palette)));
    QCOMPARE(palette, 2L);
    QCOMPARE(VexUtilFrameGetPlotType(), PlotType_Cartesian3D);
}

void TestKernelUndo::sceneChangeClearsHistory()
{
    setMeshColor({1}, 60);
    QVERIFY(Host::instance().canUndo());
    Host::instance().loadDemoScene();
    QVERIFY(!Host::instance().canUndo());
    QCOMPARE(meshColor(1), 3L);
}

QTEST_MAIN(TestKernelUndo)
#include "tst_kernel_undo.moc"
