// The host's questions, reports and transfers: layer queries, relevance classes, the action
// reporter, the kernel's message box and export, and the printer transfer.

#include <exception/ExceptionBase.h>
#include <hostsim/Host.h>
#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkintegrationmanager/PrinterTransfer.h>
#include <kxsdkpropertymanager/DataSetExistsRelevance.h>
#include <kxsdkpropertymanager/StateChangeDependantRelevance.h>
#include <kxsdkpropertymanager/VexUtilActionReporter.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "support/ModalDialogAnswerer.h"

#include <functional>

using kestrix::hostsim::Host;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::StyleValue;

using kestrix::testing::ModalDialogAnswerer;

namespace {

struct SeenMessageBox {
    QString objectName;
    QString text;
    QString informativeText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Records the message box that comes up and presses one of its buttons.
std::function<void(QWidget&)> press(QMessageBox::StandardButton button, SeenMessageBox& seen)
{
    return [button, &seen](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        QVERIFY(box);
        seen.objectName = box->objectName();
        seen.text = box->text();
        seen.informativeText = box->informativeText();
        seen.icon = box->icon();
        box->button(button)->click();
    };
}

bool fieldLayerOn(const char* showKeyword)
{
    bool on = false;
    return StyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", showKeyword).get(on)) && on;
}

int surfacesToPlot(int map)
{
    int surfaces = -1;
    CheckedStyleValue("FIELDMAP", "SURFACES", "SURFACESTOPLOT").get(surfaces, map);
    return surfaces;
}

// One 3-D frame: four field maps, one zone each. Zones 1, 2 and 4 are volume zones, zone 3 a
// surface zone; map 4 is inactive. Mesh is on, contour off; the volume zones plot no surfaces.
const char* const VolumeScene = R"({
  "pages": [ { "frames": [ {
    "name": "Volume", "plotType": 1,
    "variables": ["X", "Y", "Z", "P"],
    "zones": [
      { "name": "block 1", "ordered": true, "imax": 4, "jmax": 4, "kmax": 4, "volume": true },
      { "name": "block 2", "ordered": true, "imax": 4, "jmax": 4, "kmax": 4, "volume": true },
      { "name": "skin", "ordered": true, "imax": 4, "jmax": 4, "kmax": 1, "volume": false },
      { "name": "block 4", "ordered": true, "imax": 4, "jmax": 4, "kmax": 4, "volume": true }
    ],
    "activeFieldMaps": [1, 2, 3],
    "style": [
      { "path": ["FIELDLAYERS", "SHOWMESH"], "value": 1 },
      { "path": ["FIELDLAYERS", "SHOWCONTOUR"], "value": 0 },
      { "path": ["FIELDMAP", "SURFACES", "SURFACESTOPLOT"], "objects": [1, 2, 4], "value": 10 }
    ]
  } ] } ],
  "current": { "page": 1, "frame": 1 }
})";

} // namespace

class TestHostServices : public QObject {
    Q_OBJECT

private slots:
    void init();

    void sidebarLayerAlreadyOnIsNotAsked();
    void sidebarLayerOffAskedAndSwitchedOn();
    void sidebarLayerOffAskedAndRefused();
    void sidebarLayerUnknownIsNeitherAskedNorOn();
    void surfaceLayerAskedForVolumeZonesWithoutSurfaces();
    void surfaceLayerRefusedChangesNothing();
    void surfaceLayerNotAskedWhenSurfacesArePlotted();

    void dataSetRelevanceFollowsTheDataSet();
    void stateChangeRelevanceAsksItsPredicateOnEveryChange();

    void actionReporterReportsFailuresOnly();
    void kernelMessageBoxShowsTheMessage();
    void exportIsNotAvailableYet();

    void printerTakesTheKernelSettings();
    void kernelTakesThePrinterSettings();
    void printerSettingTheKernelRefusesThrows();
};

void TestHostServices::init()
{
    QString error;
    QVERIFY2(Host::instance().loadSceneJson(QByteArray(VolumeScene), &error), qPrintable(error));
}

void TestHostServices::sidebarLayerAlreadyOnIsNotAsked()
{
    SeenMessageBox seen;
    ModalDialogAnswerer answer(press(QMessageBox::No, seen));
    QVERIFY(kestrix::sdk::queryToActivateSidebarLayer("MESH"));
    QCOMPARE(answer.answered(), 0);
    QVERIFY(fieldLayerOn("SHOWMESH"));
}

void TestHostServices::sidebarLayerOffAskedAndSwitchedOn()
{
    SeenMessageBox seen;
    ModalDialogAnswerer answer(press(QMessageBox::Yes, seen));
    Host::instance().clearJournal();
    QVERIFY(kestrix::sdk::queryToActivateSidebarLayer("CONTOUR"));
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(seen.objectName, QStringLiteral("queryLayerActivation"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QVERIFY(seen.text.contains(QStringLiteral("Contour")));
    QVERIFY(fieldLayerOn("SHOWCONTOUR"));
    QCOMPARE(Host::instance().journal().size(), 1);
    QVERIFY(Host::instance().journal().constFirst().startsWith(QStringLiteral("FIELDLAYERS SHOWCONTOUR")));

    // Once on, the next change is not asked about.
    ModalDialogAnswerer second(press(QMessageBox::No, seen));
    QVERIFY(kestrix::sdk::queryToActivateSidebarLayer("CONTOUR"));
    QCOMPARE(second.answered(), 0);
}

void TestHostServices::sidebarLayerOffAskedAndRefused()
{
    for (const auto& [layer, show] : {std::pair{"VECTOR", "SHOWVECTOR"}, std::pair{"SCATTER", "SHOWSCATTER"},
                                      std::pair{"SHADE", "SHOWSHADE"}, std::pair{"EDGELAYER", "SHOWEDGE"}}) {
        QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", show).set(false)));
        SeenMessageBox seen;
        ModalDialogAnswerer answer(press(QMessageBox::No, seen));
        QVERIFY2(!kestrix::sdk::queryToActivateSidebarLayer(layer), layer);
        QCOMPARE(answer.answered(), 1);
        QCOMPARE(seen.objectName, QStringLiteral("queryLayerActivation"));
        QVERIFY2(!fieldLayerOn(show), show);
    }
}

void TestHostServices::sidebarLayerUnknownIsNeitherAskedNorOn()
{
    SeenMessageBox seen;
    ModalDialogAnswerer answer(press(QMessageBox::Yes, seen));
    QVERIFY(!kestrix::sdk::queryToActivateSidebarLayer("ISOSURFACE"));
    QCOMPARE(answer.answered(), 0);
}

void TestHostServices::surfaceLayerAskedForVolumeZonesWithoutSurfaces()
{
    QCOMPARE(surfacesToPlot(4), int(SurfacesToPlot_None));
    SeenMessageBox seen;
    ModalDialogAnswerer answer(press(QMessageBox::Yes, seen));
    Host::instance().clearJournal();
    QVERIFY(kestrix::sdk::queryToEnableSurfacePlotLayer("MESH"));
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(seen.objectName, QStringLiteral("querySurfaceLayer"));
    QCOMPARE(surfacesToPlot(1), int(SurfacesToPlot_ExposedCellFaces));
    QCOMPARE(surfacesToPlot(2), int(SurfacesToPlot_ExposedCellFaces));
    // Only the maps of active zones are changed: map 4 is inactive.
    QCOMPARE(surfacesToPlot(4), int(SurfacesToPlot_None));
    // Both maps in one write.
    QCOMPARE(Host::instance().journal().size(), 1);
}

void TestHostServices::surfaceLayerRefusedChangesNothing()
{
    SeenMessageBox seen;
    ModalDialogAnswerer answer(press(QMessageBox::No, seen));
    QVERIFY(!kestrix::sdk::queryToEnableSurfacePlotLayer("SCATTER"));
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(surfacesToPlot(1), int(SurfacesToPlot_None));
    QCOMPARE(surfacesToPlot(2), int(SurfacesToPlot_None));
}

void TestHostServices::surfaceLayerNotAskedWhenSurfacesArePlotted()
{
    kestrix::toolbox::Set maps;
    maps.add(1);
    maps.add(2);
    QVERIFY(StyleValue::returnCodeOk(
        CheckedStyleValue("FIELDMAP", "SURFACES", "SURFACESTOPLOT").set(SurfacesToPlot_BoundaryFaces, &maps)));
    SeenMessageBox seen;
    ModalDialogAnswerer answer(press(QMessageBox::No, seen));
    QVERIFY(kestrix::sdk::queryToEnableSurfacePlotLayer("MESH"));
    QCOMPARE(answer.answered(), 0);
    QCOMPARE(surfacesToPlot(1), int(SurfacesToPlot_BoundaryFaces));
}

void TestHostServices::dataSetRelevanceFollowsTheDataSet()
{
    kestrix::propertymanager::DataSetExistsRelevance whileData;
    kestrix::propertymanager::DataSetExistsRelevance whileNoData(false);
    int announced = 0;
    whileData.relevanceChanged().connect([&] { ++announced; });
    QVERIFY(whileData.isRelevant());
    QVERIFY(!whileNoData.isRelevant());

    Host::instance().clearScene();
    QVERIFY(announced > 0);
    QVERIFY(!whileData.isRelevant());
    QVERIFY(whileNoData.isRelevant());

    const int before = announced;
    QVERIFY(Host::instance().loadSceneJson(QByteArray(VolumeScene)));
    QVERIFY(announced > before);
    QVERIFY(whileData.isRelevant());
}

void TestHostServices::stateChangeRelevanceAsksItsPredicateOnEveryChange()
{
    bool answer = false;
    int asked = 0;
    auto relevance = std::make_shared<kestrix::propertymanager::StateChangeDependantRelevance>([&] {
        ++asked;
        return answer;
    });
    int announced = 0;
    relevance->relevanceChanged().connect([&] { ++announced; });
    QVERIFY(!relevance->isRelevant());
    answer = true;
    QVERIFY(relevance->isRelevant());
    QCOMPARE(asked, 2);

    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWSHADE").set(true)));
    QCOMPARE(announced, 1);
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWSHADE").set(false)));
    QCOMPARE(announced, 2);

    // A destroyed relevance hears nothing more.
    relevance.reset();
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWSHADE").set(true)));
    QCOMPARE(announced, 2);

    kestrix::propertymanager::StateChangeDependantRelevance withoutPredicate{std::function<bool()>()};
    QVERIFY(!withoutPredicate.isRelevant());
}

void TestHostServices::actionReporterReportsFailuresOnly()
{
    const kestrix::propertymanager::VexUtilActionReporter reporter;
    SeenMessageBox seen;
    {
        ModalDialogAnswerer answer(press(QMessageBox::Ok, seen));
        reporter.reportResult(true, "Unable to render offscreen image", "");
        QCOMPARE(answer.answered(), 0);
    }
    {
        ModalDialogAnswerer answer(press(QMessageBox::Ok, seen));
        reporter.reportResult(false, "Unable to render offscreen image", "");
        QCOMPARE(answer.answered(), 1);
        QCOMPARE(seen.objectName, QStringLiteral("actionReporterMessageBox"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.text, QStringLiteral("Unable to render offscreen image"));
        QCOMPARE(seen.informativeText, QString());
    }
    {
        ModalDialogAnswerer answer(press(QMessageBox::Ok, seen));
        reporter.reportResult(false, "Export failed", "The disk is full.");
        QCOMPARE(answer.answered(), 1);
        QCOMPARE(seen.text, QStringLiteral("Export failed"));
        QCOMPARE(seen.informativeText, QStringLiteral("The disk is full."));
    }
}

void TestHostServices::kernelMessageBoxShowsTheMessage()
{
    SeenMessageBox seen;
    ModalDialogAnswerer answer(press(QMessageBox::Ok, seen));
    VexUtilDialogMessageBox("Zone 3 has no data.", 0);
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(seen.objectName, QStringLiteral("kernelMessageBox"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.text, QStringLiteral("Zone 3 has no data."));
}

void TestHostServices::exportIsNotAvailableYet()
{
    QVERIFY(!VexUtilExport(0));
}

void TestHostServices::printerTakesTheKernelSettings()
{
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "NUMHARDCOPYCOPIES").set(3)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PALETTE").set(0)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "SENDPRINTTOFILE").set(true)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PRINTFNAME").set(std::string("/tmp/wing.ps"))));

    QPrinter printer;
    kestrix::sdk::integration::UpdatePrinterFromKernel(printer);
    QCOMPARE(printer.copyCount(), 3);
    QCOMPARE(printer.colorMode(), QPrinter::GrayScale);
    QCOMPARE(printer.outputFileName(), QStringLiteral("/tmp/wing.ps"));

    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PALETTE").set(2)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "SENDPRINTTOFILE").set(false)));
    kestrix::sdk::integration::UpdatePrinterFromKernel(printer);
    QCOMPARE(printer.colorMode(), QPrinter::Color);
    QCOMPARE(printer.outputFileName(), QString());
}

void TestHostServices::kernelTakesThePrinterSettings()
{
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PRINTFNAME").set(std::string("old.ps"))));
    QPrinter printer;
    printer.setCopyCount(7);
    printer.setColorMode(QPrinter::Color);
    printer.setOutputFileName(QStringLiteral("/tmp/section.pdf"));
    kestrix::sdk::integration::UpdateKernelFromPrinter(printer);

    int copies = 0;
    int palette = -1;
    bool toFile = false;
    std::string fileName;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "NUMHARDCOPYCOPIES").get(copies)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PALETTE").get(palette)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "SENDPRINTTOFILE").get(toFile)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PRINTFNAME").get(fileName)));
    QCOMPARE(copies, 7);
    QCOMPARE(palette, 2);
    QVERIFY(toFile);
    QCOMPARE(fileName, std::string("/tmp/section.pdf"));

    // Printing to a device keeps the file name chosen last.
    printer.setOutputFileName(QString());
    printer.setColorMode(QPrinter::GrayScale);
    kestrix::sdk::integration::UpdateKernelFromPrinter(printer);
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "SENDPRINTTOFILE").get(toFile)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PRINTFNAME").get(fileName)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PALETTE").get(palette)));
    QVERIFY(!toFile);
    QCOMPARE(fileName, std::string("/tmp/section.pdf"));
    QCOMPARE(palette, 0);
}

void TestHostServices::printerSettingTheKernelRefusesThrows()
{
    QPrinter printer;
    printer.setCopyCount(100000);
    bool thrown = false;
    try {
        kestrix::sdk::integration::UpdateKernelFromPrinter(printer);
    } catch (const kestrix::ExceptionBase& exception) {
        thrown = true;
        QVERIFY(QString::fromStdString(exception.message()).contains(QStringLiteral("NUMHARDCOPYCOPIES")));
    }
    QVERIFY(thrown);
}

QTEST_MAIN(TestHostServices)
#include "tst_qt_hostservices.moc"
