#include "dialogs/printing/PrintSetupDialog.h"

#include <kxsdkintegrationmanager/PrinterTransfer.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <exception>

namespace kestrix::sdk::ui::dialogs {

PrintSetupDialog::PrintSetupDialog(QWidget* parent, QPrinter& printer) : m_parent(parent), m_printer(printer) {}

void PrintSetupDialog::show()
{
    try {
        integration::UpdatePrinterFromKernel(m_printer);
        QPrintDialog chooser(&m_printer, m_parent);
        chooser.setObjectName(QStringLiteral("printSetupChooser"));
        chooser.setOptions(QAbstractPrintDialog::PrintDialogOptions());
        if (chooser.exec() == QDialog::Accepted)
            integration::UpdateKernelFromPrinter(m_printer);
    } catch (const std::exception& error) {
        QMessageBox::critical(m_parent, QCoreApplication::translate("PrintSetupDialog", "Error"),
                              QString::fromUtf8(error.what()), QMessageBox::Ok);
    }
}

} // namespace kestrix::sdk::ui::dialogs
