#pragma once

#include "dialogs/zonestyle/intern/views/ItemDelegate.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// The delegate of text columns: edits the cell's text in place; the width class (the
// column's editor parameter) caps the column width for long texts.
class TextItemDelegate : public ItemDelegate {
    Q_OBJECT
public:
    TextItemDelegate(StyleTableView* view, int parameter);

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

protected:
    QSize cellSizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_parameter;
    // Measured on the first request and kept, so that a column does not change width as
    // its cells change.
    mutable int m_width = 0;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
