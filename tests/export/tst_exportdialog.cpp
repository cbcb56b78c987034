// The "Export" dialog, shown as the host shows it and worked through its widgets as a user
// would; the file chooser and the host's messages are answered by timers. What it leaves in
// the stand-in host is read back after OK.

#include "dialogs/export/ExportDialog.h"
#include "hostsim/Host.h"
#include "support/ChildWidget.h"
#include "support/ModalDialogAnswerer.h"
#include "support/SaveFileChooserAnswer.h"

#include <kxsdkpropertymanager/RelevanceInterface.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::ExportDialog;
using kestrix::testing::answerSaveFileChooser;
using kestrix::testing::child;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::SaveFileChooserRequest;
using kestrix::toolbox::CheckedStyleValue;

namespace {

QVariant stored(const QString& first, const QString& second, const QString& third = QString())
{
    QStringList path{first, second};
    if (!third.isEmpty())
        path.append(third);
    return Host::instance().styleValue(path);
}

QVariant exportSetup(const char* keyword)
{
    return stored(QStringLiteral("EXPORTSETUP"), QString::fromLatin1(keyword));
}

QVariant printSetup(const char* keyword)
{
    return stored(QStringLiteral("PRINTSETUP"), QString::fromLatin1(keyword));
}

template <typename T> void store(const CheckedStyleValue& value, T newValue)
{
    QVERIFY(CheckedStyleValue::returnCodeOk(value.set(newValue)));
}

QStringList comboItems(QWidget& dialog, const char* name)
{
    auto* combo = child<QComboBox>(dialog, name);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

void chooseInCombo(QWidget& dialog, const char* name, const QString& text)
{
    auto* combo = child<QComboBox>(dialog, name);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), text);
}

void typeInto(QWidget& dialog, const char* name, const QString& text)
{
    auto* edit = child<QLineEdit>(dialog, name);
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Presses a check box or radio button with the space bar.
void click(QWidget& dialog, const char* name)
{
    auto* button = child<QAbstractButton>(dialog, name);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

bool enabled(QWidget& dialog, const char* name)
{
    return child<QWidget>(dialog, name)->isEnabled();
}

bool shown(QWidget& dialog, const char* name)
{
    return child<QWidget>(dialog, name)->isVisibleTo(&dialog);
}

QWidget* shownPage(QWidget& dialog)
{
    return child<QStackedWidget>(dialog, "export_Type_Marker")->currentWidget();
}

void pressButton(QWidget& dialog, QDialogButtonBox::StandardButton button)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(button)->click();
}

// Answers the host's failure report, keeping its texts.
std::unique_ptr<ModalDialogAnswerer> answerReport(QString& text)
{
    return std::make_unique<ModalDialogAnswerer>(
        [&text](QWidget& window) {
            auto* box = qobject_cast<QMessageBox*>(&window);
            QVERIFY(box);
            text = box->text();
            box->accept();
        },
        QStringLiteral("actionReporterMessageBox"));
}

} // namespace

class TestExportDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_defaultLocale = QLocale();
    }

    void init()
    {
        Host::instance().loadDemoScene();
        m_parent = std::make_unique<QWidget>();
    }

    void cleanup()
    {
        m_parent.reset();
        QLocale::setDefault(m_defaultLocale);
    }

    void formatListFollowsTheModeAskedFor();
    void aFormatOutsideTheModeFallsBackToTheModesFirstChoice();
    void metafileShowsTheWorkAreaAsCurrentFrameAndWritesIt();
    void withoutOffscreenBitmapsTheScreenWidthIsForced();
    void previewTypeAndDepthFollowTheirRules();
    void resolutionIsForTheImageRenderType();
    void theChooserProposesTheStoredNameWithTheFormatsExtension();
    void cancelRestoresTheWidthChoice();
    void enteredWidthIsWrittenAndRemembered();
    void everyShowingReadsWhatTheHostHoldsNow();
    void fieldsWithoutANumberInRangeKeepTheStoredValue();
    void storedPrecisionBeyondTheFormsRangeSurvives();
    void germanNumbersAreTheSameNumbers();
    void aCancelledChooserKeepsTheDialogOpenWithTheSettingsWritten();
    void aRefusedExportIsReportedAndTheDialogCloses();
    void imageExportWritesThePictureAtTheEnteredWidth();
    void animationModeRecordsTheSettingsWithoutExporting();
    void relevantWhileAPageHasFrames();

private:
    ExportDialog& showDialog(ExportDialog::Mode_e mode = ExportDialog::Mode_Image)
    {
        ExportDialog& dialog = ExportDialog::getInstance(*m_parent, mode);
        dialog.show();
        return dialog;
    }

    QTemporaryDir m_dir;
    QLocale m_defaultLocale;
    std::unique_ptr<QWidget> m_parent;
};

void TestExportDialog::formatListFollowsTheModeAskedFor()
{
    ExportDialog& dialog = showDialog(ExportDialog::Mode_Image);
    const QStringList imageFormats{"EPS", "JPEG", "PNG", "TIFF", "WMF"};
    const QStringList animationFormats{"AVI", "Flash", "MPEG-4", "Raster Metafile"};
    QCOMPARE(comboItems(dialog, "export_Format_CmbBox"), imageFormats);
    dialog.hide();

    // The same instance, asked for animation, offers the animation formats.
    QCOMPARE(&ExportDialog::getInstance(*m_parent, ExportDialog::Mode_Animation), &dialog);
    QCOMPARE(comboItems(dialog, "export_Format_CmbBox"), animationFormats);
    QCOMPARE(child<QComboBox>(dialog, "export_Format_CmbBox")->currentText(), QStringLiteral("AVI"));
    QCOMPARE(ExportDialog::getInstance(*m_parent, ExportDialog::Mode_Image).mode(), ExportDialog::Mode_Image);
    QCOMPARE(comboItems(dialog, "export_Format_CmbBox"), imageFormats);
}

void TestExportDialog::aFormatOutsideTheModeFallsBackToTheModesFirstChoice()
{
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_AVI);
    ExportDialog& dialog = showDialog(ExportDialog::Mode_Image);
    QCOMPARE(child<QComboBox>(dialog, "export_Format_CmbBox")->currentText(), QStringLiteral("PNG"));
    QCOMPARE(shownPage(dialog), child<QWidget>(dialog, "export_TypeImage_Form"));
    dialog.hide();

    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_EPS);
    ExportDialog::getInstance(*m_parent, ExportDialog::Mode_Animation).show();
    QCOMPARE(child<QComboBox>(dialog, "export_Format_CmbBox")->currentText(), QStringLiteral("AVI"));
    QVERIFY(shown(dialog, "export_TypeImageAVIAnimationSpeed_1Text"));
}

void TestExportDialog::metafileShowsTheWorkAreaAsCurrentFrameAndWritesIt()
{
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_WindowsMetafile);
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTREGION"), 2);
    ExportDialog& dialog = showDialog();
    QCOMPARE(shownPage(dialog), child<QWidget>(dialog, "export_TypeVector_Form"));
    QCOMPARE(child<QComboBox>(dialog, "export_TypeVectRegion_CmbBox")->currentText(), QStringLiteral("Current Frame"));

    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(chooser->answered(), 1);
    QCOMPARE(exportSetup("EXPORTREGION").toInt(), 0);
    QCOMPARE(exportSetup("EXPORTFORMAT").toInt(), int(ExportFormat_WindowsMetafile));
}

void TestExportDialog::withoutOffscreenBitmapsTheScreenWidthIsForced()
{
    store(CheckedStyleValue("INTERFACE", "USEOFFSCREENBITMAP"), false);
    store(CheckedStyleValue("EXPORTSETUP", "USESUPERSAMPLEANTIALIASING"), true);
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_PNG);
    ExportDialog& dialog = showDialog();
    for (const char* name : {"export_TypeImageUseScreenWidth_RadioButton", "export_TypeImageEnterWidth_RadioButton",
                             "export_TypeImageWidth_1Text", "export_TypeImageAntialiasing_ToggleButton",
                             "export_TypeImageSupersample_1Text"})
        QVERIFY2(!enabled(dialog, name), name);
    QVERIFY(child<QRadioButton>(dialog, "export_TypeImageUseScreenWidth_RadioButton")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "export_TypeImageAntialiasing_ToggleButton")->isChecked());

    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(exportSetup("USESUPERSAMPLEANTIALIASING").toInt(), 0);
    // The width on screen of the current frame.
    QCOMPARE(exportSetup("IMAGEWIDTH").toInt(), VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 0));
}

void TestExportDialog::previewTypeAndDepthFollowTheirRules()
{
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_EPS);
    store(CheckedStyleValue("EXPORTSETUP", "EPSPREVIEWIMAGE", "GRAYSCALEDEPTH"), 4);
    store(CheckedStyleValue("EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGETYPE"), 1);
    ExportDialog& dialog = showDialog();
    QCOMPARE(shownPage(dialog), child<QWidget>(dialog, "export_TypeVectImg_Form"));
    QCOMPARE(child<QComboBox>(dialog, "export_TypeVectImgEPSPreviewDepth_CmbBox")->currentText(),
             QStringLiteral("4-Bit Gray"));
    QVERIFY(enabled(dialog, "export_TypeVectImgEPSPreviewDepth_CmbBox"));

    chooseInCombo(dialog, "export_TypeVectImgEPSPreviewType_CmbBox", QStringLiteral("None"));
    QVERIFY(!enabled(dialog, "export_TypeVectImgEPSPreviewWidth_1Text"));
    QVERIFY(!enabled(dialog, "export_TypeVectImgEPSPreviewHeight_1Text"));
    QVERIFY(!enabled(dialog, "export_TypeVectImgEPSPreviewDepth_CmbBox"));

    chooseInCombo(dialog, "export_TypeVectImgEPSPreviewType_CmbBox", QStringLiteral("EPSIV2"));
    QVERIFY(enabled(dialog, "export_TypeVectImgEPSPreviewWidth_1Text"));
    QVERIFY(enabled(dialog, "export_TypeVectImgEPSPreviewHeight_1Text"));
    QVERIFY(!enabled(dialog, "export_TypeVectImgEPSPreviewDepth_CmbBox"));

    chooseInCombo(dialog, "export_TypeVectImgEPSPreviewType_CmbBox", QStringLiteral("TIFF"));
    QVERIFY(enabled(dialog, "export_TypeVectImgEPSPreviewDepth_CmbBox"));
    chooseInCombo(dialog, "export_TypeVectImgEPSPreviewDepth_CmbBox", QStringLiteral("8-Bit Gray"));

    // The preview settings belong to EPS alone.
    chooseInCombo(dialog, "export_Format_CmbBox", QStringLiteral("WMF"));
    QVERIFY(!shown(dialog, "export_TypeVectImgEPSPreviewType_CmbBox"));
    chooseInCombo(dialog, "export_Format_CmbBox", QStringLiteral("EPS"));
    QVERIFY(shown(dialog, "export_TypeVectImgEPSPreviewType_CmbBox"));

    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(stored("EXPORTSETUP", "EPSPREVIEWIMAGE", "GRAYSCALEDEPTH").toInt(), 8);
    QCOMPARE(stored("EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGETYPE").toInt(), 1);
}

void TestExportDialog::resolutionIsForTheImageRenderType()
{
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_EPS);
    store(CheckedStyleValue("EXPORTSETUP", "PRINTRENDERTYPE"), 0);
    ExportDialog& dialog = showDialog();
    QVERIFY(!enabled(dialog, "export_TypeVectImgResolution_1Text"));
    QVERIFY(enabled(dialog, "export_TypeVectImgExtraPrecision_1Text"));

    click(dialog, "export_TypeVectImgRenderTypeImage_RadioButton");
    QVERIFY(enabled(dialog, "export_TypeVectImgResolution_1Text"));
    QVERIFY(enabled(dialog, "export_TypeVectImgResolution_Label"));
    QVERIFY(!enabled(dialog, "export_TypeVectImgExtraPrecision_1Text"));
    QVERIFY(!enabled(dialog, "export_TypeVectImgExtraSort_ToggleButton"));

    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(exportSetup("PRINTRENDERTYPE").toInt(), 1);
}

void TestExportDialog::theChooserProposesTheStoredNameWithTheFormatsExtension()
{
    ExportDialog& dialog = showDialog();
    SaveFileChooserRequest request;
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(chooser->answered(), 1);
    }
    QCOMPARE(request.caption, QStringLiteral("Select Export File"));
    QCOMPARE(request.fileName, QStringLiteral("untitled.png"));
    QCOMPARE(request.directory, QDir::current().absolutePath());
    QCOMPARE(request.filters, QStringList{QStringLiteral("PNG Files (*.png)")});

    const QString storedName = m_dir.filePath(QStringLiteral("run.v2/plot.tiff"));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("run.v2"))));
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFNAME"), storedName.toStdString());
    chooseInCombo(dialog, "export_Format_CmbBox", QStringLiteral("EPS"));
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressButton(dialog, QDialogButtonBox::Ok);
    }
    QCOMPARE(request.fileName, QStringLiteral("plot.eps"));
    QCOMPARE(request.directory, m_dir.filePath(QStringLiteral("run.v2")));
    QCOMPARE(request.filters, QStringList{QStringLiteral("EPS Files (*.eps)")});
}

void TestExportDialog::cancelRestoresTheWidthChoice()
{
    {
        ExportDialog& dialog = showDialog();
        QVERIFY(child<QRadioButton>(dialog, "export_TypeImageUseScreenWidth_RadioButton")->isChecked());
        QVERIFY(!enabled(dialog, "export_TypeImageWidth_1Text"));
        click(dialog, "export_TypeImageEnterWidth_RadioButton");
        QVERIFY(enabled(dialog, "export_TypeImageWidth_1Text"));
        pressButton(dialog, QDialogButtonBox::Cancel);
        QVERIFY(!dialog.isVisible());
    }
    ExportDialog& dialog = showDialog();
    QVERIFY(child<QRadioButton>(dialog, "export_TypeImageUseScreenWidth_RadioButton")->isChecked());

    // Escape cancels too.
    click(dialog, "export_TypeImageEnterWidth_RadioButton");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    showDialog();
    QVERIFY(child<QRadioButton>(dialog, "export_TypeImageUseScreenWidth_RadioButton")->isChecked());
}

void TestExportDialog::enteredWidthIsWrittenAndRemembered()
{
    ExportDialog& dialog = showDialog();
    click(dialog, "export_TypeImageEnterWidth_RadioButton");
    typeInto(dialog, "export_TypeImageWidth_1Text", QStringLiteral("1234"));
    SaveFileChooserRequest request;
    {
        auto chooser = answerSaveFileChooser(request, m_dir.filePath(QStringLiteral("wide.png")));
        pressButton(dialog, QDialogButtonBox::Ok);
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(exportSetup("IMAGEWIDTH").toInt(), 1234);

    // The choice of an entered width holds for the process, even for a new dialog.
    delete &dialog;
    ExportDialog& again = showDialog();
    QVERIFY(child<QRadioButton>(again, "export_TypeImageEnterWidth_RadioButton")->isChecked());
    QCOMPARE(child<QLineEdit>(again, "export_TypeImageWidth_1Text")->text(), QStringLiteral("1234"));
    click(again, "export_TypeImageUseScreenWidth_RadioButton");
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressButton(again, QDialogButtonBox::Ok);
    }
    QCOMPARE(exportSetup("IMAGEWIDTH").toInt(), VexUtilGetDefaultExportImageWidth(ExportFormat_PNG, 0));
}

void TestExportDialog::everyShowingReadsWhatTheHostHoldsNow()
{
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_EPS);
    store(CheckedStyleValue("PRINTSETUP", "IMAGERESOLUTION"), 150);
    ExportDialog& dialog = showDialog();
    QCOMPARE(child<QLineEdit>(dialog, "export_TypeVectImgResolution_1Text")->text(), QStringLiteral("150"));
    dialog.hide();

    // The Print dialog (or an undo) changes what Export shares with it.
    store(CheckedStyleValue("PRINTSETUP", "IMAGERESOLUTION"), 600);
    store(CheckedStyleValue("PRINTSETUP", "PALETTE"), 0);
    showDialog();
    QCOMPARE(child<QLineEdit>(dialog, "export_TypeVectImgResolution_1Text")->text(), QStringLiteral("600"));
    QVERIFY(!child<QCheckBox>(dialog, "export_Color_ToggleButton")->isChecked());
    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(printSetup("IMAGERESOLUTION").toInt(), 600);
    QCOMPARE(printSetup("PALETTE").toInt(), 0);
}

void TestExportDialog::fieldsWithoutANumberInRangeKeepTheStoredValue()
{
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_EPS);
    store(CheckedStyleValue("EXPORTSETUP", "PRINTRENDERTYPE"), 1);
    store(CheckedStyleValue("PRINTSETUP", "IMAGERESOLUTION"), 300);
    store(CheckedStyleValue("EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGETYPE"), 1);
    ExportDialog& dialog = showDialog();
    typeInto(dialog, "export_TypeVectImgResolution_1Text", QString());
    typeInto(dialog, "export_TypeVectImgEPSPreviewWidth_1Text", QStringLiteral("-5"));
    QCOMPARE(child<QLineEdit>(dialog, "export_TypeVectImgEPSPreviewWidth_1Text")->text(), QStringLiteral("5"));
    typeInto(dialog, "export_TypeVectImgEPSPreviewHeight_1Text", QStringLiteral("99999999999"));
    SaveFileChooserRequest request;
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressButton(dialog, QDialogButtonBox::Ok);
    }
    QCOMPARE(printSetup("IMAGERESOLUTION").toInt(), 300);
    QCOMPARE(stored("EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGEWIDTH").toInt(), 5);
    QCOMPARE(stored("EXPORTSETUP", "EPSPREVIEWIMAGE", "IMAGEHEIGHT").toInt(), 128);

    chooseInCombo(dialog, "export_Format_CmbBox", QStringLiteral("PNG"));
    click(dialog, "export_TypeImageAntialiasing_ToggleButton");
    click(dialog, "export_TypeImageEnterWidth_RadioButton");
    typeInto(dialog, "export_TypeImageWidth_1Text", QStringLiteral("0"));
    typeInto(dialog, "export_TypeImageSupersample_1Text", QStringLiteral("40"));
    const int widthBefore = exportSetup("IMAGEWIDTH").toInt();
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressButton(dialog, QDialogButtonBox::Ok);
    }
    QCOMPARE(exportSetup("IMAGEWIDTH").toInt(), widthBefore);
    QCOMPARE(exportSetup("SUPERSAMPLEFACTOR").toInt(), 3);
    QCOMPARE(exportSetup("USESUPERSAMPLEANTIALIASING").toInt(), 1);

    typeInto(dialog, "export_TypeImageSupersample_1Text", QStringLiteral("16"));
    {
        auto chooser = answerSaveFileChooser(request, QString());
        pressButton(dialog, QDialogButtonBox::Ok);
    }
    QCOMPARE(exportSetup("SUPERSAMPLEFACTOR").toInt(), 16);
}

void TestExportDialog::storedPrecisionBeyondTheFormsRangeSurvives()
{
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_EPS);
    store(CheckedStyleValue("PRINTSETUP", "PRECISION"), 12);
    ExportDialog& dialog = showDialog();
    QCOMPARE(child<QSpinBox>(dialog, "export_TypeVectImgExtraPrecision_1Text")->value(), 12);
    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(printSetup("PRECISION").toInt(), 12);
}

void TestExportDialog::germanNumbersAreTheSameNumbers()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_MPEG4);
    store(CheckedStyleValue("EXPORTSETUP", "ANIMATIONSPEED"), 2.5);
    store(CheckedStyleValue("EXPORTSETUP", "QUALITY"), 80.0);
    ExportDialog& dialog = showDialog(ExportDialog::Mode_Animation);
    QCOMPARE(child<QLineEdit>(dialog, "export_TypeImageAVIAnimationSpeed_1Text")->text(), QStringLiteral("2,5"));

    typeInto(dialog, "export_TypeImageAVIAnimationSpeed_1Text", QStringLiteral("7,25"));
    click(dialog, "export_TypeImageEnterWidth_RadioButton");
    typeInto(dialog, "export_TypeImageWidth_1Text", QStringLiteral("1100"));
    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, m_dir.filePath(QStringLiteral("film.mp4")));
    pressButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(exportSetup("ANIMATIONSPEED").toDouble(), 7.25);
    QCOMPARE(exportSetup("IMAGEWIDTH").toInt(), 1100);
    QCOMPARE(exportSetup("QUALITY").toDouble(), 80.0);
}

void TestExportDialog::aCancelledChooserKeepsTheDialogOpenWithTheSettingsWritten()
{
    ExportDialog& dialog = showDialog();
    chooseInCombo(dialog, "export_Format_CmbBox", QStringLiteral("JPEG"));
    QVERIFY(shown(dialog, "export_JPEGEncoding_comboBox"));
    auto* quality = child<QSlider>(dialog, "export_TypeImageJPEGQuality_Scale");
    quality->setFocus();
    QTest::keyClick(quality, Qt::Key_End);
    QCOMPARE(child<QLabel>(dialog, "export_TypeImageJPEGQualityValue_Label")->text(), QStringLiteral("100"));
    chooseInCombo(dialog, "export_JPEGEncoding_comboBox", QStringLiteral("Progressive"));

    SaveFileChooserRequest request;
    auto chooser = answerSaveFileChooser(request, QString());
    pressButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(chooser->answered(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(exportSetup("EXPORTFORMAT").toInt(), int(ExportFormat_JPEG));
    QCOMPARE(exportSetup("QUALITY").toDouble(), 100.0);
    QCOMPARE(exportSetup("JPEGENCODING").toInt(), 1);
    QCOMPARE(exportSetup("EXPORTFNAME").toString(), QString());
}

void TestExportDialog::aRefusedExportIsReportedAndTheDialogCloses()
{
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_WindowsMetafile);
    ExportDialog& dialog = showDialog();
    const QString target = m_dir.filePath(QStringLiteral("drawing.wmf"));
    SaveFileChooserRequest request;
    QString report;
    auto chooser = answerSaveFileChooser(request, target);
    auto reporter = answerReport(report);
    pressButton(dialog, QDialogButtonBox::Ok);
    QCOMPARE(reporter->answered(), 1);
    QCOMPARE(report, QStringLiteral("Unable to render offscreen image"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(exportSetup("EXPORTFNAME").toString(), target);
    QVERIFY(!QFile::exists(target));
    QCOMPARE(Host::instance().appLockDepth(), 0);
}

void TestExportDialog::imageExportWritesThePictureAtTheEnteredWidth()
{
    store(CheckedStyleValue("EXPORTSETUP", "EXPORTFORMAT"), ExportFormat_PNG);
    ExportDialog& dialog = showDialog();
    click(dialog, "export_TypeImageEnterWidth_RadioButton");
    typeInto(dialog, "export_TypeImageWidth_1Text", QStringLiteral("321"));
    const QString target = m_dir.filePath(QStringLiteral("Größe.png"));
    SaveFileChooserRequest request;
    QString report;
    auto chooser = answerSaveFileChooser(request, target);
    auto reporter = answerReport(report);
    pressButton(dialog, QDialogButtonBox::Ok);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(reporter->answered(), 0);
    QImageReader picture(target);
    QCOMPARE(picture.format(), QByteArray("png"));
    QCOMPARE(picture.size().width(), 321);
    QCOMPARE(Host::instance().appLockDepth(), 0);
}

void TestExportDialog::animationModeRecordsTheSettingsWithoutExporting()
{
    ExportDialog& dialog = showDialog(ExportDialog::Mode_Animation);
    chooseInCombo(dialog, "export_Format_CmbBox", QStringLiteral("MPEG-4"));
    QVERIFY(shown(dialog, "export_TypeImageAVIAnimationSpeed_1Text"));
    QVERIFY(!shown(dialog, "export_TypeImageQuality_FormGroup"));
    typeInto(dialog, "export_TypeImageAVIAnimationSpeed_1Text", QStringLiteral("24"));
    const QString target = m_dir.filePath(QStringLiteral("zones.mp4"));
    SaveFileChooserRequest request;
    QString report;
    auto chooser = answerSaveFileChooser(request, target);
    auto reporter = answerReport(report);
    pressButton(dialog, QDialogButtonBox::Ok);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(request.fileName, QStringLiteral("untitled.mp4"));
    QCOMPARE(exportSetup("EXPORTFORMAT").toInt(), int(ExportFormat_MPEG4));
    QCOMPARE(exportSetup("ANIMATIONSPEED").toDouble(), 24.0);
    QCOMPARE(exportSetup("EXPORTFNAME").toString(), target);
    QVERIFY(!QFile::exists(target));
    QCOMPARE(reporter->answered(), 0);
}

void TestExportDialog::relevantWhileAPageHasFrames()
{
    const auto relevance = ExportDialog::relevance();
    QVERIFY(relevance->isRelevant());
    Host::instance().clearScene();
    QVERIFY(!relevance->isRelevant());
    QCOMPARE(Host::instance().appLockDepth(), 0);
}

QTEST_MAIN(TestExportDialog)
#include "tst_exportdialog.moc"
