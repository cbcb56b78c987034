// Scenes of the stand-in kernel: loading JSON, finite-element connectivity, refusing malformed
// scenes, loading many frames, the demo and generated scenes, the current frame, the frame
// walk and the pick list.

#include <hostsim/Host.h>
#include <hostsim/render/FrameSnapshot.h>

#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>
#include <signals/SignalConnectionCollection.h>

#include <QElapsedTimer>
#include <QtTest>

using kestrix::hostsim::Host;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::StyleValue;

namespace {

const char* const GoodScene = R"({
  "pages": [
    { "name": "Main", "frames": [
      { "name": "Wing", "plotType": 1, "variables": ["X", "Y", "Z", "P"],
        "zones": [ { "name": "block 1", "ordered": true, "imax": 10, "jmax": 8, "kmax": 4, "volume": true },
                   { "name": "block 2", "imax": 5, "jmax": 5, "kmax": 1 },
                   { "name": "tets", "ordered": false, "nodes": 40, "elements": 90, "volume": true } ],
        "fieldMaps": [ { "zones": [1, 3] }, { "zones": [2] } ],
        "activeFieldMaps": [2],
        "style": [ { "path": ["FIELDMAP", "MESH", "COLOR"], "objects": [1], "value": 3 },
                   { "path": ["GLOBALCONTOUR", "VAR"], "offset1": 2, "value": 4 },
                   { "path": ["FIELDLAYERS", "SHOWSHADE"], "value": true } ] },
      { "name": "Lines", "plotType": 3, "variables": ["T", "U"],
        "zones": [ { "name": "probe", "imax": 3, "values": { "T": [0, 1, 2], "U": [5, 6, 7.5] } } ],
        "lineMaps": [ { "name": "&ZN&: &DV&", "zone": 1, "x": 1, "y": 2 }, { "name": "second" } ],
        "axes": { "Y1": [-2, 3] } }
    ] },
    { "frames": [ { "name": "Empty" } ] }
  ],
  "current": { "page": 1, "frame": 2 },
  "pickList": [ { "type": 21, "number": 2 }, { "type": 15, "number": 1 } ],
  "style": [ { "path": ["EXPORTSETUP", "IMAGEWIDTH"], "value": 1234 } ]
})";

// A scene that differs from the good one only where a test makes it malformed.
QByteArray malformed(const char* search, const char* replacement)
{
    QByteArray json(GoodScene);
    const int at = json.indexOf(search);
    if (at < 0)
        qFatal("search text not in the scene: %s", search);
    return json.replace(at, static_cast<int>(qstrlen(search)), replacement);
}

// A scene of `frames` small frames, each with a zone of values and a style entry.
QByteArray manyFrames(int frames)
{
    QByteArray json = "{ \"pages\": [ { \"frames\": [";
    for (int frame = 0; frame < frames; ++frame) {
        json += frame == 0 ? "" : ",";
        json += R"({ "variables": ["X", "Y"], "zones": [ { "imax": 2, "values": { "X": [0, 1], "Y": [1, 2] } } ],)"
                R"( "style": [ { "path": ["FIELDMAP", "MESH", "COLOR"], "value": 2 } ] })";
    }
    return json + "] } ] }";
}

QString frameNames()
{
    QStringList names;
    for (const Host::FrameInfo& frame : Host::instance().framesOfCurrentPage())
        names << frame.name;
    return names.join(QLatin1Char(','));
}

} // namespace

class TestKernelScenes : public QObject {
    Q_OBJECT

private slots:
    void init();

    void goodSceneLoads();
    void goodSceneFileLoads();
    void finiteElementConnectivityLoads();
    void malformedSceneIsRefusedAndPreviousKept_data();
    void malformedSceneIsRefusedAndPreviousKept();
    void missingFileIsRefused();
    void manyFramesLoadInLinearTime();
    void demoSceneHasTheFourKindsOfFrames();
    void generatedScenes_data();
    void generatedScenes();
    void generatedSceneSpecificationIsChecked();
    void currentFrameChangeIsAnnounced();
    void lightweightWalkVisitsEveryFrameAndRestores();
    void pickListReportsZonesAndLineMaps();
    void clearedSceneHasNoFrame();
};

void TestKernelScenes::init()
{
    Host::instance().loadDemoScene();
}

void TestKernelScenes::goodSceneLoads()
{
    QList<int> codes;
    kestrix::signalling::SignalConnectionCollection connections;
    connections.add(kestrix::sdk::integration::StateChangeEventObservable::getInstance().connect(
        [&codes](const kestrix::toolbox::StateChangeEventInterface& event) { codes << event.getStateChange(); }));
    QSignalSpy sceneChanged(&Host::instance(), &Host::sceneChanged);
    QString error;
    QVERIFY2(Host::instance().loadSceneJson(GoodScene, &error), qPrintable(error));
    // A new scene also brings a new current frame.
    QCOMPARE(codes, (QList<int>{StateChange_CompleteReset, StateChange_CurrentFrame}));
    QCOMPARE(sceneChanged.count(), 1);

    QCOMPARE(Host::instance().pageCount(), 2);
    QCOMPARE(Host::instance().currentPage(), 1);
    QCOMPARE(Host::instance().currentFrame(), 2);
    const QList<Host::FrameInfo> frames = Host::instance().framesOfCurrentPage();
    QCOMPARE(frames.size(), 2);
    QCOMPARE(frames[0].name, QStringLiteral("Wing"));
    QCOMPARE(frames[0].plotType, 1);
    QCOMPARE(frames[0].zoneCount, 3);
    QCOMPARE(frames[0].fieldMapCount, 2);
    QCOMPARE(frames[1].lineMapCount, 2);
    QVERIFY(frames[0].uniqueId != frames[1].uniqueId);

    const auto wing = static_cast<UniqueID_t>(frames[0].uniqueId);
    QVERIFY(VexUtilFieldMapHasVolumeZonesForFrame(wing, 1));
    QVERIFY(!VexUtilFieldMapHasVolumeZonesForFrame(wing, 2));
    QVERIFY(VexUtilFieldMapHasIJKOrderedZonesForFrame(wing, 1));
    QVERIFY(!VexUtilFieldMapHasIJKOrderedZonesForFrame(wing, 2));
    QVERIFY(VexUtilFieldMapHasOrderedZonesForFrame(wing, 2));
    QCOMPARE(VexUtilFieldMapGetModeForFrame(wing, 1), 0);
    QCOMPARE(VexUtilFieldMapGetModeForFrame(wing, 2), 1);
    QCOMPARE(VexUtilFieldMapGetCandidateZoneForFrame(wing, 1), 1);
    QCOMPARE(VexUtilFieldMapIsActiveForFrame(wing, 1), 0);
    QCOMPARE(VexUtilFieldMapIsActiveForFrame(wing, 2), 1);
    QVERIFY(VexUtilFieldLayerIsActiveForFrame(wing, "SHOWSHADE"));
    QVERIFY(!VexUtilFieldLayerIsActiveForFrame(wing, "SHOWVECTOR"));
    QVERIFY(!VexUtilFieldLayerIsActiveForFrame(wing, "NOSUCHLAYER"));
    LgIndex_t i = 0, j = 0, k = 0;
    VexUtilZoneGetInfoForFrame(wing, 1, &i, &j, &k);
    QCOMPARE(QList<long>({i, j, k}), QList<long>({10, 8, 4}));
    QVERIFY(!VexUtilZoneIsOrderedForFrame(wing, 3));

    long color = 0;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").get(color, 1)));
    QCOMPARE(color, 0L); // the current frame is "Lines": it has a field map of its own
    QVERIFY(Host::instance().setCurrentFrame(1));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").get(color, 1)));
    QCOMPARE(color, 3L);
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("GLOBALCONTOUR", "VAR").get(color, 2)));
    QCOMPARE(color, 4L);
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("EXPORTSETUP", "IMAGEWIDTH").get(color)));
    QCOMPARE(color, 1234L);

    QVERIFY(Host::instance().setCurrentFrame(2));
    double minimum = 0.0, maximum = 0.0;
    VexUtilAxisGetRange('Y', 1, &minimum, &maximum);
    QCOMPARE(minimum, -2.0);
    QCOMPARE(maximum, 3.0);
    char* name = nullptr;
    QVERIFY(VexUtilLineMapGetName(1, &name));
    QCOMPARE(QByteArray(name), QByteArray("probe: U"));
    VexUtilStringDealloc(&name);
    QVERIFY(Host::instance().setCurrentPage(2));
    QVERIFY(!VexUtilDataSetIsAvailable());
    QCOMPARE(frameNames(), QStringLiteral("Empty"));
}

void TestKernelScenes::goodSceneFileLoads()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = directory.filePath(QStringLiteral("scene.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(GoodScene);
    file.close();
    QString error;
    QVERIFY2(Host::instance().loadSceneFile(path, &error), qPrintable(error));
    QCOMPARE(frameNames(), QStringLiteral("Wing,Lines"));
}

void TestKernelScenes::finiteElementConnectivityLoads()
{
    const char* json = R"({ "pages": [ { "frames": [ { "plotType": 2, "variables": ["X", "Y"], "zones": [
        { "name": "mixed", "ordered": false, "nodes": 5, "elements": 2, "connectivity": [[1, 2, 3, 4], [2, 5, 3]] },
        { "name": "triangles", "ordered": false, "nodes": 4, "elements": 2, "connectivity": [[1, 2, 3], [1, 3, 4]] },
        { "name": "tets", "ordered": false, "nodes": 5, "elements": 2, "volume": true,
          "connectivity": [[1, 2, 3, 4], [2, 3, 4, 5]] },
        { "name": "brick", "ordered": false, "nodes": 8, "elements": 1, "volume": true,
          "connectivity": [[1, 2, 3, 4, 5, 6, 7, 8]] },
        { "name": "none", "ordered": false, "nodes": 3, "elements": 1 } ] } ] } ] })";
    QString error;
    QVERIFY2(Host::instance().loadSceneJson(json, &error), qPrintable(error));
    const UniqueID_t frame = VexUtilFrameGetUniqueID();
    // Nodes per element: that of the largest element, a triangle among quadrilaterals
    // counting as a quadrilateral; without connectivity 3 for surface and 4 for volume zones.
    const QList<QList<long>> expected = {{5, 2, 4}, {4, 2, 3}, {5, 2, 4}, {8, 1, 8}, {3, 1, 3}};
    for (int zone = 1; zone <= 5; ++zone) {
        LgIndex_t i = 0, j = 0, k = 0;
        VexUtilZoneGetInfoForFrame(frame, zone, &i, &j, &k);
        QCOMPARE(QList<long>({i, j, k}), expected[zone - 1]);
        QVERIFY(!VexUtilZoneIsOrderedForFrame(frame, zone));
    }
}

void TestKernelScenes::malformedSceneIsRefusedAndPreviousKept_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("expectedError");

    QTest::newRow("bad JSON") << malformed("\"current\": {", "\"current\" {")
                              << "line 20, column 14: missing name separator";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << "scene: expected a JSON object";
    QTest::newRow("no pages") << QByteArray("{}") << "pages: missing";
    QTest::newRow("unknown key") << malformed("\"plotType\": 3", "\"plotTyp\": 3")
                                 << "pages[0].frames[1].plotTyp: unknown key";
    QTest::newRow("wrong type") << malformed(
        "\"jmax\": 8",
        "\"jmax\": \"8\"") << "pages[0].frames[0].zones[0].jmax: expected an integer from 1 to 100000000, got \"8\"";
    QTest::newRow("zero size") << malformed("\"imax\": 5", "\"imax\": 0")
                               << "pages[0].frames[0].zones[1].imax: expected an integer from 1 to 100000000, got 0";
    QTest::newRow("too many nodes")
        << malformed("\"imax\": 10, \"jmax\": 8, \"kmax\": 4",
                     "\"imax\": 100000000, \"jmax\": 100000000, \"kmax\": 100000000")
        << "pages[0].frames[0].zones[0]: expected at most 100000000 nodes (imax x jmax x kmax), got 100000000 x "
           "100000000 x 100000000";
    QTest::newRow("flat volume")
        << malformed("\"kmax\": 1 }", "\"kmax\": 1, \"volume\": true }")
        << "pages[0].frames[0].zones[1].volume: an ordered volume zone needs imax, jmax and kmax above 1";
    QTest::newRow("zone out of range") << malformed(
        "\"zones\": [2]",
        "\"zones\": [4]") << "pages[0].frames[0].fieldMaps[1].zones[0]: zone 4 does not exist (there are 3)";
    QTest::newRow("zone in two maps") << malformed(
        "\"zones\": [2]",
        "\"zones\": [3, 2]") << "pages[0].frames[0].fieldMaps[1].zones[0]: zone 3 already belongs to field map 1";
    QTest::newRow("zone in no map") << malformed("{ \"zones\": [1, 3] }, ", "")
                                    << "pages[0].frames[0].fieldMaps: zone 1 belongs to no field map";
    QTest::newRow("line map zone") << malformed("\"zone\": 1, \"x\": 1", "\"zone\": 2, \"x\": 1")
                                   << "pages[0].frames[1].lineMaps[0].zone: zone 2 does not exist (there are 1)";
    QTest::newRow("line map variable") << malformed("\"y\": 2", "\"y\": 3")
                                       << "pages[0].frames[1].lineMaps[0].y: variable 3 does not exist (there are 2)";
    QTest::newRow("value count") << malformed("[5, 6, 7.5]", "[5, 6]")
                                 << "pages[0].frames[1].zones[0].values.U: expected 3 values (one per node), got 2";
    QTest::newRow("style value out of range")
        << malformed("\"objects\": [1], \"value\": 3", "\"objects\": [1], \"value\": 64")
        << "pages[0].frames[0].style[0].value: value out of range for FIELDMAP MESH COLOR";
    QTest::newRow("style value type")
        << malformed("\"objects\": [1], \"value\": 3", "\"objects\": [1], \"value\": \"red\"")
        << "pages[0].frames[0].style[0].value: value of the wrong type for FIELDMAP MESH COLOR";
    QTest::newRow("style object") << malformed("\"objects\": [1]", "\"objects\": [3]")
                                  << "pages[0].frames[0].style[0].objects[0]: field map 3 does not exist (there are 2)";
    QTest::newRow("style offset") << malformed("\"offset1\": 2", "\"offset1\": 9")
                                  << "pages[0].frames[0].style[1].offset1: offsets not valid for GLOBALCONTOUR VAR";
    QTest::newRow("style variable")
        << malformed("\"offset1\": 2, \"value\": 4", "\"offset1\": 2, \"value\": 5")
        << "pages[0].frames[0].style[1].value: no such variable, zone or map for GLOBALCONTOUR VAR";
    QTest::newRow("unknown style path") << malformed(
        "\"SHOWSHADE\"",
        "\"SHOWSHADOW\"") << "pages[0].frames[0].style[2].path: unknown style path \"FIELDLAYERS SHOWSHADOW\"";
    QTest::newRow("application setting in a frame")
        << malformed("[\"FIELDLAYERS\", \"SHOWSHADE\"]", "[\"INTERFACE\", \"USEOFFSCREENBITMAP\"]")
        << "pages[0].frames[0].style[2].path: INTERFACE USEOFFSCREENBITMAP is an application setting";
    QTest::newRow("current frame") << malformed("\"frame\": 2", "\"frame\": 3")
                                   << "current.frame: expected an integer from 1 to 2, got 3";
    QTest::newRow("pick type") << malformed("\"type\": 21", "\"type\": 22")
                               << "pickList[0].type: expected 15 (zone) or 21 (line map)";
    QTest::newRow("pick number") << malformed("\"number\": 2 }", "\"number\": 3 }")
                                 << "pickList[0].number: line map 3 does not exist in the current frame (there are 2)";
    const char* tets = "\"nodes\": 40, \"elements\": 90, \"volume\": true";
    QTest::newRow("connectivity count")
        << malformed(tets, "\"nodes\": 40, \"elements\": 2, \"volume\": true, \"connectivity\": [[1, 2, 3, 4]]")
        << "pages[0].frames[0].zones[2].connectivity: expected 2 elements (the zone's element count), got 1";
    QTest::newRow("connectivity element")
        << malformed(tets, "\"nodes\": 40, \"elements\": 2, \"volume\": true, \"connectivity\": [[1, 2, 3, 4], 7]")
        << "pages[0].frames[0].zones[2].connectivity[1]: expected an array, got 7";
    QTest::newRow("volume element size") << malformed(
        tets, "\"nodes\": 40, \"elements\": 2, \"volume\": true, \"connectivity\": [[1, 2, 3, 4], [1, 2, 3]]")
                                         << "pages[0].frames[0].zones[2].connectivity[1]: a volume element has 4 nodes "
                                            "(tetrahedron) or 8 (brick), got 3";
    QTest::newRow("surface element size")
        << malformed(tets, "\"nodes\": 40, \"elements\": 1, \"connectivity\": [[1, 2, 3, 4, 5]]")
        << "pages[0].frames[0].zones[2].connectivity[0]: a surface element has 3 nodes (triangle) or 4 "
           "(quadrilateral), got 5";
    QTest::newRow("mixed volume elements")
        << malformed(tets, "\"nodes\": 40, \"elements\": 2, \"volume\": true, \"connectivity\": [[1, 2, 3, 4], [1, 2, "
                           "3, 4, 5, 6, 7, 8]]")
        << "pages[0].frames[0].zones[2].connectivity[1]: tetrahedra and bricks cannot be mixed in one zone";
    QTest::newRow("connectivity node")
        << malformed(tets, "\"nodes\": 40, \"elements\": 1, \"volume\": true, \"connectivity\": [[1, 2, 41, 4]]")
        << "pages[0].frames[0].zones[2].connectivity[0][2]: expected an integer from 1 to 40, got 41";
    QTest::newRow("connectivity of an ordered zone")
        << malformed("\"imax\": 5, \"jmax\": 5", "\"imax\": 5, \"jmax\": 5, \"connectivity\": []")
        << "pages[0].frames[0].zones[1].connectivity: unknown key";
    QTest::newRow("data without variables") << malformed("\"name\": \"Empty\"", "\"name\": \"Empty\", \"zones\": []")
                                            << "pages[1].frames[0].zones: a frame without variables has no data set";
}

void TestKernelScenes::malformedSceneIsRefusedAndPreviousKept()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, expectedError);
    const QString before = frameNames();
    QCOMPARE(before, QStringLiteral("Wing,Section,Pressure,Polar"));
    const UniqueID_t frameBefore = VexUtilFrameGetUniqueID();
    QList<int> codes;
    kestrix::signalling::SignalConnectionCollection connections;
    connections.add(kestrix::sdk::integration::StateChangeEventObservable::getInstance().connect(
        [&codes](const kestrix::toolbox::StateChangeEventInterface& event) { codes << event.getStateChange(); }));

    QString error;
    QVERIFY(!Host::instance().loadSceneJson(json, &error));
    QVERIFY2(error.startsWith(expectedError), qPrintable(error));
    QCOMPARE(frameNames(), before);
    QCOMPARE(VexUtilFrameGetUniqueID(), frameBefore);
    QVERIFY(codes.isEmpty());
    long color = 0;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").get(color, 1)));
    QCOMPARE(color, 3L);
}

void TestKernelScenes::missingFileIsRefused()
{
    QString error;
    QVERIFY(!Host::instance().loadSceneFile(QStringLiteral("/nonexistent/scene.json"), &error));
    QVERIFY(error.startsWith(QStringLiteral("/nonexistent/scene.json: ")));
    QCOMPARE(frameNames(), QStringLiteral("Wing,Section,Pressure,Polar"));
}

void TestKernelScenes::manyFramesLoadInLinearTime()
{
    // Eight times the frames take about eight times as long; a load that indexed all frames
    // again for every frame took some sixty times as long.
    const QByteArray few = manyFrames(2000);
    const QByteArray many = manyFrames(16000);
    QString error;
    QElapsedTimer timer;
    timer.start();
    QVERIFY2(Host::instance().loadSceneJson(few, &error), qPrintable(error));
    const qint64 fewMs = timer.restart();
    QVERIFY2(Host::instance().loadSceneJson(many, &error), qPrintable(error));
    const qint64 manyMs = timer.elapsed();
    QCOMPARE(Host::instance().framesOfCurrentPage().size(), 16000);
    QVERIFY2(manyMs < 16 * fewMs + 500, qPrintable(QStringLiteral("%1 ms, then %2 ms").arg(fewMs).arg(manyMs)));
    // Every frame is found by its id, the last one too.
    QVERIFY(Host::instance().setCurrentFrame(16000));
    long color = 0;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "COLOR").get(color, 1)));
    QCOMPARE(color, 2L);
}

void TestKernelScenes::demoSceneHasTheFourKindsOfFrames()
{
    const QList<Host::FrameInfo> frames = Host::instance().framesOfCurrentPage();
    QCOMPARE(frames.size(), 4);
    QCOMPARE(frames[0].plotType, int(PlotType_Cartesian3D));
    QCOMPARE(frames[1].plotType, int(PlotType_Cartesian2D));
    QCOMPARE(frames[2].plotType, int(PlotType_XYLine));
    QCOMPARE(frames[3].plotType, int(PlotType_PolarLine));
    const auto wing = static_cast<UniqueID_t>(frames[0].uniqueId);
    int inactive = 0;
    bool volume = false;
    bool surface = false;
    for (int map = 1; map <= VexUtilFieldMapGetCountForFrame(wing); ++map) {
        inactive += VexUtilFieldMapIsActiveForFrame(wing, map) == 0 ? 1 : 0;
        (VexUtilFieldMapHasVolumeZonesForFrame(wing, map) ? volume : surface) = true;
    }
    QCOMPARE(inactive, 1);
    QVERIFY(volume && surface);
    QVERIFY(Host::instance().setCurrentFrame(3));
    char* name = nullptr;
    QVERIFY(VexUtilLineMapGetName(1, &name));
    QCOMPARE(QByteArray(name), QByteArray("upper surface: Cp"));
    VexUtilStringDealloc(&name);
}

void TestKernelScenes::generatedScenes_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("plotType");
    QTest::newRow("field3d") << "field3d:1000" << int(PlotType_Cartesian3D);
    QTest::newRow("field2d") << "field2d:1000" << int(PlotType_Cartesian2D);
    QTest::newRow("xy") << "xy:1000" << int(PlotType_XYLine);
    QTest::newRow("polar") << "polar:1000" << int(PlotType_PolarLine);
}

void TestKernelScenes::generatedScenes()
{
    QFETCH(QString, description);
    QFETCH(int, plotType);
    QString error;
    QVERIFY2(Host::instance().loadGeneratedScene(description, &error), qPrintable(error));
    const QList<Host::FrameInfo> frames = Host::instance().framesOfCurrentPage();
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames[0].plotType, plotType);
    const UniqueID_t frame = VexUtilFrameGetUniqueID();
    const bool field = plotType == PlotType_Cartesian3D || plotType == PlotType_Cartesian2D;
    QCOMPARE(field ? VexUtilFieldMapGetCountForFrame(frame) : VexUtilLineMapGetCountForFrame(frame), 1000);
    for (int map : {1, 2, 999, 1000}) {
        char* name = nullptr;
        if (field) {
            QVERIFY(VexUtilZoneGetNameForFrame(frame, VexUtilFieldMapGetCandidateZoneForFrame(frame, map), &name));
            long group = 0;
            QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "GROUP").get(group, map)));
            QCOMPARE(group, map % 2 == 1 ? 1L : 2L);
        } else {
            QVERIFY(VexUtilLineMapGetName(map, &name));
        }
        QCOMPARE(QString::fromUtf8(name),
                 (map % 2 == 1 ? QStringLiteral("inlet %1") : QStringLiteral("outlet %1")).arg(map));
        VexUtilStringDealloc(&name);
    }
    // Every zone carries coordinates to be drawn from: X and Y (Theta and R), Z in 3D, and P
    // in field scenes; line zones have 50 points.
    const std::shared_ptr<const kestrix::hostsim::render::FrameSnapshot> snapshot =
        kestrix::hostsim::render::FrameSnapshot::capture();
    QVERIFY(snapshot);
    QList<int> given = {1, 2};
    if (field)
        given << 4;
    if (plotType == PlotType_Cartesian3D)
        given << 3;
    for (int zone : {1, 2, 3, 500, 1000}) {
        LgIndex_t i = 0, j = 0, k = 0;
        VexUtilZoneGetInfoForFrame(frame, zone, &i, &j, &k);
        const long nodes = VexUtilZoneIsOrderedForFrame(frame, zone) ? i * j * k : i;
        if (!field)
            QCOMPARE(nodes, 50L);
        for (int variable : given) {
            const std::vector<double>* values = snapshot->values(zone, variable);
            QVERIFY2(values && static_cast<long>(values->size()) == nodes,
                     qPrintable(QStringLiteral("zone %1, variable %2").arg(zone).arg(variable)));
        }
        if (plotType == PlotType_Cartesian2D)
            QVERIFY(!snapshot->values(zone, 3));
    }
}

void TestKernelScenes::generatedSceneSpecificationIsChecked()
{
    // Counts run from 1 to 1000000.
    for (const char* description :
         {"field4d:10", "xy", "xy:", "xy:-3", "xy:ten", "xy:99999999", "xy:0", "polar:1000001", "field3d:1000001"}) {
        QString error;
        QVERIFY2(!Host::instance().loadGeneratedScene(QString::fromLatin1(description), &error), description);
        QVERIFY(!error.isEmpty());
        QCOMPARE(frameNames(), QStringLiteral("Wing,Section,Pressure,Polar"));
    }
}

void TestKernelScenes::currentFrameChangeIsAnnounced()
{
    QList<int> codes;
    kestrix::signalling::SignalConnectionCollection connections;
    connections.add(kestrix::sdk::integration::StateChangeEventObservable::getInstance().connect(
        [&codes](const kestrix::toolbox::StateChangeEventInterface& event) { codes << event.getStateChange(); }));
    const UniqueID_t first = VexUtilFrameGetUniqueID();
    QVERIFY(Host::instance().setCurrentFrame(3));
    QCOMPARE(codes, QList<int>{StateChange_CurrentFrame});
    QVERIFY(VexUtilFrameGetUniqueID() != first);
    QCOMPARE(VexUtilFrameGetPlotType(), PlotType_XYLine);
    QVERIFY(Host::instance().setCurrentFrame(3));
    QVERIFY(!Host::instance().setCurrentFrame(5));
    QVERIFY(!Host::instance().setCurrentPage(2));
    QCOMPARE(codes.size(), 1);
}

void TestKernelScenes::lightweightWalkVisitsEveryFrameAndRestores()
{
    QVERIFY(Host::instance().setCurrentFrame(2));
    QList<int> plotTypes;
    VexUtilFrameLightweightPopStart();
    while (VexUtilFrameLightweightPopNext())
        plotTypes << VexUtilFrameGetPlotType();
    VexUtilFrameLightweightPopEnd();
    QCOMPARE(plotTypes, QList<int>({1, 2, 3, 5}));
    QCOMPARE(Host::instance().currentFrame(), 2);

    // A walk that stops early is ended all the same.
    VexUtilFrameLightweightPopStart();
    QCOMPARE(VexUtilFrameGetPlotType(), PlotType_Cartesian3D);
    VexUtilFrameLightweightPopEnd();
    QCOMPARE(Host::instance().currentFrame(), 2);
}

void TestKernelScenes::pickListReportsZonesAndLineMaps()
{
    QString error;
    QVERIFY2(Host::instance().loadSceneJson(GoodScene, &error), qPrintable(error));
    QCOMPARE(VexUtilPickListGetCount(), 2);
    QCOMPARE(VexUtilPickListGetType(1), PickObjects_LineMapping);
    QCOMPARE(VexUtilPickListGetLineMapNumber(1), 2);
    QCOMPARE(VexUtilPickListGetZoneNumber(1), 0);
    QCOMPARE(VexUtilPickListGetType(2), PickObjects_Zone);
    QCOMPARE(VexUtilPickListGetZoneNumber(2), 1);
    QCOMPARE(VexUtilPickListGetType(3), PickObjects_None);

    Host::instance().setPickList({{15, 3}, {15, 2}});
    QCOMPARE(VexUtilPickListGetCount(), 2);
    QVERIFY(Host::instance().setCurrentFrame(1));
    QCOMPARE(VexUtilZoneGetFieldMap(VexUtilPickListGetZoneNumber(1)), 1);
    QCOMPARE(VexUtilZoneGetFieldMap(VexUtilPickListGetZoneNumber(2)), 2);
    Host::instance().loadDemoScene();
    QCOMPARE(VexUtilPickListGetCount(), 0);
}

void TestKernelScenes::clearedSceneHasNoFrame()
{
    Host::instance().clearScene();
    QCOMPARE(Host::instance().pageCount(), 0);
    QCOMPARE(VexUtilPageGetCount(), 0);
    QCOMPARE(VexUtilFrameGetCount(), 0);
    QVERIFY(!VexUtilDataSetIsAvailable());
    QCOMPARE(VexUtilLineMapGetCount(), 0);
    QCOMPARE(VexUtilFrameGetPlotType(), PlotType_Sketch);
    VexUtilFrameLightweightPopStart();
    QVERIFY(!VexUtilFrameLightweightPopNext());
    VexUtilFrameLightweightPopEnd();
    QVERIFY(!VexUtilLineMapCreate());
}

QTEST_MAIN(TestKernelScenes)
#include "tst_kernel_scenes.moc"
