#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

class QDialog;
class QMenu;
class QWidget;

namespace kestrix::testing {

// While it lives, answers every popup, menu and modal window that shows, as a user who
// chooses at random would: an entry of a menu or list, a text typed into a prompt, OK,
// Cancel, Escape or the window's close button. The answers come from `pick`, so that a run
// from the same seed answers the same way. Before an answer it may let something else
// happen first (an interruption), as a host changes its state while a prompt waits.
class RandomUserAnswers : public QObject {
    Q_OBJECT
public:
    // `pick(n)` gives a number from 0 to n - 1. Save choosers that are answered with a file
    // choose one in `scratchFolder`.
    RandomUserAnswers(std::function<int(int)> pick, const QString& scratchFolder);
    ~RandomUserAnswers() override;

    // Runs before an answer now and then; returns what it did, for the log.
    void setInterruption(std::function<QString()> interruption) { m_interruption = std::move(interruption); }
    // What was answered since the last call, one entry per answer.
    QStringList takeLog();
    // Windows seen more often than this in a row are closed without a choice, so that a
    // window that reopens itself cannot keep a run going.
    static constexpr int MaxAnswersPerWindow = 3;

private:
    void poll();
    void answer(QWidget& window);
    QString answerMenu(QMenu& menu);
    QString answerPopup(QWidget& popup);
    QString answerDropDown(QWidget& popup);
    QString answerDialog(QWidget& window);
    QString chooseFile(QDialog& chooser);
    QString dismiss(QWidget& window);
    int timesAnswered(QWidget& window);

    std::function<int(int)> m_pick;
    QString m_scratchFolder;
    std::function<QString()> m_interruption;
    QTimer m_timer;
    QStringList m_log;
    std::vector<std::pair<QPointer<QWidget>, int>> m_answered;
    bool m_answering = false;
};

} // namespace kestrix::testing
