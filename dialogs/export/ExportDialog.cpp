#include "dialogs/export/ExportDialog.h"

#include "ui_Export.h"

#include "dialogs/export/SaveFileDialog.h"
#include "dialogs/export/intern/ExportSettings.h"
#include "dialogs/export/intern/NumberField.h"
#include "dialogs/export/intern/PageWithFramesRelevance.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/AppLock.h>
#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxsdkpropertymanager/VexUtilActionReporter.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QCoreApplication>
#include <QDoubleValidator>
#include <QFileInfo>
#include <QIntValidator>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QShowEvent>

#include <algorithm>
#include <array>
#include <climits>
#include <exception>
#include <filesystem>

namespace kestrix::sdk::ui::dialogs {

using exporting::intern::ExportSetting;
using exporting::intern::ExportSettings;
using exporting::intern::NumberField;

bool ExportDialog::m_localUseScreenWidth = true;
int ExportDialog::m_localImageWidth = 300;
ExportDialog* ExportDialog::m_dialogInstance = nullptr;

namespace {

struct FormatFile {
    ExportFormat_e format;
    const char* shownAs;
    ExportDialog::Mode_e mode;
    const char* extension;
    const char* filter;
    const char* description;
};

constexpr std::array<FormatFile, 9> FormatFiles{{
    {ExportFormat_RasterMetafile, QT_TRANSLATE_NOOP("Export", "Raster Metafile"), ExportDialog::Mode_Animation, "rm",
     "*.rm", QT_TRANSLATE_NOOP("Export", "Raster Metafiles")},
    {ExportFormat_TIFF, QT_TRANSLATE_NOOP("Export", "TIFF"), ExportDialog::Mode_Image, "tiff", "*.tiff",
     QT_TRANSLATE_NOOP("Export", "TIFF Files")},
    {ExportFormat_EPS, QT_TRANSLATE_NOOP("Export", "EPS"), ExportDialog::Mode_Image, "eps", "*.eps",
     QT_TRANSLATE_NOOP("Export", "EPS Files")},
    {ExportFormat_WindowsMetafile, QT_TRANSLATE_NOOP("Export", "WMF"), ExportDialog::Mode_Image, "wmf", "*.wmf",
     QT_TRANSLATE_NOOP("Export", "WMF Files")},
    {ExportFormat_PNG, QT_TRANSLATE_NOOP("Export", "PNG"), ExportDialog::Mode_Image, "png", "*.png",
     QT_TRANSLATE_NOOP("Export", "PNG Files")},
    {ExportFormat_AVI, QT_TRANSLATE_NOOP("Export", "AVI"), ExportDialog::Mode_Animation, "avi", "*.avi",
     QT_TRANSLATE_NOOP("Export", "AVI Files")},
    {ExportFormat_JPEG, QT_TRANSLATE_NOOP("Export", "JPEG"), ExportDialog::Mode_Image, "jpeg", "*.jpeg",
     QT_TRANSLATE_NOOP("Export", "JPEG Files")},
    {ExportFormat_Flash, QT_TRANSLATE_NOOP("Export", "Flash"), ExportDialog::Mode_Animation, "swf", "*.swf",
     QT_TRANSLATE_NOOP("Export", "FLASH Files")},
    {ExportFormat_MPEG4, QT_TRANSLATE_NOOP("Export", "MPEG-4"), ExportDialog::Mode_Animation, "mp4", "*.mp4",
     QT_TRANSLATE_NOOP("Export", "MPEG-4 Files")},
}};

// The preview depths in the order of the depth combo box.
constexpr std::array<int, 4> PreviewDepths{0, 1, 4, 8};

// The Flash image types by the text of their entry.
struct FlashImageTypeName {
    int type;
    const char* text;
};
constexpr std::array<FlashImageTypeName, 3> FlashImageTypeNames{{{0, QT_TRANSLATE_NOOP("Export", "True Color")},
                                                                 {1, QT_TRANSLATE_NOOP("Export", "JPEG")},
                                                                 {2, QT_TRANSLATE_NOOP("Export", "256 Colors")}}};

constexpr int PaletteColor = 2;
constexpr int PaletteMonochrome = 0;
constexpr int RenderTypeImage = 1;
constexpr int RenderTypeVector = 0;
constexpr int RegionWorkArea = 2;
constexpr int PreviewTypeNone = 0;
constexpr int PreviewTypeTiff = 1;
constexpr int MinimumSupersampleFactor = 2;
constexpr int MaximumSupersampleFactor = 16;
// The precision is a 16-bit setting: the host refuses what it cannot use.
constexpr int MaximumPrecision = 32767;

// The format names, file descriptions and Flash image types are shown in the form's context.
QString translated(const char* text)
{
    return QCoreApplication::translate("Export", text);
}

bool isVectorFamily(ExportFormat_e format)
{
    return format == ExportFormat_EPS || format == ExportFormat_WindowsMetafile;
}

bool checked(int state)
{
    return state != Qt::Unchecked;
}

void setIndexWithin(QComboBox& comboBox, int index)
{
    comboBox.setCurrentIndex(std::clamp(index, 0, comboBox.count() - 1));
}

// The lightweight walk over the frames of the current page, ended also when an exception
// passes.
class CurrentPageFrameWalk {
public:
    CurrentPageFrameWalk() { VexUtilFrameLightweightPopStart(); }
    ~CurrentPageFrameWalk() { VexUtilFrameLightweightPopEnd(); }
    CurrentPageFrameWalk(const CurrentPageFrameWalk&) = delete;
    CurrentPageFrameWalk& operator=(const CurrentPageFrameWalk&) = delete;

    bool next() { return VexUtilFrameLightweightPopNext(); }
};

} // namespace

class ExportDialog::Private {
public:
    explicit Private(Mode_e mode) : mode(mode) {}

    bool flashTrueColorOptimizedForSpeed() const
    {
        return ui.export_TypeImageFlashOptimizeSpeed_RadioButton->isChecked();
    }

    Ui::Export ui;
    Mode_e mode;
    bool updating = false;
    ExportSettings settings;
    std::map<QString, ExportFormat_e> formats;
    // The class-wide width choice as it was when the dialog was shown, for Cancel.
    bool shownUseScreenWidth = true;
    int shownImageWidth = 300;
    QIntValidator* widthValidator = nullptr;
    QIntValidator* supersampleValidator = nullptr;
    QIntValidator* resolutionValidator = nullptr;
    QIntValidator* previewSizeValidator = nullptr;
    QDoubleValidator* speedValidator = nullptr;
};

ExportDialog& ExportDialog::getInstance(QWidget& parent, Mode_e mode)
{
    if (!m_dialogInstance) {
        m_dialogInstance = new ExportDialog(parent, mode);
    } else if (m_dialogInstance->d->mode != mode) {
        m_dialogInstance->d->mode = mode;
        m_dialogInstance->populateFormatList();
        m_dialogInstance->updateDialog();
    }
    return *m_dialogInstance;
}

std::shared_ptr<const propertymanager::RelevanceInterface> ExportDialog::relevance()
{
    static const std::shared_ptr<const propertymanager::RelevanceInterface> relevance =
        exporting::intern::makePageWithFramesRelevance();
    return relevance;
}

void ExportDialog::getExportFileSettings(ExportFormat_e format, std::string& extension, std::string& filter,
                                         std::string& description)
{
    const auto file = std::find_if(FormatFiles.begin(), FormatFiles.end(),
                                   [format](const FormatFile& candidate) { return candidate.format == format; });
    if (file == FormatFiles.end())
        return;
    extension = file->extension;
    filter = file->filter;
    description = file->description;
}

namespace {

// The resolution field's first validator: a positive decimal integer without leading zeros.
// The first refresh of the vector page replaces it with one that also bounds the value.
QRegularExpressionValidator& intValidator()
{
    static QRegularExpressionValidator validator(QRegularExpression(QStringLiteral("^[1-9][0-9]*")));
    return validator;
}

} // namespace

ExportDialog::ExportDialog(QWidget& parent, Mode_e mode)
    : QtDialogAbstract(parent, relevance()), d(std::make_unique<Private>(mode))
{
    d->ui.setupUi(this);
    setHelpAction(new kestrix::dialogs::common::LaunchHelpAction("export_overview.html", this));
    d->ui.export_TypeVectImgResolution_1Text->setValidator(&intValidator());
    connect(d->ui.buttonBox, &QDialogButtonBox::accepted, this, &ExportDialog::accept);

    d->widthValidator = new QIntValidator(1, INT_MAX, this);
    d->supersampleValidator = new QIntValidator(MinimumSupersampleFactor, MaximumSupersampleFactor, this);
    d->resolutionValidator = new QIntValidator(1, INT_MAX, this);
    d->previewSizeValidator = new QIntValidator(1, INT_MAX, this);
    d->speedValidator = new QDoubleValidator(this);
    d->speedValidator->setBottom(0.0);
    d->ui.export_TypeVectImgExtraPrecision_1Text->setRange(0, MaximumPrecision);

    d->settings.read();
    saveOrRestoreLocalExportVariables(true);
    populateFormatList();
    updateDialog();
}

ExportDialog::~ExportDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
}

ExportDialog::Mode_e ExportDialog::mode() const
{
    return d->mode;
}

void ExportDialog::showEvent(QShowEvent* event)
{
    // The host's settings may have changed since the last showing (an undo, a scene load, the
    // Print dialog): the dialog edits what the host holds now.
    if (!event->spontaneous()) {
        d->settings.read();
        saveOrRestoreLocalExportVariables(true);
        populateFormatList();
        updateDialog();
    }
    QtDialogAbstract::showEvent(event);
}

void ExportDialog::populateFormatList()
{
    d->formats.clear();
    for (const FormatFile& file : FormatFiles) {
        if (file.mode == d->mode)
            d->formats.emplace(translated(file.shownAs), file.format);
    }
    QScopedValueRollback<bool> updating(d->updating, true);
    d->ui.export_Format_CmbBox->clear();
    addItemsToList(d->formats);
}

void ExportDialog::addItemsToList(const std::map<QString, ExportFormat_e>& formats)
{
    for (const auto& [text, format] : formats)
        d->ui.export_Format_CmbBox->addItem(text);
}

void ExportDialog::updateDialog()
{
    if (d->updating)
        return;
    QScopedValueRollback<bool> updating(d->updating, true);

    auto entry = std::find_if(d->formats.begin(), d->formats.end(),
                              [this](const auto& candidate) { return candidate.second == d->settings.format; });
    if (entry == d->formats.end()) {
        d->settings.format = d->mode == Mode_Animation ? ExportFormat_AVI : ExportFormat_PNG;
        entry = std::find_if(d->formats.begin(), d->formats.end(),
                             [this](const auto& candidate) { return candidate.second == d->settings.format; });
    }
    if (entry != d->formats.end())
        d->ui.export_Format_CmbBox->setCurrentIndex(d->ui.export_Format_CmbBox->findText(entry->first));

    const ExportFormat_e format = d->settings.format;
    configureExportDialog(format);
    if (isVectorFamily(format))
        updateExportTypeVectorFormat(format);
    else
        updateExportTypeImageFormat(format);
}

void ExportDialog::configureExportDialog(ExportFormat_e format)
{
    QWidget* page = d->ui.export_TypeImage_Form;
    if (format == ExportFormat_EPS)
        page = d->ui.export_TypeVectImg_Form;
    else if (format == ExportFormat_WindowsMetafile)
        page = d->ui.export_TypeVector_Form;
    d->ui.export_Type_Marker->setCurrentWidget(page);
}

void ExportDialog::updateExportTypeImageFormat(ExportFormat_e format)
{
    Ui::Export& ui = d->ui;
    const ExportSettings& settings = d->settings;

    ui.export_Color_ToggleButton->setChecked(settings.palette == PaletteColor || format != ExportFormat_TIFF);
    setIndexWithin(*ui.export_TypeImageRegion_CmbBox, settings.region);
    setIndexWithin(*ui.export_JPEGEncoding_comboBox, settings.jpegEncoding);

    if (m_localUseScreenWidth)
        ui.export_TypeImageUseScreenWidth_RadioButton->setChecked(true);
    else
        ui.export_TypeImageEnterWidth_RadioButton->setChecked(true);
    ui.export_TypeImageWidth_1Text->setValidator(d->widthValidator);
    ui.export_TypeImageWidth_1Text->setText(NumberField::integerText(settings.imageWidth));

    ui.export_TypeImageAntialiasing_ToggleButton->setChecked(settings.useOffscreenBitmap
                                                             && settings.useSupersampleAntialiasing);
    ui.export_TypeImageSupersample_1Text->setValidator(d->supersampleValidator);
    ui.export_TypeImageSupersample_1Text->setText(NumberField::integerText(settings.supersampleFactor));

    ui.export_TypeImage256Colors_ToggleButton->setChecked(settings.convertTo256Colors);
    ui.export_TypeImageUseMultipleColorTables_ToggleButton->setChecked(settings.useMultipleColorTables);
    ui.export_TypeImageAVIAnimationSpeed_1Text->setValidator(d->speedValidator);
    ui.export_TypeImageAVIAnimationSpeed_1Text->setText(NumberField::numberText(settings.animationSpeed));

    ui.export_TypeImageJPEGQuality_Scale->setValue(static_cast<int>(settings.quality));
    ui.export_TypeImageJPEGQualityValue_Label->setText(NumberField::numberText(settings.quality));

    for (const FlashImageTypeName& name : FlashImageTypeNames) {
        if (name.type == settings.flashImageType)
            ui.export_TypeImageFlashType_CmbBox->setCurrentIndex(
                ui.export_TypeImageFlashType_CmbBox->findText(translated(name.text)));
    }
    if (settings.flashCompressionType == 0)
        ui.export_TypeImageFlashOptimizeSpeed_RadioButton->setChecked(true);
    else
        ui.export_TypeImageFlashOptimizeSize_RadioButton->setChecked(true);

    updateExportImageFormatSensitivities();
}

void ExportDialog::updateExportImageFormatSensitivities()
{
    Ui::Export& ui = d->ui;
    const ExportSettings& settings = d->settings;
    const ExportFormat_e format = settings.format;
    const bool offscreen = settings.useOffscreenBitmap;

    ui.export_Color_ToggleButton->setEnabled(format == ExportFormat_TIFF);
    ui.export_TypeImageUseScreenWidth_RadioButton->setEnabled(offscreen);
    ui.export_TypeImageEnterWidth_RadioButton->setEnabled(offscreen);
    ui.export_TypeImageAntialiasing_ToggleButton->setEnabled(offscreen);
    ui.export_TypeImageWidth_1Text->setEnabled(offscreen && !m_localUseScreenWidth);
    const bool supersampling = offscreen && settings.useSupersampleAntialiasing;
    ui.export_TypeImageSupersample_Label->setEnabled(supersampling);
    ui.export_TypeImageSupersample_1Text->setEnabled(supersampling);

    const bool offers256Colors = format == ExportFormat_PNG || format == ExportFormat_TIFF;
    if (offers256Colors) {
        ui.colorOptionStackWidget->setCurrentWidget(ui.Color256);
        ui.export_TypeImage256Colors_ToggleButton->setEnabled(ui.export_Color_ToggleButton->isChecked());
    }
    ui.export_TypeImage256Colors_ToggleButton->setVisible(offers256Colors);

    const bool offersColorTables = format == ExportFormat_RasterMetafile || format == ExportFormat_AVI;
    if (offersColorTables)
        ui.colorOptionStackWidget->setCurrentWidget(ui.ColorMultipleTables);
    ui.export_TypeImageUseMultipleColorTables_ToggleButton->setVisible(offersColorTables);

    const bool animated = format == ExportFormat_AVI || format == ExportFormat_Flash || format == ExportFormat_MPEG4;
    ui.export_TypeImageAVIAnimationSpeed_Label->setVisible(animated);
    ui.export_TypeImageAVIAnimationSpeed_1Text->setVisible(animated);

    const bool flash = format == ExportFormat_Flash;
    if (flash)
        ui.colorOptionStackWidget->setCurrentWidget(ui.ImageFlash);
    ui.ImageFlash->setVisible(flash);

    ui.export_TypeImageQuality_FormGroup->setVisible(true);
    const bool jpeg = format == ExportFormat_JPEG;
    if (jpeg || (flash && settings.flashImageType == 1)) {
        ui.export_TypeImageQuality_FormGroup->setCurrentWidget(ui.export_TypeImageJPEGQuality_Intern);
        ui.export_JPEGEncoding_Label->setVisible(jpeg);
        ui.export_JPEGEncoding_comboBox->setVisible(jpeg);
    } else if (flash && settings.flashImageType == 0) {
        ui.export_TypeImageQuality_FormGroup->setCurrentWidget(ui.export_TypeImageFlashTrueColor_Intern);
    } else {
        ui.export_TypeImageQuality_FormGroup->setVisible(false);
    }
}

void ExportDialog::updateExportTypeVectorFormat(ExportFormat_e format)
{
    Ui::Export& ui = d->ui;
    ExportSettings& settings = d->settings;

    ui.export_Color_ToggleButton->setChecked(settings.palette == PaletteColor);
    if (format == ExportFormat_WindowsMetafile) {
        // A metafile holds frames, not the work area around them.
        if (settings.region == RegionWorkArea)
            settings.region = 0;
        setIndexWithin(*ui.export_TypeVectRegion_CmbBox, settings.region);
        ui.export_TypeVectExtraSort_ToggleButton->setChecked(settings.forceExtra3DSorting);
    } else {
        if (settings.renderType == RenderTypeImage)
            ui.export_TypeVectImgRenderTypeImage_RadioButton->setChecked(true);
        else
            ui.export_TypeVectImgRenderTypeVector_RadioButton->setChecked(true);
        setIndexWithin(*ui.export_TypeVectImgRegion_CmbBox, settings.region);
        ui.export_TypeVectImgResolution_1Text->setValidator(d->resolutionValidator);
        ui.export_TypeVectImgResolution_1Text->setText(NumberField::integerText(settings.imageResolution));
        ui.export_TypeVectImgExtraPrecision_1Text->setValue(settings.precision);
        ui.export_TypeVectImgExtraSort_ToggleButton->setChecked(settings.forceExtra3DSorting);
        setIndexWithin(*ui.export_TypeVectImgEPSPreviewType_CmbBox, settings.epsPreviewType);
        const auto depth = std::find(PreviewDepths.begin(), PreviewDepths.end(), settings.epsPreviewDepth);
        if (depth != PreviewDepths.end())
            ui.export_TypeVectImgEPSPreviewDepth_CmbBox->setCurrentIndex(
                static_cast<int>(std::distance(PreviewDepths.begin(), depth)));
        ui.export_TypeVectImgEPSPreviewWidth_1Text->setValidator(d->previewSizeValidator);
        ui.export_TypeVectImgEPSPreviewWidth_1Text->setText(NumberField::integerText(settings.epsPreviewWidth));
        ui.export_TypeVectImgEPSPreviewHeight_1Text->setValidator(d->previewSizeValidator);
        ui.export_TypeVectImgEPSPreviewHeight_1Text->setText(NumberField::integerText(settings.epsPreviewHeight));
    }
    updateExportVectorFormatSensitivities(format);
}

void ExportDialog::updateExportVectorFormatSensitivities(ExportFormat_e format)
{
    Ui::Export& ui = d->ui;
    const ExportSettings& settings = d->settings;

    ui.export_Color_ToggleButton->setEnabled(true);
    if (format == ExportFormat_WindowsMetafile) {
        ui.export_TypeVectRegion_Label->setVisible(true);
        ui.export_TypeVectRegion_CmbBox->setVisible(true);
        ui.export_TypeVectExtraSort_ToggleButton->setEnabled(anyFrameInCurPageIs3D());
        return;
    }
    ui.export_TypeVectImgRegion_Label->setEnabled(true);
    ui.export_TypeVectImgRegion_CmbBox->setEnabled(true);
    const bool image = settings.renderType == RenderTypeImage;
    ui.export_TypeVectImgResolution_Label->setEnabled(image && settings.useOffscreenBitmap);
    ui.export_TypeVectImgResolution_1Text->setEnabled(image && settings.useOffscreenBitmap);
    ui.export_TypeVectImgExtraPrecision_Label->setEnabled(!image);
    ui.export_TypeVectImgExtraPrecision_1Text->setEnabled(!image);
    ui.export_TypeVectImgExtraSort_ToggleButton->setEnabled(!image && anyFrameInCurPageIs3D());
    updateEPSPreviewImageSensitivity();
}

void ExportDialog::updateEPSPreviewImageSensitivity()
{
    Ui::Export& ui = d->ui;
    const bool eps = d->settings.format == ExportFormat_EPS;
    const int previewType = d->settings.epsPreviewType;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             ui.export_TypeVectImgEPSPreview_Line, ui.export_TypeVectImgEPSPreview_Label,
             ui.export_TypeVectImgEPSPreviewType_Label, ui.export_TypeVectImgEPSPreviewType_CmbBox,
             ui.export_TypeVectImgEPSPreviewDepth_Label, ui.export_TypeVectImgEPSPreviewDepth_CmbBox,
             ui.export_TypeVectImgEPSPreviewWidth_Label, ui.export_TypeVectImgEPSPreviewWidth_1Text,
             ui.export_TypeVectImgEPSPreviewHeight_Label, ui.export_TypeVectImgEPSPreviewHeight_1Text})
        widget->setVisible(eps);
    ui.export_TypeVectImgEPSPreviewDepth_Label->setEnabled(previewType == PreviewTypeTiff);
    ui.export_TypeVectImgEPSPreviewDepth_CmbBox->setEnabled(previewType == PreviewTypeTiff);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             ui.export_TypeVectImgEPSPreviewWidth_Label, ui.export_TypeVectImgEPSPreviewWidth_1Text,
             ui.export_TypeVectImgEPSPreviewHeight_Label, ui.export_TypeVectImgEPSPreviewHeight_1Text})
        widget->setEnabled(previewType != PreviewTypeNone);
}

bool ExportDialog::anyFrameInCurPageIs3D()
{
    AppLock lock(0);
    CurrentPageFrameWalk walk;
    while (walk.next()) {
        if (VexUtilFrameGetPlotType() == PlotType_Cartesian3D)
            return true;
    }
    return false;
}

void ExportDialog::saveOrRestoreLocalExportVariables(bool save)
{
    if (save) {
        if (!d->settings.useOffscreenBitmap)
            m_localUseScreenWidth = true;
        d->shownUseScreenWidth = m_localUseScreenWidth;
        d->shownImageWidth = m_localImageWidth;
    } else {
        m_localUseScreenWidth = d->shownUseScreenWidth;
        m_localImageWidth = d->shownImageWidth;
    }
}

void ExportDialog::takeTextFields()
{
    on_export_TypeImageWidth_1Text_editingFinished();
    on_export_TypeImageSupersample_1Text_editingFinished();
    on_export_TypeImageAVIAnimationSpeed_1Text_editingFinished();
    on_export_TypeVectImgResolution_1Text_editingFinished();
    on_export_TypeVectImgEPSPreviewWidth_1Text_editingFinished();
    on_export_TypeVectImgEPSPreviewHeight_1Text_editingFinished();
}

void ExportDialog::refreshAfterUserChange()
{
    // A refresh rewrites every field from the working copy: what the user typed and has not
    // yet left goes into it first.
    if (d->updating)
        return;
    takeTextFields();
    updateDialog();
}

void ExportDialog::accept()
{
    takeTextFields();
    assignNewExportDefaults();
    if (doExportToFile())
        QtDialogAbstract::accept();
}

void ExportDialog::reject()
{
    saveOrRestoreLocalExportVariables(false);
    QtDialogAbstract::reject();
}

void ExportDialog::assignNewExportDefaults()
{
    d->settings.write({ExportSetting::Format, ExportSetting::Palette});
    if (isVectorFamily(d->settings.format))
        assignNewExportVectorDefaults();
    else
        assignNewExportImageDefaults();
}

namespace {

// The width to write: the host's width of the picture on screen, or the entered width, which
// the dialog then remembers for the process.
void chooseImageWidth(ExportSettings& settings, bool useScreenWidth, int& rememberedWidth)
{
    if (!useScreenWidth) {
        rememberedWidth = settings.imageWidth;
        return;
    }
    const int screenWidth = VexUtilGetDefaultExportImageWidth(settings.format, settings.region);
    if (screenWidth > 0)
        settings.imageWidth = screenWidth;
}

} // namespace

void ExportDialog::assignNewExportVectorDefaults()
{
    ExportSettings& settings = d->settings;
    chooseImageWidth(settings, m_localUseScreenWidth, m_localImageWidth);
    settings.write({ExportSetting::RenderType, ExportSetting::Region, ExportSetting::ImageWidth,
                    ExportSetting::ImageResolution, ExportSetting::Precision, ExportSetting::ForceExtra3DSorting});
    if (settings.format == ExportFormat_EPS)
        settings.write({ExportSetting::EpsPreviewType, ExportSetting::EpsPreviewWidth, ExportSetting::EpsPreviewHeight,
                        ExportSetting::EpsPreviewDepth});
}

void ExportDialog::assignNewExportImageDefaults()
{
    ExportSettings& settings = d->settings;
    chooseImageWidth(settings, m_localUseScreenWidth, m_localImageWidth);
    // Supersampling needs the off-screen bitmap.
    settings.useSupersampleAntialiasing = settings.useOffscreenBitmap && settings.useSupersampleAntialiasing;
    settings.flashCompressionType = d->flashTrueColorOptimizedForSpeed() ? 0 : 1;
    settings.write({ExportSetting::Region, ExportSetting::ImageWidth, ExportSetting::UseSupersampleAntialiasing,
                    ExportSetting::SupersampleFactor, ExportSetting::AnimationSpeed,
                    ExportSetting::UseMultipleColorTables, ExportSetting::ConvertTo256Colors,
                    ExportSetting::FlashImageType, ExportSetting::FlashCompressionType, ExportSetting::Quality,
                    ExportSetting::JpegEncoding});
}

bool ExportDialog::doExportToFile()
{
    std::string extension;
    std::string filter;
    std::string description;
    getExportFileSettings(d->settings.format, extension, filter, description);

    std::string storedName;
    toolbox::CheckedStyleValue fileNameValue("EXPORTSETUP", "EXPORTFNAME");
    fileNameValue.get(storedName);
    if (storedName.empty())
        storedName = "untitled." + extension;
    std::filesystem::path name(storedName);
    name.replace_extension(extension);
    const QString proposed = QString::fromStdString(name.generic_string());

    SaveFileDialog chooser(
        this, tr("Select Export File").toStdString(), QFileInfo(proposed).absolutePath().toStdString(),
        QFileInfo(proposed).fileName().toStdString(),
        QStringLiteral("%1 (%2)").arg(translated(description.c_str()), QString::fromStdString(filter)).toStdString(),
        "export_save.html");
    if (!chooser.launch())
        return false;
    fileNameValue.set(chooser.selectedFilename());

    if (d->mode == Mode_Animation)
        return true;

    bool exported = false;
    try {
        AppLock lock(0);
        exported = VexUtilExport(0);
    } catch (const std::exception&) {
        exported = false;
    }
    // The report waits for the user: the host is unlocked by then.
    propertymanager::VexUtilActionReporter().reportResult(exported,
                                                          tr("Unable to render offscreen image").toStdString(), "");
    return true;
}

void ExportDialog::on_export_Format_CmbBox_currentIndexChanged(int)
{
    if (d->updating)
        return;
    const auto entry = d->formats.find(d->ui.export_Format_CmbBox->currentText());
    if (entry == d->formats.end())
        return;
    d->settings.format = entry->second;
    refreshAfterUserChange();
}

void ExportDialog::on_export_Color_ToggleButton_stateChanged(int state)
{
    d->settings.palette = checked(state) ? PaletteColor : PaletteMonochrome;
    refreshAfterUserChange();
}

void ExportDialog::on_export_TypeImage256Colors_ToggleButton_stateChanged(int state)
{
    d->settings.convertTo256Colors = checked(state);
}

void ExportDialog::on_export_TypeImageUseMultipleColorTables_ToggleButton_stateChanged(int state)
{
    d->settings.useMultipleColorTables = checked(state);
}

void ExportDialog::on_export_TypeImageSupersample_1Text_editingFinished()
{
    if (const auto factor = NumberField::integer(*d->ui.export_TypeImageSupersample_1Text, MinimumSupersampleFactor,
                                                 MaximumSupersampleFactor))
        d->settings.supersampleFactor = *factor;
}

void ExportDialog::on_export_TypeImageAntialiasing_ToggleButton_stateChanged(int state)
{
    d->settings.useSupersampleAntialiasing = checked(state);
    refreshAfterUserChange();
}

void ExportDialog::on_export_TypeImageWidth_1Text_editingFinished()
{
    if (const auto width = NumberField::integer(*d->ui.export_TypeImageWidth_1Text, 1, INT_MAX))
        d->settings.imageWidth = *width;
}

void ExportDialog::on_export_TypeImageEnterWidth_RadioButton_toggled(bool checked)
{
    if (!checked)
        return;
    m_localUseScreenWidth = false;
    refreshAfterUserChange();
}

void ExportDialog::on_export_TypeImageUseScreenWidth_RadioButton_toggled(bool checked)
{
    if (!checked)
        return;
    m_localUseScreenWidth = true;
    refreshAfterUserChange();
}

void ExportDialog::on_export_TypeImageRegion_CmbBox_currentIndexChanged(int index)
{
    if (index >= 0)
        d->settings.region = index;
}

void ExportDialog::on_export_JPEGEncoding_comboBox_currentIndexChanged(int index)
{
    if (index >= 0)
        d->settings.jpegEncoding = index;
}

void ExportDialog::on_export_TypeImageAVIAnimationSpeed_1Text_editingFinished()
{
    if (const auto speed = NumberField::positiveNumber(*d->ui.export_TypeImageAVIAnimationSpeed_1Text))
        d->settings.animationSpeed = *speed;
}

void ExportDialog::on_export_TypeImageFlashType_CmbBox_currentIndexChanged(int)
{
    const QString text = d->ui.export_TypeImageFlashType_CmbBox->currentText();
    for (const FlashImageTypeName& name : FlashImageTypeNames) {
        if (text == translated(name.text))
            d->settings.flashImageType = name.type;
    }
    refreshAfterUserChange();
}

void ExportDialog::on_export_TypeImageJPEGQuality_Scale_valueChanged(int value)
{
    d->settings.quality = value;
    refreshAfterUserChange();
}

void ExportDialog::on_export_TypeVectImgEPSPreviewWidth_1Text_editingFinished()
{
    if (const auto width = NumberField::integer(*d->ui.export_TypeVectImgEPSPreviewWidth_1Text, 1, INT_MAX))
        d->settings.epsPreviewWidth = *width;
}

void ExportDialog::on_export_TypeVectImgEPSPreviewHeight_1Text_editingFinished()
{
    if (const auto height = NumberField::integer(*d->ui.export_TypeVectImgEPSPreviewHeight_1Text, 1, INT_MAX))
        d->settings.epsPreviewHeight = *height;
}

void ExportDialog::on_export_TypeVectImgEPSPreviewType_CmbBox_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    d->settings.epsPreviewType = index;
    updateEPSPreviewImageSensitivity();
}

void ExportDialog::on_export_TypeVectImgEPSPreviewDepth_CmbBox_currentIndexChanged(int index)
{
    if (index >= 0 && index < static_cast<int>(PreviewDepths.size()))
        d->settings.epsPreviewDepth = PreviewDepths[static_cast<std::size_t>(index)];
}

void ExportDialog::on_export_TypeVectImgExtraSort_ToggleButton_stateChanged(int state)
{
    d->settings.forceExtra3DSorting = checked(state);
}

void ExportDialog::on_export_TypeVectImgExtraPrecision_1Text_valueChanged(int value)
{
    d->settings.precision = value;
}

void ExportDialog::on_export_TypeVectImgResolution_1Text_editingFinished()
{
    if (const auto resolution = NumberField::integer(*d->ui.export_TypeVectImgResolution_1Text, 1, INT_MAX))
        d->settings.imageResolution = *resolution;
}

void ExportDialog::on_export_TypeVectImgRegion_CmbBox_currentIndexChanged(int index)
{
    if (index >= 0)
        d->settings.region = index;
}

void ExportDialog::on_export_TypeVectImgRenderTypeImage_RadioButton_toggled(bool checked)
{
    if (!checked)
        return;
    d->settings.renderType = RenderTypeImage;
    refreshAfterUserChange();
}

void ExportDialog::on_export_TypeVectImgRenderTypeVector_RadioButton_toggled(bool checked)
{
    if (!checked)
        return;
    d->settings.renderType = RenderTypeVector;
    refreshAfterUserChange();
}

void ExportDialog::on_export_TypeVectRegion_CmbBox_currentIndexChanged(int index)
{
    if (index >= 0)
        d->settings.region = index;
}

void ExportDialog::on_export_TypeVectExtraSort_ToggleButton_stateChanged(int state)
{
    d->settings.forceExtra3DSorting = checked(state);
}

void ExportDialog::on_buttonBox_rejected()
{
    reject();
}

} // namespace kestrix::sdk::ui::dialogs
