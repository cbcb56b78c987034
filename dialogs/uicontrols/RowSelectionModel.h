#pragma once

#include "dialogs/uicontrols/SelectedRows.h"

#include <QItemSelectionModel>

namespace kestrix::sdk::ui::dialogs::uicontrols {

// A selection model for tables that select whole rows, fast on large selections. Qt's own
// model compares the old and the new selection range by range on every change, which takes
// tens of seconds when a click, Ctrl+A or the corner button meets a selection of every other
// row of 100,000. This one works out the resulting rows itself, with the same meaning of the
// selection flags (Clear, Select, Deselect, Toggle, and Current for the part that a
// Shift-click or a drag keeps replacing), and applies them by clearing and then selecting,
// which Qt does without comparing. Every range counts as the whole rows it touches.
class RowSelectionModel : public QItemSelectionModel {
    Q_OBJECT
public:
    explicit RowSelectionModel(QAbstractItemModel* model, QObject* parent = nullptr);

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;

private:
    void apply(const SelectedRows::Runs& rows);
    // Rows that come or go end the part being extended, as they do in Qt's own model.
    void settle();
    // Makes `rows` the settled part, with no part being extended.
    void settleAs(SelectedRows::Runs rows);

    // The rows of the last change that were settled, and the rows of the part still being
    // extended (Current) with the operation that combines them with the settled ones.
    SelectedRows::Runs m_settled;
    SelectedRows::Runs m_current;
    QItemSelectionModel::SelectionFlags m_currentCommand = QItemSelectionModel::NoUpdate;
    // What this model last applied; a selection that differs was changed by other means,
    // and then counts as settled as it is.
    SelectedRows::Runs m_applied;
    bool m_applying = false;
};

} // namespace kestrix::sdk::ui::dialogs::uicontrols
