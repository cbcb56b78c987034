#include "DialogCatalog.h"

#include "AnimationExportRun.h"

#include "dialogs/export/ExportDialog.h"
#include "dialogs/fontselect/FontSelectDialog.h"
#include "dialogs/labelpoints/LabelPointsDialog.h"
#include "dialogs/printing/PrintingDialog.h"
#include "dialogs/valueformat/ValueFormatDialog.h"
#include "dialogs/zonestyle/ZoneStyleDialog.h"

#include <kxsdkbase/KernelApi.h>
#include <kxtoolbox/StringList.h>

#include <QtGlobal>

namespace kestrix::workbench {

namespace {

QDialog* openZoneStyleDialog(QWidget& parent)
{
    auto& dialog = sdk::ui::dialogs::ZoneStyleDialog::getInstance(
        parent, dialogs::common::DialogInitialization_SelectPickedObjects);
    dialog.launch();
    return &dialog;
}

// The text object that Format edits: the data labels of the current frame, which line plots
// keep apart from field plots.
toolbox::StringList dataLabels()
{
    const int plotType = VexUtilFrameGetPlotType();
    const bool linePlot = plotType == PlotType_XYLine || plotType == PlotType_PolarLine;
    return toolbox::StringList(linePlot ? "GLOBALLINEPLOT" : "GLOBALSCATTER", "DATALABELS");
}

QDialog* openFontDialog(QWidget& parent)
{
    auto& dialog = sdk::ui::dialogs::FontSelectDialog::getInstance(parent, dataLabels(), -1, false, false);
    dialog.launch();
    return &dialog;
}

QDialog* openNumberFormatDialog(QWidget& parent)
{
    auto& dialog = sdk::ui::dialogs::ValueFormatDialog::getInstance(parent, false, dataLabels(), -1, -1);
    dialog.launch();
    return &dialog;
}

QDialog* openLabelPointsDialog(QWidget& parent)
{
    auto& dialog = sdk::ui::dialogs::LabelPointsDialog::getInstance(parent);
    dialog.launch();
    return &dialog;
}

QDialog* openExportDialog(QWidget& parent)
{
    auto& dialog = sdk::ui::dialogs::ExportDialog::getInstance(parent, sdk::ui::dialogs::ExportDialog::Mode_Image);
    dialog.launch();
    return &dialog;
}

// The dialog only records the movie's settings; the host then writes the movie.
QDialog* openExportAnimationDialog(QWidget& parent)
{
    auto& dialog = sdk::ui::dialogs::ExportDialog::getInstance(parent, sdk::ui::dialogs::ExportDialog::Mode_Animation);
    dialog.launch();
    if (dialog.result() == QDialog::Accepted)
        AnimationExportRun(&parent).run();
    return &dialog;
}

QDialog* openPrintingDialog(QWidget& parent)
{
    auto& dialog = sdk::ui::dialogs::PrintingDialog::getInstance(parent);
    dialog.launch();
    return &dialog;
}

std::vector<DialogEntry> makeEntries()
{
    std::vector<DialogEntry> entries;
    entries.push_back({QStringLiteral("export"), QT_TRANSLATE_NOOP("MainWindow", "&File"),
                       QT_TRANSLATE_NOOP("MainWindow", "&Export..."), openExportDialog,
                       [] { return sdk::ui::dialogs::ExportDialog::relevance(); }});
    entries.push_back({QStringLiteral("exportanimation"), QT_TRANSLATE_NOOP("MainWindow", "&File"),
                       QT_TRANSLATE_NOOP("MainWindow", "Export &Animation..."), openExportAnimationDialog,
                       [] { return sdk::ui::dialogs::ExportDialog::relevance(); }});
    entries.push_back({QStringLiteral("print"), QT_TRANSLATE_NOOP("MainWindow", "&File"),
                       QT_TRANSLATE_NOOP("MainWindow", "&Print..."), openPrintingDialog,
                       [] { return sdk::ui::dialogs::PrintingDialog::relevance(); }});
    entries.push_back({QStringLiteral("zonestyle"), QT_TRANSLATE_NOOP("MainWindow", "&Plot"),
                       QT_TRANSLATE_NOOP("MainWindow", "&Zone Style..."), openZoneStyleDialog,
                       [] { return sdk::ui::dialogs::ZoneStyleDialog::relevance(); }});
    entries.push_back({QStringLiteral("labelpoints"),
                       QT_TRANSLATE_NOOP("MainWindow", "&Plot"),
                       QT_TRANSLATE_NOOP("MainWindow", "Label Points and Cells..."),
                       openLabelPointsDialog,
                       {}});
    entries.push_back({QStringLiteral("font"),
                       QT_TRANSLATE_NOOP("MainWindow", "F&ormat"),
                       QT_TRANSLATE_NOOP("MainWindow", "Select Font..."),
                       openFontDialog,
                       {}});
    entries.push_back({QStringLiteral("numberformat"),
                       QT_TRANSLATE_NOOP("MainWindow", "F&ormat"),
                       QT_TRANSLATE_NOOP("MainWindow", "Number Format..."),
                       openNumberFormatDialog,
                       {}});
    return entries;
}

} // namespace

const std::vector<DialogEntry>& DialogCatalog::entries()
{
    static const std::vector<DialogEntry> catalog = makeEntries();
    return catalog;
}

const DialogEntry* DialogCatalog::find(const QString& name)
{
    for (const DialogEntry& entry : entries()) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

QStringList DialogCatalog::names()
{
    QStringList result;
    for (const DialogEntry& entry : entries())
        result.append(entry.name);
    return result;
}

} // namespace kestrix::workbench
