#include "dialogs/uicontrols/TableView.h"

#include "dialogs/uicontrols/RowSelectionModel.h"

#include <QHeaderView>
#include <QPointer>

#include <algorithm>

namespace kestrix::sdk::ui::dialogs::uicontrols {

class TableView::Private {
public:
    // The event whose handling opened the running editor. Only compared by address, and
    // forgotten when that event's handling ends, so that a later event that happens to reuse
    // the address is never mistaken for it.
    mutable const QEvent* editEvent = nullptr;
    QMetaObject::Connection rowsInsertedConnection;

    void forgetIfEditEvent(const QEvent* event)
    {
        if (editEvent == event)
            editEvent = nullptr;
    }
};

TableView::TableView(QWidget* parent)
    : kestrix::dialogs::common::TableViewWithPreferredDimensions(parent), d(std::make_unique<Private>())
{
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

TableView::~TableView() = default;

void TableView::setModel(QAbstractItemModel* model)
{
    disconnect(d->rowsInsertedConnection);
    kestrix::dialogs::common::TableViewWithPreferredDimensions::setModel(model);
    if (!model)
        return;
    d->rowsInsertedConnection = connect(model, &QAbstractItemModel::rowsInserted, this, &TableView::rowsInsertedSlot);
    QItemSelectionModel* madeByQt = selectionModel();
    setSelectionModel(new RowSelectionModel(model, this));
    if (madeByQt && madeByQt->parent() == this)
        madeByQt->deleteLater();
    // A model change also gives each header a selection model of its own, which the view then
    // replaces by its own: the headers' own would pile up at every change of model.
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        for (auto* stale : header->findChildren<QItemSelectionModel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (stale != header->selectionModel())
                stale->deleteLater();
        }
    }
}

// Only the inserted rows that can be seen are measured: a host that adds 100,000 maps at once
// must not have every one of them measured, and the rows below keep the common height.
void TableView::rowsInsertedSlot(const QModelIndex&, int start, int end)
{
    const QHeaderView* rows = verticalHeader();
    const int top = std::max(0, rows->logicalIndexAt(0));
    const int rowHeight = std::max(1, rows->defaultSectionSize());
    const int bottom = top + viewport()->height() / rowHeight + 1;
    for (int row = std::max(start, top); row <= std::min(end, bottom); ++row)
        resizeRowToContents(row);
}

bool TableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool opened = kestrix::dialogs::common::TableViewWithPreferredDimensions::edit(index, trigger, event);
    d->editEvent = opened ? event : nullptr;
    return opened;
}

QItemSelectionModel::SelectionFlags TableView::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    if (event && event == d->editEvent) {
        d->editEvent = nullptr;
        return QItemSelectionModel::NoUpdate;
    }
    d->editEvent = nullptr;
    return kestrix::dialogs::common::TableViewWithPreferredDimensions::selectionCommand(index, event);
}

// Events can run nested event loops (menus, popups) in which the view may be destroyed.
bool TableView::viewportEvent(QEvent* event)
{
    const QPointer<TableView> self(this);
    const bool handled = kestrix::dialogs::common::TableViewWithPreferredDimensions::viewportEvent(event);
    if (self)
        d->forgetIfEditEvent(event);
    return handled;
}

bool TableView::event(QEvent* event)
{
    const QPointer<TableView> self(this);
    const bool handled = kestrix::dialogs::common::TableViewWithPreferredDimensions::event(event);
    if (self)
        d->forgetIfEditEvent(event);
    return handled;
}

} // namespace kestrix::sdk::ui::dialogs::uicontrols
