#include "dialogs/printing/PrintingDialog.h"

#include "ui_Printing.h"

#include "dialogs/export/SaveFileDialog.h"
#include "dialogs/export/intern/NumberField.h"
#include "dialogs/export/intern/PageWithFramesRelevance.h"
#include "dialogs/printing/PrintSetupDialog.h"
#include "dialogs/printing/WindowsPrintingManagerInterface.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxsdkintegrationmanager/Manager.h>
#include <kxsdkintegrationmanager/PrinterTransfer.h>
#include <kxsdkintegrationmanager/WaitState.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QIntValidator>
#include <QMessageBox>
#include <QPrinter>
#include <QShowEvent>

#include <exception>

namespace kestrix::sdk::ui::dialogs {

using exporting::intern::NumberField;

PrintingDialog* PrintingDialog::m_dialogInstance = nullptr;

namespace {

constexpr int PaletteColor = 2;
constexpr int PaletteMonochrome = 0;
constexpr int RenderTypeVector = 0;
constexpr int RenderTypeImage = 1;
constexpr int MaximumResolution = 2147483646;

toolbox::CheckedStyleValue printSetup(const char* keyword)
{
    return toolbox::CheckedStyleValue("PRINTSETUP", keyword);
}

template <typename T> T readOr(const toolbox::CheckedStyleValue& value, T fallback)
{
    T received = fallback;
    return toolbox::StyleValue::returnCodeOk(value.get(received)) ? received : fallback;
}

bool usesPrintDrivers()
{
    return readOr(toolbox::CheckedStyleValue("INTERFACE", "USEKESTRIXPRINTDRIVERS"), false);
}

// The file part of a stored print file name with its own extension, if any, cut off.
QString fileBaseName(const QString& storedName)
{
    QString file = storedName.mid(storedName.lastIndexOf(QLatin1Char('/')) + 1);
    file = file.mid(file.lastIndexOf(QLatin1Char('\\')) + 1);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? file.left(dot) : file;
}

QString fileExtension(const QString& storedName)
{
    const QString file = storedName.mid(storedName.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? file.mid(dot + 1) : QString();
}

void showError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, PrintingDialog::tr("Error"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("printingErrorMessageBox"));
    box.exec();
}

} // namespace

class PrintingDialog::Private {
public:
    Ui::Printing ui;
    QPrinter printer{QPrinter::ScreenResolution};
};

PrintingDialog& PrintingDialog::getInstance(QWidget& parent)
{
    if (!m_dialogInstance)
        m_dialogInstance = new PrintingDialog(parent);
    return *m_dialogInstance;
}

std::shared_ptr<const propertymanager::RelevanceInterface> PrintingDialog::relevance()
{
    static const std::shared_ptr<const propertymanager::RelevanceInterface> relevance =
        exporting::intern::makePageWithFramesRelevance();
    return relevance;
}

PrintingDialog::PrintingDialog(QWidget& parent) : QtDialogAbstract(parent, relevance()), d(std::make_unique<Private>())
{
    try {
        integration::UpdatePrinterFromKernel(d->printer);
    } catch (const std::exception&) {
        // The printer keeps the toolkit's defaults; "Print Setup..." reports the failure.
    }
    setHelpAction(new kestrix::dialogs::common::LaunchHelpAction("print.html", this));
    d->ui.setupUi(this);
    d->ui.printRenderOpts_Resolution_1Text->setValidator(new QIntValidator(1, MaximumResolution, this));
    connect(d->ui.buttonBox, &QDialogButtonBox::accepted, this, &PrintingDialog::accept);
    connect(d->ui.buttonBox, &QDialogButtonBox::rejected, this, &PrintingDialog::reject);
    updateDialog();
}

PrintingDialog::~PrintingDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
}

QPrinter& PrintingDialog::printer() const
{
    return d->printer;
}

void PrintingDialog::showEvent(QShowEvent* event)
{
    // Export shares the render options, and an undo or a scene load may have changed them.
    if (!event->spontaneous())
        updateDialog();
    QtDialogAbstract::showEvent(event);
}

void PrintingDialog::updateDialog()
{
    Ui::Printing& ui = d->ui;
    updatePrinterControls();
    const int renderType = readOr(printSetup("PRINTRENDERTYPE"), RenderTypeVector);
    if (renderType == RenderTypeImage)
        ui.printRenderOpts_Image_RadioButton->setChecked(true);
    else if (renderType == RenderTypeVector)
        ui.printRenderOpts_Vector_RadioButton->setChecked(true);
    ui.printRenderOpts_ExtraSort_ToggleButton->setChecked(readOr(printSetup("FORCEEXTRA3DSORTING"), false));
    ui.printRenderOpts_Resolution_1Text->setText(NumberField::integerText(readOr(printSetup("IMAGERESOLUTION"), 0)));
    updatePrintRenderOptsDialogSensitivities();
}

void PrintingDialog::updatePrinterControls()
{
    Ui::Printing& ui = d->ui;
    const QString printerName = d->printer.printerName();
    ui.format_Label->setText(printerName.isEmpty() ? tr("No printer found") : printerName);
    ui.printing_ToFile_ToggleButton->hide();
    ui.printing_ToFile_ToggleButton->setChecked(readOr(printSetup("SENDPRINTTOFILE"), false));

    const bool drivers = usesPrintDrivers();
    ui.printing_Copies_Label->setVisible(drivers);
    ui.printing_Copies_1Text->setVisible(drivers);
    if (drivers)
        ui.printing_Copies_1Text->setValue(readOr(printSetup("NUMHARDCOPYCOPIES"), 1));
    ui.printRenderOpts_Color_ToggleButton->setChecked(readOr(printSetup("PALETTE"), PaletteMonochrome) == PaletteColor);
}

void PrintingDialog::updatePrintRenderOptsDialogSensitivities()
{
    Ui::Printing& ui = d->ui;
    const bool vector = ui.printRenderOpts_Vector_RadioButton->isChecked();
    ui.printRenderOpts_ExtraSort_ToggleButton->setEnabled(vector);
    ui.printRenderOpts_Resolution_Label->setEnabled(!vector);
    ui.printRenderOpts_Resolution_1Text->setEnabled(!vector);
}

void PrintingDialog::assignPrintRenderOpts()
{
    Ui::Printing& ui = d->ui;
    printSetup("PALETTE").set(ui.printRenderOpts_Color_ToggleButton->isChecked() ? PaletteColor : PaletteMonochrome);
    // An empty or unreadable resolution keeps the host's.
    if (const auto resolution = NumberField::integer(*ui.printRenderOpts_Resolution_1Text, 1, MaximumResolution))
        printSetup("IMAGERESOLUTION").set(*resolution);
    printSetup("PRINTRENDERTYPE")
        .set(ui.printRenderOpts_Vector_RadioButton->isChecked() ? RenderTypeVector : RenderTypeImage);
    printSetup("FORCEEXTRA3DSORTING").set(ui.printRenderOpts_ExtraSort_ToggleButton->isChecked());
}

void PrintingDialog::assignPrintingValues()
{
    Ui::Printing& ui = d->ui;
    printSetup("SENDPRINTTOFILE").set(ui.printing_ToFile_ToggleButton->isChecked());
    // The copies are the printer driver's: without it the control is hidden and the host's
    // count stays as it is.
    if (!ui.printing_Copies_1Text->isHidden())
        printSetup("NUMHARDCOPYCOPIES").set(ui.printing_Copies_1Text->value());
}

bool PrintingDialog::selectFileToPrint()
{
    std::string stored;
    const toolbox::CheckedStyleValue fileNameValue = printSetup("PRINTFNAME");
    fileNameValue.get(stored);
    const QString storedName = QString::fromStdString(stored);

    QString extension = fileExtension(storedName);
    QString filter = tr("All Files (*)");
    if (usesPrintDrivers()) {
        const bool color = d->ui.printRenderOpts_Color_ToggleButton->isChecked();
        extension = color ? QStringLiteral("cps") : QStringLiteral("ps");
        filter = QStringLiteral("%1 (%2)").arg(color ? tr("Color PostScript Files") : tr("PostScript Files"),
                                               QStringLiteral("*.") + extension);
    }
    QString proposed;
    if (!storedName.isEmpty()) {
        proposed = fileBaseName(storedName);
        if (!extension.isEmpty())
            proposed += QLatin1Char('.') + extension;
    }

    SaveFileDialog chooser(this, tr("Print to File").toStdString(), ".", proposed.toStdString(), filter.toStdString(),
                           "print.html");
    if (!chooser.launch())
        return false;
    fileNameValue.set(chooser.selectedFilename());
    return true;
}

void PrintingDialog::print()
{
    QWidget* const messageParent = parentWidget();
    integration::WindowsPrintingManagerInterface* const manager =
        integration::Manager::getInstance().getPrintingManager();
    if (!manager) {
        showError(messageParent, tr("This application cannot print: it has no printing manager."));
        return;
    }
    bool printed = false;
    try {
        // The printer follows what was just written: the output file, the copies, the colour.
        integration::UpdatePrinterFromKernel(d->printer);
        integration::WaitState waitState;
        AppLock lock(0);
        printed = manager->print(d->printer);
    } catch (const std::exception&) {
        printed = false;
    }
    if (!printed)
        showError(messageParent, tr("Printing failed"));
}

void PrintingDialog::accept()
{
    assignPrintRenderOpts();
    assignPrintingValues();
    if (!d->ui.printing_ToFile_ToggleButton->isChecked() || selectFileToPrint())
        print();
    QtDialogAbstract::accept();
}

void PrintingDialog::on_printing_Setup_Button_clicked(bool)
{
    PrintSetupDialog(this, d->printer).show();
    updatePrinterControls();
}

void PrintingDialog::on_printRenderOpts_Vector_RadioButton_toggled(bool)
{
    updatePrintRenderOptsDialogSensitivities();
}

void PrintingDialog::on_printRenderOpts_Image_RadioButton_toggled(bool)
{
    updatePrintRenderOptsDialogSensitivities();
}

} // namespace kestrix::sdk::ui::dialogs
