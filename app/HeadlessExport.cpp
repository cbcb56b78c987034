#include "HeadlessExport.h"

#include "AnimationExportRun.h"
#include "PictureFile.h"
#include "WorkbenchOptions.h"

#include "hostsim/Host.h"
#include "hostsim/printing/PrintingManager.h"
#include "hostsim/render/FrameRenderer.h"
#include "hostsim/render/FrameSnapshot.h"

#include <dialogs/printing/WindowsPrintingManagerInterface.h>
#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/AppLock.h>
#include <kxsdkintegrationmanager/Manager.h>
#include <kxsdkintegrationmanager/PrinterTransfer.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QFileInfo>
#include <QPrinter>
#include <QStringList>

#include <array>
#include <exception>

namespace kestrix::workbench {

namespace {

enum class Route { HostExport, Print, Movie, Picture };

struct Suffix {
    const char* suffix;
    Route route;
    ExportFormat_e format;
};

constexpr std::array<Suffix, 13> Suffixes{{
    {"png", Route::HostExport, ExportFormat_PNG},
    {"jpeg", Route::HostExport, ExportFormat_JPEG},
    {"jpg", Route::HostExport, ExportFormat_JPEG},
    {"tiff", Route::HostExport, ExportFormat_TIFF},
    {"tif", Route::HostExport, ExportFormat_TIFF},
    {"eps", Route::HostExport, ExportFormat_EPS},
    {"pdf", Route::Print, ExportFormat_Invalid},
    {"ps", Route::Print, ExportFormat_Invalid},
    {"cps", Route::Print, ExportFormat_Invalid},
    {"mp4", Route::Movie, ExportFormat_MPEG4},
    {"avi", Route::Movie, ExportFormat_AVI},
    {"bmp", Route::Picture, ExportFormat_Invalid},
    {"ppm", Route::Picture, ExportFormat_Invalid},
}};

const Suffix* suffixOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Suffix& known : Suffixes) {
        if (suffix == QLatin1String(known.suffix))
            return &known;
    }
    return nullptr;
}

template <typename T> bool store(const toolbox::CheckedStyleValue& value, T newValue, QString* error)
{
    if (toolbox::StyleValue::returnCodeOk(value.set(newValue)))
        return true;
    *error =
        QStringLiteral("The host refused the export setting %1.").arg(QString::fromStdString(value.keywords().back()));
    return false;
}

bool exportThroughHost(const Suffix& suffix, const QString& path, int width, QString* error)
{
    if (!store(toolbox::CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), suffix.format, error)
        || !store(toolbox::CheckedStyleValue("EXPORTSETUP", "EXPORTFNAME"), path.toStdString(), error)
        || !store(toolbox::CheckedStyleValue("EXPORTSETUP", "EXPORTREGION"), 0, error)
        || !store(toolbox::CheckedStyleValue("EXPORTSETUP", "IMAGEWIDTH"), width, error))
        return false;
    bool exported = false;
    {
        sdk::AppLock lock(0);
        exported = VexUtilExport(0);
    }
    if (!exported)
        *error = hostsim::Host::instance().lastExportError();
    return exported;
}

bool printToFile(const QString& path, QString* error)
{
    sdk::integration::WindowsPrintingManagerInterface* manager =
        sdk::integration::Manager::getInstance().getPrintingManager();
    if (!manager) {
        *error = QStringLiteral("The host has no printing manager.");
        return false;
    }
    if (!store(toolbox::CheckedStyleValue("PRINTSETUP", "SENDPRINTTOFILE"), true, error)
        || !store(toolbox::CheckedStyleValue("PRINTSETUP", "PRINTFNAME"), path.toStdString(), error))
        return false;
    QPrinter printer(QPrinter::ScreenResolution);
    try {
        sdk::integration::UpdatePrinterFromKernel(printer);
    } catch (const std::exception& failure) {
        *error = QString::fromUtf8(failure.what());
        return false;
    }
    if (manager->print(printer))
        return true;
    *error = hostsim::printing::PrintingManager::instance().lastError();
    return false;
}

bool drawPicture(const QString& path, int width, QString* error)
{
    const auto snapshot = hostsim::render::FrameSnapshot::capture();
    if (!snapshot) {
        *error = QStringLiteral("The scene has no frame to export.");
        return false;
    }
    return PictureFile::write(hostsim::render::FrameRenderer::image(*snapshot, width), path, error);
}

} // namespace

bool HeadlessExport::canWrite(const QString& path)
{
    const Suffix* suffix = suffixOf(path);
    return suffix && (suffix->route != Route::Picture || !PictureFile::formatOf(path).isEmpty());
}

QString HeadlessExport::writableSuffixes()
{
    QStringList suffixes;
    for (const Suffix& known : Suffixes)
        suffixes.append(QLatin1Char('.') + QLatin1String(known.suffix));
    return suffixes.join(QStringLiteral(", "));
}

bool HeadlessExport::write(const WorkbenchOptions& options, QString* error)
{
    const Suffix* suffix = suffixOf(options.exportFile);
    if (!suffix || !canWrite(options.exportFile)) {
        *error = QStringLiteral("the file name must end in one of %1").arg(writableSuffixes());
        return false;
    }
    auto& host = hostsim::Host::instance();
    if (options.exportFrame > 0 && !host.setCurrentFrame(options.exportFrame)) {
        *error = QStringLiteral("The scene has no frame %1 on its current page (it has %2).")
                     .arg(options.exportFrame)
                     .arg(host.framesOfCurrentPage().size());
        return false;
    }
    const QString path = QFileInfo(options.exportFile).absoluteFilePath();
    switch (suffix->route) {
    case Route::HostExport: return exportThroughHost(*suffix, path, options.exportWidth, error);
    case Route::Print: return printToFile(path, error);
    case Route::Movie: return AnimationExportRun::exportWithoutWindow(path, options.exportWidth, error);
    case Route::Picture: return drawPicture(path, options.exportWidth, error);
    }
    return false;
}

} // namespace kestrix::workbench
