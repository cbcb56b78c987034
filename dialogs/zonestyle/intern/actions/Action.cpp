#include "dialogs/zonestyle/intern/actions/Action.h"

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

#include <kxtoolbox/Set.h>

#include <QWidget>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

using uicontrols::SelectedRows;

Action::Action(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList)
    : QAction(text, nullptr), m_target(indexes), m_indexes(indexes)
{
    if (menuList)
        menuList->append(this);
    connect(this, &QAction::triggered, this, &Action::invokeAction);
}

Action::~Action() = default;

void Action::followSelection(const QItemSelectionModel* selection)
{
    m_target.followSelection(selection);
}

QModelIndexList Action::cellsToWrite() const
{
    return m_target.cellsToWrite();
}

void Action::invokeAction()
{
    m_accepted = false;
    if (m_target.rowsToWrite().isEmpty())
        return;
    execute();
}

const models::ModelAbstract* Action::model() const
{
    if (m_indexes.isEmpty())
        return nullptr;
    return qobject_cast<const models::ModelAbstract*>(m_indexes.first().model());
}

QWidget* Action::promptParent() const
{
    return qobject_cast<QWidget*>(parent());
}

toolbox::Set Action::mapSetOf(const QModelIndexList& indexes)
{
    QVector<int> rows;
    rows.reserve(indexes.size());
    for (const QModelIndex& index : indexes)
        rows.append(index.row());
    return models::EditTarget::mapsOf(SelectedRows::runsFromRows(std::move(rows)));
}

toolbox::Set Action::mapSet() const
{
    return models::EditTarget::mapsOf(m_target.rowsToWrite());
}

QModelIndexList Action::unselectedIndexes() const
{
    const QModelIndexList cells = cellsToWrite();
    if (cells.isEmpty())
        return {};
    const QModelIndex& first = cells.first();
    const QAbstractItemModel* itemModel = first.model();
    QVector<int> rows;
    rows.reserve(cells.size());
    for (const QModelIndex& cell : cells)
        rows.append(cell.row());
    const SelectedRows::Runs all{SelectedRows::Run{0, itemModel->rowCount() - 1}};
    const SelectedRows::Runs others = SelectedRows::subtracted(all, SelectedRows::runsFromRows(std::move(rows)));
    return SelectedRows::indexes(others, *itemModel, first.column());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
