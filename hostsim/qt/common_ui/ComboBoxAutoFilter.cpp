#include <common_ui_qt/ComboBoxAutoFilter.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPointer>

namespace kestrix::ui {

ComboBoxAutoFilter::ComboBoxAutoFilter(QWidget* parent)
    : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
}

void ComboBoxAutoFilter::setList(const QStringList& items)
{
    // The completer works on the combo box's own model, so it follows the new list.
    clear();
    addItems(items);
}

QStringList ComboBoxAutoFilter::list() const
{
    QStringList items;
    items.reserve(count());
    for (int row = 0; row < count(); ++row)
        items.append(itemText(row));
    return items;
}

void ComboBoxAutoFilter::setCompleterAttributes(bool enabled, QCompleter::CompletionMode mode,
                                                Qt::CaseSensitivity caseSensitivity, Qt::TextElideMode elideMode,
                                                Qt::MatchFlags matchFlags)
{
    // The line edit deletes a completer it owns when it gets another one.
    const QPointer<QCompleter> previous = completer();
    if (!enabled) {
        if (isEditable())
            setCompleter(nullptr);
        if (previous && previous->parent() == this)
            previous->deleteLater();
        return;
    }

    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    auto* filter = new QCompleter(model(), this);
    filter->setObjectName(QStringLiteral("comboBoxAutoFilter_Completer"));
    filter->setCompletionColumn(modelColumn());
    filter->setCompletionMode(mode);
    filter->setCaseSensitivity(caseSensitivity);
    filter->setModelSorting(QCompleter::UnsortedModel);
    // Only the match type part of the flags selects how the typed text is matched.
    const Qt::MatchFlags matchType = matchFlags & Qt::MatchFlags(0x0F);
    if (matchType == Qt::MatchContains || matchType == Qt::MatchEndsWith)
        filter->setFilterMode(matchType);
    else
        filter->setFilterMode(Qt::MatchStartsWith);
    // Inline completion has no popup to elide in.
    if (QAbstractItemView* popup = filter->popup())
        popup->setTextElideMode(elideMode);
    setCompleter(filter);
    if (previous && previous != filter)
        previous->deleteLater();
}

bool ComboBoxAutoFilter::validateEntry()
{
    if (!isEditable())
        return currentIndex() >= 0;

    const QString typed = currentText().trimmed();
    int found = -1;
    if (!typed.isEmpty()) {
        found = findText(typed, Qt::MatchFixedString);
        if (found < 0)
            found = findText(typed, Qt::MatchContains);
    }
    if (found < 0) {
        setEditText(currentIndex() >= 0 ? itemText(currentIndex()) : QString());
        return false;
    }
    setCurrentIndex(found);
    setEditText(itemText(found));
    return true;
}

} // namespace kestrix::ui
