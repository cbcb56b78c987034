#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace kestrix::workbench {

// One picture of the main window with every visible dialog beside it, as they are drawn now,
// or of either part alone.
class WindowPicture {
public:
    enum class Part { WindowAndDialogs, Window, Dialogs };

    // A null image when the part asked for shows nothing (no dialog is open).
    static QImage compose(QWidget& mainWindow, Part part = Part::WindowAndDialogs);
    // Writes the picture in the format the file name names; false with error set when it cannot.
    static bool write(QWidget& mainWindow, const QString& path, QString* error, Part part = Part::WindowAndDialogs);
};

} // namespace kestrix::workbench
