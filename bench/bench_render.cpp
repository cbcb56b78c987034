// Times the stand-in host's drawing of frames: every demo frame, and generated frames of
// 1,000, 10,000 and 100,000 maps of each kind, drawn into a 1200-pixel-wide image. Then, with
// the workbench's preview showing a 100,000-map x-y frame, makes style edits and records the
// longest time the GUI thread was busy in one go until the new picture was shown: the preview
// must never block the window while it draws. Prints one table; exits 1 only when a drawing
// fails to appear.

#include "FramePreview.h"

#include "hostsim/Host.h"
#include "hostsim/render/FrameRenderer.h"
#include "hostsim/render/FrameSnapshot.h"

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>

#include <algorithm>
#include <cstdio>
#include <memory>

using kestrix::hostsim::Host;
using kestrix::hostsim::render::FrameRenderer;
using kestrix::hostsim::render::FrameSnapshot;

namespace {

constexpr int PictureWidth = 1200;

struct Drawing {
    double captureMs = 0.0;
    double drawMs = 0.0;
};

Drawing drawCurrentFrame()
{
    Drawing drawing;
    QElapsedTimer timer;
    timer.start();
    const std::shared_ptr<const FrameSnapshot> snapshot = FrameSnapshot::capture();
    drawing.captureMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (!snapshot)
        return drawing;
    timer.restart();
    const QImage picture = FrameRenderer::image(*snapshot, PictureWidth);
    drawing.drawMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return drawing;
}

void printDrawing(const QString& name, const Drawing& drawing)
{
    std::printf("%-28s %12.2f %12.2f\n", qPrintable(name), drawing.captureMs, drawing.drawMs);
}

// Makes `edits` style edits on the shown frame; for each, the longest slice of event
// processing on the GUI thread until the preview shows the new picture.
bool measureBlocking(kestrix::workbench::FramePreview& preview, int edits, double& longestMs, double& untilShownMs)
{
    longestMs = 0.0;
    untilShownMs = 0.0;
    for (int edit = 0; edit < edits; ++edit) {
        const int shownBefore = preview.shownDrawings();
        QElapsedTimer total;
        total.start();
        kestrix::toolbox::Set first;
        first.add(1);
        {
            QElapsedTimer slice;
            slice.start();
            kestrix::toolbox::CheckedStyleValue("LINEMAP", "LINES", "COLOR").set(edit % 2 == 0 ? 2 : 3, &first);
            longestMs = std::max(longestMs, static_cast<double>(slice.nsecsElapsed()) / 1e6);
        }
        while (preview.shownDrawings() == shownBefore) {
            if (total.elapsed() > 120000)
                return false;
            QElapsedTimer slice;
            slice.start();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            longestMs = std::max(longestMs, static_cast<double>(slice.nsecsElapsed()) / 1e6);
        }
        untilShownMs = std::max(untilShownMs, static_cast<double>(total.nsecsElapsed()) / 1e6);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    std::printf("Frames drawn %d pixels wide; times in ms\n", PictureWidth);
    std::printf("%-28s %12s %12s\n", "frame", "snapshot", "drawing");
    Host& host = Host::instance();
    host.loadDemoScene();
    const QList<Host::FrameInfo> demoFrames = host.framesOfCurrentPage();
    for (int frame = 1; frame <= demoFrames.size(); ++frame) {
        host.setCurrentFrame(frame);
        printDrawing(QStringLiteral("demo: %1").arg(demoFrames.at(frame - 1).name), drawCurrentFrame());
    }
    for (const char* kind : {"xy", "polar", "field2d", "field3d"}) {
        for (int maps : {1000, 10000, 100000}) {
            const QString request = QStringLiteral("%1:%2").arg(QLatin1String(kind)).arg(maps);
            QString error;
            if (!host.loadGeneratedScene(request, &error)) {
                std::fprintf(stderr, "cannot generate %s: %s\n", qPrintable(request), qPrintable(error));
                return 1;
            }
            printDrawing(request, drawCurrentFrame());
        }
    }

    host.loadGeneratedScene(QStringLiteral("xy:100000"));
    QMainWindow window;
    auto* preview = new kestrix::workbench::FramePreview(&window);
    window.setCentralWidget(preview);
    window.resize(1200, 800);
    window.show();
    double longestMs = 0.0;
    double untilShownMs = 0.0;
    // The first picture of the frame, then the edits.
    const bool shown =
        measureBlocking(*preview, 1, longestMs, untilShownMs) && measureBlocking(*preview, 5, longestMs, untilShownMs);
    std::printf("style edits on xy:100000 with the preview shown: GUI thread blocked at most %.2f ms; "
                "new picture shown after at most %.2f ms\n",
                longestMs, untilShownMs);
    return shown ? 0 : 1;
}
