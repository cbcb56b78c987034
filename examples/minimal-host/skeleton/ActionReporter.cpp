// The host's report of a failed action (kxsdkpropertymanager/VexUtilActionReporter.h). What it
// must do is in docs/integration.md, "The host contract".

#include <kxsdkpropertymanager/VexUtilActionReporter.h>

#include <QApplication>
#include <QMessageBox>

namespace kestrix::propertymanager {

void VexUtilActionReporter::reportResult(bool ok, const std::string& failureMessage,
                                         const std::string& secondText) const
{
    if (ok)
        return;
    QMessageBox box(QMessageBox::Critical, QApplication::translate("HostSkeleton", "Error"),
                    QString::fromStdString(failureMessage), QMessageBox::Ok, QApplication::activeWindow());
    box.setInformativeText(QString::fromStdString(secondText));
    box.exec();
}

} // namespace kestrix::propertymanager
