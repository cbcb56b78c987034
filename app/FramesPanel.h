#pragma once

#include <QWidget>

#include <memory>

namespace kestrix::workbench {

// The frames of the host's current page, one row each with its plot type and counts, and the
// current frame in detail. Choosing a row makes that frame current; choosing a page makes
// that page current. Follows every host state change and every new scene.
class FramesPanel : public QWidget {
    Q_OBJECT
public:
    explicit FramesPanel(QWidget* parent = nullptr);
    ~FramesPanel() override;

    // Re-reads the pages and frames from the host at once.
    void refresh();

private:
    void scheduleRefresh();
    void chooseFrame();
    void choosePage(int index);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::workbench
