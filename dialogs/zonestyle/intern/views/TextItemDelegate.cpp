#include "dialogs/zonestyle/intern/views/TextItemDelegate.h"

#include <QLineEdit>

#include <algorithm>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

TextItemDelegate::TextItemDelegate(StyleTableView* view, int parameter) : ItemDelegate(view), m_parameter(parameter) {}

void TextItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
        lineEdit->setText(index.data(Qt::DisplayRole).toString());
        return;
    }
    ItemDelegate::setEditorData(editor, index);
}

QSize TextItemDelegate::cellSizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize base = ItemDelegate::cellSizeHint(option, index);
    int width = base.width();
    if (m_parameter == 2)
        width = std::min(width, letterWidth(option.font, 20) + 11);
    else if (m_parameter == 3)
        width = std::min(width, letterWidth(option.font, 10) + 11);
    // The widest cell asked about so far, so that a column measured over several rows fits
    // the longest of their texts.
    m_width = std::max(m_width, width);
    return QSize(m_width, base.height());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
