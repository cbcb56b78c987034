#include "dialogs/labelpoints/LabelPointsDialog.h"

#include "ui_DataLabels.h"

#include "dialogs/fontselect/FontSelectDialog.h"
#include "dialogs/fontselect/TextHeight.h"
#include "dialogs/fontselect/intern/FontFamilies.h"
#include "dialogs/valueformat/ValueFormatDialog.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxsdkdialogs_prompt_qt/ColorChooserDialog.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxtoolbox/Set.h>
#include <kxtoolbox/StateChangeEventInterface.h>
#include <kxtoolbox/StateChangeListenerInterface.h>
#include <kxtoolbox/StringList.h>
#include <kxtoolbox/StyleValue.h>

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QStringListModel>

#include <algorithm>
#include <exception>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

namespace kestrix::sdk::ui::dialogs {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("DataLabels", text);
}

bool isLinePlot(int plotType)
{
    return plotType == PlotType_XYLine || plotType == PlotType_PolarLine;
}

// Line plots and field plots keep their labels apart; which ones the dialog edits is asked
// afresh at every access, since the current frame may change at any time.
const char* labelGroup()
{
    return isLinePlot(VexUtilFrameGetPlotType()) ? "GLOBALLINEPLOT" : "GLOBALSCATTER";
}

toolbox::StyleValue labelSetting(const char* keyword, const char* subKeyword = nullptr)
{
    return toolbox::StyleValue(labelGroup(), "DATALABELS", keyword, subKeyword);
}

template <typename T> std::optional<T> readSetting(const char* keyword, const char* subKeyword = nullptr)
{
    T value{};
    if (!toolbox::StyleValue::returnCodeOk(labelSetting(keyword, subKeyword).get(value)))
        return std::nullopt;
    return value;
}

bool isOn(const char* keyword)
{
    return readSetting<bool>(keyword).value_or(false);
}

template <typename T> bool writeSetting(const char* keyword, T value, const char* subKeyword = nullptr)
{
    AppLock lock(ImplicitMacroRecording_Off);
    return toolbox::StyleValue::returnCodeOk(labelSetting(keyword, subKeyword).set(value));
}

bool isChecked(int state)
{
    return state == Qt::Checked;
}

void enable(std::initializer_list<QWidget*> widgets, bool enabled)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

// A whole number from 1 up, within the host's integers.
std::optional<int> typedSkip(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1)
        return std::nullopt;
    return value;
}

// A distance in percent of the frame, with a decimal point or the user's decimal comma.
constexpr double MaximumDistance = 100.0;

std::optional<double> typedDistance(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (!ok || value < 0.0 || value > MaximumDistance)
        return std::nullopt;
    return value;
}

} // namespace

LabelPointsDialog* LabelPointsDialog::m_dialogInstance = nullptr;

class LabelPointsDialog::StateChangeListener : public toolbox::StateChangeListenerInterface {
public:
    explicit StateChangeListener(LabelPointsDialog& dialog) : m_dialog(dialog) {}
    void stateChanged(const toolbox::StateChangeEventInterface& event) override;

private:
    LabelPointsDialog& m_dialog;
};

class LabelPointsDialog::Private {
public:
    explicit Private(LabelPointsDialog& dialog);

    void updateDataLabelsDialog();
    void setupDataLabelsDialogSensitivity();
    void setDataLabelsMode();
    void setupXYSkipping();
    void setupColorButton();
    void setupFontComboBox(const std::string& family);
    void populateVariableComboBox(QComboBox* const comboBox, int variable);
    QString unitsToString(Units_e units);

    bool labelsShown() const;
    void showVariableValue(const char* typeKeyword, const char* variableKeyword);
    // What the host refuses to store is not left on show: the dialog shows the host's values again.
    template <typename T> void write(const char* keyword, T value, const char* subKeyword = nullptr)
    {
        if (!writeSetting(keyword, value, subKeyword))
            updateDataLabelsDialog();
    }
    void writeVariable(const QComboBox& comboBox, int index, const char* variableKeyword);
    void writeIndexSkip(QLineEdit& field);
    // Runs a dialog of the label's font or number format; what it reports is shown, not thrown.
    void openSubDialog(const std::function<void()>& open);

    LabelPointsDialog& q;
    Ui::DataLabels ui;
    bool updating = false;
    QRegularExpressionValidator positiveInteger{QRegularExpression(QStringLiteral("^[1-9][0-9]*"))};
    QRegularExpressionValidator decimalDistance{QRegularExpression(QStringLiteral("^[0-9]{0,3}([.,][0-9]{0,6})?$"))};
    StateChangeListener listener;
};

LabelPointsDialog::Private::Private(LabelPointsDialog& dialog) : q(dialog), listener(dialog) {}

bool LabelPointsDialog::Private::labelsShown() const
{
    if (isLinePlot(VexUtilFrameGetPlotType()))
        return isOn("SHOWNODELABELS");
    return isOn("SHOWNODELABELS") || isOn("SHOWCELLLABELS");
}

void LabelPointsDialog::Private::updateDataLabelsDialog()
{
    const QScopedValueRollback<bool> loading(updating, true);
    if (!q.isVisible())
        return;
    const int plotType = VexUtilFrameGetPlotType();
    if (isLinePlot(plotType)) {
        q.setWindowTitle(translated(QT_TRANSLATE_NOOP("DataLabels", "Label Points")));
        ui.dataLabels_ColorByZoneMap_ToggleButton->setText(
            translated(QT_TRANSLATE_NOOP("DataLabels", "Color Text by &Map")));
        ui.dataLabels_Show_Marker->setCurrentWidget(ui.dataLabels_ShowXY_Form);
        ui.dataLabels_ShowXYNodeLabels_ToggleButton->setChecked(isOn("SHOWNODELABELS"));
        QRadioButton* const labelTypes[] = {ui.dataLabels_ShowXYShowIndex_RadioButton,
                                            ui.dataLabels_ShowXYShowDepVar_RadioButton,
                                            ui.dataLabels_ShowXYShowPair_RadioButton};
        const int labelType = readSetting<int>("NODELABELTYPE").value_or(-1);
        if (labelType >= 0 && labelType <= 2)
            labelTypes[labelType]->setChecked(true);
        const int skipMode = readSetting<int>("SKIPMODE").value_or(-1);
        if (skipMode == 0)
            ui.dataLabels_ShowXYSkipByIndex_RadioButton->setChecked(true);
        else if (skipMode == 1)
            ui.dataLabels_ShowXYSkipByDist_RadioButton->setChecked(true);
        if (const std::optional<int> indexSkip = readSetting<int>("INDEXSKIP"))
            ui.dataLabels_ShowXYIndexSkip_1Text->setText(QString::number(*indexSkip));
        if (const std::optional<double> distanceSkip = readSetting<double>("DISTANCESKIP"))
            ui.dataLabels_ShowXYDistanceSkip_1Text->setText(QString::number(*distanceSkip, 'g', 6));
        ui.dataLabels_ShowXYIndexSkip_1Text->setValidator(&positiveInteger);
        ui.dataLabels_ShowXYDistanceSkip_1Text->setValidator(&decimalDistance);
    } else {
        q.setWindowTitle(translated(QT_TRANSLATE_NOOP("DataLabels", "Label Points and Cells")));
        ui.dataLabels_ColorByZoneMap_ToggleButton->setText(
            translated(QT_TRANSLATE_NOOP("DataLabels", "Color &Text by &Zone")));
        ui.dataLabels_Show_Marker->setCurrentWidget(ui.dataLabels_ShowField_Form);
        populateVariableComboBox(ui.dataLabels_ShowFieldNodeVariable_DDSelect,
                                 readSetting<int>("NODELABELVAR").value_or(0));
        populateVariableComboBox(ui.dataLabels_ShowFieldCellVariable_DDSelect,
                                 readSetting<int>("CELLLABELVAR").value_or(0));
        ui.dataLabels_ShowFieldNodeLabels_ToggleButton->setChecked(isOn("SHOWNODELABELS"));
        ui.dataLabels_ShowFieldCellLabels_ToggleButton->setChecked(isOn("SHOWCELLLABELS"));
        const int nodeType = readSetting<int>("NODELABELTYPE").value_or(-1);
        if (nodeType == 0 || nodeType == 1)
            (nodeType == 0 ? ui.dataLabels_ShowFieldNodeIndexValue_RadioButton
                           : ui.dataLabels_ShowFieldNodeVarValue_RadioButton)
                ->setChecked(true);
        const int cellType = readSetting<int>("CELLLABELTYPE").value_or(-1);
        if (cellType == 0 || cellType == 1)
            (cellType == 0 ? ui.dataLabels_ShowFieldCellIndexValue_RadioButton
                           : ui.dataLabels_ShowFieldCellVarValue_RadioButton)
                ->setChecked(true);
        if (const std::optional<int> indexSkip = readSetting<int>("INDEXSKIP"))
            ui.dataLabels_ShowFieldSkip_1Text->setText(QString::number(*indexSkip));
        ui.dataLabels_ShowFieldSkip_1Text->setValidator(&positiveInteger);
    }
    ui.dataLabels_IncludeBox_ToggleButton->setChecked(isOn("INCLUDEBOX"));
    ui.dataLabels_ColorByZoneMap_ToggleButton->setChecked(isOn("COLORBYZONEMAP"));
    setupColorButton();
    if (const std::optional<std::string> family = readSetting<std::string>("TEXTSHAPE", "FONTFAMILY"))
        setupFontComboBox(*family);
    const Units_e units = static_cast<Units_e>(readSetting<int>("TEXTSHAPE", "SIZEUNITS").value_or(Units_Invalid));
    ui.dataLabels_FontSize_SpinBox->setSuffix(unitsToString(units));
    if (const std::optional<double> height = readSetting<double>("TEXTSHAPE", "HEIGHT"))
        ui.dataLabels_FontSize_SpinBox->setValue(*height);
    setupDataLabelsDialogSensitivity();
}

// Decimals and suffix are this dialog's; the range is the one every text height of these
// units has.
QString LabelPointsDialog::Private::unitsToString(Units_e units)
{
    struct Look {
        Units_e units;
        int decimals;
        const char* suffix;
    };
    static const Look looks[] = {{Units_Grid, 15, QT_TRANSLATE_NOOP("DataLabels", "fgrid")},
                                 {Units_Frame, 3, QT_TRANSLATE_NOOP("DataLabels", "%")},
                                 {Units_Point, 4, QT_TRANSLATE_NOOP("DataLabels", "pt.")},
                                 {Units_AxisPercentage, 3, QT_TRANSLATE_NOOP("DataLabels", "axis%")}};
    for (const Look& look : looks) {
        if (look.units != units)
            continue;
        QDoubleSpinBox* box = ui.dataLabels_FontSize_SpinBox;
        box->setDecimals(look.decimals);
        box->setRange(TextHeight::minimumHeight(units), TextHeight::maximumHeight(units));
        return translated(look.suffix);
    }
    return {};
}

void LabelPointsDialog::Private::populateVariableComboBox(QComboBox* const comboBox, int variable)
{
    comboBox->clear();
    const toolbox::Set variables = getEnabledVars();
    for (int var = variables.getNextMember(0); var != 0; var = variables.getNextMember(var))
        comboBox->addItem(QString::fromStdString(variableNameFormattedForAliases(var)), var);
    comboBox->setCurrentIndex(variable > 0 ? comboBox->findData(variable) : -1);
}

void LabelPointsDialog::Private::setupFontComboBox(const std::string& family)
{
    const QAbstractItemModel& families = *ui.dataLabels_FontFamily_ComboBox->model();
    int row = fontselect::intern::rowOfFamily(families, QString::fromStdString(family));
    if (row < 0)
        row = fontselect::intern::rowOfFamily(families, fontselect::intern::hostDefaultFontFamily());
    // Neither family is listed: the list keeps its selection.
    if (row >= 0)
        ui.dataLabels_FontFamily_ComboBox->setCurrentIndex(row);
}

void LabelPointsDialog::Private::setupColorButton()
{
    const short color = readSetting<short>("COLOR").value_or(0);
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    VexUtilColorMapGetBasicColorRGB(color, &red, &green, &blue);
    QPixmap swatch(12, 12);
    swatch.fill(QColor(red, green, blue));
    ui.dataLabels_Color_ColorAndTextButton->setIcon(QIcon(swatch));
    ui.dataLabels_Color_ColorAndTextButton->setText(
        kestrix::dialogs::prompt::ColorChooserDialog::colorToString(color, true));
}

void LabelPointsDialog::Private::setupDataLabelsDialogSensitivity()
{
    const bool shown = labelsShown();
    ui.dataLabels_ColorByZoneMap_ToggleButton->setEnabled(shown);
    enable({ui.dataLabels_Color_Label, ui.dataLabels_Color_ColorAndTextButton}, shown && !isOn("COLORBYZONEMAP"));
    enable({ui.dataLabels_Font_Label, ui.dataLabels_FontFamily_ComboBox, ui.dataLabels_Font_Button,
            ui.dataLabels_FontSize_SpinBox, ui.dataLabels_IncludeBox_ToggleButton, ui.dataLabels_NumberFormat_Button},
           shown);
    const int plotType = VexUtilFrameGetPlotType();
    if (isLinePlot(plotType)) {
        enable({ui.dataLabels_ShowXYShowIndex_RadioButton, ui.dataLabels_ShowXYShowDepVar_RadioButton,
                ui.dataLabels_ShowXYShowPair_RadioButton, ui.dataLabels_ShowXYSkip_Label,
                ui.dataLabels_ShowXYSkipByIndex_RadioButton, ui.dataLabels_ShowXYSkipByDist_RadioButton,
                ui.dataLabels_ShowXYIndexSkip_1Text, ui.dataLabels_ShowXYDistanceSkip_1Text},
               shown);
        ui.dataLabels_ShowXYShowPair_RadioButton->setText(
            plotType == PlotType_PolarLine ? translated(QT_TRANSLATE_NOOP("DataLabels", "Sho&w Theta,R Value Pair"))
                                           : translated(QT_TRANSLATE_NOOP("DataLabels", "Sho&w X,Y Value Pair")));
        if (shown)
            setupXYSkipping();
    } else {
        enable({ui.dataLabels_ShowFieldNodeIndexValue_RadioButton, ui.dataLabels_ShowFieldNodeVarValue_RadioButton,
                ui.dataLabels_ShowFieldCellIndexValue_RadioButton, ui.dataLabels_ShowFieldCellVarValue_RadioButton,
                ui.dataLabels_ShowFieldNodeVariable_DDSelect, ui.dataLabels_ShowFieldCellVariable_DDSelect,
                ui.dataLabels_ShowFieldSkip_Label, ui.dataLabels_ShowFieldSkip_1Text},
               shown);
    }
    if (shown)
        setDataLabelsMode();
}

void LabelPointsDialog::Private::setupXYSkipping()
{
    ui.dataLabels_ShowXYIndexSkip_1Text->setEnabled(readSetting<int>("SKIPMODE") == 0);
    ui.dataLabels_ShowXYDistanceSkip_1Text->setEnabled(true);
}

void LabelPointsDialog::Private::setDataLabelsMode()
{
    const bool nodesShown = isOn("SHOWNODELABELS");
    const int nodeType = readSetting<int>("NODELABELTYPE").value_or(-1);
    if (isLinePlot(VexUtilFrameGetPlotType())) {
        ui.dataLabels_NumberFormat_Button->setEnabled(nodesShown && (nodeType == 1 || nodeType == 2));
        return;
    }
    const bool cellsShown = isOn("SHOWCELLLABELS");
    enable({ui.dataLabels_ShowFieldNodeIndexValue_RadioButton, ui.dataLabels_ShowFieldNodeVarValue_RadioButton},
           nodesShown);
    const bool nodeVariable = nodesShown && nodeType == 1;
    ui.dataLabels_ShowFieldNodeVariable_DDSelect->setEnabled(nodeVariable);
    enable({ui.dataLabels_ShowFieldCellIndexValue_RadioButton, ui.dataLabels_ShowFieldCellVarValue_RadioButton},
           cellsShown);
    const bool cellVariable = cellsShown && readSetting<int>("CELLLABELTYPE") == 1;
    ui.dataLabels_ShowFieldCellVariable_DDSelect->setEnabled(cellVariable);
    ui.dataLabels_NumberFormat_Button->setEnabled(nodeVariable || cellVariable);
}

// A variable label needs a variable: where none is stored, or the stored one is no longer
// enabled, the first enabled variable is taken, together with the label type as one step
// to undo. Without the host's set of enabled variables nothing is written.
void LabelPointsDialog::Private::showVariableValue(const char* typeKeyword, const char* variableKeyword)
{
    {
        AppLock lock(ImplicitMacroRecording_Off);
        Set_pa enabledHandle = nullptr;
        if (VexUtilVarGetEnabled(&enabledHandle) && enabledHandle) {
            const toolbox::Set enabled(enabledHandle);
            const int first = enabled.getNextMember(0);
            const int stored = readSetting<int>(variableKeyword).value_or(0);
            if (first != 0) {
                UndoStateGuard undoStep(11);
                if (stored < 1 || !enabled.contains(stored))
                    labelSetting(variableKeyword).set(first);
                labelSetting(typeKeyword).set(1);
            }
        }
    }
    updateDataLabelsDialog();
}

void LabelPointsDialog::Private::writeVariable(const QComboBox& comboBox, int index, const char* variableKeyword)
{
    const QVariant variable = comboBox.itemData(index);
    if (index >= 0 && variable.isValid())
        write(variableKeyword, variable.toInt());
}

// A number too large for the host, or no number, gives the stored skip back.
void LabelPointsDialog::Private::writeIndexSkip(QLineEdit& field)
{
    if (const std::optional<int> skip = typedSkip(field.text()))
        write("INDEXSKIP", *skip);
    else if (const std::optional<int> stored = readSetting<int>("INDEXSKIP"))
        field.setText(QString::number(*stored));
}

void LabelPointsDialog::Private::openSubDialog(const std::function<void()>& open)
{
    try {
        open();
    } catch (const std::exception& error) {
        QMessageBox::warning(&q, q.windowTitle(), QString::fromUtf8(error.what()));
    }
}

void LabelPointsDialog::StateChangeListener::stateChanged(const toolbox::StateChangeEventInterface& event)
{
    const int code = event.getStateChange();
    if (code == StateChange_PageDeleted || VexUtilPageGetCount() == 0 || VexUtilFrameGetPlotType() == PlotType_Sketch) {
        m_dialog.close();
        return;
    }
    static const std::initializer_list<int> refreshing{0, 1,  2,  3,  5,  6,  8,
                                                       9, 10, 11, 17, 29, 44, StateChange_CurrentFrame};
    if (std::find(refreshing.begin(), refreshing.end(), code) != refreshing.end()) {
        m_dialog.d->updateDataLabelsDialog();
        return;
    }
    if (code != StateChange_Style)
        return;
    const std::string keyword = event.getParamString(1);
    for (const char* relevant : {"ACTIVEFIELDZONES", "ACTIVEFIELDMAPS", "ACTIVEXYMAPS", "ACTIVELINEMAPS", "PLOTTYPE",
                                 "FRAMEMODE", "GLOBALSCATTER", "GLOBALLINEPLOT"}) {
        if (keyword == relevant) {
            m_dialog.d->updateDataLabelsDialog();
            return;
        }
    }
}

LabelPointsDialog& LabelPointsDialog::getInstance(QWidget& parent)
{
    if (!m_dialogInstance)
        m_dialogInstance = new LabelPointsDialog(parent);
    return *m_dialogInstance;
}

LabelPointsDialog::LabelPointsDialog(QWidget& parent)
    : QtDialogAbstract(parent, nullptr),
      d(std::make_unique<Private>(*this))
{
    setHelpAction(new kestrix::dialogs::common::LaunchHelpAction("label_points_and_cells.html", this));
    d->ui.setupUi(this);
    QFontComboBox* fonts = d->ui.dataLabels_FontFamily_ComboBox;
    {
        const QScopedValueRollback<bool> loading(d->updating, true);
        fonts->setModel(new QStringListModel(fontselect::intern::hostFontFamilies(), fonts));
        d->setupFontComboBox(readSetting<std::string>("TEXTSHAPE", "FONTFAMILY").value_or(std::string()));
    }
    integration::StateChangeEventObservable::getInstance().addListener(&d->listener);
}

LabelPointsDialog::~LabelPointsDialog()
{
    integration::StateChangeEventObservable::getInstance().removeListener(&d->listener);
    m_dialogInstance = nullptr;
}

void LabelPointsDialog::showEvent(QShowEvent* event)
{
    QtDialogAbstract::showEvent(event);
    d->updateDataLabelsDialog();
}

void LabelPointsDialog::on_dataLabels_ShowFieldNodeVariable_DDSelect_currentIndexChanged(int index)
{
    if (!d->updating)
        d->writeVariable(*d->ui.dataLabels_ShowFieldNodeVariable_DDSelect, index, "NODELABELVAR");
}

void LabelPointsDialog::on_dataLabels_ShowFieldCellVariable_DDSelect_currentIndexChanged(int index)
{
    if (!d->updating)
        d->writeVariable(*d->ui.dataLabels_ShowFieldCellVariable_DDSelect, index, "CELLLABELVAR");
}

void LabelPointsDialog::on_dataLabels_ShowXYNodeLabels_ToggleButton_stateChanged(int state)
{
    on_dataLabels_ShowFieldNodeLabels_ToggleButton_stateChanged(state);
}

void LabelPointsDialog::on_dataLabels_ShowFieldNodeLabels_ToggleButton_stateChanged(int state)
{
    if (d->updating)
        return;
    d->write("SHOWNODELABELS", isChecked(state));
    d->setupDataLabelsDialogSensitivity();
}

void LabelPointsDialog::on_dataLabels_ShowFieldCellLabels_ToggleButton_stateChanged(int state)
{
    if (d->updating)
        return;
    d->write("SHOWCELLLABELS", isChecked(state));
    d->setupDataLabelsDialogSensitivity();
}

void LabelPointsDialog::on_dataLabels_ShowFieldNodeIndexValue_RadioButton_toggled(bool checked)
{
    on_dataLabels_ShowXYShowIndex_RadioButton_toggled(checked);
}

void LabelPointsDialog::on_dataLabels_ShowXYShowIndex_RadioButton_toggled(bool checked)
{
    if (d->updating || !checked)
        return;
    d->write("NODELABELTYPE", 0);
    d->setDataLabelsMode();
}

void LabelPointsDialog::on_dataLabels_ShowFieldCellIndexValue_RadioButton_toggled(bool checked)
{
    if (d->updating || !checked)
        return;
    d->write("CELLLABELTYPE", 0);
    d->setDataLabelsMode();
}

void LabelPointsDialog::on_dataLabels_ShowFieldNodeVarValue_RadioButton_toggled(bool checked)
{
    if (!d->updating && checked)
        d->showVariableValue("NODELABELTYPE", "NODELABELVAR");
}

void LabelPointsDialog::on_dataLabels_ShowFieldCellVarValue_RadioButton_toggled(bool checked)
{
    if (!d->updating && checked)
        d->showVariableValue("CELLLABELTYPE", "CELLLABELVAR");
}

void LabelPointsDialog::on_dataLabels_ShowXYShowDepVar_RadioButton_toggled(bool checked)
{
    if (d->updating || !checked)
        return;
    d->write("NODELABELTYPE", 1);
    d->setDataLabelsMode();
}

void LabelPointsDialog::on_dataLabels_ShowXYShowPair_RadioButton_toggled(bool checked)
{
    if (d->updating || !checked)
        return;
    d->write("NODELABELTYPE", 2);
    d->setDataLabelsMode();
}

void LabelPointsDialog::on_dataLabels_ShowFieldSkip_1Text_editingFinished()
{
    if (!d->updating)
        d->writeIndexSkip(*d->ui.dataLabels_ShowFieldSkip_1Text);
}

void LabelPointsDialog::on_dataLabels_ShowXYSkipByIndex_RadioButton_toggled(bool checked)
{
    if (d->updating || !checked)
        return;
    d->write("SKIPMODE", 0);
    d->setupXYSkipping();
}

void LabelPointsDialog::on_dataLabels_ShowXYSkipByDist_RadioButton_toggled(bool checked)
{
    if (d->updating || !checked)
        return;
    d->write("SKIPMODE", 1);
    d->setupXYSkipping();
}

void LabelPointsDialog::on_dataLabels_ShowXYIndexSkip_1Text_editingFinished()
{
    if (!d->updating)
        d->writeIndexSkip(*d->ui.dataLabels_ShowXYIndexSkip_1Text);
}

void LabelPointsDialog::on_dataLabels_ShowXYDistanceSkip_1Text_editingFinished()
{
    if (d->updating)
        return;
    QLineEdit* field = d->ui.dataLabels_ShowXYDistanceSkip_1Text;
    if (const std::optional<double> typed = typedDistance(field->text()))
        d->write("DISTANCESKIP", *typed);
    else if (const std::optional<double> stored = readSetting<double>("DISTANCESKIP"))
        field->setText(QString::number(*stored, 'g', 6));
}

void LabelPointsDialog::on_dataLabels_IncludeBox_ToggleButton_stateChanged(int state)
{
    if (!d->updating)
        d->write("INCLUDEBOX", isChecked(state));
}

void LabelPointsDialog::on_dataLabels_ColorByZoneMap_ToggleButton_stateChanged(int state)
{
    if (d->updating)
        return;
    d->write("COLORBYZONEMAP", isChecked(state));
    d->setupDataLabelsDialogSensitivity();
}

// The chooser runs an event loop of its own: the colour goes to the labels of the frame it
// was chosen for, and nowhere if another frame has become current meanwhile.
void LabelPointsDialog::on_dataLabels_Color_ColorAndTextButton_clicked(bool)
{
    if (d->updating)
        return;
    const UniqueID_t frame = VexUtilFrameGetUniqueID();
    const QPointer<LabelPointsDialog> self(this);
    auto& chooser = kestrix::dialogs::prompt::ColorChooserDialog::getInstance(this, false);
    chooser.launch();
    if (!self || chooser.result() != QDialog::Accepted || VexUtilFrameGetUniqueID() != frame)
        return;
    d->write("COLOR", chooser.selectedColor());
    d->setupColorButton();
}

void LabelPointsDialog::on_dataLabels_FontFamily_ComboBox_currentFontChanged(const QFont& font)
{
    if (!d->updating)
        d->write("TEXTSHAPE", font.family().toUtf8().toStdString(), "FONTFAMILY");
}

void LabelPointsDialog::on_dataLabels_FontSize_SpinBox_valueChanged(double value)
{
    if (!d->updating)
        d->write("TEXTSHAPE", value, "HEIGHT");
}

void LabelPointsDialog::on_dataLabels_Font_Button_clicked(bool)
{
    d->openSubDialog([this] {
        FontSelectDialog::getInstance(*this, toolbox::StringList(labelGroup(), "DATALABELS"), -1, false, false)
            .launch();
    });
}

void LabelPointsDialog::on_dataLabels_NumberFormat_Button_clicked(bool)
{
    d->openSubDialog([this] {
        ValueFormatDialog::getInstance(*this, false, toolbox::StringList(labelGroup(), "DATALABELS"), -1, -1).launch();
    });
}

} // namespace kestrix::sdk::ui::dialogs
