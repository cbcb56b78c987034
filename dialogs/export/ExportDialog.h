#pragma once

#include <kxsdkbase/Enumerations.h>
#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>
#include <kxsdkpropertymanager/RelevanceInterface.h>

#include <QString>

#include <map>
#include <memory>
#include <string>

class QShowEvent;

namespace kestrix::sdk::ui::dialogs {

// The modal "Export" dialog: the export format, its options and the output file. In image mode
// OK makes the host export the current page; in animation mode it only records the settings
// for the caller, who writes the movie. One instance per process; every showing reads the
// host's settings afresh and OK writes them back.
class ExportDialog : public kestrix::dialogs::common::QtDialogAbstract {
    Q_OBJECT
public:
    enum Mode_e { Mode_Image = 0, Mode_Animation = 1 };

    // The dialog, made on the first call, offering the formats of `mode`.
    static ExportDialog& getInstance(QWidget& parent, Mode_e mode);
    static std::shared_ptr<const kestrix::propertymanager::RelevanceInterface> relevance();
    // The file extension, chooser pattern and description of a format; any other value
    // leaves the three texts as they are.
    static void getExportFileSettings(ExportFormat_e format, std::string& extension, std::string& filter,
                                      std::string& description);

    ~ExportDialog() override;

    Mode_e mode() const;

protected:
    void showEvent(QShowEvent* event) override;

    void updateDialog();
    void configureExportDialog(ExportFormat_e format);
    void updateExportTypeImageFormat(ExportFormat_e format);
    void updateExportTypeVectorFormat(ExportFormat_e format);
    void updateExportImageFormatSensitivities();
    void updateExportVectorFormatSensitivities(ExportFormat_e format);
    void updateEPSPreviewImageSensitivity();
    bool anyFrameInCurPageIs3D();
    void assignNewExportDefaults();
    void assignNewExportImageDefaults();
    void assignNewExportVectorDefaults();
    bool doExportToFile();
    void saveOrRestoreLocalExportVariables(bool save);

public slots:
    void accept() override;
    void reject() override;

private slots:
    void on_export_Format_CmbBox_currentIndexChanged(int index);
    void on_export_Color_ToggleButton_stateChanged(int state);
    void on_export_TypeImage256Colors_ToggleButton_stateChanged(int state);
    void on_export_TypeImageUseMultipleColorTables_ToggleButton_stateChanged(int state);
    void on_export_TypeImageSupersample_1Text_editingFinished();
    void on_export_TypeImageAntialiasing_ToggleButton_stateChanged(int state);
    void on_export_TypeImageWidth_1Text_editingFinished();
    void on_export_TypeImageEnterWidth_RadioButton_toggled(bool checked);
    void on_export_TypeImageUseScreenWidth_RadioButton_toggled(bool checked);
    void on_export_TypeImageRegion_CmbBox_currentIndexChanged(int index);
    void on_export_JPEGEncoding_comboBox_currentIndexChanged(int index);
    void on_export_TypeImageAVIAnimationSpeed_1Text_editingFinished();
    void on_export_TypeImageFlashType_CmbBox_currentIndexChanged(int index);
    void on_export_TypeImageJPEGQuality_Scale_valueChanged(int value);
    void on_export_TypeVectImgEPSPreviewWidth_1Text_editingFinished();
    void on_export_TypeVectImgEPSPreviewHeight_1Text_editingFinished();
    void on_export_TypeVectImgEPSPreviewType_CmbBox_currentIndexChanged(int index);
    void on_export_TypeVectImgEPSPreviewDepth_CmbBox_currentIndexChanged(int index);
    void on_export_TypeVectImgExtraSort_ToggleButton_stateChanged(int state);
    void on_export_TypeVectImgExtraPrecision_1Text_valueChanged(int value);
    void on_export_TypeVectImgResolution_1Text_editingFinished();
    void on_export_TypeVectImgRegion_CmbBox_currentIndexChanged(int index);
    void on_export_TypeVectImgRenderTypeImage_RadioButton_toggled(bool checked);
    void on_export_TypeVectImgRenderTypeVector_RadioButton_toggled(bool checked);
    void on_export_TypeVectRegion_CmbBox_currentIndexChanged(int index);
    void on_export_TypeVectExtraSort_ToggleButton_stateChanged(int state);
    void on_buttonBox_rejected();

private:
    ExportDialog(QWidget& parent, Mode_e mode);

    void populateFormatList();
    void addItemsToList(const std::map<QString, ExportFormat_e>& formats);
    // Takes the text fields' numbers into the working copy, as leaving each field would.
    void takeTextFields();
    void refreshAfterUserChange();

    // Use the width of the image on screen rather than an entered width; and the width the
    // user last entered and confirmed. Both outlive the dialog.
    static bool m_localUseScreenWidth;
    static int m_localImageWidth;
    static ExportDialog* m_dialogInstance;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs
