#include "PromptParent.h"

#include <QWidget>

namespace kestrix::dialogs::common {

void moveToParent(QWidget& prompt, QWidget* parent)
{
    if (prompt.parentWidget() == parent || (parent && (parent == &prompt || prompt.isAncestorOf(parent))))
        return;
    prompt.setParent(parent, prompt.windowFlags());
}

} // namespace kestrix::dialogs::common
