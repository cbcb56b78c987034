// The host's common controls (common_ui_qt/), which the library's forms use. What each must do
// is in docs/integration.md, "The host contract".

#include <common_ui_qt/ComboBoxAutoFilter.h>
#include <common_ui_qt/IntegralSpinBox.h>
#include <common_ui_qt/ListBoxWidget.h>
#include <common_ui_qt/QScientificSpinBox.h>

#include <QAbstractItemView>
#include <QRegularExpression>

#include <limits>

namespace kestrix {

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

namespace ui {

// Combo box with a filtering completer ------------------------------------------------------

ComboBoxAutoFilter::ComboBoxAutoFilter(QWidget* parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
}

void ComboBoxAutoFilter::setList(const QStringList& items)
{
    clear();
    addItems(items);
}

void ComboBoxAutoFilter::setCompleterAttributes(bool enabled, QCompleter::CompletionMode mode,
                                                Qt::CaseSensitivity caseSensitivity, Qt::TextElideMode elideMode,
                                                Qt::MatchFlags matchFlags)
{
    if (!enabled) {
        if (isEditable())
            setCompleter(nullptr);
        return;
    }
    setEditable(true);
    // The completer works on the combo box's own model, so it follows setList().
    auto* filter = new QCompleter(model(), this);
    filter->setCompletionMode(mode);
    filter->setCaseSensitivity(caseSensitivity);
    // The completer filters by contains, ends with or starts with, the low bits of the flags.
    const Qt::MatchFlags matchType = matchFlags & Qt::MatchFlags(0x0F);
    filter->setFilterMode(matchType == Qt::MatchContains || matchType == Qt::MatchEndsWith
                              ? matchType
                              : Qt::MatchFlags(Qt::MatchStartsWith));
    filter->popup()->setTextElideMode(elideMode);
    setCompleter(filter);
}

bool ComboBoxAutoFilter::validateEntry()
{
    const QString typed = currentText().trimmed();
    int found = typed.isEmpty() ? -1 : findText(typed, Qt::MatchFixedString);
    if (found < 0 && !typed.isEmpty())
        found = findText(typed, Qt::MatchContains);
    if (found < 0) {
        setEditText(itemText(currentIndex()));
        return false;
    }
    setCurrentIndex(found);
    setEditText(itemText(found));
    return true;
}

// Spin boxes --------------------------------------------------------------------------------

IntegralSpinBox::IntegralSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

namespace {

QString withoutAffixes(const QString& text, const QString& prefix, const QString& suffix)
{
    QString number = text;
    if (number.startsWith(prefix))
        number.remove(0, prefix.size());
    if (number.endsWith(suffix))
        number.chop(suffix.size());
    return number.trimmed();
}

} // namespace

QScientificSpinBox::QScientificSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {}

QString QScientificSpinBox::textFromValue(double value) const
{
    // 'g' switches to exponent notation for very large and very small values.
    QLocale numberLocale = locale();
    numberLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    return numberLocale.toString(value, 'g', QLocale::FloatingPointShortest);
}

double QScientificSpinBox::valueFromText(const QString& text) const
{
    bool ok = false;
    const double parsed = locale().toDouble(withoutAffixes(text, prefix(), suffix()), &ok);
    return ok ? parsed : value();
}

QValidator::State QScientificSpinBox::validate(QString& text, int&) const
{
    const QString number = withoutAffixes(text, prefix(), suffix());
    bool ok = false;
    const double parsed = locale().toDouble(number, &ok);
    if (ok)
        return parsed >= minimum() && parsed <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    // A number being typed ("1e", "-") may become one.
    const QRegularExpression partialNumber(QStringLiteral("^[+-]?\\d*(%1\\d*)?([eE][+-]?\\d*)?$")
                                               .arg(QRegularExpression::escape(locale().decimalPoint())));
    return partialNumber.match(number).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

} // namespace ui

} // namespace kestrix
