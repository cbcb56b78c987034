#include "dialogs/zonestyle/intern/views/BooleanItemDelegate.h"

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"
#include "dialogs/zonestyle/intern/views/StyleTableView.h"

#include <QMouseEvent>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

using uicontrols::SelectedRows;

BooleanItemDelegate::BooleanItemDelegate(StyleTableView* view) : ItemDelegate(view) {}

bool BooleanItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                      const QModelIndex& index)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const bool handled = ItemDelegate::editorEvent(event, model, option, index);
        if (handled) {
            m_pressedIndex = index;
            m_pressedTarget = models::EditTarget(QModelIndexList{index});
        }
        return handled;
    }
    case QEvent::MouseButtonRelease: {
        const bool onPressedCell = m_pressedIndex.isValid() && m_pressedIndex == index
                                   && !m_pressedTarget.cellsToWrite().isEmpty();
        m_pressedIndex = QPersistentModelIndex();
        m_pressedTarget = models::EditTarget();
        if (!onPressedCell || !model || !isCheckable(*model, option, index))
            return false;
        const auto* mouseEvent = static_cast<const QMouseEvent*>(event);
        if (mouseEvent->button() != Qt::LeftButton || !isInCheckBox(option, mouseEvent->position().toPoint()))
            return false;
        return toggle(event, model, option, index);
    }
    default:
        return false;
    }
}

bool BooleanItemDelegate::isCheckable(const QAbstractItemModel& model, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    const Qt::ItemFlags flags = model.flags(index);
    return (flags & Qt::ItemIsUserCheckable) && (flags & Qt::ItemIsEnabled) && (option.state & QStyle::State_Enabled)
           && index.data(Qt::CheckStateRole).isValid();
}

bool BooleanItemDelegate::isInCheckBox(const QStyleOptionViewItem& option, const QPoint& position) const
{
    QRect checkRect = doCheck(option, option.rect, Qt::Checked);
    QRect unused;
    doLayout(option, &checkRect, &unused, &unused, false);
    return checkRect.contains(position);
}

bool BooleanItemDelegate::toggle(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                 const QModelIndex& index)
{
    QItemSelectionModel* selection = view()->selectionModel();
    const bool rowSelected = selection && selection->model() == model
                             && SelectedRows::contains(SelectedRows::runs(*selection), index.row());
    auto* table = qobject_cast<models::ModelAbstract*>(model);
    if (rowSelected && table) {
        const Qt::CheckState state = index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? Qt::Unchecked
                                                                                           : Qt::Checked;
        const QModelIndexList cells = models::EditTarget(*table, *selection, index.column()).cellsToWrite();
        if (!cells.isEmpty())
            table->setDataForIndexes(cells, static_cast<int>(state), Qt::CheckStateRole);
    } else {
        ItemDelegate::editorEvent(event, model, option, index);
        selectOnlyRow(index);
    }
    makeCurrent(index);
    return true;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
