#include "dialogs/fontselect/intern/UnacceptableInputWatcher.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace kestrix::sdk::ui::dialogs::fontselect::intern {

namespace {

// The line edit of a combo box gets its focus events from the combo box, which hands them on
// without passing any event filter.
QWidget& focusHolderOf(QLineEdit& lineEdit)
{
    QWidget* holder = &lineEdit;
    while (holder->focusProxy())
        holder = holder->focusProxy();
    return *holder;
}

} // namespace

UnacceptableInputWatcher::UnacceptableInputWatcher(QLineEdit& lineEdit)
    : QObject(&lineEdit),
      m_lineEdit(lineEdit),
      m_focusHolder(focusHolderOf(lineEdit))
{
    m_focusHolder.installEventFilter(this);
}

bool UnacceptableInputWatcher::eventFilter(QObject* watched, QEvent* event)
{
    // A popup taking the focus for a moment ends no editing, as the line edit itself holds.
    if (watched == &m_focusHolder && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && !m_lineEdit.hasAcceptableInput())
        emit leftWithUnacceptableInput();
    return QObject::eventFilter(watched, event);
}

} // namespace kestrix::sdk::ui::dialogs::fontselect::intern
