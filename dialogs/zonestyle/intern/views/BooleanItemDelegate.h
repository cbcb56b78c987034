#pragma once

#include "dialogs/zonestyle/intern/models/EditTarget.h"
#include "dialogs/zonestyle/intern/views/ItemDelegate.h"

#include <QPersistentModelIndex>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// The delegate of check-box columns. A click on the check box of a selected row sets every
// selected row to the opposite of the clicked cell; in an unselected row it toggles that cell
// alone and makes its row the selection.
class BooleanItemDelegate : public ItemDelegate {
    Q_OBJECT
public:
    explicit BooleanItemDelegate(StyleTableView* view);

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    bool isCheckable(const QAbstractItemModel& model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const;
    bool isInCheckBox(const QStyleOptionViewItem& option, const QPoint& position) const;
    bool toggle(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option, const QModelIndex& index);

    // The cell on which the mouse went down: only a release on the same cell toggles, and
    // only while it still stands for the map of the frame it stood for then.
    QPersistentModelIndex m_pressedIndex;
    models::EditTarget m_pressedTarget;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
