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
    if (m_width == 0) {
        switch (m_parameter) {
        case 2:
            m_width = std::min(base.width(), letterWidth(option.font, 20) + 11);
            break;
        case 3:
            m_width = std::min(base.width(), letterWidth(option.font, 10) + 11);
            break;
        default:
            m_width = base.width();
            break;
        }
    }
    return QSize(m_width, base.height());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
