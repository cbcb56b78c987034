#include <common_ui_qt/IntegralSpinBox.h>

#include <limits>

namespace kestrix::ui {

IntegralSpinBox::IntegralSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
    // Forms narrow the range where a setting needs it; by default any integer is allowed.
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

} // namespace kestrix::ui
