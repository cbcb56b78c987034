#include "support/SaveFileChooserAnswer.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QtTest>

namespace kestrix::testing {

std::unique_ptr<ModalDialogAnswerer> answerSaveFileChooser(SaveFileChooserRequest& request, const QString& path)
{
    return std::make_unique<ModalDialogAnswerer>(
        [&request, path](QWidget& window) {
            auto* chooser = qobject_cast<QFileDialog*>(&window);
            QVERIFY(chooser);
            request.caption = chooser->windowTitle();
            request.directory = chooser->directory().absolutePath();
            request.fileName = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            request.filters = chooser->nameFilters();
            if (path.isEmpty()) {
                chooser->reject();
                return;
            }
            chooser->selectFile(path);
            static_cast<QDialog*>(chooser)->accept();
        },
        QStringLiteral("saveFileDialog"));
}

} // namespace kestrix::testing
