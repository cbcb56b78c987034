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

// The rows that `keep(inA, inB)` accepts, from one sweep over the starts and ends of both.
template <typename Keep>
SelectedRows::Runs combined(const SelectedRows::Runs& a, const SelectedRows::Runs& b, Keep keep)
{
    // Each run contributes the row where it starts and the row after its end.
    QVector<int> bounds;
    bounds.reserve(2 * (a.size() + b.size()));
    for (const SelectedRows::Runs* runs : {&a, &b}) {
        for (const SelectedRows::Run& run : *runs) {
            bounds.append(run.first);
            bounds.append(run.last + 1);
        }
    }
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());

    SelectedRows::Runs result;
    auto nextA = a.begin();
    auto nextB = b.begin();
    for (int i = 0; i + 1 < bounds.size(); ++i) {
        const int first = bounds[i];
        while (nextA != a.end() && nextA->last < first)
            ++nextA;
        while (nextB != b.end() && nextB->last < first)
            ++nextB;
        const bool inA = nextA != a.end() && nextA->first <= first;
        const bool inB = nextB != b.end() && nextB->first <= first;
        if (!keep(inA, inB))
            continue;
        const int last = bounds[i + 1] - 1;
        if (!result.isEmpty() && result.last().last + 1 == first)
            result.last().last = last;
        else
            result.append(SelectedRows::Run{first, last});
    }
    return result;
}

} // namespace

SelectedRows::Runs SelectedRows::united(const Runs& a, const Runs& b)
{
    return combined(a, b, [](bool inA, bool inB) { return inA || inB; });
}

SelectedRows::Runs SelectedRows::intersected(const Runs& a, const Runs& b)
{
    return combined(a, b, [](bool inA, bool inB) { return inA && inB; });
}

SelectedRows::Runs SelectedRows::subtracted(const Runs& a, const Runs& b)
{
    return combined(a, b, [](bool inA, bool inB) { return inA && !inB; });
}

SelectedRows::Runs SelectedRows::toggled(const Runs& a, const Runs& b)
{
    return combined(a, b, [](bool inA, bool inB) { return inA != inB; });
}

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
