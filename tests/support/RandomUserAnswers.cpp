#include "support/RandomUserAnswers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

namespace kestrix::testing {

namespace {

// Texts a user might type into a prompt: names, numbers in and out of range, nothing.
const QStringList TypedTexts{
    QStringLiteral("renamed"), QStringLiteral("1"),           QStringLiteral("0"), QStringLiteral("-3"),
    QStringLiteral("2.5"),     QStringLiteral("99999999999"), QString(),           QStringLiteral("&ZN&"),
    QStringLiteral("x y z")};

constexpr const char* BeingAnswered = "kxBeingAnswered";

QString nameOf(const QWidget& window)
{
    const QString name =
        window.objectName().isEmpty() ? QString::fromLatin1(window.metaObject()->className()) : window.objectName();
    return window.windowTitle().isEmpty() ? name : QStringLiteral("%1 \"%2\"").arg(name, window.windowTitle());
}

QWidget* keyTarget(QWidget& window)
{
    QWidget* focus = window.focusWidget();
    return focus && focus->isVisible() ? focus : &window;
}

QAbstractButton* buttonOfRole(QWidget& window, QDialogButtonBox::ButtonRole role)
{
    for (QDialogButtonBox* box : window.findChildren<QDialogButtonBox*>()) {
        if (box->window() != &window)
            continue;
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == role && button->isVisible() && button->isEnabled())
                return button;
        }
    }
    return nullptr;
}

} // namespace

RandomUserAnswers::RandomUserAnswers(std::function<int(int)> pick, const QString& scratchFolder)
    : m_pick(std::move(pick)), m_scratchFolder(scratchFolder)
{
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &RandomUserAnswers::poll);
    m_timer.start();
}

RandomUserAnswers::~RandomUserAnswers() = default;

QStringList RandomUserAnswers::takeLog()
{
    QStringList log;
    log.swap(m_log);
    return log;
}

// The answer runs from a timer of its own: Qt does not deliver a timer's events again while
// its handler runs, and an answer may open an event loop (the prompt its OK opens, say) whose
// windows this poll must still see. A window being answered is skipped meanwhile.
void RandomUserAnswers::poll()
{
    QWidget* window = QApplication::activePopupWidget();
    if (!window) {
        QWidget* modal = QApplication::activeModalWidget();
        window = modal && modal->isVisible() ? modal : nullptr;
    }
    if (!window || window->property(BeingAnswered).toBool())
        return;
    window->setProperty(BeingAnswered, true);
    const QPointer<QWidget> guard(window);
    QTimer::singleShot(0, this, [this, guard] {
        if (!guard)
            return;
        if (guard->isVisible())
            answer(*guard);
        if (guard)
            guard->setProperty(BeingAnswered, false);
    });
}

int RandomUserAnswers::timesAnswered(QWidget& window)
{
    for (auto& [seen, count] : m_answered) {
        if (seen == &window)
            return ++count;
    }
    m_answered.erase(
        std::remove_if(m_answered.begin(), m_answered.end(), [](const auto& entry) { return !entry.first; }),
        m_answered.end());
    m_answered.emplace_back(&window, 1);
    return 1;
}

void RandomUserAnswers::answer(QWidget& window)
{
    const QString name = nameOf(window);
    if (auto* progress = qobject_cast<QProgressDialog*>(&window)) {
        // Decided once: it either runs to its end or is cancelled.
        if (timesAnswered(window) > 1)
            return;
        if (m_pick(2) == 0) {
            m_log.append(name + QStringLiteral(": left running"));
            return;
        }
        m_log.append(name + QStringLiteral(": Cancel"));
        progress->cancel();
        return;
    }
    if (timesAnswered(window) > MaxAnswersPerWindow) {
        m_log.append(name + QStringLiteral(": ") + dismiss(window));
        return;
    }
    const QPointer<QWidget> guard(&window);
    if (m_interruption && m_pick(4) == 0) {
        m_log.append(QStringLiteral("while %1 is open: %2").arg(name, m_interruption()));
        if (!guard || !guard->isVisible())
            return;
    }
    QString what;
    if (auto* menu = qobject_cast<QMenu*>(&window))
        what = answerMenu(*menu);
    else if (window.windowType() == Qt::Popup && !qobject_cast<QDialog*>(&window))
        what = answerDropDown(window);
    else if (window.windowType() == Qt::Popup)
        what = answerPopup(window);
    else
        what = answerDialog(window);
    m_log.append(name + QStringLiteral(": ") + what);
}

QString RandomUserAnswers::answerMenu(QMenu& menu)
{
    QList<QAction*> choices;
    for (QAction* action : menu.actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator())
            choices.append(action);
    }
    if (choices.isEmpty() || m_pick(6) == 0)
        return dismiss(menu);
    QAction* chosen = choices.at(m_pick(int(choices.size())));
    const QString text = chosen->text();
    menu.setActiveAction(chosen);
    QTest::keyClick(&menu, Qt::Key_Return);
    return QStringLiteral("chose \"%1\"").arg(text);
}

// A combo box's list of choices, or any other popup of Qt's own.
QString RandomUserAnswers::answerDropDown(QWidget& popup)
{
    auto* list = popup.findChild<QAbstractItemView*>();
    const int rows = list && list->model() ? list->model()->rowCount() : 0;
    if (rows == 0 || m_pick(4) == 0)
        return dismiss(popup);
    const int row = m_pick(rows);
    list->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list, Qt::Key_Return);
    return QStringLiteral("chose row %1, Return").arg(row);
}

// The table's popups: a text field, a list or a combo box, each taking Return.
QString RandomUserAnswers::answerPopup(QWidget& popup)
{
    const QPointer<QWidget> guard(&popup);
    switch (m_pick(8)) {
    case 0: return dismiss(popup);
    case 1:
        QTest::mouseClick(&popup, Qt::LeftButton, {}, QPoint(popup.width() + 40, popup.height() + 40));
        return QStringLiteral("clicked outside");
    default: break;
    }
    QWidget* target = &popup;
    QString what;
    if (auto* edit = popup.findChild<QLineEdit*>(QStringLiteral("lineEdit"))) {
        const QString text = TypedTexts.at(m_pick(int(TypedTexts.size())));
        edit->setText(text);
        target = edit;
        what = QStringLiteral("typed \"%1\"").arg(text);
    } else if (auto* list = popup.findChild<QAbstractItemView*>(QStringLiteral("listBox"))) {
        const int rows = list->model() ? list->model()->rowCount() : 0;
        if (rows > 0) {
            const int row = m_pick(rows);
            list->setCurrentIndex(list->model()->index(row, 0));
            what = QStringLiteral("chose row %1").arg(row);
        }
        target = list;
    } else if (auto* combo = popup.findChild<QComboBox*>(QStringLiteral("comboBox"))) {
        if (combo->count() > 0) {
            const int index = m_pick(combo->count());
            combo->setCurrentIndex(index);
            what = QStringLiteral("chose entry %1").arg(index);
        }
        target = combo;
    }
    QTest::keyClick(target, Qt::Key_Return);
    return what.isEmpty() ? QStringLiteral("Return") : what + QStringLiteral(", Return");
}

QString RandomUserAnswers::answerDialog(QWidget& window)
{
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.isEmpty() || m_pick(5) == 0)
            return dismiss(window);
        QAbstractButton* button = buttons.at(m_pick(int(buttons.size())));
        const QString text = button->text();
        button->click();
        return QStringLiteral("clicked \"%1\"").arg(text);
    }
    if (auto* chooser = qobject_cast<QFileDialog*>(&window))
        return chooseFile(*chooser);
    switch (m_pick(5)) {
    case 0:
    case 1:
        if (QAbstractButton* ok = buttonOfRole(window, QDialogButtonBox::AcceptRole)) {
            const QString text = ok->text();
            ok->click();
            return QStringLiteral("clicked \"%1\"").arg(text);
        }
        QTest::keyClick(keyTarget(window), Qt::Key_Return);
        return QStringLiteral("Return");
    case 2:
        if (QAbstractButton* cancel = buttonOfRole(window, QDialogButtonBox::RejectRole)) {
            const QString text = cancel->text();
            cancel->click();
            return QStringLiteral("clicked \"%1\"").arg(text);
        }
        return dismiss(window);
    case 3: window.close(); return QStringLiteral("closed");
    default: return dismiss(window);
    }
}

QString RandomUserAnswers::chooseFile(QDialog& chooser)
{
    if (m_pick(4) != 0) {
        chooser.reject();
        return QStringLiteral("cancelled");
    }
    auto* fileDialog = qobject_cast<QFileDialog*>(&chooser);
    const auto* nameField = chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QString fileName = nameField ? QFileInfo(nameField->text()).fileName() : QString();
    if (fileName.isEmpty())
        fileName = QStringLiteral("chaos.out");
    const QString path = QDir(m_scratchFolder).filePath(fileName);
    if (fileDialog)
        fileDialog->selectFile(path);
    chooser.accept();
    return QStringLiteral("chose %1").arg(fileName);
}

// Escape, and where the window stays, its close button, and where it stays still, a reject.
QString RandomUserAnswers::dismiss(QWidget& window)
{
    const QPointer<QWidget> guard(&window);
    QTest::keyClick(keyTarget(window), Qt::Key_Escape);
    if (!guard || !guard->isVisible())
        return QStringLiteral("Escape");
    guard->close();
    if (!guard || !guard->isVisible())
        return QStringLiteral("Escape, closed");
    if (auto* dialog = qobject_cast<QDialog*>(guard.data()))
        dialog->reject();
    return QStringLiteral("Escape, closed, rejected");
}

} // namespace kestrix::testing
