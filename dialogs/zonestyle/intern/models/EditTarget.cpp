#include "dialogs/zonestyle/intern/models/EditTarget.h"

#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

#include <kxtoolbox/Set.h>

#include <QItemSelectionModel>

#include <algorithm>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

using uicontrols::SelectedRows;

namespace {

// Every link of a chain has the same rows, so a selection of the chain's table selects the
// rows of each of its links.
bool selectsRowsOf(const QItemSelectionModel& selection, const ModelAbstract& link)
{
    for (auto* table = qobject_cast<const ModelAbstract*>(selection.model()); table; table = table->subModelAbstract()) {
        if (table == &link)
            return true;
    }
    return false;
}

} // namespace

EditTarget::EditTarget(const QModelIndexList& cells)
{
    if (cells.isEmpty())
        return;
    // Cells of a chain's inner link are read through that link; it describes the same frame.
    auto* model = qobject_cast<ModelAbstract*>(const_cast<QAbstractItemModel*>(cells.first().model()));
    if (!model)
        return;
    m_model = model;
    m_frameId = model->frameId();
    m_column = cells.first().column();
    QVector<int> rows;
    rows.reserve(cells.size());
    for (const QModelIndex& cell : cells) {
        if (cell.model() == model && cell.column() == m_column)
            rows.append(cell.row());
    }
    m_rows = SelectedRows::runsFromRows(std::move(rows));
}

EditTarget::EditTarget(ModelAbstract& model, const QItemSelectionModel& selection, int column)
    : m_model(&model), m_frameId(model.frameId()), m_column(column), m_selection(&selection)
{
    if (selectsRowsOf(selection, model))
        m_rows = SelectedRows::clipped(SelectedRows::runs(selection), model.rowCount());
}

void EditTarget::followSelection(const QItemSelectionModel* selection)
{
    m_selection = selection;
}

bool EditTarget::isForCurrentFrame() const
{
    return m_model && m_model->frameId() == m_frameId && VexUtilFrameGetUniqueID() == m_frameId
           && VexUtilDataSetIsAvailableForFrame(m_frameId);
}

toolbox::Set EditTarget::mapsOf(const SelectedRows::Runs& rows)
{
    toolbox::Set maps;
    int rowCount = 0;
    for (const SelectedRows::Run& run : rows) {
        rowCount += run.last - run.first + 1;
        for (int row = run.first; row <= run.last; ++row)
            maps.add(row + 1);
    }
    // The host may fail to allocate the set, losing members: a write to part of the maps is
    // not what the user asked for, and the host may take an empty set for every map, so the
    // callers get an empty set and write nothing.
    if (maps.size() != rowCount)
        return toolbox::Set();
    return maps;
}

SelectedRows::Runs EditTarget::rowsToWrite() const
{
    if (!isForCurrentFrame() || m_column < 0 || m_column >= m_model->columnCount())
        return {};
    // Rows are read from the host: a refresh that announces deleted maps may still be pending.
    const int existing = std::min(m_model->rowCount(), m_model->mapCount());
    SelectedRows::Runs rows = SelectedRows::clipped(m_rows, existing);
    if (m_selection) {
        if (!selectsRowsOf(*m_selection, *m_model))
            return {};
        rows = SelectedRows::intersected(rows, SelectedRows::runs(*m_selection));
    }
    return rows;
}

QModelIndexList EditTarget::cellsToWrite() const
{
    const SelectedRows::Runs rows = rowsToWrite();
    if (rows.isEmpty())
        return {};
    return SelectedRows::indexes(rows, *m_model, m_column);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
