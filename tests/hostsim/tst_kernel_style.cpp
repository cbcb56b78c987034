// Style values of the stand-in kernel: schema validation, sets, offsets, multi-map writes.

#include <hostsim/Host.h>

#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/FrameStyleValue.h>
#include <kxtoolbox/Set.h>
#include <signals/SignalConnectionCollection.h>

#include <QtTest>

using kestrix::hostsim::Host;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::FrameStyleValue;
using kestrix::toolbox::Set;
using kestrix::toolbox::StyleValue;

namespace {

struct RecordedEvent {
    int code = 0;
    QStringList params;
};

// Records every state change while it lives.
class EventRecorder {
public:
    EventRecorder()
    {
        m_connections.add(kestrix::sdk::integration::StateChangeEventObservable::getInstance().connect(
            [this](const kestrix::toolbox::StateChangeEventInterface& event) {
                RecordedEvent recorded;
                recorded.code = event.getStateChange();
                for (int i = 1; i <= event.getParamCount(); ++i)
                    recorded.params << QString::fromStdString(event.getParamString(i));
                events.append(recorded);
            }));
    }
    QList<RecordedEvent> events;

private:
    kestrix::signalling::SignalConnectionCollection m_connections;
};

Set setOf(std::initializer_list<int> members)
{
    Set set;
    for (int member : members)
        set.add(member);
    return set;
}

UniqueID_t frameId(int frame)
{
    return static_cast<UniqueID_t>(Host::instance().framesOfCurrentPage().at(frame - 1).uniqueId);
}

long readInteger(const StyleValue& value, int offset1 = -1)
{
    long result = -999;
    if (!StyleValue::returnCodeOk(value.get(result, offset1)))
        return -999;
    return result;
}

} // namespace

class TestKernelStyle : public QObject {
    Q_OBJECT

private slots:
    void init();

    void readsDefaultsAndSceneValues();
    void readOfUnknownPathOrMissingObjectFails();
    void refusedWritesChangeNothing_data();
    void refusedWritesChangeNothing();
    void writeToSeveralMapsIsOneStateChange();
    void unchangedWriteIsJournalledButNotAnnounced();
    void activeMapSetOperators();
    void integerWriteReachesFloatingPointSetting();
    void offsetsAddressContourGroupsAndConstraints();
    void perMapWriteWithoutObjectsReachesEveryMap();
    void plotTypeWriteIsAStyleChange();
    void textValuesAreKernelStrings();
    void applicationSettingsNeedNoFrame();
    void frameStyleValueAddressesItsOwnFrame();
    void readsAndWritesAreCounted();
    void writeToHundredThousandMapsIsJournalledAsRanges();
};

void TestKernelStyle::init()
{
    Host::instance().loadDemoScene();
    Host::instance().clearJournal();
}

void TestKernelStyle::readsDefaultsAndSceneValues()
{
    const CheckedStyleValue show("FIELDMAP", "MESH", "SHOW");
    bool shown = false;
    QVERIFY(StyleValue::returnCodeOk(show.get(shown, 1)));
    QVERIFY(shown);

    // The demo gives map 1 mesh colour 3 and maps 2 and 3 colour 1; map 4 has the default.
    const CheckedStyleValue color("FIELDMAP", "MESH", "COLOR");
    QCOMPARE(readInteger(color, 1), 3L);
    QCOMPARE(readInteger(color, 2), 1L);
    QCOMPARE(readInteger(color, 4), 0L);

    double thickness = 0.0;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "LINETHICKNESS").get(thickness, 1)));
    QCOMPARE(thickness, 0.4);

    double medium = 0.0;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("BASICSIZE", "LINETHICKNESSES", "MEDIUM").get(medium)));
    QVERIFY(medium > 0.0);
}

void TestKernelStyle::readOfUnknownPathOrMissingObjectFails()
{
    long value = 42;
    QVERIFY(!StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "NOSUCHKEYWORD").get(value, 1)));
    QVERIFY(!StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH").get(value, 1)));
    QVERIFY(!StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").get(value, 99)));
    QVERIFY(!StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").get(value, 0)));
    // A per-frame value takes no object number.
    QVERIFY(!StyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWMESH").get(value, 2)));
    // A floating-point setting is not read as an integer.
    QVERIFY(!StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "LINETHICKNESS").get(value, 1)));
    QCOMPARE(value, 42L);
}

void TestKernelStyle::refusedWritesChangeNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("double into colour") << 0;
    QTest::newRow("colour -2") << 1;
    QTest::newRow("colour 64") << 2;
    QTest::newRow("mesh type 3") << 3;
    QTest::newRow("thickness 1000") << 4;
    QTest::newRow("boolean 2") << 5;
    QTest::newRow("text into colour") << 6;
    QTest::newRow("unknown path") << 7;
    QTest::newRow("object out of range") << 8;
    QTest::newRow("objects on a frame setting") << 9;
    QTest::newRow("add operator on a plain setting") << 10;
}

void TestKernelStyle::refusedWritesChangeNothing()
{
    QFETCH(int, kind);
    const CheckedStyleValue color("FIELDMAP", "MESH", "COLOR");
    const Set maps = setOf({1, 2});
    const Set withMissingMap = setOf({1, 2, 99});
    EventRecorder recorder;
    SetValueReturnCode_e code = SetValue_Ok;
    switch (kind) {
    case 0:
        code = color.set(2.5, &maps);
        break;
    case 1:
        code = color.set(-2, &maps);
        break;
    case 2:
        code = color.set(64, &maps);
        break;
    case 3:
        code = CheckedStyleValue("FIELDMAP", "MESH", "MESHTYPE").set(3, &maps);
        break;
    case 4:
        code = CheckedStyleValue("FIELDMAP", "MESH", "LINETHICKNESS").set(1000.0, &maps);
        break;
    case 5:
        code = CheckedStyleValue("FIELDMAP", "MESH", "SHOW").set(2, &maps);
        break;
    case 6:
        code = color.set("red", &maps);
        break;
    case 7:
        code = CheckedStyleValue("FIELDMAP", "MESH", "COLOUR").set(5, &maps);
        break;
    case 8:
        code = color.set(5, &withMissingMap);
        break;
    case 9:
        code = CheckedStyleValue("FIELDLAYERS", "SHOWMESH").set(false, &maps);
        break;
    case 10:
        code = color.set(5, &maps, -1, -1, AssignOp_PlusEquals);
        break;
    }
    QVERIFY(!StyleValue::returnCodeOk(code));
    QCOMPARE(readInteger(color, 1), 3L);
    QCOMPARE(readInteger(color, 2), 1L);
    bool meshLayer = false;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWMESH").get(meshLayer)));
    QVERIFY(meshLayer);
    bool shown = false;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "SHOW").get(shown, 1)));
    QVERIFY(shown);
    QVERIFY(recorder.events.isEmpty());
    QVERIFY(Host::instance().journal().isEmpty());
    QCOMPARE(Host::instance().undoStepCount(), 0);
}

void TestKernelStyle::writeToSeveralMapsIsOneStateChange()
{
    EventRecorder recorder;
    QSignalSpy journalAppended(&Host::instance(), &Host::journalAppended);
    const Set maps = setOf({1, 2, 3});
    QCOMPARE(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").set(5, &maps), SetValue_Ok);
    QCOMPARE(journalAppended.count(), 1);
    QCOMPARE(journalAppended.first().first().toString(), QStringLiteral("FIELDMAP MESH COLOR objects=1,2,3 op=255 value=5"));
    QCOMPARE(recorder.events.size(), 1);
    QCOMPARE(recorder.events.first().code, int(StateChange_Style));
    QCOMPARE(recorder.events.first().params, QStringList({"FIELDMAP", "MESH", "COLOR"}));
    QCOMPARE(Host::instance().journal(), QStringList{"FIELDMAP MESH COLOR objects=1,2,3 op=255 value=5"});
    for (int map = 1; map <= 3; ++map)
        QCOMPARE(readInteger(CheckedStyleValue("FIELDMAP", "MESH", "COLOR"), map), 5L);
    QCOMPARE(readInteger(CheckedStyleValue("FIELDMAP", "MESH", "COLOR"), 4), 0L);
    QCOMPARE(Host::instance().undoStepCount(), 1);
}

void TestKernelStyle::unchangedWriteIsJournalledButNotAnnounced()
{
    const Set maps = setOf({2, 3});
    EventRecorder recorder;
    const SetValueReturnCode_e code = CheckedStyleValue("FIELDMAP", "MESH", "COLOR").set(1, &maps);
    QVERIFY(StyleValue::returnCodeOk(code));
    QCOMPARE(code, SetValue_DuplicateValue);
    QVERIFY(recorder.events.isEmpty());
    QCOMPARE(Host::instance().journal().size(), 1);
    QCOMPARE(Host::instance().undoStepCount(), 0);
}

void TestKernelStyle::activeMapSetOperators()
{
    const CheckedStyleValue active("ACTIVEFIELDMAPS");
    const auto activeMaps = [&active]() {
        Set set;
        if (!StyleValue::returnCodeOk(active.get(set)))
            return QList<int>{-1};
        QList<int> members;
        for (int member = set.getNextMember(0); member != 0; member = set.getNextMember(member))
            members << member;
        return members;
    };
    QCOMPARE(activeMaps(), QList<int>({1, 2, 3, 4}));

    QCOMPARE(active.set(setOf({5}), nullptr, -1, -1, AssignOp_PlusEquals), SetValue_Ok);
    QCOMPARE(activeMaps(), QList<int>({1, 2, 3, 4, 5}));
    QCOMPARE(active.set(setOf({1, 2}), nullptr, -1, -1, AssignOp_MinusEquals), SetValue_Ok);
    QCOMPARE(activeMaps(), QList<int>({3, 4, 5}));
    QCOMPARE(VexUtilFieldMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 1), 0);
    QCOMPARE(active.set(setOf({2, 4})), SetValue_Ok);
    QCOMPARE(activeMaps(), QList<int>({2, 4}));
    QCOMPARE(active.set(Set()), SetValue_Ok);
    QCOMPARE(activeMaps(), QList<int>());
    QVERIFY(!StyleValue::returnCodeOk(active.set(setOf({6}), nullptr, -1, -1, AssignOp_PlusEquals)));
    QCOMPARE(activeMaps(), QList<int>());
    QCOMPARE(Host::instance().journal().first(), QStringLiteral("ACTIVEFIELDMAPS op=1 value=5"));
}

void TestKernelStyle::integerWriteReachesFloatingPointSetting()
{
    const Set maps = setOf({2});
    const CheckedStyleValue thickness("FIELDMAP", "MESH", "LINETHICKNESS");
    QCOMPARE(thickness.set(1, &maps), SetValue_Ok);
    double value = 0.0;
    QVERIFY(StyleValue::returnCodeOk(thickness.get(value, 2)));
    QCOMPARE(value, 1.0);
    QCOMPARE(Host::instance().journal().last(), QStringLiteral("FIELDMAP MESH LINETHICKNESS objects=2 op=255 value=1"));
    QCOMPARE(thickness.set(0.25, &maps), SetValue_Ok);
    QCOMPARE(Host::instance().journal().last(), QStringLiteral("FIELDMAP MESH LINETHICKNESS objects=2 op=255 value=0.25"));
}

void TestKernelStyle::offsetsAddressContourGroupsAndConstraints()
{
    const CheckedStyleValue contourVar("GLOBALCONTOUR", "VAR");
    QCOMPARE(readInteger(contourVar, 1), 4L);
    QCOMPARE(readInteger(contourVar, 2), 5L);
    QCOMPARE(readInteger(contourVar, 3), 0L);
    QCOMPARE(readInteger(contourVar, 9), -999L);
    QCOMPARE(readInteger(contourVar, -1), -999L);

    QCOMPARE(contourVar.set(2, nullptr, 3), SetValue_Ok);
    QCOMPARE(readInteger(contourVar, 3), 2L);
    QCOMPARE(readInteger(contourVar, 1), 4L);
    QCOMPARE(Host::instance().journal().last(), QStringLiteral("GLOBALCONTOUR VAR offset1=3 op=255 value=2"));
    // Variable 8 does not exist in the frame of seven variables.
    QVERIFY(!StyleValue::returnCodeOk(contourVar.set(8, nullptr, 3)));

    const CheckedStyleValue constraint("BLANKING", "VALUE", "CONSTRAINT", "INCLUDE");
    QCOMPARE(constraint.set(true, nullptr, 2), SetValue_Ok);
    bool included = false;
    QVERIFY(StyleValue::returnCodeOk(constraint.get(included, 2)));
    QVERIFY(included);
    QVERIFY(StyleValue::returnCodeOk(constraint.get(included, 1)));
    QVERIFY(!included);
}

void TestKernelStyle::perMapWriteWithoutObjectsReachesEveryMap()
{
    QVERIFY(Host::instance().setCurrentFrame(3));
    const int maps = VexUtilLineMapGetCount();
    QCOMPARE(maps, 4);
    const CheckedStyleValue errorBarVar("LINEMAP", "ERRORBARS", "VAR");
    const Set none;
    EventRecorder recorder;
    QCOMPARE(errorBarVar.set(2, &none), SetValue_Ok);
    QCOMPARE(recorder.events.size(), 1);
    for (int map = 1; map <= maps; ++map)
        QCOMPARE(readInteger(errorBarVar, map), 2L);
    QCOMPARE(Host::instance().journal().last(), QStringLiteral("LINEMAP ERRORBARS VAR objects=all op=255 value=2"));
    // A single object can also be named by the first offset.
    QCOMPARE(errorBarVar.set(3, nullptr, 2), SetValue_Ok);
    QCOMPARE(readInteger(errorBarVar, 2), 3L);
    QCOMPARE(readInteger(errorBarVar, 1), 2L);
}

void TestKernelStyle::plotTypeWriteIsAStyleChange()
{
    EventRecorder recorder;
    QCOMPARE(CheckedStyleValue("PLOTTYPE").set(PlotType_Cartesian2D), SetValue_Ok);
    QCOMPARE(VexUtilFrameGetPlotType(), PlotType_Cartesian2D);
    QCOMPARE(recorder.events.size(), 1);
    QCOMPARE(recorder.events.first().code, int(StateChange_Style));
    QCOMPARE(recorder.events.first().params.value(0), QStringLiteral("PLOTTYPE"));
    QVERIFY(!StyleValue::returnCodeOk(CheckedStyleValue("PLOTTYPE").set(6)));
    QCOMPARE(VexUtilFrameGetPlotType(), PlotType_Cartesian2D);
}

void TestKernelStyle::textValuesAreKernelStrings()
{
    QVERIFY(Host::instance().setCurrentFrame(3));
    const CheckedStyleValue name("LINEMAP", "NAME");
    char* raw = nullptr;
    QVERIFY(StyleValue::returnCodeOk(name.get(raw, 1)));
    QCOMPARE(QByteArray(raw), QByteArray("&ZN&: &DV&"));
    VexUtilStringDealloc(&raw);
    QVERIFY(raw == nullptr);

    const Set maps = setOf({2});
    QCOMPARE(name.set(std::string("Lower &Z#&"), &maps), SetValue_Ok);
    std::string text;
    QVERIFY(StyleValue::returnCodeOk(name.get(text, 2)));
    QCOMPARE(text, std::string("Lower &Z#&"));
    QCOMPARE(Host::instance().journal().last(), QStringLiteral("LINEMAP NAME objects=2 op=255 value=\"Lower &Z#&\""));
    QVERIFY(!StyleValue::returnCodeOk(name.set(7, &maps)));
}

void TestKernelStyle::applicationSettingsNeedNoFrame()
{
    const CheckedStyleValue width("EXPORTSETUP", "IMAGEWIDTH");
    QCOMPARE(readInteger(width), 800L);
    QCOMPARE(width.set(1024), SetValue_Ok);
    Host::instance().clearScene();
    QCOMPARE(VexUtilFrameGetCount(), 0);
    // A new scene starts with the default application settings.
    QCOMPARE(readInteger(width), 800L);
    QCOMPARE(width.set(640), SetValue_Ok);
    QCOMPARE(readInteger(width), 640L);
    QVERIFY(!StyleValue::returnCodeOk(width.set(0)));
    long value = 0;
    QVERIFY(!StyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWMESH").get(value)));
}

void TestKernelStyle::frameStyleValueAddressesItsOwnFrame()
{
    const UniqueID_t wing = frameId(1);
    const UniqueID_t pressure = frameId(3);
    QVERIFY(Host::instance().setCurrentFrame(2));
    QCOMPARE(readInteger(FrameStyleValue(wing, "FIELDMAP", "MESH", "COLOR"), 1), 3L);
    QCOMPARE(readInteger(FrameStyleValue(pressure, "LINEMAP", "LINES", "COLOR"), 2), 3L);
    const Set maps = setOf({1});
    QCOMPARE(FrameStyleValue(wing, "FIELDMAP", "MESH", "COLOR").set(9, &maps), SetValue_Ok);
    QCOMPARE(readInteger(FrameStyleValue(wing, "FIELDMAP", "MESH", "COLOR"), 1), 9L);
    QCOMPARE(readInteger(CheckedStyleValue("FIELDMAP", "MESH", "COLOR"), 1), 0L);
    QCOMPARE(readInteger(FrameStyleValue(UniqueID_t(1), "FIELDMAP", "MESH", "COLOR"), 1), -999L);
    // A value derived from a frame value stays with that frame.
    const FrameStyleValue symbols(pressure, "LINEMAP", "SYMBOLS");
    QCOMPARE(readInteger(FrameStyleValue(symbols, "SYMBOLSHAPE", "GEOMSHAPE"), 4), long(GeomShape_Circle));
}

void TestKernelStyle::readsAndWritesAreCounted()
{
    Host::instance().resetStyleCounts();
    // Inspection through the host is not a read of the library.
    QCOMPARE(Host::instance().styleValue({"FIELDMAP", "MESH", "COLOR"}, 1), QVariant(3));
    QCOMPARE(Host::instance().styleValue({"FIELDMAP", "MESH", "LINETHICKNESS"}, 1), QVariant(0.4));
    QCOMPARE(Host::instance().styleValue({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "FONTFAMILY"}),
             QVariant(QStringLiteral("Helvetica")));
    QCOMPARE(Host::instance().styleValue({"ACTIVEFIELDMAPS"}), QVariant(QVariantList({1, 2, 3, 4})));
    QCOMPARE(Host::instance().styleValue({"LINEMAP", "LINES", "COLOR"}, 2, -1, frameId(3)), QVariant(3));
    QVERIFY(!Host::instance().styleValue({"FIELDMAP", "MESH", "COLOR"}, 9).isValid());
    QVERIFY(!Host::instance().styleValue({"FIELDMAP", "MESH"}, 1).isValid());
    QCOMPARE(Host::instance().styleReadCount(), quint64(0));

    const CheckedStyleValue color("FIELDMAP", "MESH", "COLOR");
    readInteger(color, 1);
    readInteger(color, 99);
    const Set maps = setOf({1});
    color.set(4, &maps);
    color.set(400, &maps);
    QCOMPARE(Host::instance().styleReadCount(), quint64(2));
    QCOMPARE(Host::instance().styleWriteCount(), quint64(2));
}

void TestKernelStyle::writeToHundredThousandMapsIsJournalledAsRanges()
{
    QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field3d:100000")));
    Set all;
    for (int map = 1; map <= 100000; ++map)
        all.add(map);
    all.remove(50001);
    EventRecorder recorder;
    QCOMPARE(CheckedStyleValue("FIELDMAP", "CONTOUR", "SHOW").set(false, &all), SetValue_Ok);
    QCOMPARE(recorder.events.size(), 1);
    QCOMPARE(Host::instance().journal().last(),
             QStringLiteral("FIELDMAP CONTOUR SHOW objects=1-50000,50002-100000 op=255 value=0"));
    bool shown = true;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "CONTOUR", "SHOW").get(shown, 100000)));
    QVERIFY(!shown);
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "CONTOUR", "SHOW").get(shown, 50001)));
    QVERIFY(shown);
    QVERIFY(Host::instance().undo());
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "CONTOUR", "SHOW").get(shown, 100000)));
    QVERIFY(shown);
}

QTEST_MAIN(TestKernelStyle)
#include "tst_kernel_style.moc"
