#include "dialogs/valueformat/ValueFormatDialog.h"

#include "ui_ValueFormat.h"

#include "dialogs/valueformat/intern/NumberFormatSettings.h"
#include "dialogs/valueformat/intern/NumberFormatStyle.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxtoolbox/StringList.h>

#include <QCoreApplication>
#include <QIntValidator>
#include <QScopedValueRollback>
#include <QShowEvent>

#include <array>
#include <initializer_list>
#include <optional>

namespace kestrix::sdk::ui::dialogs {

using valueformat::intern::NumberFormatSettings;
using valueformat::intern::NumberFormatStyle;

ValueFormatDialog* ValueFormatDialog::m_dialogInstance = nullptr;

namespace {

struct FormatName {
    NumberFormat_e format;
    const char* text;
};

constexpr std::array<FormatName, 8> FormatNames{
    {{NumberFormat_Integer, QT_TRANSLATE_NOOP("ValueFormat", "Integer")},
     {NumberFormat_FixedFloat, QT_TRANSLATE_NOOP("ValueFormat", "Float")},
     {NumberFormat_Exponential, QT_TRANSLATE_NOOP("ValueFormat", "Exponent")},
     {NumberFormat_BestFloat, QT_TRANSLATE_NOOP("ValueFormat", "Best Float")},
     {NumberFormat_SuperScript, QT_TRANSLATE_NOOP("ValueFormat", "SuperScript")},
     {NumberFormat_CustomLabel, QT_TRANSLATE_NOOP("ValueFormat", "Custom")},
     {NumberFormat_RangeBestFloat, QT_TRANSLATE_NOOP("ValueFormat", "Range Best Float")},
     {NumberFormat_TimeDate, QT_TRANSLATE_NOOP("ValueFormat", "Time/Date")}}};

constexpr std::array<NumberFormat_e, 8> MenuOrder{
    NumberFormat_Integer,        NumberFormat_FixedFloat,  NumberFormat_Exponential, NumberFormat_BestFloat,
    NumberFormat_RangeBestFloat, NumberFormat_SuperScript, NumberFormat_CustomLabel, NumberFormat_TimeDate};

QString fromHost(const std::optional<std::string>& text)
{
    return QString::fromStdString(text.value_or(std::string()));
}

std::string toHost(const QString& text)
{
    return text.toStdString();
}

QString integerText(const std::optional<long>& value)
{
    return value ? QString::number(*value) : QString();
}

// A field whose validator does not accept its text (empty, or typed only part of the way to a
// number in range) has nothing to write: the host keeps its value.
std::optional<long> acceptedInteger(const QLineEdit& field)
{
    if (!field.hasAcceptableInput())
        return std::nullopt;
    bool ok = false;
    const int value = field.validator()->locale().toInt(field.text(), &ok);
    return ok ? std::optional<long>(value) : std::nullopt;
}

// The page shown at OK confirms everything it shows; a page visited before it gives only what
// the user changed there, and a page not read since the dialog was shown gives nothing.
NumberFormatSettings pageSettingsToWrite(const NumberFormatSettings& current,
                                         const std::optional<NumberFormatSettings>& asRead, bool shown)
{
    if (!asRead)
        return {};
    return shown ? current : valueformat::intern::changedSettings(current, *asRead);
}

void append(NumberFormatSettings& settings, const NumberFormatSettings& more)
{
    settings.insert(settings.end(), more.begin(), more.end());
}

} // namespace

class ValueFormatDialog::Private {
public:
    void readPage(NumberFormat_e format);
    void readValueFormatPage(NumberFormat_e format);
    void readTimeDatePage();
    void enableZeroValueFields();
    void enableNegativeNumberFields();
    void forgetWhatWasRead();
    NumberFormatSettings valueFormatPageSettings() const;
    NumberFormatSettings timeDatePageSettings() const;
    NumberFormatSettings settingsToWrite(NumberFormat_e chosenFormat) const;

    Ui::ValueFormat ui;
    bool offerRangeBestFloat = false;
    std::unique_ptr<NumberFormatStyle> style;
    // The frame whose object the dialog shows: OK writes nothing to another one.
    UniqueID_t shownFrame = 0;
    bool updating = false;
    bool sameForZero = false;
    bool sameForNegative = false;
    // Each page's settings as the form held them right after reading them from the host.
    std::optional<NumberFormatSettings> valueFormatAsRead;
    std::optional<NumberFormatSettings> timeDateAsRead;
};

void ValueFormatDialog::Private::readPage(NumberFormat_e format)
{
    if (format == NumberFormat_TimeDate) {
        ui.stackedWidget->setCurrentWidget(ui.TimeDate_Page);
        readTimeDatePage();
    } else {
        ui.stackedWidget->setCurrentWidget(ui.ValueFormat_Page);
        readValueFormatPage(format);
    }
}

void ValueFormatDialog::Private::readValueFormatPage(NumberFormat_e format)
{
    const bool precisionApplies =
        format == NumberFormat_FixedFloat || format == NumberFormat_Exponential || format == NumberFormat_SuperScript;
    ui.valueFormatModal_Precision_Label->setEnabled(precisionApplies);
    ui.valueFormatModal_Precision_1Text->setEnabled(precisionApplies);
    ui.valueFormatModal_Precision_1Text->setText(integerText(style->integer("PRECISION")));

    const bool customSetApplies = format == NumberFormat_CustomLabel;
    ui.valueFormatModal_CustomSet_Label->setEnabled(customSetApplies);
    ui.valueFormatModal_CustomSet_1Text->setEnabled(customSetApplies);
    ui.valueFormatModal_CustomSet_1Text->setText(integerText(style->integer("CUSTOMLABEL")));

    ui.valueFormatModal_ShowDecimal_ToggleButton->setEnabled(
        format == NumberFormat_Integer || format == NumberFormat_BestFloat || format == NumberFormat_RangeBestFloat);
    ui.valueFormatModal_ShowDecimal_ToggleButton->setChecked(style->flag("SHOWDECIMALSONWHOLENUMBERS").value_or(false));
    ui.valueFormatModal_RemoveLeadingZeros_ToggleButton->setEnabled(format != NumberFormat_CustomLabel);
    ui.valueFormatModal_RemoveLeadingZeros_ToggleButton->setChecked(style->flag("REMOVELEADINGZEROS").value_or(false));
    ui.valueFormatModal_ShowSignOnNegNums_ToggleButton->setChecked(style->flag("SHOWNEGATIVESIGN").value_or(false));

    const QString positivePrefix = fromHost(style->text("POSITIVEPREFIX"));
    const QString positiveSuffix = fromHost(style->text("POSITIVESUFFIX"));
    const QString zeroPrefix = fromHost(style->text("ZEROPREFIX"));
    const QString zeroSuffix = fromHost(style->text("ZEROSUFFIX"));
    const QString negativePrefix = fromHost(style->text("NEGATIVEPREFIX"));
    const QString negativeSuffix = fromHost(style->text("NEGATIVESUFFIX"));
    ui.valueFormatModal_Prefix_1Text->setText(positivePrefix);
    ui.valueFormatModal_Suffix_1Text->setText(positiveSuffix);
    ui.valueFormatModal_ZeroValuePrefix_1Text->setText(zeroPrefix);
    ui.valueFormatModal_ZeroValueSuffix_1Text->setText(zeroSuffix);
    ui.valueFormatModal_NegNumPrefix_1Text->setText(negativePrefix);
    ui.valueFormatModal_NegNumSuffix_1Text->setText(negativeSuffix);

    sameForZero = positivePrefix == zeroPrefix && positiveSuffix == zeroSuffix;
    ui.valueFormatModal_UsePrefixSuffixForZeroValues_ToggleButton->setChecked(sameForZero);
    enableZeroValueFields();
    sameForNegative = positivePrefix == negativePrefix && positiveSuffix == negativeSuffix;
    ui.valueFormatModal_UsePrefixSuffixForNegValues_ToggleButton->setChecked(sameForNegative);
    enableNegativeNumberFields();

    valueFormatAsRead = valueFormatPageSettings();
}

void ValueFormatDialog::Private::readTimeDatePage()
{
    ui.valueFormatModal_Format_LineEdit->setText(fromHost(style->text("TIMEDATEFORMAT")));
    timeDateAsRead = timeDatePageSettings();
}

void ValueFormatDialog::Private::enableZeroValueFields()
{
    const std::initializer_list<QWidget*> zeroValueFields{
        ui.valueFormatModal_ZeroValue_Label, ui.valueFormatModal_ZeroValuePrefix_Label,
        ui.valueFormatModal_ZeroValueSuffix_Label, ui.valueFormatModal_ZeroValuePrefix_1Text,
        ui.valueFormatModal_ZeroValueSuffix_1Text};
    for (QWidget* widget : zeroValueFields)
        widget->setEnabled(!sameForZero);
}

void ValueFormatDialog::Private::enableNegativeNumberFields()
{
    const std::initializer_list<QWidget*> negativeNumberFields{
        ui.valueFormatModal_NegNum_Label, ui.valueFormatModal_NegNumPrefix_Label,
        ui.valueFormatModal_NegNumSuffix_Label, ui.valueFormatModal_NegNumPrefix_1Text,
        ui.valueFormatModal_NegNumSuffix_1Text};
    for (QWidget* widget : negativeNumberFields)
        widget->setEnabled(!sameForNegative);
}

void ValueFormatDialog::Private::forgetWhatWasRead()
{
    valueFormatAsRead.reset();
    timeDateAsRead.reset();
}

NumberFormatSettings ValueFormatDialog::Private::valueFormatPageSettings() const
{
    NumberFormatSettings settings;
    if (const std::optional<long> precision = acceptedInteger(*ui.valueFormatModal_Precision_1Text))
        settings.push_back({"PRECISION", *precision});
    if (const std::optional<long> customSet = acceptedInteger(*ui.valueFormatModal_CustomSet_1Text))
        settings.push_back({"CUSTOMLABEL", *customSet});
    settings.push_back({"SHOWDECIMALSONWHOLENUMBERS", ui.valueFormatModal_ShowDecimal_ToggleButton->isChecked()});
    settings.push_back({"REMOVELEADINGZEROS", ui.valueFormatModal_RemoveLeadingZeros_ToggleButton->isChecked()});
    settings.push_back({"SHOWNEGATIVESIGN", ui.valueFormatModal_ShowSignOnNegNums_ToggleButton->isChecked()});

    const std::string positivePrefix = toHost(ui.valueFormatModal_Prefix_1Text->text());
    const std::string positiveSuffix = toHost(ui.valueFormatModal_Suffix_1Text->text());
    settings.push_back({"POSITIVEPREFIX", positivePrefix});
    settings.push_back({"POSITIVESUFFIX", positiveSuffix});
    settings.push_back(
        {"ZEROPREFIX", sameForZero ? positivePrefix : toHost(ui.valueFormatModal_ZeroValuePrefix_1Text->text())});
    settings.push_back(
        {"ZEROSUFFIX", sameForZero ? positiveSuffix : toHost(ui.valueFormatModal_ZeroValueSuffix_1Text->text())});
    settings.push_back(
        {"NEGATIVEPREFIX", sameForNegative ? positivePrefix : toHost(ui.valueFormatModal_NegNumPrefix_1Text->text())});
    settings.push_back(
        {"NEGATIVESUFFIX", sameForNegative ? positiveSuffix : toHost(ui.valueFormatModal_NegNumSuffix_1Text->text())});
    return settings;
}

NumberFormatSettings ValueFormatDialog::Private::timeDatePageSettings() const
{
    // Without a pattern the host would print time/date labels as nothing at all.
    const QString pattern = ui.valueFormatModal_Format_LineEdit->text();
    if (pattern.isEmpty())
        return {};
    return {{"TIMEDATEFORMAT", toHost(pattern)}};
}

NumberFormatSettings ValueFormatDialog::Private::settingsToWrite(NumberFormat_e chosenFormat) const
{
    // Not shown since it was made or pointed at this object: the form holds nothing of it.
    if (!valueFormatAsRead && !timeDateAsRead)
        return {};
    NumberFormatSettings settings;
    if (chosenFormat != NumberFormat_Invalid)
        settings.push_back({"FORMATTING", static_cast<long>(chosenFormat)});
    const bool timeDateShown = ui.stackedWidget->currentWidget() == ui.TimeDate_Page;
    append(settings, pageSettingsToWrite(timeDatePageSettings(), timeDateAsRead, timeDateShown));
    append(settings, pageSettingsToWrite(valueFormatPageSettings(), valueFormatAsRead, !timeDateShown));
    return settings;
}

ValueFormatDialog& ValueFormatDialog::getInstance(QWidget& parent, bool offerRangeBestFloat,
                                                  const toolbox::StringList& keywords, int objectIndex,
                                                  int objectIndex2)
{
    if (!m_dialogInstance)
        m_dialogInstance = new ValueFormatDialog(parent, offerRangeBestFloat, keywords, objectIndex, objectIndex2);
    else
        m_dialogInstance->setTarget(offerRangeBestFloat, keywords, objectIndex, objectIndex2);
    return *m_dialogInstance;
}

ValueFormatDialog::ValueFormatDialog(QWidget& parent, bool offerRangeBestFloat, const toolbox::StringList& keywords,
                                     int objectIndex, int objectIndex2)
    : QtDialogAbstract(parent, nullptr),
      d(std::make_unique<Private>())
{
    setHelpAction(new kestrix::dialogs::common::LaunchHelpAction("specify_number_format.html", this));
    d->ui.setupUi(this);
    d->ui.valueFormatModal_Precision_1Text->setValidator(
        new QIntValidator(1, 18, d->ui.valueFormatModal_Precision_1Text));
    d->ui.valueFormatModal_CustomSet_1Text->setValidator(
        new QIntValidator(1, 10, d->ui.valueFormatModal_CustomSet_1Text));
    setTarget(offerRangeBestFloat, keywords, objectIndex, objectIndex2);
}

ValueFormatDialog::~ValueFormatDialog()
{
    m_dialogInstance = nullptr;
}

void ValueFormatDialog::setTarget(bool offerRangeBestFloat, const toolbox::StringList& keywords, int objectIndex,
                                  int objectIndex2)
{
    d->offerRangeBestFloat = offerRangeBestFloat;
    d->style = std::make_unique<NumberFormatStyle>(keywords, objectIndex, objectIndex2);
    d->forgetWhatWasRead();
    // OK writes to the new object; the form must not offer the old one's values for it.
    if (isVisible())
        updateDialog(d->style->format());
}

void ValueFormatDialog::showEvent(QShowEvent* event)
{
    // A window the system restores (after minimizing) keeps the user's edits.
    if (!event->spontaneous()) {
        d->forgetWhatWasRead();
        updateDialog(d->style->format());
    }
    QtDialogAbstract::showEvent(event);
}

void ValueFormatDialog::updateValueFormatOpMenu(NumberFormat_e format)
{
    QComboBox* formats = d->ui.valueFormatModal_Format_CmbBox;
    formats->clear();
    for (NumberFormat_e offered : MenuOrder) {
        if (offered != NumberFormat_RangeBestFloat || d->offerRangeBestFloat)
            formats->addItem(formatToString(offered));
    }
    formats->setCurrentIndex(formats->findText(formatToString(format), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void ValueFormatDialog::updateDialog(NumberFormat_e format)
{
    const QScopedValueRollback<bool> updating(d->updating, true);
    d->shownFrame = VexUtilFrameGetUniqueID();
    updateValueFormatOpMenu(format);
    d->readPage(format);
}

// The host may have made another frame current while the dialog ran.
void ValueFormatDialog::accept()
{
    if (VexUtilFrameGetUniqueID() == d->shownFrame)
        d->style->write(d->settingsToWrite(stringToFormat(d->ui.valueFormatModal_Format_CmbBox->currentText())));
    QtDialogAbstract::accept();
}

QString ValueFormatDialog::formatToString(NumberFormat_e format)
{
    for (const FormatName& name : FormatNames) {
        if (name.format == format)
            return QCoreApplication::translate("ValueFormat", name.text);
    }
    return QString();
}

NumberFormat_e ValueFormatDialog::stringToFormat(const QString& text)
{
    for (const FormatName& name : FormatNames) {
        if (text == QCoreApplication::translate("ValueFormat", name.text))
            return name.format;
    }
    return NumberFormat_Invalid;
}

void ValueFormatDialog::on_valueFormatModal_Format_CmbBox_currentIndexChanged(int)
{
    if (d->updating)
        return;
    // The list stays as it is: rebuilding it inside its own signal would pull the items from
    // under the combo box.
    const QScopedValueRollback<bool> updating(d->updating, true);
    d->readPage(stringToFormat(d->ui.valueFormatModal_Format_CmbBox->currentText()));
}

void ValueFormatDialog::on_valueFormatModal_UsePrefixSuffixForZeroValues_ToggleButton_stateChanged(int state)
{
    if (d->updating)
        return;
    d->sameForZero = state == Qt::Checked;
    d->enableZeroValueFields();
}

void ValueFormatDialog::on_valueFormatModal_UsePrefixSuffixForNegValues_ToggleButton_stateChanged(int state)
{
    if (d->updating)
        return;
    d->sameForNegative = state == Qt::Checked;
    d->enableNegativeNumberFields();
}

} // namespace kestrix::sdk::ui::dialogs
