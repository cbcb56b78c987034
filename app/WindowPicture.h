#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace kestrix::workbench {

// One picture of the main window with every visible dialog beside it, as they are drawn now.
class WindowPicture {
public:
    static QImage compose(QWidget& mainWindow);
    // Writes the picture in the format the file name names; false with error set when it cannot.
    static bool write(QWidget& mainWindow, const QString& path, QString* error);
};

} // namespace kestrix::workbench
