#include "dialogs/uicontrols/RowSelectionModel.h"

#include <QScopedValueRollback>

namespace kestrix::sdk::ui::dialogs::uicontrols {

namespace {

SelectedRows::Runs combinedWith(const SelectedRows::Runs& settled, const SelectedRows::Runs& current,
                                QItemSelectionModel::SelectionFlags command)
{
    if (command & QItemSelectionModel::Toggle)
        return SelectedRows::toggled(settled, current);
    if (command & QItemSelectionModel::Deselect)
        return SelectedRows::subtracted(settled, current);
    if (command & QItemSelectionModel::Select)
        return SelectedRows::united(settled, current);
    return settled;
}

} // namespace

RowSelectionModel::RowSelectionModel(QAbstractItemModel* model, QObject* parent) : QItemSelectionModel(model, parent)
{
    if (!model)
        return;
    // Connected after Qt's own handlers, which have moved the selection by then.
    connect(model, &QAbstractItemModel::rowsInserted, this, &RowSelectionModel::settle);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &RowSelectionModel::settle);
    connect(model, &QAbstractItemModel::modelReset, this, &RowSelectionModel::settle);
}

void RowSelectionModel::settle()
{
    settleAs(SelectedRows::runs(*this));
    m_applied = m_settled;
}

void RowSelectionModel::settleAs(SelectedRows::Runs rows)
{
    m_settled = std::move(rows);
    m_current.clear();
    m_currentCommand = QItemSelectionModel::NoUpdate;
}

void RowSelectionModel::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command)
{
    // Column selections have no rows to count; this model's own applying goes straight through.
    if (m_applying || !model() || (command & QItemSelectionModel::Columns)) {
        QItemSelectionModel::select(selection, command);
        return;
    }
    if (command == QItemSelectionModel::NoUpdate)
        return;
    const SelectedRows::Runs actual = SelectedRows::runs(*this);
    if (actual != m_applied)
        settleAs(actual);
    if (command & QItemSelectionModel::Clear)
        settleAs({});
    // A change without Current starts a new part: the one before becomes settled.
    if (!(command & QItemSelectionModel::Current))
        settleAs(combinedWith(m_settled, m_current, m_currentCommand));
    if (command & (QItemSelectionModel::Toggle | QItemSelectionModel::Select | QItemSelectionModel::Deselect)) {
        m_current = SelectedRows::clipped(SelectedRows::runs(selection), model()->rowCount());
        m_currentCommand = command;
    }
    const SelectedRows::Runs result = combinedWith(m_settled, m_current, m_currentCommand);
    if (result != actual)
        apply(result);
    m_applied = result;
}

void RowSelectionModel::apply(const SelectedRows::Runs& rows)
{
    const QScopedValueRollback<bool> applying(m_applying, true);
    SelectedRows::replaceSelection(*this, rows);
}

} // namespace kestrix::sdk::ui::dialogs::uicontrols
