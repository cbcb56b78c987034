#pragma once

class QWidget;

namespace kestrix::dialogs::common {

// Gives a prompt that lives for the whole session the parent its next caller names. A
// caller that names the active window may name the prompt itself, or one of its own
// children, when the prompt was the last window used: the prompt then keeps its parent.
void moveToParent(QWidget& prompt, QWidget* parent);

} // namespace kestrix::dialogs::common
