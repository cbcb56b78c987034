#include <common_ui_qt/ListBoxWidget.h>

namespace kestrix {

ListBoxWidget::ListBoxWidget(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

} // namespace kestrix
