#include "dialogs/zonestyle/intern/views/ListItemDelegate.h"

#include "dialogs/zonestyle/intern/views/ComboBoxEditor.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

namespace {

QStringList choices(const QModelIndex& index)
{
    return index.data(Qt::EditRole).toStringList();
}

int widestText(const QStringList& texts, const QFont& font)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.boundingRect(text).width());
    return widest;
}

} // namespace

ListItemDelegate::ListItemDelegate(StyleTableView* view, int parameter, bool editable, bool filter)
    : ItemDelegate(view), m_parameter(parameter), m_editable(editable), m_filter(filter)
{
}

QWidget* ListItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* editor = new kestrix::ComboBoxEditor(parent);
    editor->setList(choices(index));
    if (m_filter)
        editor->setCompleterAttributes(true, QCompleter::PopupCompletion, Qt::CaseInsensitive, Qt::ElideRight,
                                       Qt::MatchContains);
    else
        editor->setEditable(m_editable);
    // A choice picked from the list is the end of the edit.
    auto* delegate = const_cast<ListItemDelegate*>(this);
    connect(editor, &kestrix::ComboBoxEditor::itemChosen, delegate, [delegate, editor]() {
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor);
    });
    return editor;
}

void ListItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* comboBox = qobject_cast<kestrix::ComboBoxEditor*>(editor);
    if (!comboBox) {
        ItemDelegate::setEditorData(editor, index);
        return;
    }
    const QString current = index.data(Qt::DisplayRole).toString();
    if (comboBox->isEditable()) {
        comboBox->setEditText(current);
        const int found = comboBox->findText(current, Qt::MatchContains);
        if (found >= 0)
            comboBox->setCurrentIndex(found);
        if (QLineEdit* lineEdit = comboBox->lineEdit()) {
            lineEdit->selectAll();
            lineEdit->setFocus();
        }
    } else {
        const int found = comboBox->findText(current, Qt::MatchExactly);
        if (found >= 0)
            comboBox->setCurrentIndex(found);
        // The list opens once the editor is on screen: opened before, it would be placed
        // against an editor that has no position yet.
        QMetaObject::invokeMethod(comboBox, &QComboBox::showPopup, Qt::QueuedConnection);
    }
    const QSize hint = comboBox->minimumSizeHint();
    comboBox->setMinimumWidth(hint.width() - 15);
    comboBox->view()->setMinimumWidth(comboBox->minimumWidth());
    comboBox->setMinimumHeight(hint.height());
}

void ListItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* comboBox = qobject_cast<kestrix::ComboBoxEditor*>(editor)) {
        comboBox->validateEntry();
        // Nothing was chosen (an empty list): there is no row to write.
        if (comboBox->currentIndex() < 0)
            return;
    }
    ItemDelegate::setModelData(editor, model, index);
}

void ListItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

QSize ListItemDelegate::cellSizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize base = ItemDelegate::cellSizeHint(option, index);
    if (m_width == 0) {
        switch (m_parameter) {
        case 1:
            m_width = widestText(choices(index), option.font) + 10;
            break;
        case 2:
            m_width = std::min(widestText(choices(index), option.font), letterWidth(option.font, 20) + 11) + 10;
            break;
        case 3:
            m_width = std::min(widestText(choices(index), option.font), letterWidth(option.font, 10) + 11) + 10;
            break;
        case 4:
            m_width = widestText(choices(index), option.font) + 20;
            break;
        default:
            m_width = base.width();
            break;
        }
    }
    return QSize(m_width, base.height());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
