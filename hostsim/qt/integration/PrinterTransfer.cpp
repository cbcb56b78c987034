#include <kxsdkintegrationmanager/PrinterTransfer.h>

#include <exception/ExceptionBase.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QPrinter>

#include <string>

namespace kestrix::sdk::integration {

namespace {

// "PALETTE" holds 2 for colour output and 0 for monochrome.
constexpr LgIndex_t ColorPalette = 2;
constexpr LgIndex_t MonochromePalette = 0;

toolbox::CheckedStyleValue printSetup(const char* keyword)
{
    return toolbox::CheckedStyleValue("PRINTSETUP", keyword);
}

template <typename T> void store(const char* keyword, const T& value)
{
    if (!toolbox::StyleValue::returnCodeOk(printSetup(keyword).set(value)))
        throw ExceptionBase("The printer setting PRINTSETUP " + std::string(keyword) + " could not be stored.");
}

} // namespace

void UpdatePrinterFromKernel(QPrinter& printer)
{
    LgIndex_t copies = 0;
    if (toolbox::StyleValue::returnCodeOk(printSetup("NUMHARDCOPYCOPIES").getInteger(copies)) && copies > 0)
        printer.setCopyCount(static_cast<int>(copies));

    LgIndex_t palette = 0;
    if (toolbox::StyleValue::returnCodeOk(printSetup("PALETTE").getInteger(palette)))
        printer.setColorMode(palette == ColorPalette ? QPrinter::Color : QPrinter::GrayScale);

    bool toFile = false;
    std::string fileName;
    if (toolbox::StyleValue::returnCodeOk(printSetup("SENDPRINTTOFILE").get(toFile))
        && toolbox::StyleValue::returnCodeOk(printSetup("PRINTFNAME").get(fileName))) {
        const QString outputFile = toFile ? QString::fromStdString(fileName) : QString();
        // Qt writes files only as PDF. A PostScript name (.ps, .cps) is kept all the same: the
        // host's printing manager writes PostScript for it.
        printer.setOutputFormat(outputFile.isEmpty() ? QPrinter::NativeFormat : QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
    }
}

void UpdateKernelFromPrinter(QPrinter& printer)
{
    store("NUMHARDCOPYCOPIES", static_cast<LgIndex_t>(printer.copyCount()));
    store("PALETTE", printer.colorMode() == QPrinter::Color ? ColorPalette : MonochromePalette);
    const QString outputFile = printer.outputFileName();
    store("SENDPRINTTOFILE", !outputFile.isEmpty());
    // Printing to a device keeps the file name that was chosen last.
    if (!outputFile.isEmpty())
        store("PRINTFNAME", outputFile.toStdString());
}

} // namespace kestrix::sdk::integration
