#pragma once

#include <QMainWindow>

#include <memory>

class QAction;
class QDialog;

namespace kestrix::propertymanager {
class RelevanceInterface;
}

namespace kestrix::workbench {

struct DialogEntry;

// The workbench's window: the current frame's picture in the centre, the frames of the
// current page, Edit > Undo and Redo over the host's undo stack, the journal of assignments,
// and one menu entry per library dialog.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Whether the entry's dialog may be opened now.
    bool mayOpen(const DialogEntry& entry) const;
    // Opens the entry's dialog as a host does; null when the dialog may not be offered now.
    QDialog* openDialog(const DialogEntry& entry);

private:
    void createMenus();
    void addDialogEntries();
    // Enables the action while the relevance holds.
    void followRelevance(QAction* action, std::shared_ptr<const propertymanager::RelevanceInterface> relevance);
    void updateUndoActions();
    void openSceneFile();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::workbench
