#pragma once

#include "dialogs/zonestyle/intern/views/ItemDelegate.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// The delegate of list columns: edits the cell in place with a combo box over the cell's
// choices and writes the chosen row. An editable list takes typed text that names a choice;
// with the filter the typed text narrows the choices shown.
class ListItemDelegate : public ItemDelegate {
    Q_OBJECT
public:
    ListItemDelegate(StyleTableView* view, int parameter, bool editable, bool filter);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    QSize cellSizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_parameter;
    mutable int m_width = 0;
    bool m_editable;
    bool m_filter;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
