#pragma once

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

#include <QModelIndexList>
#include <QPointer>

class QItemSelectionModel;

namespace kestrix::toolbox {
class Set;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The maps that a write was meant for when the user started it: the table, the frame it
// showed and the rows. Popups, menus, check boxes and in-place editors keep one while they
// wait for the user, because the host goes on in the meantime (their event loops deliver
// its state changes): the frame may be switched or replaced, maps may be deleted.
//
// At the moment of writing the target gives the cells to write: none when the table no longer
// exists or no longer shows that frame, or when that frame is not the host's current one any
// more; otherwise the given rows that still exist and, when it follows a selection, are still
// selected.
class EditTarget {
public:
    EditTarget() = default;
    // The given cells, all of one column of one table.
    explicit EditTarget(const QModelIndexList& cells);
    // The selected rows of `selection` in `column`.
    EditTarget(ModelAbstract& model, const QItemSelectionModel& selection, int column);

    // Rows that are no longer selected when writing are left out.
    void followSelection(const QItemSelectionModel* selection);

    ModelAbstract* model() const { return m_model; }
    // The maps of table rows (row r is map r + 1); empty when the host could not hold them all.
    static toolbox::Set mapsOf(const uicontrols::SelectedRows::Runs& rows);

    // The rows to write now; empty as cellsToWrite is.
    uicontrols::SelectedRows::Runs rowsToWrite() const;
    QModelIndexList cellsToWrite() const;

private:
    bool isForCurrentFrame() const;

    QPointer<ModelAbstract> m_model;
    UniqueID_t m_frameId = 0;
    int m_column = -1;
    uicontrols::SelectedRows::Runs m_rows;
    QPointer<const QItemSelectionModel> m_selection;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
