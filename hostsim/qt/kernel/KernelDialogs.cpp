// The kernel functions that talk to the user rather than to the plot data.

#include <hostsim/export/ExportSettings.h>
#include <hostsim/export/ExportStatus.h>
#include <hostsim/export/Exporter.h>
#include <hostsim/kernel/FaultInjection.h>
#include <kxsdkbase/KernelApi.h>

#include <QApplication>
#include <QMessageBox>

void VexUtilDialogMessageBox(const char* message, int messageBoxType)
{
    // Every message the library sends through here is an error; the type is not told apart.
    Q_UNUSED(messageBoxType)
    QMessageBox box(QMessageBox::Critical, QApplication::translate("KernelMessageBox", "Error"),
                    QString::fromUtf8(message ? message : ""), QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("kernelMessageBox"));
    box.exec();
}

bool VexUtilExport(int append)
{
    using namespace kestrix::hostsim::exporting;
    QString error;
    if (kestrix::hostsim::kernel::FaultInjection::takeFailure(kestrix::hostsim::Host::Fault::Export)) {
        ExportStatus::recordFailure(QApplication::translate("Exporter", "The export failed in the host."));
        return false;
    }
    if (Exporter::run(ExportSettings::fromKernel(), append != 0, &error)) {
        ExportStatus::recordSuccess();
        return true;
    }
    ExportStatus::recordFailure(error);
    return false;
}
