#include "dialogs/zonestyle/intern/actions/MapActivateAction.h"

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

MapActivateAction::MapActivateAction(const QModelIndexList& indexes, QList<QAction*>* menuList, int mode,
                                     const std::string& activeSetKeyword)
    : Action(textForMode(mode), indexes, menuList), m_mode(mode), m_keyword(activeSetKeyword)
{
}

QString MapActivateAction::textForMode(int mode)
{
    switch (mode) {
    case Mode_Activate: return tr("Activate");
    case Mode_Deactivate: return tr("Deactivate");
    case Mode_ShowSelectedOnly: return tr("Show selected only");
    case Mode_Invert: return tr("Invert");
    default: return {};
    }
}

QList<QAction*>* MapActivateAction::createMenu(const QModelIndexList& indexes, const std::string& activeSetKeyword)
{
    auto* menu = new QList<QAction*>();
    for (int mode : {Mode_Activate, Mode_Deactivate, Mode_ShowSelectedOnly, Mode_Invert})
        new MapActivateAction(indexes, menu, mode, activeSetKeyword);
    return menu;
}

void MapActivateAction::applyCheckState(const QModelIndexList& indexes, const QVariant& checkState,
                                        const std::string& activeSetKeyword)
{
    const int mode = checkState.toInt() == Qt::Checked ? Mode_Activate : Mode_Deactivate;
    MapActivateAction(indexes, nullptr, mode, activeSetKeyword).trigger();
}

void MapActivateAction::write(const QModelIndexList& cells, bool activate) const
{
    if (cells.isEmpty())
        return;
    const toolbox::Set maps = mapSetOf(cells);
    toolbox::CheckedStyleValue(m_keyword.c_str())
        .set(maps, nullptr, -1, -1, activate ? AssignOp_PlusEquals : AssignOp_MinusEquals);
}

void MapActivateAction::execute()
{
    const QModelIndexList cells = cellsToWrite();
    switch (m_mode) {
    case Mode_Activate:
        write(cells, true);
        break;
    case Mode_Deactivate:
        write(cells, false);
        break;
    case Mode_ShowSelectedOnly:
        write(cells, true);
        write(unselectedIndexes(), false);
        break;
    case Mode_Invert: {
        QModelIndexList unchecked;
        QModelIndexList checked;
        for (const QModelIndex& cell : cells) {
            if (cell.data(Qt::CheckStateRole).toInt() == Qt::Checked)
                checked.append(cell);
            else
                unchecked.append(cell);
        }
        write(unchecked, true);
        write(checked, false);
        break;
    }
    default:
        break;
    }
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
