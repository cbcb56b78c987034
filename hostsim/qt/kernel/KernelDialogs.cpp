// The kernel functions that talk to the user rather than to the plot data.

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
    // The stand-in host cannot render yet: every export fails, and the caller reports it.
    Q_UNUSED(append)
    return false;
}
