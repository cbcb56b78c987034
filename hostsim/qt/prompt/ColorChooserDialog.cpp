#include <kxsdkdialogs_prompt_qt/ColorChooserDialog.h>

#include "hostsim/qt/dialogs_common/PromptParent.h"

#include "ui_ColorChooserDialog.h"

#include <kxsdkbase/KernelApi.h>

#include <QButtonGroup>
#include <QPixmap>
#include <QPointer>
#include <QToolButton>

#include <array>

namespace kestrix::dialogs::prompt {

namespace {

constexpr int BasicColorCount = 64;
constexpr int SwatchColumns = 8;
constexpr int SwatchSize = 18;
constexpr short RgbColor = -6;
// The colour indices of multi-colours 1 to 8; -2 and -6 lie between them and are not multi-colours.
constexpr std::array<short, 8> MultiColors{-1, -3, -4, -5, -7, -8, -9, -10};

const char* const ColorIndexProperty = "colorIndex";

// The names of the host's sixteen fixed basic colours; the rest of the 64 are the user's own
// and numbered from 1.
constexpr std::array<const char*, 16> NamedBasicColors{
    QT_TRANSLATE_NOOP("ColorChooserDialog", "Black"),      QT_TRANSLATE_NOOP("ColorChooserDialog", "Red"),
    QT_TRANSLATE_NOOP("ColorChooserDialog", "Green"),      QT_TRANSLATE_NOOP("ColorChooserDialog", "Blue"),
    QT_TRANSLATE_NOOP("ColorChooserDialog", "Cyan"),       QT_TRANSLATE_NOOP("ColorChooserDialog", "Yellow"),
    QT_TRANSLATE_NOOP("ColorChooserDialog", "Purple"),     QT_TRANSLATE_NOOP("ColorChooserDialog", "White"),
    QT_TRANSLATE_NOOP("ColorChooserDialog", "Gray"),       QT_TRANSLATE_NOOP("ColorChooserDialog", "Dark Red"),
    QT_TRANSLATE_NOOP("ColorChooserDialog", "Dark Green"), QT_TRANSLATE_NOOP("ColorChooserDialog", "Dark Blue"),
    QT_TRANSLATE_NOOP("ColorChooserDialog", "Dark Cyan"),  QT_TRANSLATE_NOOP("ColorChooserDialog", "Olive"),
    QT_TRANSLATE_NOOP("ColorChooserDialog", "Dark Purple"), QT_TRANSLATE_NOOP("ColorChooserDialog", "Light Gray")};

int multiColorNumber(short color)
{
    for (std::size_t i = 0; i < MultiColors.size(); ++i) {
        if (MultiColors[i] == color)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

QPointer<ColorChooserDialog>& theInstance()
{
    static QPointer<ColorChooserDialog> instance;
    return instance;
}

} // namespace

class ColorChooserDialog::Private {
public:
    QToolButton* addSwatch(QWidget* group, const QString& objectName, short color);
    void refreshSwatchColors();
    void markSelection();

    Ui::ColorChooserDialog ui;
    QButtonGroup* buttons = nullptr;
    std::array<QToolButton*, BasicColorCount> basicSwatches{};
    short selectedColor = 0;
    bool allowMultiColor = false;
};

QToolButton* ColorChooserDialog::Private::addSwatch(QWidget* group, const QString& objectName, short color)
{
    auto* swatch = new QToolButton(group);
    swatch->setObjectName(objectName);
    swatch->setCheckable(true);
    swatch->setProperty(ColorIndexProperty, static_cast<int>(color));
    swatch->setToolTip(ColorChooserDialog::colorToString(color, color >= 0));
    buttons->addButton(swatch);
    return swatch;
}

void ColorChooserDialog::Private::refreshSwatchColors()
{
    // The host's colour map may change between two uses of the chooser.
    for (int color = 0; color < BasicColorCount; ++color) {
        unsigned char red = 0;
        unsigned char green = 0;
        unsigned char blue = 0;
        QPixmap pixmap(SwatchSize, SwatchSize);
        if (VexUtilColorMapGetBasicColorRGB(color, &red, &green, &blue))
            pixmap.fill(QColor(red, green, blue));
        else
            pixmap.fill(Qt::transparent);
        basicSwatches[color]->setIcon(QIcon(pixmap));
    }
}

void ColorChooserDialog::Private::markSelection()
{
    // An exclusive group cannot be cleared by unchecking its checked button.
    buttons->setExclusive(false);
    const QList<QAbstractButton*> swatches = buttons->buttons();
    for (QAbstractButton* swatch : swatches)
        swatch->setChecked(swatch->property(ColorIndexProperty).toInt() == selectedColor);
    buttons->setExclusive(true);
}

ColorChooserDialog& ColorChooserDialog::getInstance(QWidget* parent, bool allowMultiColor)
{
    QPointer<ColorChooserDialog>& instance = theInstance();
    if (!instance)
        instance = new ColorChooserDialog(parent);
    else
        common::moveToParent(*instance, parent);
    instance->configure(allowMultiColor);
    return *instance;
}

ColorChooserDialog::ColorChooserDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr)
    , d(std::make_unique<Private>())
{
    d->ui.setupUi(this);
    d->buttons = new QButtonGroup(this);

    for (int color = 0; color < BasicColorCount; ++color) {
        QToolButton* swatch = d->addSwatch(d->ui.colorChooser_Basic_Group,
                                           QStringLiteral("colorChooser_Basic_%1").arg(color),
                                           static_cast<short>(color));
        swatch->setIconSize(QSize(SwatchSize, SwatchSize));
        d->basicSwatches[color] = swatch;
        d->ui.colorChooser_Basic_Grid->addWidget(swatch, color / SwatchColumns, color % SwatchColumns);
    }
    for (std::size_t i = 0; i < MultiColors.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        QToolButton* swatch = d->addSwatch(d->ui.colorChooser_Multi_Group,
                                           QStringLiteral("colorChooser_MultiColor_%1").arg(number), MultiColors[i]);
        swatch->setText(colorToString(MultiColors[i], false));
        swatch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        d->ui.colorChooser_Multi_Grid->addWidget(swatch, static_cast<int>(i) / 4, static_cast<int>(i) % 4);
    }
    QToolButton* rgb = d->addSwatch(d->ui.colorChooser_Multi_Group, QStringLiteral("colorChooser_RGB_Button"),
                                    RgbColor);
    rgb->setText(colorToString(RgbColor, false));
    rgb->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    d->ui.colorChooser_Multi_Grid->addWidget(rgb, 2, 0, 1, 4);

    connect(d->buttons, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* swatch) {
        d->selectedColor = static_cast<short>(swatch->property(ColorIndexProperty).toInt());
        accept();
    });
}

ColorChooserDialog::~ColorChooserDialog() = default;

void ColorChooserDialog::configure(bool allowMultiColor)
{
    d->allowMultiColor = allowMultiColor;
    d->ui.colorChooser_Multi_Group->setVisible(allowMultiColor);
    d->refreshSwatchColors();
    d->markSelection();
}

short ColorChooserDialog::selectedColor() const
{
    return d->selectedColor;
}

void ColorChooserDialog::setSelectedColor(short color)
{
    d->selectedColor = color;
    d->markSelection();
}

bool ColorChooserDialog::allowsMultiColor() const
{
    return d->allowMultiColor;
}

QString ColorChooserDialog::colorToString(short color, bool withIndex)
{
    if (color >= 0 && color < BasicColorCount) {
        const QString name = color < static_cast<short>(NamedBasicColors.size())
                                 ? tr(NamedBasicColors[color])
                                 : tr("Custom %1").arg(color - static_cast<int>(NamedBasicColors.size()) + 1);
        return withIndex ? QStringLiteral("%1 (%2)").arg(name).arg(color) : name;
    }
    if (color == RgbColor)
        return tr("RGB");
    if (const int number = multiColorNumber(color))
        return tr("Multi-color %1").arg(number);
    return QString();
}

} // namespace kestrix::dialogs::prompt
