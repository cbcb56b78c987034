#include "dialogs/uicontrols/EnterKeySwallowingLineEdit.h"

#include <QKeyEvent>

namespace kestrix::sdk::ui::dialogs::uicontrols {

EnterKeySwallowingLineEdit::EnterKeySwallowingLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    installEventFilter(this);
}

EnterKeySwallowingLineEdit::~EnterKeySwallowingLineEdit()
{
    removeEventFilter(this);
}

bool EnterKeySwallowingLineEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter) {
            QLineEdit::keyPressEvent(keyEvent);
            keyEvent->accept();
            return true;
        }
    }
    return QLineEdit::eventFilter(watched, event);
}

} // namespace kestrix::sdk::ui::dialogs::uicontrols
