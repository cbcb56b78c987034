#pragma once

#include <QDockWidget>

#include <memory>

namespace kestrix::workbench {

// The host's journal of style assignments, one line per assignment, growing as the dialogs
// write. Keeps the most recent lines only, so that a long session stays responsive.
class JournalDock : public QDockWidget {
    Q_OBJECT
public:
    explicit JournalDock(QWidget* parent = nullptr);
    ~JournalDock() override;

private:
    void appendLine(const QString& line);
    void clearJournal();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::workbench
