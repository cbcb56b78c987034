#include "dialogs/zonestyle/intern/views/PopupDialogBase.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QPointer>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

PopupDialogBase::PopupDialogBase(const QPoint& position, QWidget* parent) : QDialog(parent)
{
    move(position);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setResult(QDialog::Accepted);
}

PopupDialogBase::~PopupDialogBase()
{
    if (m_eventLoop)
        m_eventLoop->quit();
}

int PopupDialogBase::run()
{
    const QPointer<PopupDialogBase> self(this);
    show();
    if (isVisible()) {
        QEventLoop eventLoop;
        m_eventLoop = &eventLoop;
        eventLoop.exec(QEventLoop::DialogExec);
        if (!self)
            return QDialog::Rejected;
        m_eventLoop = nullptr;
    }
    return result();
}

void PopupDialogBase::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (m_eventLoop)
        m_eventLoop->quit();
}

// A popup closes when the user clicks elsewhere; that keeps what was entered.
void PopupDialogBase::closeEvent(QCloseEvent* event)
{
    event->accept();
}

void PopupDialogBase::keyPressEvent(QKeyEvent* event)
{
    QDialog::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        event->accept();
        accept();
        break;
    case Qt::Key_Cancel:
        event->accept();
        reject();
        break;
    default:
        break;
    }
}

// Tab reaches the popup as focus navigation from its editing widget; it confirms the entry.
bool PopupDialogBase::focusNextPrevChild(bool)
{
    accept();
    return true;
}

void PopupDialogBase::addDropShadow(QWidget& widget)
{
    auto* shadow = new QGraphicsDropShadowEffect(&widget);
    shadow->setBlurRadius(3.0);
    widget.setGraphicsEffect(shadow);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
