#include "dialogs/zonestyle/intern/actions/Action.h"

#include "dialogs/zonestyle/intern/models/ModelAbstract.h"
#include "dialogs/uicontrols/SelectedRows.h"

#include <kxtoolbox/Set.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

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

void Action::invokeAction()
{
    if (m_indexes.isEmpty())
        return;
    m_indexes = m_target.cellsToWrite();
    m_unselectedIndexes.clear();
    m_unselectedComputed = false;
    if (m_indexes.isEmpty())
        return;
    execute();
}

const models::ModelAbstract* Action::model() const
{
    if (m_indexes.isEmpty())
        return nullptr;
    return qobject_cast<const models::ModelAbstract*>(m_indexes.first().model());
}

toolbox::Set Action::mapSetOf(const QModelIndexList& indexes)
{
    toolbox::Set maps;
    for (const QModelIndex& index : indexes)
        maps.add(index.row() + 1);
    return maps;
}

toolbox::Set Action::mapSet() const
{
    return mapSetOf(m_indexes);
}

const QModelIndexList& Action::unselectedIndexes() const
{
    if (m_unselectedComputed)
        return m_unselectedIndexes;
    m_unselectedComputed = true;
    if (m_indexes.isEmpty() || !m_indexes.first().model())
        return m_unselectedIndexes;
    const QModelIndex& first = m_indexes.first();
    const QAbstractItemModel* itemModel = first.model();
    QVector<int> rows;
    rows.reserve(m_indexes.size());
    for (const QModelIndex& index : m_indexes) {
        // Only cells of the same column and model count as given; others leave their rows unselected.
        if (index.model() == itemModel && index.column() == first.column())
            rows.append(index.row());
    }
    const uicontrols::SelectedRows::Runs given = uicontrols::SelectedRows::runsFromRows(rows);
    const int rowCount = itemModel->rowCount();
    int row = 0;
    for (const uicontrols::SelectedRows::Run& run : given) {
        for (; row < run.first && row < rowCount; ++row)
            m_unselectedIndexes.append(itemModel->index(row, first.column()));
        row = run.last + 1;
    }
    for (; row < rowCount; ++row)
        m_unselectedIndexes.append(itemModel->index(row, first.column()));
    return m_unselectedIndexes;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
