#include "dialogs/uicontrols/SelectedRows.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>

#include <algorithm>

namespace kestrix::sdk::ui::dialogs::uicontrols {

namespace {

SelectedRows::Runs mergeSorted(SelectedRows::Runs runs)
{
    std::sort(runs.begin(), runs.end(),
              [](const SelectedRows::Run& a, const SelectedRows::Run& b) { return a.first < b.first; });
    SelectedRows::Runs merged;
    merged.reserve(runs.size());
    for (const SelectedRows::Run& run : runs) {
        if (run.last < run.first)
            continue;
        if (!merged.isEmpty() && run.first <= merged.last().last + 1)
            merged.last().last = std::max(merged.last().last, run.last);
        else
            merged.append(run);
    }
    return merged;
}

} // namespace

SelectedRows::Runs SelectedRows::runs(const QItemSelection& selection)
{
    Runs runs;
    runs.reserve(selection.size());
    for (const QItemSelectionRange& range : selection) {
        if (range.isValid())
            runs.append(Run{range.top(), range.bottom()});
    }
    return mergeSorted(std::move(runs));
}

SelectedRows::Runs SelectedRows::runs(const QItemSelectionModel& selectionModel)
{
    return runs(selectionModel.selection());
}

SelectedRows::Runs SelectedRows::runsFromRows(QVector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    Runs runs;
    for (int row : rows) {
        if (row < 0)
            continue;
        if (!runs.isEmpty() && row <= runs.last().last + 1)
            runs.last().last = std::max(runs.last().last, row);
        else
            runs.append(Run{row, row});
    }
    return runs;
}

SelectedRows::Runs SelectedRows::clipped(const Runs& runs, int rowCount)
{
    Runs result;
    result.reserve(runs.size());
    for (const Run& run : runs) {
        if (run.first >= rowCount)
            break;
        result.append(Run{std::max(run.first, 0), std::min(run.last, rowCount - 1)});
    }
    return result;
}

int SelectedRows::rowCount(const Runs& runs)
{
    int count = 0;
    for (const Run& run : runs)
        count += run.count();
    return count;
}

bool SelectedRows::contains(const Runs& runs, int row)
{
    auto it = std::upper_bound(runs.begin(), runs.end(), row, [](int value, const Run& run) { return value < run.first; });
    if (it == runs.begin())
        return false;
    --it;
    return row <= it->last;
}

int SelectedRows::firstRow(const Runs& runs)
{
    return runs.isEmpty() ? -1 : runs.first().first;
}

QModelIndexList SelectedRows::indexes(const QItemSelectionModel& selectionModel, int column)
{
    const QAbstractItemModel* model = selectionModel.model();
    if (!model)
        return {};
    return indexes(clipped(runs(selectionModel), model->rowCount()), *model, column);
}

QModelIndexList SelectedRows::indexes(const Runs& runs, const QAbstractItemModel& model, int column)
{
    QModelIndexList result;
    result.reserve(rowCount(runs));
    for (const Run& run : runs) {
        for (int row = run.first; row <= run.last; ++row)
            result.append(model.index(row, column));
    }
    return result;
}

QItemSelection SelectedRows::selection(const Runs& runs, const QAbstractItemModel& model)
{
    QItemSelection result;
    const int lastColumn = model.columnCount() - 1;
    if (lastColumn < 0)
        return result;
    result.reserve(runs.size());
    for (const Run& run : clipped(runs, model.rowCount()))
        result.append(QItemSelectionRange(model.index(run.first, 0), model.index(run.last, lastColumn)));
    return result;
}

void SelectedRows::replaceSelection(QItemSelectionModel& selectionModel, const Runs& runs)
{
    selectionModel.clearSelection();
    const QAbstractItemModel* model = selectionModel.model();
    if (!model || runs.isEmpty())
        return;
    const QItemSelection rows = selection(runs, *model);
    if (!rows.isEmpty())
        selectionModel.select(rows, QItemSelectionModel::Select);
}

} // namespace kestrix::sdk::ui::dialogs::uicontrols
