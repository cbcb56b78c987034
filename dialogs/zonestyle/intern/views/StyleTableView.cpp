#include "dialogs/zonestyle/intern/views/StyleTableView.h"

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/models/EditTarget.h"
#include "dialogs/zonestyle/intern/models/EditorKind.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"
#include "dialogs/zonestyle/intern/views/BooleanItemDelegate.h"
#include "dialogs/zonestyle/intern/views/ColorItemDelegate.h"
#include "dialogs/zonestyle/intern/views/ColumnWidthStore.h"
#include "dialogs/zonestyle/intern/views/ComboBoxDialog.h"
#include "dialogs/zonestyle/intern/views/DynamicLineMapTextEditDialog.h"
#include "dialogs/zonestyle/intern/views/ItemDelegate.h"
#include "dialogs/zonestyle/intern/views/ListBoxDialog.h"
#include "dialogs/zonestyle/intern/views/ListItemDelegate.h"
#include "dialogs/zonestyle/intern/views/TextEditDialog.h"
#include "dialogs/zonestyle/intern/views/TextItemDelegate.h"

#include <common_ui_qt/ComboBoxAutoFilter.h>
#include <kxsdkbase/KernelApi.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScopedValueRollback>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

using uicontrols::SelectedRows;

namespace {

// Owns a popup for one scope, unless the popup's parent destroyed it first while it ran.
template <typename Popup>
class ScopedPopup {
public:
    explicit ScopedPopup(Popup* popup) : m_popup(popup) {}
    ScopedPopup(const ScopedPopup&) = delete;
    ScopedPopup& operator=(const ScopedPopup&) = delete;
    ~ScopedPopup() { delete m_popup.data(); }

    Popup* operator->() const { return m_popup.data(); }
    // Runs the popup; true when it was accepted and still exists.
    bool runAccepted()
    {
        if (!m_popup)
            return false;
        const int result = m_popup->run();
        return m_popup && result == QDialog::Accepted;
    }

private:
    QPointer<Popup> m_popup;
};

QStringList choicesOf(const QModelIndex& index)
{
    return index.data(Qt::EditRole).toStringList();
}

std::optional<QVariant> rowWithin(int row, const QStringList& choices)
{
    if (row < 0 || row >= choices.size())
        return std::nullopt;
    return QVariant(row);
}

std::optional<QVariant> editText(const QPoint& position, QWidget* parent, const QString& text)
{
    ScopedPopup<TextEditDialog> popup(new TextEditDialog(position, parent, text));
    if (!popup.runAccepted())
        return std::nullopt;
    return QVariant(popup->text());
}

// The raw name, with its dynamic codes; lineMap is the map of the clicked row, whose resolved
// name the editor shows as it changes.
std::optional<QVariant> editLineMapText(const QPoint& position, QWidget* parent, const QString& text, int lineMap)
{
    ScopedPopup<DynamicLineMapTextEditDialog> popup(new DynamicLineMapTextEditDialog(position, text, lineMap, parent));
    if (!popup.runAccepted())
        return std::nullopt;
    return QVariant(popup->text());
}

std::optional<QVariant> chooseFromList(const QPoint& position, QWidget* parent, const QStringList& choices,
                                       const QString& current, int width)
{
    ScopedPopup<ListBoxDialog> popup(new ListBoxDialog(position, parent, choices, current, width));
    if (!popup.runAccepted())
        return std::nullopt;
    return rowWithin(popup->currentRow(), choices);
}

std::optional<QVariant> chooseFromComboBox(const QPoint& position, QWidget* parent, const QStringList& choices,
                                           const QString& current, int width)
{
    ScopedPopup<ComboBoxDialog> popup(new ComboBoxDialog(position, parent, choices, current, width));
    kestrix::ui::ComboBoxAutoFilter* comboBox = popup->comboBox();
    comboBox->setCompleterAttributes(true, QCompleter::PopupCompletion, Qt::CaseInsensitive, Qt::ElideRight,
                                     Qt::MatchContains);
    // The completer makes the combo box editable; the check only guards the edit text below.
    if (!comboBox->isEditable())
        comboBox->setEditable(true);
    comboBox->setEditText(current);
    if (QLineEdit* lineEdit = comboBox->lineEdit())
        lineEdit->selectAll();
    if (!popup.runAccepted())
        return std::nullopt;
    // Text typed but not yet confirmed in the combo box still names the choice.
    popup->comboBox()->validateEntry();
    return rowWithin(popup->currentIndex(), choices);
}

ItemDelegate* createDelegate(StyleTableView* view, int editorKind, int parameter)
{
    switch (editorKind) {
    case models::EditorKind_TextWithPopup:
    case models::EditorKind_Text:
        return new TextItemDelegate(view, parameter);
    case models::EditorKind_ListWithPopup:
    case models::EditorKind_List:
        return new ListItemDelegate(view, parameter, false, false);
    case models::EditorKind_EditableList:
        return new ListItemDelegate(view, parameter, true, false);
    case models::EditorKind_FilteredListWithPopup:
        return new ListItemDelegate(view, parameter, true, true);
    case models::EditorKind_Boolean:
        return new BooleanItemDelegate(view);
    case models::EditorKind_Color:
        return new ColorItemDelegate(view);
    default:
        return new ItemDelegate(view);
    }
}

int currentPlotType()
{
    return static_cast<int>(VexUtilFrameGetPlotType());
}

} // namespace

class StyleTableView::Private {
public:
    QPointer<models::ModelAbstract> model;
    int tabIndex = 0;
    std::vector<QPointer<ItemDelegate>> delegates;
    QMetaObject::Connection sectionCountConnection;
    // While the view sets widths itself, the header's resize notices are not the user's
    // choice and are not stored: the view stores what it measured.
    bool settingWidths = false;
    // The cell of the running in-place editor, as it was when the editor opened.
    models::EditTarget editTarget;
};

StyleTableView::StyleTableView(QWidget* parent) : uicontrols::TableView(parent), d(std::make_unique<Private>())
{
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(0);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    installEventFilter(this);
    setWordWrap(false);
    setTabKeyNavigation(false);
}

StyleTableView::~StyleTableView() = default;

void StyleTableView::setModel(models::ModelAbstract* model, int tabIndex)
{
    disconnect(d->sectionCountConnection);
    const QScopedValueRollback<bool> settingWidths(d->settingWidths, true);
    d->model = model;
    uicontrols::TableView::setModel(model);
    d->tabIndex = tabIndex;
    installDelegates();
    fitColumnWidths(false);
    d->sectionCountConnection = connect(verticalHeader(), &QHeaderView::sectionCountChanged, this,
                                        &StyleTableView::sectionCountChanged);
    // The row measure of the minimum size may have stood in for the new model's rows.
    updateGeometry();
}

void StyleTableView::setModel(QAbstractItemModel* model)
{
    setModel(qobject_cast<models::ModelAbstract*>(model), d->tabIndex);
}

models::ModelAbstract* StyleTableView::styleModel() const
{
    return d->model;
}

int StyleTableView::tabIndex() const
{
    return d->tabIndex;
}

void StyleTableView::installDelegates()
{
    for (int column = 0; column < static_cast<int>(d->delegates.size()); ++column)
        setItemDelegateForColumn(column, nullptr);
    // Later, not at once: this may run while one of these delegates handles an event.
    for (const QPointer<ItemDelegate>& delegate : d->delegates) {
        if (delegate)
            delegate->deleteLater();
    }
    d->delegates.clear();
    if (!d->model)
        return;
    const int columns = d->model->columnCount();
    d->delegates.reserve(columns);
    for (int column = 0; column < columns; ++column) {
        ItemDelegate* delegate = createDelegate(this, d->model->editorKind(column), d->model->editorParameter(column));
        setItemDelegateForColumn(column, delegate);
        d->delegates.emplace_back(delegate);
    }
}

// The rows a user sees first: those in the viewport, or as many as the view prefers to show
// while it has no size yet. Never the whole table.
std::pair<int, int> StyleTableView::rowsToMeasure() const
{
    const int rows = d->model ? d->model->rowCount() : 0;
    if (rows == 0)
        return {0, -1};
    const int first = std::max(0, verticalHeader()->logicalIndexAt(0));
    const int rowHeight = std::max(1, verticalHeader()->defaultSectionSize());
    const int visible = std::max({viewport()->height() / rowHeight + 1, preferredNumberOfRows(), 1});
    return {first, std::min(rows - 1, first + visible - 1)};
}

// Columns take the width of their widest cell among the rows a user sees first, and at least
// their title's; rows take the height of the tallest such cell. A table without rows has
// nothing to measure: its columns get their titles' widths and nothing is stored, so that the
// first table with rows measures.
void StyleTableView::fitColumnWidths(bool remeasure)
{
    if (!d->model)
        return;
    const QScopedValueRollback<bool> settingWidths(d->settingWidths, true);
    const int columns = d->model->columnCount();
    if (columns == 0)
        return;
    const auto [firstRow, lastRow] = rowsToMeasure();
    // Measured as a row inserted later will be, grid line included.
    int rowHeight = 0;
    for (int row = firstRow; row <= lastRow; ++row)
        rowHeight = std::max(rowHeight, sizeHintForRow(row));
    for (int column = 0; column < columns; ++column) {
        int widest = 0;
        for (int row = firstRow; row <= lastRow; ++row)
            widest = std::max(widest, sizeHintForIndex(d->model->index(row, column)).width());
        const int stored = storedColumnWidth(column);
        if (!remeasure && stored > 0) {
            setColumnWidth(column, stored);
            continue;
        }
        const int titleWidth = horizontalHeader()->sectionSizeHint(column);
        if (lastRow < firstRow) {
            setColumnWidth(column, titleWidth);
            continue;
        }
        setColumnWidth(column, std::max(widest, titleWidth));
        rememberColumnWidth(column);
    }
    if (rowHeight > 0 && verticalHeader()->defaultSectionSize() != rowHeight)
        verticalHeader()->setDefaultSectionSize(rowHeight);
}

void StyleTableView::storeColumnWidth(int column)
{
    if (!d->settingWidths)
        rememberColumnWidth(column);
}

void StyleTableView::rememberColumnWidth(int column)
{
    if (!d->model || column < 0 || column >= d->model->columnCount())
        return;
    const int width = columnWidth(column);
    if (width > 0)
        ColumnWidthStore::setWidth(currentPlotType(), d->tabIndex, column, width);
}

int StyleTableView::storedColumnWidth(int column) const
{
    return ColumnWidthStore::width(currentPlotType(), d->tabIndex, column);
}

void StyleTableView::sectionCountChanged(int oldCount, int newCount)
{
    if (oldCount == 0 && newCount >= 1)
        fitColumnWidths(true);
}

// A right click on an editable cell opens its popup editor at the mouse; the menu key (or
// Shift+F10) always opens the column's menu at the current cell, so that the menus of columns
// with popups stay within reach.
void StyleTableView::contextMenuEvent(QContextMenuEvent* event)
{
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QModelIndex index = fromKeyboard ? currentIndex() : indexAt(event->pos());
    if (!index.isValid() || !d->model) {
        event->ignore();
        return;
    }
    if (fromKeyboard) {
        selectCellIfRowUnselected(index);
        showColumnMenu(*event, index.column(), viewport()->mapToGlobal(visualRect(index).center()));
        return;
    }
    if ((d->model->flags(index) & Qt::ItemIsEditable) && runPopupEditor(*event, index)) {
        event->accept();
        return;
    }
    showColumnMenu(*event, index.column(), event->globalPos());
}

void StyleTableView::selectCellIfRowUnselected(const QModelIndex& index)
{
    QItemSelectionModel* selection = selectionModel();
    if (selection && !SelectedRows::contains(SelectedRows::runs(*selection), index.row()))
        selection->select(index, QItemSelectionModel::Select);
}

// The popup runs an event loop of its own, in which the host may change the maps and the
// dialog may switch tables or close: the value goes to the rows that are still selected and
// still exist when the popup closes, and nowhere if the frame or the table has changed
// meanwhile.
bool StyleTableView::runPopupEditor(const QContextMenuEvent& event, const QModelIndex& index)
{
    selectCellIfRowUnselected(index);
    if (!selectionModel())
        return false;
    const int column = index.column();
    const int kind = d->model->editorKind(column);
    const models::EditTarget target(*d->model, *selectionModel(), column);
    const QPoint position = event.globalPos();
    QWidget* parent = parentWidget();
    const QPointer<StyleTableView> self(this);

    std::optional<QVariant> value;
    switch (kind) {
    case models::EditorKind_TextWithPopup:
        value = editText(position, parent, index.data(Qt::DisplayRole).toString());
        break;
    case models::EditorKind_ListWithPopup:
        value = chooseFromList(position, parent, choicesOf(index), index.data(Qt::DisplayRole).toString(),
                               storedColumnWidth(column));
        break;
    case models::EditorKind_FilteredListWithPopup:
        value = chooseFromComboBox(position, parent, choicesOf(index), index.data(Qt::DisplayRole).toString(),
                                   storedColumnWidth(column));
        break;
    case models::EditorKind_LineMapText:
        value = editLineMapText(position, parent, index.data(Qt::EditRole).toString(), index.row() + 1);
        break;
    default:
        return false;
    }
    if (!value || !self || d->model != target.model())
        return true;
    const QModelIndexList cells = target.cellsToWrite();
    if (!cells.isEmpty())
        target.model()->setDataForIndexes(cells, *value, Qt::EditRole);
    if (kind == models::EditorKind_ListWithPopup)
        viewport()->update();
    return true;
}

bool StyleTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool handled = uicontrols::TableView::edit(index, trigger, event);
    if (handled && state() == QAbstractItemView::EditingState)
        d->editTarget = models::EditTarget(QModelIndexList{index});
    return handled;
}

// The Return or Enter that ends an in-place edit comes up from the editor, which still has the
// focus; it must not go on to press the dialog's default button as well.
void StyleTableView::keyPressEvent(QKeyEvent* event)
{
    const QWidget* focus = QApplication::focusWidget();
    const bool endsEdit = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focus
                          && viewport()->isAncestorOf(focus);
    uicontrols::TableView::keyPressEvent(event);
    if (endsEdit)
        event->accept();
}

void StyleTableView::commitData(QWidget* editor)
{
    if (d->editTarget.cellsToWrite().isEmpty())
        return;
    uicontrols::TableView::commitData(editor);
}

void StyleTableView::showColumnMenu(QContextMenuEvent& event, int column, const QPoint& position)
{
    const std::unique_ptr<QList<QAction*>> actions(d->model->columnActions(selectionModel(), column));
    if (!actions)
        return;
    // The menu's event loop may destroy the view and with it the menu; the actions are ours.
    QList<QPointer<QAction>> ownedActions;
    ownedActions.reserve(actions->size());
    for (QAction* action : *actions)
        ownedActions.append(action);
    if (!actions->isEmpty()) {
        event.accept();
        const QPointer<QMenu> menu = new QMenu(this);
        menu->addActions(*actions);
        menu->exec(position);
        delete menu.data();
    }
    for (const QPointer<QAction>& action : ownedActions)
        delete action.data();
}

QModelIndex StyleTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (d->model && (!VexUtilDataSetIsAvailable() || VexUtilFrameGetUniqueID() != d->model->frameId()))
        return currentIndex();
    return uicontrols::TableView::moveCursor(cursorAction, modifiers);
}

QSize StyleTableView::minimumSizeHint() const
{
    const QAbstractItemModel* shown = model();
    const int rows = shown ? shown->rowCount() : 0;
    if (rows <= 0)
        return QSize(1, 34);
    // While the table passes to another model, the new model's header may already be in
    // place: Qt's measure of a row then walks the header's columns over a model that lacks
    // them and may never stop. The default row height serves until the two agree.
    const int rowHeight =
        horizontalHeader()->model() == shown ? sizeHintForRow(0) : verticalHeader()->defaultSectionSize();
    return QSize(1, 6 * rowHeight + 34);
}

bool StyleTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::MouseButtonRelease)
        return true;
    return uicontrols::TableView::eventFilter(watched, event);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
