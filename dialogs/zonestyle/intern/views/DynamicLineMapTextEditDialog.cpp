#include "dialogs/zonestyle/intern/views/DynamicLineMapTextEditDialog.h"

#include "ui_DynamicLineMapTextEdit.h"

#include "propertybindings/ListViewPropertySynchronizer.h"
#include "propertybindings/TextFieldPropertyBinding.h"
#include "propertymanager/DynamicLineMapTextEditPropertiesManager.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxsdkpropertybindings_qt/ButtonBinding.h>
#include <kxsdkpropertybindings_qt/ListViewPropertyBinding.h>

#include <QEvent>

#include <set>
#include <string>
#include <vector>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

using kestrix::propertybindings::BindingInterface;
using kestrix::propertybindings::ButtonBinding;
using kestrix::propertybindings::ListViewPropertyBinding;
using CodeSynchronizer = dialogs::propertybindings::ListViewPropertySynchronizer<std::set<std::string>>;
using TextBinding = dialogs::propertybindings::TextFieldPropertyBinding<std::string>;

class DynamicLineMapTextEditDialog::Private {
public:
    Private(DynamicLineMapTextEditDialog& owner, const QString& text, int lineMap);

    void bindWidgets();
    void connectWidgets();
    void fitListViewToCodes();
    void insertCode();

    ::Ui::DynamicLineMapTextEdit ui;
    propertymanager::DynamicLineMapTextEditPropertiesManager manager;
    kestrix::dialogs::common::LaunchHelpAction helpAction;
    std::vector<std::shared_ptr<BindingInterface>> bindings;
    int lineMap;
    bool focusLost = false;
    DynamicLineMapTextEditDialog& q;
};

DynamicLineMapTextEditDialog::Private::Private(DynamicLineMapTextEditDialog& owner, const QString& text, int lineMap)
    : manager(text.toStdString()),
      helpAction("enter_mapping_name.html", nullptr),
      lineMap(lineMap),
      q(owner)
{
    ui.setupUi(&q);
    addDropShadow(*ui.innerWidget);
    bindWidgets();
    connectWidgets();
    fitListViewToCodes();
    ui.listView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.lineEdit->installEventFilter(&q);
}

void DynamicLineMapTextEditDialog::Private::bindWidgets()
{
    bindings.push_back(std::make_shared<TextBinding>(*ui.lineEdit, manager.text(),
                                                     kestrix::propertybindings::WidgetUpdateMode_OnCommit));
    const auto synchronizer =
        std::make_shared<CodeSynchronizer>(*ui.listView, manager.selectedCodes(), manager.codeList());
    bindings.push_back(
        std::make_shared<ListViewPropertyBinding>(*ui.listView, [synchronizer] { synchronizer->updateWidget(); }));
    bindings.push_back(std::make_shared<ButtonBinding>(*ui.insertToolButton, [this] { insertCode(); }));
}

void DynamicLineMapTextEditDialog::Private::connectWidgets()
{
    QObject::connect(ui.lineEdit, &QLineEdit::cursorPositionChanged, &q,
                     &DynamicLineMapTextEditDialog::cursorPositionChanged);
    QObject::connect(ui.lineEdit, &QLineEdit::textChanged, &q, &DynamicLineMapTextEditDialog::dynamicTextChanged);
    QObject::connect(ui.lineEdit, &QLineEdit::selectionChanged, &q, &DynamicLineMapTextEditDialog::selectionChanged);
    QObject::connect(ui.listView, &QListView::doubleClicked, ui.insertToolButton, &QToolButton::click);
    QObject::connect(ui.helpToolButton, &QToolButton::clicked, &helpAction, &QAction::trigger);
}

// Every code shows without scrolling.
void DynamicLineMapTextEditDialog::Private::fitListViewToCodes()
{
    QListView* view = ui.listView;
    const int frame = 2 * view->frameWidth();
    view->setMinimumWidth(frame + view->sizeHintForColumn(0));
    view->setMinimumHeight(view->sizeHintForRow(0) * manager.codeList()->size() + frame);
}

// The tool button does not take the focus, so text typed just before the click has not been
// committed yet: it is taken first, or the insertion would bring back the older text. Once a
// code is in, the cursor stands right after it, ready for more typing or the next code.
void DynamicLineMapTextEditDialog::Private::insertCode()
{
    manager.text()->setValue(ui.lineEdit->text().toStdString());
    if (!manager.insertCode())
        return;
    ui.lineEdit->setFocus(Qt::OtherFocusReason);
    ui.lineEdit->setCursorPosition(manager.selectionStart()->value());
}

DynamicLineMapTextEditDialog::DynamicLineMapTextEditDialog(const QPoint& position, const QString& text, int lineMap,
                                                           QWidget* parent)
    : PopupDialogBase(position, parent),
      d(std::make_unique<Private>(*this, text, lineMap))
{
    d->ui.lineEdit->home(true);
    d->ui.lineEdit->setFocus();
    dynamicTextChanged(d->ui.lineEdit->text());
}

// The base classes destroy the form's widgets after the private object is gone: the line edit
// must not reach it from then on.
DynamicLineMapTextEditDialog::~DynamicLineMapTextEditDialog()
{
    d->ui.lineEdit->removeEventFilter(this);
    d->ui.lineEdit->disconnect(this);
}

QString DynamicLineMapTextEditDialog::text() const
{
    return QString::fromStdString(d->manager.text()->value());
}

// The line edit drops its selection when it loses the focus, for example to the list of
// codes; the flag lets the selection that the insertion is meant for survive that.
bool DynamicLineMapTextEditDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->ui.lineEdit) {
        if (event->type() == QEvent::FocusOut)
            d->focusLost = true;
        else if (event->type() == QEvent::FocusIn)
            d->focusLost = false;
    }
    return PopupDialogBase::eventFilter(watched, event);
}

// Qt reports a changed selection before the cursor moves to the selection's moving end, so
// the selection itself, not the cursor, tells where the part to replace starts.
void DynamicLineMapTextEditDialog::cursorPositionChanged(int, int newPosition)
{
    if (d->ui.lineEdit->hasSelectedText())
        return;
    d->manager.selectionStart()->setValue(newPosition);
    d->manager.selectionLength()->setValue(0);
}

void DynamicLineMapTextEditDialog::selectionChanged()
{
    if (d->focusLost) {
        d->focusLost = false;
        return;
    }
    const QLineEdit* lineEdit = d->ui.lineEdit;
    if (lineEdit->hasSelectedText()) {
        d->manager.selectionStart()->setValue(lineEdit->selectionStart());
        d->manager.selectionLength()->setValue(static_cast<int>(lineEdit->selectedText().size()));
    } else {
        d->manager.selectionStart()->setValue(lineEdit->cursorPosition());
        d->manager.selectionLength()->setValue(0);
    }
}

void DynamicLineMapTextEditDialog::dynamicTextChanged(const QString& text)
{
    char* resolved = nullptr;
    const bool found = VexAppLineMapGetIntermediateName(d->lineMap, text.toUtf8().constData(), &resolved);
    // Without a name from the host (the map is not in the current frame) the tooltip shows
    // the text as typed rather than nothing.
    d->ui.lineEdit->setToolTip(found && resolved ? QString::fromUtf8(resolved) : text);
    if (resolved)
        VexUtilStringDealloc(&resolved);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
