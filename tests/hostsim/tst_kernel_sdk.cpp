// The SDK's common functions, the kernel's utilities and its sets, string and argument lists.

#include <hostsim/Host.h>

#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/FrameStyleValue.h>
#include <kxtoolbox/Set.h>
#include <kxtoolbox/StringList.h>

#include <QtTest>

#include <cstring>

using kestrix::hostsim::Host;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::FrameStyleValue;
using kestrix::toolbox::Set;
using kestrix::toolbox::StringList;
using kestrix::toolbox::StyleValue;

namespace {

QList<int> members(const Set& set)
{
    QList<int> result;
    for (int member = set.getNextMember(0); member != 0; member = set.getNextMember(member))
        result << member;
    return result;
}

UniqueID_t frameId(int frame)
{
    return static_cast<UniqueID_t>(Host::instance().framesOfCurrentPage().at(frame - 1).uniqueId);
}

long scatterVariable()
{
    long var = -1;
    CheckedStyleValue("GLOBALSCATTER", "VAR").get(var);
    return var;
}

} // namespace

class TestKernelSdk : public QObject {
    Q_OBJECT

private slots:
    void init();

    void activeZonesFollowActiveFieldMaps();
    void enabledVariablesFollowTheScene();
    void volumeZonesAndInvalidVariables();
    void scatterVariableIsAssignedOnlyWhenUnset();
    void rgbChannelVariablesAreCheckedForTheirFrame();
    void displayNames();
    void basicColors();
    void unitConversionsRoundTrip();
    void pointsFollowTheFramesHeight();
    void defaultExportWidthFollowsTheRegion();
    void fontsAndTheirSorting();

    void kernelSetSortsLazily();
    void setWrapperCopiesAndMoves();
    void stringListKeepsOrder();
    void keywordIdentifiers();
};

void TestKernelSdk::init()
{
    Host::instance().loadDemoScene();
}

void TestKernelSdk::activeZonesFollowActiveFieldMaps()
{
    // Map 1 holds zones 1 and 2; map 5 (zone 6) is inactive.
    QCOMPARE(members(kestrix::sdk::getActiveZones()), QList<int>({1, 2, 3, 4, 5}));
    Set off;
    off.add(1);
    QCOMPARE(CheckedStyleValue("ACTIVEFIELDMAPS").set(off, nullptr, -1, -1, AssignOp_MinusEquals), SetValue_Ok);
    QCOMPARE(members(kestrix::sdk::getActiveZones()), QList<int>({3, 4, 5}));
}

void TestKernelSdk::enabledVariablesFollowTheScene()
{
    QCOMPARE(members(kestrix::sdk::getEnabledVars()), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    QString error;
    QVERIFY2(Host::instance().loadSceneJson(R"({ "pages": [ { "frames": [ { "variables": ["A", "B", "C", "D"],
        "zones": [ { "imax": 2 }, { "imax": 3 } ], "enabledVariables": [2, 4], "enabledZones": [2] } ] } ] })",
                                            &error),
             qPrintable(error));
    QCOMPARE(members(kestrix::sdk::getEnabledVars()), QList<int>({2, 4}));
    Set_pa zones = nullptr;
    QVERIFY(VexUtilZoneGetEnabled(&zones));
    QCOMPARE(members(Set(zones)), QList<int>({2}));
    QCOMPARE(members(kestrix::sdk::getActiveZones()), QList<int>({2}));
    Host::instance().clearScene();
    Set_pa none = nullptr;
    QVERIFY(!VexUtilVarGetEnabled(&none));
    QVERIFY(none == nullptr);
}

void TestKernelSdk::volumeZonesAndInvalidVariables()
{
    QVERIFY(kestrix::sdk::isVolumeZone(1));
    QVERIFY(!kestrix::sdk::isVolumeZone(3));
    QVERIFY(kestrix::sdk::isVolumeZone(4));
    QVERIFY(!kestrix::sdk::isVolumeZone(5));
    QVERIFY(!kestrix::sdk::isVolumeZone(99));
    QVERIFY(kestrix::sdk::varIsInvalid(0));
    QVERIFY(!kestrix::sdk::varIsInvalid(1));
    QVERIFY(!kestrix::sdk::varIsInvalid(7));
    QVERIFY(kestrix::sdk::varIsInvalid(8));
}

void TestKernelSdk::scatterVariableIsAssignedOnlyWhenUnset()
{
    QCOMPARE(scatterVariable(), 0L);
    kestrix::sdk::autoAssignScatterVariable();
    QCOMPARE(scatterVariable(), 1L);
    QCOMPARE(CheckedStyleValue("GLOBALSCATTER", "VAR").set(4), SetValue_Ok);
    kestrix::sdk::autoAssignScatterVariable();
    QCOMPARE(scatterVariable(), 4L);

    QString error;
    QVERIFY2(Host::instance().loadSceneJson(R"({ "pages": [ { "frames": [ { "variables": ["A", "B", "C"],
        "zones": [ { "imax": 2 } ], "enabledVariables": [3] } ] } ] })",
                                            &error),
             qPrintable(error));
    kestrix::sdk::autoAssignScatterVariable();
    QCOMPARE(scatterVariable(), 3L);
}

void TestKernelSdk::rgbChannelVariablesAreCheckedForTheirFrame()
{
    const UniqueID_t wing = frameId(1);
    const UniqueID_t section = frameId(2);
    QVERIFY(Host::instance().setCurrentFrame(2));
    QVERIFY(kestrix::sdk::checkRGBChannelVars(FrameStyleValue(wing, "GLOBALRGB")));
    QVERIFY(!kestrix::sdk::checkRGBChannelVars(FrameStyleValue(section, "GLOBALRGB")));
    QVERIFY(!kestrix::sdk::checkRGBChannelVars(CheckedStyleValue("GLOBALRGB")));
    QVERIFY(Host::instance().setCurrentFrame(1));
    QVERIFY(kestrix::sdk::checkRGBChannelVars(CheckedStyleValue("GLOBALRGB")));
    QCOMPARE(CheckedStyleValue("GLOBALRGB", "BLUECHANNELVAR").set(0), SetValue_Ok);
    QVERIFY(!kestrix::sdk::checkRGBChannelVars(CheckedStyleValue("GLOBALRGB")));
}

void TestKernelSdk::displayNames()
{
    const UniqueID_t wing = frameId(1);
    const UniqueID_t pressure = frameId(3);
    QCOMPARE(kestrix::sdk::zoneNameWithIndexFormattedForFrame(wing, 4), std::string("4: tet mesh"));
    QCOMPARE(kestrix::sdk::zoneNameWithIndexFormattedForFrame(wing, 7), std::string());
    QCOMPARE(kestrix::sdk::variableNameFormattedForAliases(4), std::string("P"));
    QCOMPARE(kestrix::sdk::variableNameFormattedForAliasesForFrame(pressure, 2), std::string("Cp"));
    QCOMPARE(kestrix::sdk::variableNameWithIndexFormattedForAliasesForFrame(pressure, 3), std::string("3: Cf"));
    QCOMPARE(kestrix::sdk::variableNameWithIndexFormattedForAliasesForFrame(pressure, 4), std::string());
}

void TestKernelSdk::basicColors()
{
    unsigned char red = 1, green = 1, blue = 1;
    QVERIFY(VexUtilColorMapGetBasicColorRGB(0, &red, &green, &blue));
    QCOMPARE(QList<int>({red, green, blue}), QList<int>({0, 0, 0}));
    QVERIFY(VexUtilColorMapGetBasicColorRGB(1, &red, &green, &blue));
    QCOMPARE(QList<int>({red, green, blue}), QList<int>({255, 0, 0}));
    QVERIFY(VexUtilColorMapGetBasicColorRGB(7, &red, &green, &blue));
    QCOMPARE(QList<int>({red, green, blue}), QList<int>({255, 255, 255}));
    QSet<QRgb> distinct;
    for (int color = 0; color < 64; ++color) {
        QVERIFY(VexUtilColorMapGetBasicColorRGB(color, &red, &green, &blue));
        distinct.insert(qRgb(red, green, blue));
    }
    QCOMPARE(distinct.size(), 64);
    QVERIFY(!VexUtilColorMapGetBasicColorRGB(64, &red, &green, &blue));
    QVERIFY(!VexUtilColorMapGetBasicColorRGB(-1, &red, &green, &blue));
}

void TestKernelSdk::unitConversionsRoundTrip()
{
    // Points count in hundredths in conversions: 432 points (43200) are the frame's height.
    QCOMPARE(VexUtilConvertUnits(Units_Point, Units_Frame, 43200.0), 100.0);
    QCOMPARE(VexUtilConvertUnits(Units_Frame, Units_Point, 100.0), 43200.0);
    // Axis percent measures along the y axis, which takes 80 % of the frame's height.
    QCOMPARE(VexUtilConvertUnits(Units_AxisPercentage, Units_Frame, 50.0), 40.0);
    QVERIFY(Host::instance().setCurrentFrame(3));
    // The y axis of the pressure frame spans 2.5 grid units over 80 % of the frame.
    QCOMPARE(VexUtilConvertUnits(Units_Grid, Units_Frame, 1.25), 40.0);
    QCOMPARE(VexUtilConvertUnits(Units_Grid, Units_AxisPercentage, 1.25), 50.0);
    for (Units_e from : {Units_Grid, Units_Frame, Units_Point, Units_Screen, Units_AxisPercentage}) {
        for (Units_e to : {Units_Grid, Units_Frame, Units_Point, Units_Screen, Units_AxisPercentage}) {
            const double there = VexUtilConvertUnits(from, to, 12.5);
            QVERIFY(qFuzzyCompare(VexUtilConvertUnits(to, from, there), 12.5));
        }
    }
}

void TestKernelSdk::pointsFollowTheFramesHeight()
{
    QVERIFY(Host::instance().loadSceneJson(QByteArrayLiteral(R"({ "pages": [ { "frames": [
        { "name": "tall", "plotType": 3, "height": 12 }, { "name": "default", "plotType": 3 } ] } ] })")));
    // 864 points are the 12 inches of the first frame.
    QCOMPARE(VexUtilConvertUnits(Units_Point, Units_Frame, 86400.0), 100.0);
    QVERIFY(Host::instance().setCurrentFrame(2));
    QCOMPARE(VexUtilConvertUnits(Units_Point, Units_Frame, 43200.0), 100.0);
    QString error;
    QVERIFY(!Host::instance().loadSceneJson(
        QByteArrayLiteral(R"({ "pages": [ { "frames": [ { "width": 0 } ] } ] })"), &error));
    QVERIFY2(error.contains(QStringLiteral("width")), qPrintable(error));
}

void TestKernelSdk::defaultExportWidthFollowsTheRegion()
{
    // 100 pixels per inch: the demo's 9-inch frames, side by side on the page, and the
    // 11-inch landscape work area.
    const int frameWidth = VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 0);
    QCOMPARE(frameWidth, 900);
    QVERIFY(VexUtilGetDefaultExportImageWidth(ExportFormat_JPEG, 1) > frameWidth);
    QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_EPS, 2), 1100);
    QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 3), 0);
    Host::instance().clearScene();
    QCOMPARE(VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 0), 0);
}

void TestKernelSdk::fontsAndTheirSorting()
{
    StringList fonts;
    VexAppGetFontNameList(fonts.getRef());
    QVERIFY(fonts.size() >= 3);
    fonts.sort(nullptr, nullptr);
    for (int i = 2; i <= fonts.size(); ++i)
        QVERIFY(std::strcmp(fonts.getStringRef(i - 1), fonts.getStringRef(i)) < 0);
    fonts.sort([](const char* a, const char* b, void*) { return std::strcmp(b, a); }, nullptr);
    QVERIFY(std::strcmp(fonts.getStringRef(1), fonts.getStringRef(2)) > 0);

    char* family = nullptr;
    QVERIFY(VexAppGetDefaultFontFamily(&family));
    bool listed = false;
    for (int i = 1; i <= fonts.size(); ++i)
        listed = listed || std::strcmp(fonts.getStringRef(i), family) == 0;
    QVERIFY(listed);
    VexUtilStringDealloc(&family);
    QVERIFY(family == nullptr);
}

void TestKernelSdk::kernelSetSortsLazily()
{
    Set_pa set = VexUtilSetAlloc(true);
    for (int member : {9, 3, 5, 3, 12})
        QVERIFY(VexUtilSetAddMember(set, member, true));
    QVERIFY(!VexUtilSetAddMember(set, 0, true));
    QCOMPARE(VexUtilSetGetMemberCount(set), 4);
    QCOMPARE(VexUtilSetGetMember(set, 1), 3);
    QCOMPARE(VexUtilSetGetMember(set, 4), 12);
    QCOMPARE(VexUtilSetGetMember(set, 5), 0);
    QCOMPARE(VexUtilSetGetPosition(set, 9), 3);
    QCOMPARE(VexUtilSetGetPosition(set, 4), 0);
    QCOMPARE(VexUtilSetGetNextMember(set, 0), 3);
    QCOMPARE(VexUtilSetGetNextMember(set, 5), 9);
    QCOMPARE(VexUtilSetGetNextMember(set, 12), 0);
    QVERIFY(VexUtilSetRemoveMember(set, 5));
    QVERIFY(!VexUtilSetIsMember(set, 5));
    QVERIFY(VexUtilSetIsMember(set, 12));
    VexUtilSetDealloc(&set);
    QVERIFY(set == nullptr);
}

void TestKernelSdk::setWrapperCopiesAndMoves()
{
    Set original;
    original.add(4);
    original.add(2);
    Set copy(original);
    copy.add(8);
    QCOMPARE(members(original), QList<int>({2, 4}));
    QCOMPARE(members(copy), QList<int>({2, 4, 8}));
    Set moved(std::move(copy));
    QCOMPARE(members(moved), QList<int>({2, 4, 8}));
    copy = original;
    QCOMPARE(members(copy), QList<int>({2, 4}));
    moved.remove(4);
    QVERIFY(!moved.contains(4));
    QCOMPARE(moved.size(), 2);
    QVERIFY(Set().isEmpty());
}

void TestKernelSdk::stringListKeepsOrder()
{
    const StringList keywords("FIELDMAP", "MESH", nullptr, "IGNORED");
    QCOMPARE(keywords.size(), 2);
    StringList copy(keywords);
    copy.append("COLOR");
    QCOMPARE(keywords.size(), 2);
    QCOMPARE(QByteArray(copy.getStringRef(3)), QByteArray("COLOR"));
    QVERIFY(copy.getStringRef(4) == nullptr);
    QCOMPARE(CheckedStyleValue(copy).keywords(), std::vector<std::string>({"FIELDMAP", "MESH", "COLOR"}));
}

void TestKernelSdk::keywordIdentifiers()
{
    const int id = VexStyleKeywordToId("FIELDMAP");
    QVERIFY(id >= 0);
    QCOMPARE(QByteArray(VexStyleIdToKeyword(id)), QByteArray("FIELDMAP"));
    QCOMPARE(VexStyleKeywordToId("fieldmap"), -1);
    QCOMPARE(VexStyleKeywordToId("NOSUCHWORD"), -1);
    QVERIFY(VexStyleIdToKeyword(-1) == nullptr);
}

QTEST_MAIN(TestKernelSdk)
#include "tst_kernel_sdk.moc"
