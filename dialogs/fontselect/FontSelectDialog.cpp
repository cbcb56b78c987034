#include "dialogs/fontselect/FontSelectDialog.h"

#include "ui_FontSelect.h"

#include "dialogs/fontselect/TextHeight.h"
#include "dialogs/fontselect/intern/FontFamilies.h"
#include "dialogs/fontselect/intern/HeightValidator.h"
#include "dialogs/fontselect/intern/TextShapeStyle.h"
#include "dialogs/fontselect/intern/UnacceptableInputWatcher.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkbase/KernelApi.h>
#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringListModel>


namespace kestrix::sdk::ui::dialogs {

using fontselect::intern::TextShapeStyle;
using kestrix::dialogs::common::LaunchHelpAction;

FontSelectDialog* FontSelectDialog::m_dialogInstance = nullptr;

namespace {

constexpr double GridStepsPerYRange = 50.0;
constexpr double AxisPercentStep = 1.0;

QString formattedHeight(double height)
{
    return QStringLiteral("%1").arg(height, 0, 'g', -1);
}

bool isWithin(const QWidget& widget, const QWidget& ancestor)
{
    for (const QWidget* link = &widget; link; link = link->parentWidget()) {
        if (link == &ancestor)
            return true;
    }
    return false;
}

} // namespace

class FontSelectDialog::Private {
public:
    Private(FontSelectDialog& dialog, const toolbox::StringList& keywords, int objectIndex, bool gridAllowed,
            bool axisAllowed);

    void serve(const toolbox::StringList& keywords, int objectIndex, bool gridAllowed, bool axisAllowed);
    void refresh();
    void initDialog(bool showGrid, bool showAxis);
    void selectStoredFamily();
    void updateHeight(Units_e units);
    void showOnSpinBox(double minimum, double maximum, double step);
    void fillFontSizeComboBoxValues(Units_e units);
    void setTextHeightFromString(const QString& text);
    void changeUnits(Units_e units);
    QRadioButton* unitsButton(Units_e units) const;

    FontSelectDialog& q;
    Ui::FontSelect ui;
    TextShapeStyle textShape;
    // The frame whose text object the dialog shows: OK writes nothing to another one.
    UniqueID_t shownFrame = 0;
    TextHeight textHeight{Units_Point};
    bool allowGridUnits;
    bool allowAxisUnits;
    QStringListModel* fontFamilies = nullptr;
};

FontSelectDialog::Private::Private(FontSelectDialog& dialog, const toolbox::StringList& keywords, int objectIndex,
                                   bool gridAllowed, bool axisAllowed)
    : q(dialog),
      textShape(keywords, objectIndex),
      allowGridUnits(gridAllowed),
      allowAxisUnits(axisAllowed)
{
}

void FontSelectDialog::Private::serve(const toolbox::StringList& keywords, int objectIndex, bool gridAllowed,
                                      bool axisAllowed)
{
    textShape = TextShapeStyle(keywords, objectIndex);
    allowGridUnits = gridAllowed;
    allowAxisUnits = axisAllowed;
    // What OK writes must be what the dialog shows.
    if (q.isVisible())
        refresh();
}

// The host may have changed the text object since the dialog was last shown, and a dialog
// cancelled with other units must not carry them over.
void FontSelectDialog::Private::refresh()
{
    shownFrame = VexUtilFrameGetUniqueID();
    textHeight = textShape.storedHeight();
    const Units_e stored = textHeight.units();
    initDialog(allowGridUnits || stored == Units_Grid, allowAxisUnits || stored == Units_AxisPercentage);
}

void FontSelectDialog::Private::initDialog(bool showGrid, bool showAxis)
{
    fontFamilies->setStringList(fontselect::intern::hostFontFamilies());
    selectStoredFamily();
    ui.fontSelectModal_SizeByGrid_RadioButton->setVisible(showGrid);
    ui.fontSelectModal_SizeByAxis_RadioButton->setVisible(showAxis);
    const Units_e units = textHeight.units();
    unitsButton(units)->setChecked(true);
    updateHeight(units);
}

void FontSelectDialog::Private::selectStoredFamily()
{
    int row = fontselect::intern::rowOfFamily(*fontFamilies, QString::fromStdString(textShape.storedFamily()));
    if (row < 0)
        row = fontselect::intern::rowOfFamily(*fontFamilies, fontselect::intern::hostDefaultFontFamily());
    if (row >= 0)
        ui.fontSelectModal_Font_CmbBox->setCurrentIndex(row);
}

QRadioButton* FontSelectDialog::Private::unitsButton(Units_e units) const
{
    switch (units) {
    case Units_Grid:
        return ui.fontSelectModal_SizeByGrid_RadioButton;
    case Units_Frame:
        return ui.fontSelectModal_SizeByFrame_RadioButton;
    case Units_AxisPercentage:
        return ui.fontSelectModal_SizeByAxis_RadioButton;
    default:
        return ui.fontSelectModal_SizeByPoints_RadioButton;
    }
}

void FontSelectDialog::Private::updateHeight(Units_e units)
{
    switch (units) {
    case Units_Frame:
    case Units_Point:
        ui.fontHeight_stackedWidget->setCurrentWidget(ui.PointsFrame_page);
        fillFontSizeComboBoxValues(units);
        ui.fontSelectModal_PointFrameHeight_CmbBox1Text->setEditText(formattedHeight(textHeight.height()));
        break;
    case Units_AxisPercentage:
        ui.fontHeight_stackedWidget->setCurrentWidget(ui.AxisGrid_page);
        showOnSpinBox(TextHeight::minimumHeight(units), TextHeight::maximumHeight(units), AxisPercentStep);
        break;
    case Units_Grid: {
        ui.fontHeight_stackedWidget->setCurrentWidget(ui.AxisGrid_page);
        double minimum = 0.0;
        double maximum = 0.0;
        {
            AppLock lock(ImplicitMacroRecording_Off);
            VexUtilAxisGetRange('Y', 1, &minimum, &maximum);
        }
        showOnSpinBox(TextHeight::minimumHeight(units), TextHeight::maximumHeight(units),
                      (maximum - minimum) / GridStepsPerYRange);
        break;
    }
    default:
        break;
    }
}

// The range goes first: the range of other units would clamp the height. The spin box rounds
// what it shows to its decimals; the height itself stays as it is.
void FontSelectDialog::Private::showOnSpinBox(double minimum, double maximum, double step)
{
    kestrix::ui::QScientificSpinBox* spinBox = ui.AxisGridHeight_doubleSpinBox;
    const QSignalBlocker blocker(spinBox);
    spinBox->setRange(minimum, maximum);
    spinBox->setValue(textHeight.height());
    spinBox->setSingleStep(step);
}

// Only choices of the user reach the height (textActivated, editingFinished), so refilling the
// list never changes it.
void FontSelectDialog::Private::fillFontSizeComboBoxValues(Units_e units)
{
    QComboBox* sizes = ui.fontSelectModal_PointFrameHeight_CmbBox1Text;
    sizes->clear();
    const char* const kind = units == Units_Point ? "POINTTEXTSIZES" : "FRAMETEXTSIZES";
    for (const char* size : {"TINY", "SMALL", "MEDIUM", "LARGE", "HUGE"}) {
        double value = 0.0;
        if (toolbox::StyleValue::returnCodeOk(toolbox::CheckedStyleValue("BASICSIZE", kind, size).get(value)))
            sizes->addItem(formattedHeight(value));
    }
}

void FontSelectDialog::Private::setTextHeightFromString(const QString& text)
{
    // The field shows the height rounded; leaving it untouched must not round the height.
    if (text == formattedHeight(textHeight.height()))
        return;
    double height = 0.0;
    // The list shows heights in the C locale; users may also type them in their own.
    if (fontselect::intern::HeightValidator::read(text, ui.fontSelectModal_PointFrameHeight_CmbBox1Text->locale(), height)
        && textHeight.isValidHeight(height))
        textHeight.setHeight(height);
    else
        updateHeight(textHeight.units());
}

void FontSelectDialog::Private::changeUnits(Units_e units)
{
    textHeight.changeUnits(units);
    updateHeight(units);
}

FontSelectDialog::FontSelectDialog(QWidget& parent, const toolbox::StringList& keywords, int objectIndex,
                                   bool allowGridUnits, bool allowAxisUnits)
    : QtDialogAbstract(parent, nullptr),
      d(std::make_unique<Private>(*this, keywords, objectIndex, allowGridUnits, allowAxisUnits))
{
    setHelpAction(new LaunchHelpAction("select_font.html", this));
    d->ui.setupUi(this);

    d->fontFamilies = new QStringListModel(d->ui.fontSelectModal_Font_CmbBox);
    d->ui.fontSelectModal_Font_CmbBox->setModel(d->fontFamilies);

    QComboBox* sizes = d->ui.fontSelectModal_PointFrameHeight_CmbBox1Text;
    sizes->setValidator(new fontselect::intern::HeightValidator(sizes->locale(), sizes));
    // Completing "1" to the listed "10" would turn a typed height into another one.
    sizes->setCompleter(nullptr);
    // textActivated also reports the user choosing the item already shown, which need not be
    // the height any more once another one was typed.
    connect(sizes, &QComboBox::textActivated, this,
            &FontSelectDialog::fontSelectModal_PointFrameHeight_CmbBox1Text_currentIndexChanged);
    connect(sizes->lineEdit(), &QLineEdit::editingFinished, this,
            &FontSelectDialog::fontSelectModal_PointFrameHeight_CmbBox1Text_LineEdit_editTextFinished);
    auto* watcher = new fontselect::intern::UnacceptableInputWatcher(*sizes->lineEdit());
    connect(watcher, &fontselect::intern::UnacceptableInputWatcher::leftWithUnacceptableInput, this,
            &FontSelectDialog::fontSelectModal_PointFrameHeight_CmbBox1Text_LineEdit_editTextFinished);
}

FontSelectDialog::~FontSelectDialog()
{
    // The children outlive the private part; none of their last signals may reach it.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    m_dialogInstance = nullptr;
}

FontSelectDialog& FontSelectDialog::getInstance(QWidget& parent, const toolbox::StringList& keywords, int objectIndex,
                                                bool allowGridUnits, bool allowAxisUnits)
{
    if (!m_dialogInstance) {
        m_dialogInstance = new FontSelectDialog(parent, keywords, objectIndex, allowGridUnits, allowAxisUnits);
        return *m_dialogInstance;
    }
    FontSelectDialog& dialog = *m_dialogInstance;
    // Callers name their active window, which may be this dialog or a window it opened.
    if (dialog.parentWidget() != &parent && !isWithin(parent, dialog) && !dialog.isVisible())
        dialog.setParent(&parent, dialog.windowFlags());
    dialog.d->serve(keywords, objectIndex, allowGridUnits, allowAxisUnits);
    return dialog;
}

void FontSelectDialog::showEvent(QShowEvent* event)
{
    d->refresh();
    QtDialogAbstract::showEvent(event);
}

void FontSelectDialog::on_fontSelectModal_SizeByPoints_RadioButton_toggled(bool checked)
{
    if (checked)
        d->changeUnits(Units_Point);
}

void FontSelectDialog::on_fontSelectModal_SizeByFrame_RadioButton_toggled(bool checked)
{
    if (checked)
        d->changeUnits(Units_Frame);
}

void FontSelectDialog::on_fontSelectModal_SizeByAxis_RadioButton_toggled(bool checked)
{
    if (checked)
        d->changeUnits(Units_AxisPercentage);
}

void FontSelectDialog::on_fontSelectModal_SizeByGrid_RadioButton_toggled(bool checked)
{
    if (checked)
        d->changeUnits(Units_Grid);
}

void FontSelectDialog::on_AxisGridHeight_doubleSpinBox_valueChanged(double value)
{
    if (d->textHeight.isValidHeight(value))
        d->textHeight.setHeight(value);
    else
        d->updateHeight(d->textHeight.units());
}

// The host may have made another frame current while the dialog ran.
void FontSelectDialog::on_buttonBox_accepted()
{
    if (VexUtilFrameGetUniqueID() == d->shownFrame)
        d->textShape.write(d->ui.fontSelectModal_Font_CmbBox->currentFont().family().toStdString(), d->textHeight);
    QDialog::accept();
}

void FontSelectDialog::fontSelectModal_PointFrameHeight_CmbBox1Text_currentIndexChanged(const QString& text)
{
    d->setTextHeightFromString(text);
}

void FontSelectDialog::fontSelectModal_PointFrameHeight_CmbBox1Text_LineEdit_editTextFinished()
{
    d->setTextHeightFromString(d->ui.fontSelectModal_PointFrameHeight_CmbBox1Text->currentText());
}

} // namespace kestrix::sdk::ui::dialogs
