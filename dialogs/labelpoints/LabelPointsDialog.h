#pragma once

#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

#include <memory>

class QFont;
class QShowEvent;

namespace kestrix::sdk::ui::dialogs {

// Switches on and styles the labels that the host draws beside the points of line plots
// ("Label Points") or beside the nodes and cells of field plots ("Label Points and Cells").
// Modeless, one per process. It keeps no copy of the settings: every showing and every
// relevant state change of the host reads them afresh, and every change by the user is
// written at once, to the labels of the frame that is current at that moment.
class LabelPointsDialog : public kestrix::dialogs::common::QtDialogAbstract {
    Q_OBJECT
public:
    static LabelPointsDialog& getInstance(QWidget& parent);
    ~LabelPointsDialog() override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void on_dataLabels_ShowFieldNodeVariable_DDSelect_currentIndexChanged(int index);
    void on_dataLabels_ShowFieldCellVariable_DDSelect_currentIndexChanged(int index);
    void on_dataLabels_ShowXYNodeLabels_ToggleButton_stateChanged(int state);
    void on_dataLabels_ShowFieldNodeLabels_ToggleButton_stateChanged(int state);
    void on_dataLabels_ShowFieldNodeIndexValue_RadioButton_toggled(bool checked);
    void on_dataLabels_ShowXYShowIndex_RadioButton_toggled(bool checked);
    void on_dataLabels_ShowFieldCellIndexValue_RadioButton_toggled(bool checked);
    void on_dataLabels_ShowFieldNodeVarValue_RadioButton_toggled(bool checked);
    void on_dataLabels_ShowXYShowDepVar_RadioButton_toggled(bool checked);
    void on_dataLabels_ShowFieldCellVarValue_RadioButton_toggled(bool checked);
    void on_dataLabels_ShowXYShowPair_RadioButton_toggled(bool checked);
    void on_dataLabels_ShowFieldCellLabels_ToggleButton_stateChanged(int state);
    void on_dataLabels_ShowFieldSkip_1Text_editingFinished();
    void on_dataLabels_ShowXYSkipByIndex_RadioButton_toggled(bool checked);
    void on_dataLabels_ShowXYSkipByDist_RadioButton_toggled(bool checked);
    void on_dataLabels_ShowXYIndexSkip_1Text_editingFinished();
    void on_dataLabels_ShowXYDistanceSkip_1Text_editingFinished();
    void on_dataLabels_IncludeBox_ToggleButton_stateChanged(int state);
    void on_dataLabels_ColorByZoneMap_ToggleButton_stateChanged(int state);
    void on_dataLabels_Color_ColorAndTextButton_clicked(bool checked);
    void on_dataLabels_FontFamily_ComboBox_currentFontChanged(const QFont& font);
    void on_dataLabels_FontSize_SpinBox_valueChanged(double value);
    void on_dataLabels_Font_Button_clicked(bool checked);
    void on_dataLabels_NumberFormat_Button_clicked(bool checked);

private:
    explicit LabelPointsDialog(QWidget& parent);

    class StateChangeListener;
    class Private;
    std::unique_ptr<Private> d;

    static LabelPointsDialog* m_dialogInstance;
};

} // namespace kestrix::sdk::ui::dialogs
