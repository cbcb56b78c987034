// State-change notification, the once-on-idle performer, the wait cursor and the wait state.

#include <hostsim/Host.h>

#include <kxsdkcommon/ScopedWaitCursor.h>
#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxsdkintegrationmanager/WaitState.h>
#include <kxsdkuicommon/OnIdleActionPerformerSingleShot.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>
#include <kxtoolbox/StateChangeListenerInterface.h>
#include <signals/SignalConnectionCollection.h>

#include <QGuiApplication>
#include <QtTest>

#include <functional>
#include <memory>
#include <stdexcept>

using kestrix::hostsim::Host;
using kestrix::sdk::integration::StateChangeEventObservable;
using kestrix::sdk::ui::common::OnIdleActionPerformerSingleShot;
using kestrix::toolbox::StateChangeEventInterface;
using kestrix::toolbox::StateChangeListenerInterface;

namespace {

// Registers itself for its lifetime and runs a hook on every event.
class Listener : public StateChangeListenerInterface {
public:
    explicit Listener(QStringList& log, QString name) : m_log(log), m_name(std::move(name))
    {
        StateChangeEventObservable::getInstance().addListener(this);
    }
    ~Listener() override { StateChangeEventObservable::getInstance().removeListener(this); }

    void stateChanged(const StateChangeEventInterface& event) override
    {
        m_log << m_name + QLatin1Char(':') + QString::number(event.getStateChange());
        if (hook)
            hook();
    }

    std::function<void()> hook;

private:
    QStringList& m_log;
    QString m_name;
};

// Announces state change 51 by switching between the first two frames.
void switchFrame()
{
    Host::instance().setCurrentFrame(Host::instance().currentFrame() == 1 ? 2 : 1);
}

// Drains posted events so that once-on-idle actions run.
void runIdle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TestKernelNotifications : public QObject {
    Q_OBJECT

private slots:
    void init();

    void bothListenerStylesReceiveEvents();
    void styleChangeCarriesKeywords();
    void listenerRemovedDuringDeliveryIsSkipped();
    void listenerAddedDuringDeliveryGetsTheNextEvent();
    void listenerMayDestroyItselfDuringDelivery();
    void listenerMayCauseANestedEvent();
    void connectionCollectionDisconnects();

    void tenRequestsRunOnce();
    void destroyedPerformerDoesNotRun();
    void actionMayDestroyItsOwnPerformer();

    void waitCursorNestsAndIsRestoredWhenExceptionPasses();
    void waitStateNests();
};

void TestKernelNotifications::init()
{
    Host::instance().loadDemoScene();
}

void TestKernelNotifications::bothListenerStylesReceiveEvents()
{
    QStringList log;
    kestrix::signalling::SignalConnectionCollection connections;
    connections.add(StateChangeEventObservable::getInstance().connect(
        [&log](const StateChangeEventInterface& event) { log << QStringLiteral("slot:%1").arg(event.getStateChange()); }));
    Listener listener(log, QStringLiteral("listener"));
    QVERIFY(Host::instance().setCurrentFrame(2));
    QCOMPARE(log, QStringList({"slot:51", "listener:51"}));
}

void TestKernelNotifications::styleChangeCarriesKeywords()
{
    QStringList params;
    int count = -1;
    kestrix::signalling::SignalConnectionCollection connections;
    connections.add(StateChangeEventObservable::getInstance().connect([&](const StateChangeEventInterface& event) {
        count = event.getParamCount();
        for (int i = 0; i <= count + 1; ++i)
            params << QString::fromStdString(event.getParamString(i));
    }));
    QCOMPARE(kestrix::toolbox::CheckedStyleValue("GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS").set(true), SetValue_Ok);
    QCOMPARE(count, 3);
    QCOMPARE(params, QStringList({"", "GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS", ""}));
}

void TestKernelNotifications::listenerRemovedDuringDeliveryIsSkipped()
{
    QStringList log;
    Listener first(log, QStringLiteral("first"));
    Listener second(log, QStringLiteral("second"));
    Listener third(log, QStringLiteral("third"));
    first.hook = [&]() { StateChangeEventObservable::getInstance().removeListener(&second); };
    switchFrame();
    QCOMPARE(log, QStringList({"first:51", "third:51"}));
}

void TestKernelNotifications::listenerAddedDuringDeliveryGetsTheNextEvent()
{
    QStringList log;
    std::unique_ptr<Listener> late;
    Listener first(log, QStringLiteral("first"));
    first.hook = [&]() {
        if (!late)
            late = std::make_unique<Listener>(log, QStringLiteral("late"));
    };
    switchFrame();
    QCOMPARE(log, QStringList({"first:51"}));
    switchFrame();
    QCOMPARE(log, QStringList({"first:51", "first:51", "late:51"}));
}

void TestKernelNotifications::listenerMayDestroyItselfDuringDelivery()
{
    QStringList log;
    auto doomed = std::make_unique<Listener>(log, QStringLiteral("doomed"));
    Listener after(log, QStringLiteral("after"));
    doomed->hook = [&doomed]() { doomed.reset(); };
    switchFrame();
    QVERIFY(!doomed);
    QCOMPARE(log, QStringList({"doomed:51", "after:51"}));
    switchFrame();
    QCOMPARE(log.last(), QStringLiteral("after:51"));
    QCOMPARE(log.size(), 3);
}

void TestKernelNotifications::listenerMayCauseANestedEvent()
{
    QStringList log;
    Listener writer(log, QStringLiteral("writer"));
    Listener observer(log, QStringLiteral("observer"));
    bool written = false;
    writer.hook = [&written]() {
        if (written)
            return;
        written = true;
        kestrix::toolbox::Set maps;
        maps.add(1);
        kestrix::toolbox::CheckedStyleValue("FIELDMAP", "MESH", "SHOW").set(false, &maps);
    };
    switchFrame();
    QCOMPARE(log, QStringList({"writer:51", "writer:7", "observer:7", "observer:51"}));
}

void TestKernelNotifications::connectionCollectionDisconnects()
{
    int calls = 0;
    {
        kestrix::signalling::SignalConnectionCollection connections;
        connections.add(StateChangeEventObservable::getInstance().connect([&calls](const StateChangeEventInterface&) { ++calls; }));
        switchFrame();
        QCOMPARE(calls, 1);
    }
    switchFrame();
    QCOMPARE(calls, 1);
}

void TestKernelNotifications::tenRequestsRunOnce()
{
    int runs = 0;
    std::unique_ptr<OnIdleActionPerformerSingleShot> pending;
    for (int request = 0; request < 10; ++request)
        pending = std::make_unique<OnIdleActionPerformerSingleShot>([&runs]() { ++runs; });
    QVERIFY(pending->isPending());
    QCOMPARE(runs, 0);
    runIdle();
    QCOMPARE(runs, 1);
    QVERIFY(!pending->isPending());
    runIdle();
    QCOMPARE(runs, 1);
}

void TestKernelNotifications::destroyedPerformerDoesNotRun()
{
    int runs = 0;
    auto performer = std::make_unique<OnIdleActionPerformerSingleShot>([&runs]() { ++runs; });
    performer.reset();
    runIdle();
    QCOMPARE(runs, 0);
}

void TestKernelNotifications::actionMayDestroyItsOwnPerformer()
{
    int runs = 0;
    QString captured = QStringLiteral("kept");
    std::unique_ptr<OnIdleActionPerformerSingleShot> performer;
    performer = std::make_unique<OnIdleActionPerformerSingleShot>([&performer, &runs, captured]() {
        performer.reset();
        // The action's own captures are still usable after its performer is gone.
        if (captured == QLatin1String("kept"))
            ++runs;
    });
    runIdle();
    QCOMPARE(runs, 1);
    QVERIFY(!performer);
}

void TestKernelNotifications::waitCursorNestsAndIsRestoredWhenExceptionPasses()
{
    QCOMPARE(Host::instance().overrideCursorDepth(), 0);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    try {
        kestrix::sdk::ScopedWaitCursor outer;
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        kestrix::sdk::ScopedWaitCursor inner;
        QCOMPARE(Host::instance().overrideCursorDepth(), 2);
        throw std::runtime_error("interrupted");
    } catch (const std::runtime_error&) {
    }
    QCOMPARE(Host::instance().overrideCursorDepth(), 0);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestKernelNotifications::waitStateNests()
{
    QCOMPARE(Host::instance().waitStateDepth(), 0);
    {
        kestrix::sdk::integration::WaitState outer;
        {
            kestrix::sdk::integration::WaitState inner;
            QCOMPARE(Host::instance().waitStateDepth(), 2);
        }
        QCOMPARE(Host::instance().waitStateDepth(), 1);
    }
    QCOMPARE(Host::instance().waitStateDepth(), 0);
}

QTEST_MAIN(TestKernelNotifications)
#include "tst_kernel_notifications.moc"
