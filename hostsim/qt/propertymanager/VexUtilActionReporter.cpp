#include <kxsdkpropertymanager/VexUtilActionReporter.h>

#include <QApplication>
#include <QMessageBox>

namespace kestrix::propertymanager {

void VexUtilActionReporter::reportResult(bool ok, const std::string& failureMessage,
                                         const std::string& secondText) const
{
    if (ok)
        return;
    QMessageBox box(QMessageBox::Critical, QApplication::translate("VexUtilActionReporter", "Error"),
                    QString::fromStdString(failureMessage), QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("actionReporterMessageBox"));
    if (!secondText.empty())
        box.setInformativeText(QString::fromStdString(secondText));
    box.exec();
}

} // namespace kestrix::propertymanager
