#pragma once

#include <kxsdkdialogs_common_qt/TableViewWithPreferredDimensions.h>

#include <memory>

namespace kestrix::sdk::ui::dialogs::uicontrols {

// A table view whose rows keep a fixed height and take the height of their contents when they
// are inserted. The click that opens a cell editor leaves the selection as it was, so that
// an edit meant for many selected rows does not collapse the selection to the clicked one.
// Its selections are whole rows, kept by a RowSelectionModel, so that selecting all or
// extending a selection stays fast on large selections.
class TableView : public kestrix::dialogs::common::TableViewWithPreferredDimensions {
    Q_OBJECT
public:
    explicit TableView(QWidget* parent = nullptr);
    ~TableView() override;

    void setModel(QAbstractItemModel* model) override;

    using kestrix::dialogs::common::TableViewWithPreferredDimensions::edit;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    bool viewportEvent(QEvent* event) override;
    bool event(QEvent* event) override;

protected slots:
    void rowsInsertedSlot(const QModelIndex& parent, int start, int end);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs::uicontrols
