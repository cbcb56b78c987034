#include "FramePreview.h"

#include "hostsim/Host.h"
#include "hostsim/render/FrameRenderer.h"
#include "hostsim/render/FrameSnapshot.h"
#include "hostsim/render/RenderCancellation.h"

#include <kxsdkintegrationmanager/StateChangeEventObservable.h>

#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QRunnable>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace kestrix::workbench {

namespace {

// Pixels per inch of the frame's size on the page when the picture is not fitted.
constexpr double PixelsPerInch = 96.0;

} // namespace

class FramePreview::Private {
public:
    QImage picture;
    bool zoomToFit = true;
    int shownDrawings = 0;
    // Each drawing carries the number it was started with; only the newest is shown.
    std::atomic<int> newestDrawing{0};
    // Set when a newer drawing is asked for: the running one stops where it is.
    std::shared_ptr<std::atomic<bool>> runningCancelled;
};

FramePreview::FramePreview(QWidget* parent)
    : QWidget(parent),
      d(std::make_shared<Private>()),
      m_drawingThread(std::make_unique<QThreadPool>())
{
    setObjectName(QStringLiteral("workbench_FramePreview"));
    setMinimumSize(160, 120);
    m_drawingThread->setMaxThreadCount(1);
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(0);
    connect(&m_coalesce, &QTimer::timeout, this, &FramePreview::startDrawing);
    m_stateChanges = sdk::integration::StateChangeEventObservable::getInstance().connect(
        [this](const toolbox::StateChangeEventInterface&) { requestRedraw(); });
    connect(&hostsim::Host::instance(), &hostsim::Host::sceneChanged, this, &FramePreview::requestRedraw);
    connect(&hostsim::Host::instance(), &hostsim::Host::journalAppended, this, &FramePreview::requestRedraw);
    requestRedraw();
}

// A drawing still running ends first; its result, queued for a preview that is gone, is
// dropped with it.
FramePreview::~FramePreview()
{
    m_stateChanges.disconnect();
    d->newestDrawing.fetch_add(1);
    if (d->runningCancelled)
        d->runningCancelled->store(true);
    m_drawingThread->waitForDone();
}

void FramePreview::setZoomToFit(bool fit)
{
    if (d->zoomToFit == fit)
        return;
    d->zoomToFit = fit;
    updateGeometry();
    requestRedraw();
}

bool FramePreview::zoomToFit() const
{
    return d->zoomToFit;
}

int FramePreview::shownDrawings() const
{
    return d->shownDrawings;
}

QSize FramePreview::sizeHint() const
{
    return {640, 420};
}

void FramePreview::requestRedraw()
{
    m_coalesce.start();
}

void FramePreview::startDrawing()
{
    if (d->runningCancelled)
        d->runningCancelled->store(true);
    const auto cancelled = std::make_shared<std::atomic<bool>>(false);
    d->runningCancelled = cancelled;
    const std::shared_ptr<const hostsim::render::FrameSnapshot> snapshot = hostsim::render::FrameSnapshot::capture();
    const int drawing = d->newestDrawing.fetch_add(1) + 1;
    if (!snapshot) {
        d->picture = QImage();
        update();
        return;
    }
    int width = std::max(1, this->width());
    if (!d->zoomToFit)
        width = static_cast<int>(std::lround(snapshot->widthInches() * PixelsPerInch));
    else {
        // The whole frame fits, in its proportions.
        const double aspect = snapshot->heightInches() / std::max(0.1, snapshot->widthInches());
        if (width * aspect > height())
            width = std::max(1, static_cast<int>(height() / aspect));
    }
    const std::shared_ptr<Private> shared = d;
    const QPointer<FramePreview> self(this);
    m_drawingThread->start([shared, self, snapshot, drawing, width, cancelled] {
        if (cancelled->load())
            return;
        const hostsim::render::RenderCancellation cancellation(*cancelled);
        QImage picture = hostsim::render::FrameRenderer::image(*snapshot, width);
        if (cancelled->load())
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [shared, self, drawing, picture = std::move(picture)]() mutable {
                if (!self || shared->newestDrawing.load() != drawing)
                    return;
                shared->picture = std::move(picture);
                ++shared->shownDrawings;
                self->update();
                emit self->drawingShown();
            },
            Qt::QueuedConnection);
    });
}

void FramePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (d->picture.isNull())
        return;
    const QSize size = d->picture.size();
    const QPoint origin((width() - size.width()) / 2, (height() - size.height()) / 2);
    painter.drawImage(QPoint(std::max(0, origin.x()), std::max(0, origin.y())), d->picture);
}

void FramePreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (d->zoomToFit)
        requestRedraw();
}

} // namespace kestrix::workbench
