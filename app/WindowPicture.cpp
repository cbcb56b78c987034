#include "WindowPicture.h"

#include "PictureFile.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace kestrix::workbench {

namespace {

constexpr int Gap = 16;

// The window's contents under a bar with its title: grabbing draws no window frame, and the
// title tells which dialog is which.
QImage grabWindow(QWidget& window)
{
    QImage contents = window.grab().toImage();
    // Composed in device pixels: every window is drawn at the scale it was grabbed at.
    contents.setDevicePixelRatio(1.0);

    const QFontMetrics metrics(window.font());
    const int titleHeight = metrics.height() + 8;
    QImage image(contents.width(), titleHeight + contents.height(), QImage::Format_RGB32);
    image.fill(window.palette().color(QPalette::Highlight));
    QPainter painter(&image);
    painter.setFont(window.font());
    painter.setPen(window.palette().color(QPalette::HighlightedText));
    painter.drawText(QRect(8, 0, contents.width() - 16, titleHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     metrics.elidedText(window.windowTitle(), Qt::ElideRight, contents.width() - 16));
    painter.drawImage(0, titleHeight, contents);
    return image;
}

} // namespace

QImage WindowPicture::compose(QWidget& mainWindow, Part part)
{
    const QImage mainImage = part == Part::Dialogs ? QImage() : grabWindow(mainWindow);
    std::vector<QImage> dialogImages;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (part != Part::Window && widget != &mainWindow && widget->isVisible() && qobject_cast<QDialog*>(widget))
            dialogImages.push_back(grabWindow(*widget));
    }
    if (mainImage.isNull() && dialogImages.empty())
        return QImage();

    // The dialogs stand in one column to the right of the main window.
    int dialogsWidth = 0;
    int dialogsHeight = 0;
    for (const QImage& image : dialogImages) {
        dialogsWidth = std::max(dialogsWidth, image.width());
        dialogsHeight += (dialogsHeight > 0 ? Gap : 0) + image.height();
    }
    const int dialogsLeft = mainImage.isNull() ? 0 : mainImage.width() + Gap;
    const int width = dialogImages.empty() ? mainImage.width() : dialogsLeft + dialogsWidth;
    const int height = std::max(mainImage.height(), dialogsHeight);

    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(mainWindow.palette().color(QPalette::Dark));
    QPainter painter(&picture);
    if (!mainImage.isNull())
        painter.drawImage(0, 0, mainImage);
    int y = 0;
    for (const QImage& image : dialogImages) {
        painter.drawImage(dialogsLeft, y, image);
        y += image.height() + Gap;
    }
    return picture;
}

bool WindowPicture::write(QWidget& mainWindow, const QString& path, QString* error, Part part)
{
    const QImage picture = compose(mainWindow, part);
    if (picture.isNull()) {
        if (error)
            *error = QStringLiteral("no dialog is open");
        return false;
    }
    return PictureFile::write(picture, path, error);
}

} // namespace kestrix::workbench
