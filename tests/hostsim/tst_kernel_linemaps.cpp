// Line-map operations of the stand-in kernel and the resolution of dynamic map names.

#include <hostsim/Host.h>

#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>
#include <signals/SignalConnectionCollection.h>

#include <QtTest>

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

QString takeString(char* string)
{
    const QString result = string ? QString::fromUtf8(string) : QStringLiteral("<null>");
    VexUtilStringDealloc(&string);
    return result;
}

QString rawName(int map)
{
    return takeString(VexUtilLineMapStyleGetArbValueForFrame(VexUtilFrameGetUniqueID(), map, "NAME", nullptr, nullptr));
}

QString displayName(int map)
{
    char* name = nullptr;
    VexUtilLineMapGetName(map, &name);
    return takeString(name);
}

long lineColor(int map)
{
    long color = -1;
    CheckedStyleValue("LINEMAP", "LINES", "COLOR").get(color, map);
    return color;
}

// Each map of the current frame as "raw name/line colour/active", for comparing whole lists.
QStringList mapSummary()
{
    QStringList summary;
    const UniqueID_t frame = VexUtilFrameGetUniqueID();
    for (int map = 1; map <= VexUtilLineMapGetCount(); ++map)
        summary << QStringLiteral("%1/%2/%3")
                       .arg(rawName(map))
                       .arg(lineColor(map))
                       .arg(VexUtilLineMapIsActiveForFrame(frame, map));
    return summary;
}

class CodeRecorder {
public:
    CodeRecorder()
    {
        m_connections.add(kestrix::sdk::integration::StateChangeEventObservable::getInstance().connect(
            [this](const kestrix::toolbox::StateChangeEventInterface& event) { codes << event.getStateChange(); }));
    }
    QList<int> codes;

private:
    kestrix::signalling::SignalConnectionCollection m_connections;
};

// The x-y frame of the demo with a fifth map, map 3 inactive and distinct line colours:
// "A/1/1", "B/2/1", "C/3/0", "D/4/1", "E/5/1".
const char* const FiveMapScene = R"({
  "pages": [ { "frames": [ {
    "name": "Lines", "plotType": 3, "variables": ["X", "Y", "Z"],
    "zones": [ { "name": "first", "imax": 10 }, { "name": "second", "imax": 10 } ],
    "lineMaps": [ { "name": "A", "zone": 1, "x": 1, "y": 2 }, { "name": "B", "zone": 2, "x": 1, "y": 3 },
                  { "name": "C" }, { "name": "D" }, { "name": "E" } ],
    "activeLineMaps": [1, 2, 4, 5],
    "style": [ { "path": ["LINEMAP", "LINES", "COLOR"], "objects": [1], "value": 1 },
               { "path": ["LINEMAP", "LINES", "COLOR"], "objects": [2], "value": 2 },
               { "path": ["LINEMAP", "LINES", "COLOR"], "objects": [3], "value": 3 },
               { "path": ["LINEMAP", "LINES", "COLOR"], "objects": [4], "value": 4 },
               { "path": ["LINEMAP", "LINES", "COLOR"], "objects": [5], "value": 5 } ] } ] } ] })";

const QStringList InitialMaps{"A/1/1", "B/2/1", "C/3/0", "D/4/1", "E/5/1"};

} // namespace

class TestKernelLineMaps : public QObject {
    Q_OBJECT

private slots:
    void init();

    void createAppendsAnActiveMap();
    void copyTakesTheSourceStyle();
    void deleteRenumbersStyleAndActiveSet();
    void shiftToTopAndBottomKeepStyleWithTheirMaps();
    void setNameRenamesEveryMapOfTheSet();
    void invalidMapsAreRefusedWithoutChange();
    void mapOperationsInOneUndoStateAreOneStep();
    void dynamicCodesAreResolved_data();
    void dynamicCodesAreResolved();
    void intermediateNameNeedsAMap();
    void deletingHalfOfManyMapsKeepsOrder();
};

void TestKernelLineMaps::init()
{
    QString error;
    QVERIFY2(Host::instance().loadSceneJson(FiveMapScene, &error), qPrintable(error));
    QCOMPARE(mapSummary(), InitialMaps);
}

void TestKernelLineMaps::createAppendsAnActiveMap()
{
    CodeRecorder recorder;
    QVERIFY(VexUtilLineMapCreate());
    QCOMPARE(VexUtilLineMapGetCount(), 6);
    QCOMPARE(recorder.codes, QList<int>{StateChange_LineMapsAdded});
    QCOMPARE(VexUtilLineMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 6), 1);
    long zone = 0;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "ASSIGN", "ZONE").get(zone, 6)));
    QCOMPARE(zone, 1L);
    QVERIFY(Host::instance().undo());
    QCOMPARE(mapSummary(), InitialMaps);
}

void TestKernelLineMaps::copyTakesTheSourceStyle()
{
    CodeRecorder recorder;
    QVERIFY(VexUtilLineMapCopy(2, 4));
    QCOMPARE(recorder.codes, QList<int>{StateChange_LineMapAssignment});
    QCOMPARE(mapSummary(), QStringList({"A/1/1", "B/2/1", "C/3/0", "B/2/1", "E/5/1"}));
    long yVar = 0;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "ASSIGN", "YAXISVAR").get(yVar, 4)));
    QCOMPARE(yVar, 3L);
    // The destination keeps its own place in the active set.
    QVERIFY(VexUtilLineMapCopy(1, 3));
    QCOMPARE(mapSummary().at(2), QStringLiteral("A/1/0"));
    QVERIFY(Host::instance().undo());
    QVERIFY(Host::instance().undo());
    QCOMPARE(mapSummary(), InitialMaps);
}

void TestKernelLineMaps::deleteRenumbersStyleAndActiveSet()
{
    CodeRecorder recorder;
    const Set maps = setOf({2, 3});
    QVERIFY(VexUtilLineMapDelete(maps.getRef()));
    QCOMPARE(recorder.codes, QList<int>{StateChange_LineMapsDeleted});
    QCOMPARE(mapSummary(), QStringList({"A/1/1", "D/4/1", "E/5/1"}));
    Set active;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("ACTIVELINEMAPS").get(active)));
    QCOMPARE(active.size(), 3);
    QVERIFY(Host::instance().undo());
    QCOMPARE(mapSummary(), InitialMaps);
    QVERIFY(Host::instance().redo());
    QCOMPARE(mapSummary(), QStringList({"A/1/1", "D/4/1", "E/5/1"}));
}

void TestKernelLineMaps::shiftToTopAndBottomKeepStyleWithTheirMaps()
{
    CodeRecorder recorder;
    const Set maps = setOf({3, 5});
    QVERIFY(VexUtilLineMapShiftToTop(maps.getRef()));
    QCOMPARE(recorder.codes, QList<int>{StateChange_LineMapsReordered});
    QCOMPARE(mapSummary(), QStringList({"C/3/0", "E/5/1", "A/1/1", "B/2/1", "D/4/1"}));
    const Set first = setOf({1});
    QVERIFY(VexUtilLineMapShiftToBottom(first.getRef()));
    QCOMPARE(mapSummary(), QStringList({"E/5/1", "A/1/1", "B/2/1", "D/4/1", "C/3/0"}));
    QVERIFY(Host::instance().undo());
    QVERIFY(Host::instance().undo());
    QCOMPARE(mapSummary(), InitialMaps);
    // Maps already at the top do not move and make no step.
    const Set top = setOf({1, 2});
    const int steps = Host::instance().undoStepCount();
    QVERIFY(VexUtilLineMapShiftToTop(top.getRef()));
    QCOMPARE(Host::instance().undoStepCount(), steps);
    QCOMPARE(mapSummary(), InitialMaps);
}

void TestKernelLineMaps::setNameRenamesEveryMapOfTheSet()
{
    CodeRecorder recorder;
    const Set maps = setOf({1, 4});
    QVERIFY(VexUtilLineMapSetName(maps.getRef(), "Flow &M#& \xc3\xa9"));
    QCOMPARE(recorder.codes, QList<int>{StateChange_LineMapName});
    QCOMPARE(rawName(1), QStringLiteral("Flow &M#& \u00e9"));
    QCOMPARE(displayName(4), QStringLiteral("Flow 4 \u00e9"));
    QCOMPARE(Host::instance().journal().last(), QStringLiteral("LINEMAP NAME objects=1,4 op=255 value=\"Flow &M#& \u00e9\""));
    QVERIFY(Host::instance().undo());
    QCOMPARE(mapSummary(), InitialMaps);
}

void TestKernelLineMaps::invalidMapsAreRefusedWithoutChange()
{
    CodeRecorder recorder;
    const Set withMissing = setOf({2, 6});
    QVERIFY(!VexUtilLineMapDelete(withMissing.getRef()));
    QVERIFY(!VexUtilLineMapShiftToTop(withMissing.getRef()));
    QVERIFY(!VexUtilLineMapSetName(withMissing.getRef(), "X"));
    QVERIFY(!VexUtilLineMapCopy(1, 6));
    QVERIFY(!VexUtilLineMapCopy(0, 1));
    QCOMPARE(mapSummary(), InitialMaps);
    QVERIFY(recorder.codes.isEmpty());
    QCOMPARE(Host::instance().undoStepCount(), 0);
}

void TestKernelLineMaps::mapOperationsInOneUndoStateAreOneStep()
{
    VexUtilUndoStateBegin(6);
    for (int source : {1, 2}) {
        QVERIFY(VexUtilLineMapCreate());
        const int created = VexUtilLineMapGetCount();
        QVERIFY(VexUtilLineMapCopy(source, created));
    }
    const Set removed = setOf({3});
    QCOMPARE(CheckedStyleValue("ACTIVELINEMAPS").set(removed, nullptr, -1, -1, AssignOp_MinusEquals),
             SetValue_DuplicateValue);
    QVERIFY(VexUtilLineMapDelete(removed.getRef()));
    VexUtilUndoStateEnd(false, true);
    QCOMPARE(mapSummary(), QStringList({"A/1/1", "B/2/1", "D/4/1", "E/5/1", "A/1/1", "B/2/1"}));
    QCOMPARE(Host::instance().undoStepCount(), 1);
    QVERIFY(Host::instance().undo());
    QCOMPARE(mapSummary(), InitialMaps);
}

void TestKernelLineMaps::dynamicCodesAreResolved_data()
{
    QTest::addColumn<int>("map");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("zone name") << 1 << "&ZN&" << "first";
    QTest::newRow("zone number") << 2 << "z&Z#&" << "z2";
    QTest::newRow("dependent") << 2 << "&DV& (&D#&)" << "Z (3)";
    QTest::newRow("independent") << 2 << "&IV& (&I#&)" << "X (1)";
    QTest::newRow("map number") << 5 << "Map &M#&" << "Map 5";
    QTest::newRow("axes") << 1 << "&X#&/&Y#&" << "1/1";
    QTest::newRow("unknown code stays") << 1 << "&QQ& &ZN" << "&QQ& &ZN";
    QTest::newRow("mixed") << 1 << "&ZN&: &DV& vs &IV&" << "first: Y vs X";
}

void TestKernelLineMaps::dynamicCodesAreResolved()
{
    QFETCH(int, map);
    QFETCH(QString, text);
    QFETCH(QString, resolved);
    char* result = nullptr;
    QVERIFY(VexAppLineMapGetIntermediateName(map, text.toUtf8().constData(), &result));
    QCOMPARE(takeString(result), resolved);

    const Set maps = setOf({map});
    QVERIFY(VexUtilLineMapSetName(maps.getRef(), text.toUtf8().constData()));
    QCOMPARE(displayName(map), resolved);
    char* forFrame = nullptr;
    QVERIFY(VexUtilLineMapGetNameForFrame(VexUtilFrameGetUniqueID(), map, &forFrame));
    QCOMPARE(takeString(forFrame), resolved);
    QCOMPARE(rawName(map), text);
}

void TestKernelLineMaps::intermediateNameNeedsAMap()
{
    char* result = reinterpret_cast<char*>(0x1);
    QVERIFY(!VexAppLineMapGetIntermediateName(9, "&M#&", &result));
    QVERIFY(result == nullptr);
    QVERIFY(VexUtilLineMapStyleGetArbValueForFrame(VexUtilFrameGetUniqueID(), 9, "NAME", nullptr, nullptr) == nullptr);
    // Other line-map settings read as text too.
    QCOMPARE(takeString(VexUtilLineMapStyleGetArbValueForFrame(VexUtilFrameGetUniqueID(), 2, "LINES", "COLOR", nullptr)),
             QStringLiteral("2"));
}

void TestKernelLineMaps::deletingHalfOfManyMapsKeepsOrder()
{
    QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("xy:100000")));
    Set odd;
    for (int map = 1; map <= 100000; map += 2)
        odd.add(map);
    QVERIFY(VexUtilLineMapDelete(odd.getRef()));
    QCOMPARE(VexUtilLineMapGetCount(), 50000);
    QCOMPARE(rawName(1), QStringLiteral("outlet 2"));
    QCOMPARE(rawName(50000), QStringLiteral("outlet 100000"));
    const Set last = setOf({50000});
    QVERIFY(VexUtilLineMapShiftToTop(last.getRef()));
    QCOMPARE(rawName(1), QStringLiteral("outlet 100000"));
    QCOMPARE(rawName(2), QStringLiteral("outlet 2"));
    QVERIFY(Host::instance().undo());
    QVERIFY(Host::instance().undo());
    QCOMPARE(VexUtilLineMapGetCount(), 100000);
    QCOMPARE(rawName(99999), QStringLiteral("inlet 99999"));
}

QTEST_MAIN(TestKernelLineMaps)
#include "tst_kernel_linemaps.moc"
