#include <kxsdkpropertymanager/VexUtilActionReporter.h>

#include <hostsim/export/ExportStatus.h>

#include <QApplication>
#include <QMessageBox>

namespace kestrix::propertymanager {

void VexUtilActionReporter::reportResult(bool ok, const std::string& failureMessage,
                                         const std::string& secondText) const
{
    // Taken by every report, shown only by the failure that follows the export, so that an
    // export's reason never appears under a later, unrelated failure.
    const QString exportFailure = hostsim::exporting::ExportStatus::takeUnreported();
    if (ok)
        return;
    QMessageBox box(QMessageBox::Critical, QApplication::translate("VexUtilActionReporter", "Error"),
                    QString::fromStdString(failureMessage), QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("actionReporterMessageBox"));
    if (!secondText.empty())
        box.setInformativeText(QString::fromStdString(secondText));
    else if (!exportFailure.isEmpty())
        box.setInformativeText(exportFailure);
    box.exec();
}

} // namespace kestrix::propertymanager
