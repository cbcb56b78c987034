#pragma once

#include <QTimer>
#include <QWidget>

#include <boost/signals2/connection.hpp>

#include <memory>

class QThreadPool;

namespace kestrix::workbench {

// The current frame's picture, drawn by the stand-in host. Every host notification that may
// alter it asks for a redraw; a burst of them gives one. The picture is drawn on a worker
// thread from a snapshot of the frame, so that the window never waits for a large frame: a
// newer drawing stops the one running, whose picture is thrown away.
class FramePreview : public QWidget {
    Q_OBJECT
public:
    explicit FramePreview(QWidget* parent = nullptr);
    ~FramePreview() override;

    // Fit the picture into the widget (true), or draw it at the frame's size on the page.
    void setZoomToFit(bool fit);
    bool zoomToFit() const;
    // How many drawings have been shown since the preview was made.
    int shownDrawings() const;

    QSize sizeHint() const override;

signals:
    // A new picture is shown.
    void drawingShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void requestRedraw();
    void startDrawing();

    // Plain data, shared with the drawings that run: it outlives the preview if need be.
    class Private;
    std::shared_ptr<Private> d;
    QTimer m_coalesce;
    boost::signals2::scoped_connection m_stateChanges;
    std::unique_ptr<QThreadPool> m_drawingThread;
};

} // namespace kestrix::workbench
