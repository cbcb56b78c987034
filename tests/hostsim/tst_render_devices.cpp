// One renderer for every paint device: the demo frames draw into an image, an SVG and a PDF,
// and the vector devices receive vector paths, not a picture.

#include <hostsim/Host.h>
#include <hostsim/render/FrameRenderer.h>
#include <hostsim/render/FrameSnapshot.h>
#include <hostsim/render/RenderCancellation.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QtTest>

#include "support/PictureMeasures.h"

using kestrix::hostsim::Host;
using kestrix::hostsim::render::FrameRenderer;
using kestrix::hostsim::render::FrameSnapshot;
using kestrix::hostsim::render::RenderCancellation;
using kestrix::testing::PictureMeasures;

namespace {

// Pixels in colour: what the maps and zones draw, not the black axes and text.
int colouredPixels(const QImage& image)
{
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            coloured += image.pixelColor(x, y).hsvSaturation() > 100 ? 1 : 0;
    }
    return coloured;
}

} // namespace

class TestRenderDevices : public QObject {
    Q_OBJECT
private slots:
    void init() { Host::instance().loadDemoScene(); }

    void everyDemoFrameDrawsAPlot()
    {
        const int frames = Host::instance().framesOfCurrentPage().size();
        QVERIFY(frames > 0);
        QImage empty(400, 300, QImage::Format_ARGB32_Premultiplied);
        empty.fill(Qt::white);
        for (int frame = 1; frame <= frames; ++frame) {
            QVERIFY(Host::instance().setCurrentFrame(frame));
            const auto snapshot = FrameSnapshot::capture();
            QVERIFY(snapshot);
            QVERIFY2(snapshot->hasValues(), qPrintable(QStringLiteral("frame %1 has no values").arg(frame)));
            const QImage picture = FrameRenderer::image(*snapshot, 400).convertToFormat(QImage::Format_RGB32);
            // More than a border and axes: the plot itself covers a good part of the frame.
            QVERIFY2(
                PictureMeasures::drawnPixels(picture) > picture.width() * picture.height() / 50,
                qPrintable(
                    QStringLiteral("frame %1 draws %2 pixels").arg(frame).arg(PictureMeasures::drawnPixels(picture))));
        }
    }

    // A drawing whose picture is no longer wanted stops before its maps and zones.
    void aCancelledDrawingStopsEarly()
    {
        for (int frame : {1, 3}) {
            QVERIFY(Host::instance().setCurrentFrame(frame));
            const auto snapshot = FrameSnapshot::capture();
            QVERIFY(snapshot);
            const int full = colouredPixels(FrameRenderer::image(*snapshot, 400));
            std::atomic<bool> cancelled{true};
            int stopped = 0;
            {
                const RenderCancellation cancellation(cancelled);
                QVERIFY(RenderCancellation::requested());
                stopped = colouredPixels(FrameRenderer::image(*snapshot, 400));
            }
            QVERIFY(!RenderCancellation::requested());
            QVERIFY2(stopped < full / 2,
                     qPrintable(QStringLiteral("frame %1: %2 of %3").arg(frame).arg(stopped).arg(full)));
        }
    }

    void vectorDevicesReceivePaths()
    {
        const auto snapshot = FrameSnapshot::capture();
        QVERIFY(snapshot);
        QBuffer svg;
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(QSize(600, 400));
        generator.setViewBox(QRect(0, 0, 600, 400));
        {
            QPainter painter(&generator);
            FrameRenderer::render(painter, QRectF(0, 0, 600, 400), *snapshot);
        }
        const QByteArray text = svg.data();
        QVERIFY(text.contains("<path") || text.contains("<polyline"));
        QVERIFY(!text.contains("<image"));

        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            QPainter painter(&writer);
            FrameRenderer::render(painter, QRectF(painter.viewport()), *snapshot);
        }
        QVERIFY(pdf.data().startsWith("%PDF"));
        QVERIFY(pdf.data().size() > 2000);
    }
};

QTEST_MAIN(TestRenderDevices)
#include "tst_render_devices.moc"
