#pragma once

#include <QItemSelection>
#include <QModelIndexList>
#include <QVector>

class QAbstractItemModel;
class QItemSelectionModel;

namespace kestrix::sdk::ui::dialogs::uicontrols {

// The rows of a selection as sorted runs of consecutive rows. Qt's own row queries
// (QItemSelectionModel::selectedRows, select with the Rows flag) are quadratic in the number
// of selection ranges, which a table of 100,000 maps with every other row selected cannot
// afford; everything here is O(ranges log ranges) or linear in its output.
class SelectedRows {
public:
    struct Run {
        int first = 0;
        int last = -1;
        int count() const { return last - first + 1; }
        bool operator==(const Run& other) const { return first == other.first && last == other.last; }
    };
    using Runs = QVector<Run>;

    // The rows that any range of the selection touches, merged into disjoint ascending runs.
    static Runs runs(const QItemSelection& selection);
    static Runs runs(const QItemSelectionModel& selectionModel);
    // Runs of ascending rows given in any order (duplicates allowed).
    static Runs runsFromRows(QVector<int> rows);
    // The runs cut to rows 0 .. rowCount - 1.
    static Runs clipped(const Runs& runs, int rowCount);
    static int rowCount(const Runs& runs);
    // Set operations on runs as ascending disjoint runs give them; linear in the runs.
    static Runs united(const Runs& a, const Runs& b);
    static Runs intersected(const Runs& a, const Runs& b);
    static Runs subtracted(const Runs& a, const Runs& b);
    static Runs toggled(const Runs& a, const Runs& b);
    static bool contains(const Runs& runs, int row);
    static int firstRow(const Runs& runs);

    // One index per selected row, in `column`, ascending: the selected rows of that column.
    static QModelIndexList indexes(const QItemSelectionModel& selectionModel, int column);
    static QModelIndexList indexes(const Runs& runs, const QAbstractItemModel& model, int column);
    // A selection of whole rows of `model`: one range per run, spanning every column.
    static QItemSelection selection(const Runs& runs, const QAbstractItemModel& model);
    // Replaces the selection of `selectionModel` by these whole rows. The old selection is
    // cleared first: Qt compares the old and new selection range by range when both are large.
    static void replaceSelection(QItemSelectionModel& selectionModel, const Runs& runs);
};

} // namespace kestrix::sdk::ui::dialogs::uicontrols
