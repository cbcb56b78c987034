// The host's prompts (kxsdkdialogs_prompt_qt/), which the library's dialogs open to ask for a
// colour, a character, three numbers, the scatter-size variable or a zone. What each must do is
// in docs/integration.md, "The host contract". Each is a plain form; in a host without a data
// set the zone and variable choices stay empty.

#include <kxsdkdialogs_prompt_qt/ColorChooserDialog.h>
#include <kxsdkdialogs_prompt_qt/EnterASCIICharacterDialog.h>
#include <kxsdkdialogs_prompt_qt/EnterThreeIntValuesDialog.h>
#include <kxsdkdialogs_prompt_qt/ScatterSizeFontDialog.h>
#include <kxsdkdialogs_prompt_qt/ZoneSelectDialog.h>

#include "PromptForm.h"

#include <kxsdkpropertymanager/VexUtilActionReporter.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <array>
#include <limits>

namespace kestrix::dialogs::prompt {

using skeleton::PromptForm;
using skeleton::singleInstance;

// Colours -----------------------------------------------------------------------------------

namespace {

constexpr short BasicColorCount = 64;
constexpr short RgbColor = -6;
// Multi-colours 1 to 8; -2 and -6 lie between them and are not multi-colours.
constexpr std::array<short, 8> MultiColors{-1, -3, -4, -5, -7, -8, -9, -10};
// The sixteen fixed basic colours; the others are the user's own.
constexpr std::array<const char*, 16> NamedBasicColors{
    "Black", "Red",      "Green",      "Blue",      "Cyan",      "Yellow", "Purple",      "White",
    "Gray",  "Dark Red", "Dark Green", "Dark Blue", "Dark Cyan", "Olive",  "Dark Purple", "Light Gray"};

} // namespace

class ColorChooserDialog::Private {
public:
    explicit Private(QDialog& dialog) : form(dialog) { form.fields().addRow(tr("Color:"), colors); }

    PromptForm form;
    QComboBox* colors = new QComboBox;
};

ColorChooserDialog& ColorChooserDialog::getInstance(QWidget* parent, bool allowMultiColor)
{
    ColorChooserDialog& dialog =
        singleInstance<ColorChooserDialog>(parent, [](QWidget* owner) { return new ColorChooserDialog(owner); });
    dialog.configure(allowMultiColor);
    return dialog;
}

ColorChooserDialog::ColorChooserDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr), d(std::make_unique<Private>(*this))
{
    setWindowTitle(tr("Choose Color"));
}

ColorChooserDialog::~ColorChooserDialog() = default;

void ColorChooserDialog::configure(bool allowMultiColor)
{
    const short selected = selectedColor();
    d->colors->clear();
    for (short color = 0; color < BasicColorCount; ++color)
        d->colors->addItem(colorToString(color, true), color);
    if (allowMultiColor) {
        for (short color : MultiColors)
            d->colors->addItem(colorToString(color, false), color);
        d->colors->addItem(colorToString(RgbColor, false), RgbColor);
    }
    setSelectedColor(selected);
}

short ColorChooserDialog::selectedColor() const
{
    return static_cast<short>(d->colors->currentData().toInt());
}

void ColorChooserDialog::setSelectedColor(short color)
{
    d->colors->setCurrentIndex(std::max(0, d->colors->findData(color)));
}

QString ColorChooserDialog::colorToString(short color, bool withIndex)
{
    if (color >= 0 && color < BasicColorCount) {
        const short named = static_cast<short>(NamedBasicColors.size());
        const QString name = color < named ? tr(NamedBasicColors[color]) : tr("Custom %1").arg(color - named + 1);
        return withIndex ? QStringLiteral("%1 (%2)").arg(name).arg(color) : name;
    }
    if (color == RgbColor)
        return tr("RGB");
    const auto multiColor = std::find(MultiColors.begin(), MultiColors.end(), color);
    return multiColor == MultiColors.end() ? QString() : tr("Multi-color %1").arg(multiColor - MultiColors.begin() + 1);
}

// Characters --------------------------------------------------------------------------------

class EnterASCIICharacterDialog::Private {
public:
    explicit Private(QDialog& dialog) : form(dialog)
    {
        character->setMaxLength(1);
        // The symbol fonts a character may be drawn in.
        fonts->addItem(tr("Greek"), Font_Greek);
        fonts->addItem(tr("Math"), Font_Math);
        fonts->addItem(tr("User Defined"), Font_UserDefined);
        form.fields().addRow(tr("Character:"), character);
        form.fields().addRow(useBaseFont);
        form.fields().addRow(tr("Font:"), fonts);
        QObject::connect(useBaseFont, &QCheckBox::toggled, fonts, &QWidget::setDisabled);
        QObject::connect(character, &QLineEdit::textChanged, &form.okButton(),
                         [this](const QString& text) { form.okButton().setEnabled(!text.isEmpty()); });
    }

    PromptForm form;
    QLineEdit* character = new QLineEdit;
    QCheckBox* useBaseFont = new QCheckBox(tr("Use base font"));
    QComboBox* fonts = new QComboBox;
};

EnterASCIICharacterDialog& EnterASCIICharacterDialog::getInstance(QWidget* parent, const QString& character,
                                                                  bool useBaseFont, Font_e fontOverride)
{
    EnterASCIICharacterDialog& dialog = singleInstance<EnterASCIICharacterDialog>(
        parent, [](QWidget* owner) { return new EnterASCIICharacterDialog(owner); });
    dialog.configure(character, useBaseFont, fontOverride);
    return dialog;
}

EnterASCIICharacterDialog::EnterASCIICharacterDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr), d(std::make_unique<Private>(*this))
{
    setWindowTitle(tr("Enter Character"));
}

EnterASCIICharacterDialog::~EnterASCIICharacterDialog() = default;

void EnterASCIICharacterDialog::configure(const QString& character, bool useBaseFont, Font_e fontOverride)
{
    d->character->setText(character.left(1));
    d->form.okButton().setEnabled(!character.isEmpty());
    d->useBaseFont->setChecked(useBaseFont);
    d->fonts->setDisabled(useBaseFont);
    d->fonts->setCurrentIndex(std::max(0, d->fonts->findData(fontOverride)));
}

QString EnterASCIICharacterDialog::selectedChar() const
{
    return d->character->text();
}

bool EnterASCIICharacterDialog::useBaseFont() const
{
    return d->useBaseFont->isChecked();
}

Font_e EnterASCIICharacterDialog::typeFaceOverride() const
{
    return static_cast<Font_e>(d->fonts->currentData().toInt());
}

// Three integers ----------------------------------------------------------------------------

class EnterThreeIntValuesDialog::Private {
public:
    explicit Private(QDialog& dialog) : form(dialog)
    {
        form.fields().addRow(prompt);
        for (std::size_t i = 0; i < values.size(); ++i)
            form.fields().addRow(labels[i], values[i]);
    }

    PromptForm form;
    QLabel* prompt = new QLabel;
    std::array<QLabel*, 3> labels{new QLabel, new QLabel, new QLabel};
    std::array<QSpinBox*, 3> values{new QSpinBox, new QSpinBox, new QSpinBox};
};

EnterThreeIntValuesDialog& EnterThreeIntValuesDialog::getInstance(QWidget* parent, int value1, int value2, int value3,
                                                                  const QString& title, const QString& prompt,
                                                                  const QString& label1, const QString& label2,
                                                                  const QString& label3, int limit1, int limit2,
                                                                  int limit3)
{
    EnterThreeIntValuesDialog& dialog = singleInstance<EnterThreeIntValuesDialog>(
        parent, [](QWidget* owner) { return new EnterThreeIntValuesDialog(owner); });
    dialog.setWindowTitle(title);
    dialog.d->prompt->setText(prompt);
    dialog.d->form.fields().setRowVisible(dialog.d->prompt, !prompt.isEmpty());
    const std::array<QString, 3> labels{label1, label2, label3};
    const std::array<int, 3> values{value1, value2, value3};
    const std::array<int, 3> limits{limit1, limit2, limit3};
    for (std::size_t i = 0; i < values.size(); ++i) {
        dialog.d->labels[i]->setText(labels[i]);
        // A value below its limit cannot be entered.
        dialog.d->values[i]->setRange(limits[i], std::numeric_limits<int>::max());
        dialog.d->values[i]->setValue(values[i]);
    }
    return dialog;
}

EnterThreeIntValuesDialog::EnterThreeIntValuesDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr), d(std::make_unique<Private>(*this))
{
}

EnterThreeIntValuesDialog::~EnterThreeIntValuesDialog() = default;

int EnterThreeIntValuesDialog::value1() const
{
    return d->values[0]->value();
}

int EnterThreeIntValuesDialog::value2() const
{
    return d->values[1]->value();
}

int EnterThreeIntValuesDialog::value3() const
{
    return d->values[2]->value();
}

// Scatter size ------------------------------------------------------------------------------

class ScatterSizeFontDialog::Private {
public:
    explicit Private(QDialog& dialog) : form(dialog) { form.fields().addRow(tr("Size by variable:"), variables); }

    PromptForm form;
    QComboBox* variables = new QComboBox;
};

ScatterSizeFontDialog& ScatterSizeFontDialog::getInstance(QWidget* parent)
{
    ScatterSizeFontDialog& dialog =
        singleInstance<ScatterSizeFontDialog>(parent, [](QWidget* owner) { return new ScatterSizeFontDialog(owner); });
    skeleton::showEnabledVariables(*dialog.d->variables);
    LgIndex_t current = 0;
    if (toolbox::StyleValue::returnCodeOk(toolbox::CheckedStyleValue("GLOBALSCATTER", "VAR").getInteger(current)))
        dialog.d->variables->setCurrentIndex(std::max(0, dialog.d->variables->findData(static_cast<int>(current))));
    dialog.d->form.okButton().setEnabled(dialog.d->variables->count() > 0);
    return dialog;
}

ScatterSizeFontDialog::ScatterSizeFontDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr), d(std::make_unique<Private>(*this))
{
    setWindowTitle(tr("Scatter Size"));
}

ScatterSizeFontDialog::~ScatterSizeFontDialog() = default;

void ScatterSizeFontDialog::accept()
{
    const int variable = d->variables->currentData().toInt();
    if (!toolbox::StyleValue::returnCodeOk(toolbox::CheckedStyleValue("GLOBALSCATTER", "VAR").set(variable))) {
        propertymanager::VexUtilActionReporter().reportResult(
            false, tr("The scatter size variable could not be set.").toStdString(), std::string());
        return;
    }
    common::QtDialogAbstract::accept();
}

// Zones -------------------------------------------------------------------------------------

class ZoneSelectDialog::Private {
public:
    explicit Private(QDialog& dialog) : form(dialog) { form.fields().addRow(tr("Zone:"), zones); }

    PromptForm form;
    QComboBox* zones = new QComboBox;
    int initialZone = 0;
};

ZoneSelectDialog& ZoneSelectDialog::getInstance(QWidget* parent, int zone)
{
    ZoneSelectDialog& dialog =
        singleInstance<ZoneSelectDialog>(parent, [](QWidget* owner) { return new ZoneSelectDialog(owner); });
    skeleton::showEnabledZones(*dialog.d->zones);
    dialog.d->zones->setCurrentIndex(std::max(0, dialog.d->zones->findData(zone)));
    dialog.d->initialZone = zone;
    dialog.d->form.okButton().setEnabled(dialog.d->zones->count() > 0);
    return dialog;
}

ZoneSelectDialog::ZoneSelectDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr), d(std::make_unique<Private>(*this))
{
    setWindowTitle(tr("Select Zone"));
}

ZoneSelectDialog::~ZoneSelectDialog() = default;

int ZoneSelectDialog::selectedZone() const
{
    const QVariant zone = d->zones->currentData();
    return zone.isValid() ? zone.toInt() : d->initialZone;
}

} // namespace kestrix::dialogs::prompt
