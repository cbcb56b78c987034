#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

namespace kestrix::testing {

// Answers the next modal dialog, popup or named top-level window that shows while it lives,
// the way a user would. Tests that trigger something modal create one first; the answer runs
// inside the dialog's own event loop.
class ModalDialogAnswerer : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(QWidget& window)>;

    // With an object name, waits for a visible widget of that name; else for the active modal
    // widget or popup.
    explicit ModalDialogAnswerer(Answer answer, const QString& objectName = QString());
    ~ModalDialogAnswerer() override;

    // How many windows it answered: 0 or 1.
    int answered() const { return m_answered ? 1 : 0; }
    QString answeredWindowTitle() const { return m_windowTitle; }

private:
    void poll();
    QWidget* findWindow() const;

    Answer m_answer;
    QString m_objectName;
    QTimer m_timer;
    bool m_answered = false;
    QString m_windowTitle;
};

} // namespace kestrix::testing
