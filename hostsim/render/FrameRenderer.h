#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace kestrix::hostsim::render {

class FrameSnapshot;

// Draws a frame's picture with a QPainter on any paint device (a widget, an image, a PDF or
// SVG generator, a printer), so that the preview, exports and prints are one picture. It reads
// only the snapshot: the scene and the style that the dialogs write.
class FrameRenderer {
public:
    // The whole picture into `target`: background and frame border, the plot of the frame's
    // type with its data labels, or the empty axes and a note "no values" when the frame's
    // zones carry none.
    static void render(QPainter& painter, const QRectF& target, const FrameSnapshot& snapshot);
    // The picture `width` pixels wide, in the frame's proportions.
    static QImage image(const FrameSnapshot& snapshot, int width);
};

} // namespace kestrix::hostsim::render
