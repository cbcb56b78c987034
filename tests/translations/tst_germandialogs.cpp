// The dialogs with the library's German translation and Qt's own installed, as a German user
// sees them: their texts are German, lists shown in German still choose what they name, and
// at the size each dialog opens with, no label, button, combo box, group title or tab is cut
// off. The same layouts are checked in English, the language the forms are written in.

#include "dialogs/export/ExportDialog.h"
#include "dialogs/fontselect/FontSelectDialog.h"
#include "dialogs/labelpoints/LabelPointsDialog.h"
#include "dialogs/printing/PrintingDialog.h"
#include "dialogs/translations/DialogTranslations.h"
#include "dialogs/valueformat/ValueFormatDialog.h"
#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "dialogs/zonestyle/intern/views/DynamicLineMapTextEditDialog.h"
#include "hostsim/Host.h"
#include "support/ChildWidget.h"
#include "support/StyleWrites.h"
#include "support/TestScenes.h"

#include <kxsdkbase/Enumerations.h>
#include <kxtoolbox/StringList.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::DialogTranslations;
using kestrix::sdk::ui::dialogs::ExportDialog;
using kestrix::sdk::ui::dialogs::FontSelectDialog;
using kestrix::sdk::ui::dialogs::LabelPointsDialog;
using kestrix::sdk::ui::dialogs::PrintingDialog;
using kestrix::sdk::ui::dialogs::ValueFormatDialog;
using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
using kestrix::sdk::ui::dialogs::zonestyle::intern::views::DynamicLineMapTextEditDialog;
using kestrix::testing::child;
using kestrix::testing::TestScenes;
using kestrix::testing::writeStyle;
using kestrix::toolbox::StringList;

namespace {

// The frames of TestScenes::mixed().
constexpr int FieldFrame = 1;
constexpr int XYFrame = 2;
constexpr int PolarFrame = 3;

QString describe(const QWidget& widget, const QString& text)
{
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QLatin1String(widget.metaObject()->className()), widget.objectName(), text);
}

QString shortOf(const QWidget& widget, const QString& text, int has, int needs)
{
    return QStringLiteral("%1 has %2 of the %3 pixels it needs").arg(describe(widget, text)).arg(has).arg(needs);
}

// The texts of a window that a user would see cut off, with the room they have and need.
QStringList cutOffTexts(const QWidget& window)
{
    QStringList cutOff;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                const int needs = label->heightForWidth(label->width());
                if (label->height() < needs)
                    cutOff << shortOf(*label, label->text(), label->height(), needs) + QStringLiteral(" in height");
            } else if (label->width() < label->sizeHint().width()) {
                cutOff << shortOf(*label, label->text(), label->width(), label->sizeHint().width());
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (!button->text().isEmpty() && button->width() < button->sizeHint().width())
                cutOff << shortOf(*button, button->text(), button->width(), button->sizeHint().width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            if (!combo->currentText().isEmpty() && combo->width() < combo->sizeHint().width())
                cutOff << shortOf(*combo, combo->currentText(), combo->width(), combo->sizeHint().width());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            if (!group->title().isEmpty() && group->width() < group->minimumSizeHint().width())
                cutOff << shortOf(*group, group->title(), group->width(), group->minimumSizeHint().width());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            // A tab bar too narrow for its tabs scrolls them: the last ones are out of sight.
            for (int index = 0; index < tabs->count(); ++index) {
                if (tabs->isTabVisible(index) && !tabs->rect().contains(tabs->tabRect(index)))
                    cutOff << describe(*tabs, tabs->tabText(index))
                                  + QStringLiteral(" lies outside its %1 pixel wide bar").arg(tabs->width());
            }
        }
    }
    return cutOff;
}

QStringList comboItems(const QComboBox& combo)
{
    QStringList items;
    for (int index = 0; index < combo.count(); ++index)
        items << combo.itemText(index);
    return items;
}

void chooseItem(QComboBox& combo, const QString& text)
{
    const int index = combo.findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo.setCurrentIndex(index);
}

QWidget* shown(QWidget& window)
{
    if (!window.isVisible())
        window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("%s was not exposed", qPrintable(window.objectName()));
    // Idle-time refreshes of the dialogs settle their contents.
    QTest::qWait(50);
    return &window;
}

QWidget* zoneStyle(QWidget& parent)
{
    ZoneStyleDialog& dialog = ZoneStyleDialog::getInstance(parent, kestrix::dialogs::common::DialogInitialization_None);
    dialog.launch();
    return shown(dialog);
}

QWidget* exportDialog(QWidget& parent, ExportDialog::Mode_e mode, const QString& format)
{
    ExportDialog& dialog = ExportDialog::getInstance(parent, mode);
    dialog.show();
    chooseItem(*child<QComboBox>(dialog, "export_Format_CmbBox"), format);
    return shown(dialog);
}

QWidget* fontSelect(QWidget& parent)
{
    FontSelectDialog& dialog =
        FontSelectDialog::getInstance(parent, StringList("GLOBALSCATTER", "DATALABELS"), -1, true, true);
    return shown(dialog);
}

QWidget* valueFormat(QWidget& parent, NumberFormat_e format)
{
    writeStyle({"GLOBALSCATTER", "DATALABELS", "NUMFORMAT", "FORMATTING"}, format);
    ValueFormatDialog& dialog =
        ValueFormatDialog::getInstance(parent, true, StringList("GLOBALSCATTER", "DATALABELS"), -1, -1);
    return shown(dialog);
}

QWidget* labelPoints(QWidget& parent)
{
    LabelPointsDialog& dialog = LabelPointsDialog::getInstance(parent);
    dialog.launch();
    return shown(dialog);
}

QWidget* lineMapNameEditor(QWidget& parent)
{
    auto* editor =
        new DynamicLineMapTextEditDialog(parent.mapToGlobal(QPoint(40, 40)), QStringLiteral("first"), 1, &parent);
    return shown(*editor);
}

using Opener = std::function<QWidget*(QWidget& parent)>;

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestGermanDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void zoneStyleSpeaksGerman();
    void exportSpeaksGermanAndFindsItsGermanItems();
    void printingSpeaksGerman();
    void fontSelectSpeaksGerman();
    void valueFormatSpeaksGermanAndWritesTheFormatChosenByItsGermanName();
    void labelPointsSpeaksGerman();
    void lineMapNameEditorSpeaksGerman();

    void nothingIsCutOff_data();
    void nothingIsCutOff();

private:
    void useLanguage(const QString& language);

    QTranslator m_dialogsTranslator;
    QTranslator m_qtTranslator;
    std::unique_ptr<QWidget> m_parent;
};

void TestGermanDialogs::initTestCase()
{
    QVERIFY2(DialogTranslations::languages().contains(QStringLiteral("de")),
             qPrintable(DialogTranslations::languages().join(QStringLiteral(", "))));
    QVERIFY(DialogTranslations::load(m_dialogsTranslator, QStringLiteral("de")));
    QVERIFY(m_qtTranslator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QVERIFY(!DialogTranslations::load(m_dialogsTranslator, QStringLiteral("xx")));
}

void TestGermanDialogs::init()
{
    useLanguage(QStringLiteral("de"));
    QVERIFY(TestScenes::load(TestScenes::mixed()));
    m_parent = std::make_unique<QWidget>();
    m_parent->resize(300, 200);
    m_parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_parent.get()));
}

// The dialogs are made once for their parent and keep the texts they were made with: each
// test makes them anew.
void TestGermanDialogs::cleanup()
{
    m_parent.reset();
    useLanguage(QStringLiteral("en"));
}

void TestGermanDialogs::useLanguage(const QString& language)
{
    QCoreApplication::removeTranslator(&m_dialogsTranslator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (language == QLatin1String("de")) {
        QCoreApplication::installTranslator(&m_dialogsTranslator);
        QCoreApplication::installTranslator(&m_qtTranslator);
    }
}

void TestGermanDialogs::zoneStyleSpeaksGerman()
{
    QWidget& dialog = *zoneStyle(*m_parent);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Zonenstil"));
    auto* fieldTabs = child<QTabWidget>(dialog, "plotAttr_FD_PageGroup");
    QCOMPARE(fieldTabs->tabText(0), QStringLiteral("Gitter"));
    QCOMPARE(fieldTabs->tabText(fieldTabs->indexOf(child<QWidget>(dialog, "plotAttr_FDScat_Page"))),
             QStringLiteral("Streusymbole"));
    QCOMPARE(child<QLabel>(dialog, "mapSelectionByPattern_pattern_label")->text(),
             QStringLiteral("Aus&wahlkriterien:"));
    QCOMPARE(child<QPushButton>(dialog, "mapSelectionByPattern_apply_button")->text(), QStringLiteral("&Zonen"));
    QCOMPARE(child<QPushButton>(dialog, "mapSelectionByPattern_clear_button")->text(), QStringLiteral("&Leeren"));
    const auto* table = fieldTabs->currentWidget()->findChild<QTableView*>();
    QVERIFY(table);
    QCOMPARE(table->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Zonen-\nnummer"));
    QCOMPARE(table->model()->index(0, 5).data().toString(), QStringLiteral("Drahtgitter"));

    QVERIFY(Host::instance().setCurrentFrame(XYFrame));
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("Zuordnungsstil"));
    QCOMPARE(child<QPushButton>(dialog, "plotAttr_MaptoolsCreateMap_Button")->text(),
             QStringLiteral("Zuordnung &erstellen..."));
    QCOMPARE(child<QPushButton>(dialog, "mapSelectionByPattern_apply_button")->text(), QStringLiteral("&Auswählen"));
    auto* lineTabs = child<QTabWidget>(dialog, "plotAttr_LP_PageGroup");
    QCOMPARE(lineTabs->tabText(0), QStringLiteral("Definitionen"));
    QCOMPARE(lineTabs->currentWidget()->findChild<QTableView*>()->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Zuordnungs-\nnummer"));
    QCOMPARE(child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Close)->text(),
             QStringLiteral("Schließen"));
}

void TestGermanDialogs::exportSpeaksGermanAndFindsItsGermanItems()
{
    QWidget& image = *exportDialog(*m_parent, ExportDialog::Mode_Image, QStringLiteral("PNG"));
    QCOMPARE(image.windowTitle(), QStringLiteral("Exportieren"));
    QCOMPARE(child<QLabel>(image, "export_Format_Label")->text(), QStringLiteral("Export&format:"));
    QCOMPARE(child<QCheckBox>(image, "export_TypeImageAntialiasing_ToggleButton")->text(),
             QStringLiteral("&Kantenglättung"));
    QCOMPARE(child<QComboBox>(image, "export_TypeImageRegion_CmbBox")->currentText(),
             QStringLiteral("Aktueller Rahmen"));
    image.hide();

    // The Flash image type the host holds is found by its German name, and the animation
    // formats are listed by their German names in their German order.
    writeStyle({"EXPORTSETUP", "FLASHIMAGETYPE"}, 2);
    QWidget& animation = *exportDialog(*m_parent, ExportDialog::Mode_Animation, QStringLiteral("Flash"));
    QCOMPARE(comboItems(*child<QComboBox>(animation, "export_Format_CmbBox")),
             (QStringList{"AVI", "Flash", "MPEG-4", "Raster-Metadatei"}));
    QCOMPARE(child<QComboBox>(animation, "export_TypeImageFlashType_CmbBox")->currentText(),
             QStringLiteral("256 Farben"));
    QCOMPARE(child<QDialogButtonBox>(animation, "buttonBox")->button(QDialogButtonBox::Cancel)->text(),
             QStringLiteral("Abbrechen"));
}

void TestGermanDialogs::printingSpeaksGerman()
{
    QWidget& dialog = *shown(PrintingDialog::getInstance(*m_parent));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Drucken"));
    QCOMPARE(child<QCheckBox>(dialog, "printing_ToFile_ToggleButton")->text(),
             QStringLiteral("Ausgabe in Datei schreiben"));
    QCOMPARE(child<QPushButton>(dialog, "printing_Setup_Button")->text(), QStringLiteral("Druckeinrichtung..."));
    QCOMPARE(child<QGroupBox>(dialog, "groupBox")->title(), QStringLiteral("Darstellungsoptionen"));
    QCOMPARE(child<QRadioButton>(dialog, "printRenderOpts_Image_RadioButton")->text(), QStringLiteral("Bild"));
}

void TestGermanDialogs::fontSelectSpeaksGerman()
{
    QWidget& dialog = *fontSelect(*m_parent);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Schriftart wählen"));
    QCOMPARE(child<QGroupBox>(dialog, "groupBox")->title(), QStringLiteral("Größe in"));
    QCOMPARE(child<QRadioButton>(dialog, "fontSelectModal_SizeByPoints_RadioButton")->text(), QStringLiteral("&Punkt"));
    QCOMPARE(child<QRadioButton>(dialog, "fontSelectModal_SizeByFrame_RadioButton")->text(),
             QStringLiteral("&Rahmen-%"));
    QCOMPARE(child<QLabel>(dialog, "fontSelectModal_Height_Label")->text(), QStringLiteral("&Höhe"));
}

void TestGermanDialogs::valueFormatSpeaksGermanAndWritesTheFormatChosenByItsGermanName()
{
    QWidget& dialog = *valueFormat(*m_parent, NumberFormat_TimeDate);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Zahlenformat festlegen"));
    auto* formats = child<QComboBox>(dialog, "valueFormatModal_Format_CmbBox");
    QCOMPARE(comboItems(*formats),
             (QStringList{"Ganzzahl", "Gleitkomma", "Exponent", "Bestes Gleitkomma", "Bestes Gleitkomma im Bereich",
                          "Hochgestellt", "Benutzerdefiniert", "Zeit/Datum"}));
    // The format the host holds is found by its German name and shows its page.
    QCOMPARE(formats->currentText(), QStringLiteral("Zeit/Datum"));
    QCOMPARE(child<QLabel>(dialog, "valueFormatModal_KeyMeaning1_Label")->text(), QStringLiteral("Jahr (00-99)"));
    QVERIFY(child<QLabel>(dialog, "valueFormatModal_KeyMeaning1_Label")->isVisible());

    chooseItem(*formats, QStringLiteral("Gleitkomma"));
    QCOMPARE(child<QCheckBox>(dialog, "valueFormatModal_RemoveLeadingZeros_ToggleButton")->text(),
             QStringLiteral("Führende Nullen entfernen"));
    QVERIFY(child<QCheckBox>(dialog, "valueFormatModal_RemoveLeadingZeros_ToggleButton")->isVisible());
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(Host::instance().styleValue({"GLOBALSCATTER", "DATALABELS", "NUMFORMAT", "FORMATTING"}),
             QVariant(NumberFormat_FixedFloat));
}

void TestGermanDialogs::labelPointsSpeaksGerman()
{
    QWidget& dialog = *labelPoints(*m_parent);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Punkte und Zellen beschriften"));
    QCOMPARE(child<QCheckBox>(dialog, "dataLabels_ShowFieldNodeLabels_ToggleButton")->text(),
             QStringLiteral("Knotenbeschriftungen anzeigen"));
    QCOMPARE(child<QCheckBox>(dialog, "dataLabels_ColorByZoneMap_ToggleButton")->text(),
             QStringLiteral("&Text nach &Zone färben"));
    QCOMPARE(child<QPushButton>(dialog, "dataLabels_NumberFormat_Button")->text(), QStringLiteral("Zahlenformat..."));

    QVERIFY(Host::instance().setCurrentFrame(XYFrame));
    QTRY_COMPARE(dialog.windowTitle(), QStringLiteral("Punkte beschriften"));
    QCOMPARE(child<QRadioButton>(dialog, "dataLabels_ShowXYShowPair_RadioButton")->text(),
             QStringLiteral("X,Y-&Wertepaar anzeigen"));
    QCOMPARE(child<QCheckBox>(dialog, "dataLabels_ColorByZoneMap_ToggleButton")->text(),
             QStringLiteral("Text nach &Zuordnung färben"));
    QVERIFY(Host::instance().setCurrentFrame(PolarFrame));
    QTRY_COMPARE(child<QRadioButton>(dialog, "dataLabels_ShowXYShowPair_RadioButton")->text(),
                 QStringLiteral("Theta,R-&Wertepaar anzeigen"));
}

void TestGermanDialogs::lineMapNameEditorSpeaksGerman()
{
    QVERIFY(Host::instance().setCurrentFrame(XYFrame));
    QWidget& editor = *lineMapNameEditor(*m_parent);
    const QAbstractItemModel* codes = child<QListView>(editor, "listView")->model();
    QCOMPARE(codes->rowCount(), 9);
    QCOMPARE(codes->index(0, 0).data().toString(), QStringLiteral("Zonenname"));
    QCOMPARE(codes->index(6, 0).data().toString(), QStringLiteral("Zuordnungsnummer"));
}

void TestGermanDialogs::nothingIsCutOff_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("frame");
    QTest::addColumn<Opener>("open");

    const std::vector<std::tuple<const char*, int, Opener>> faces{
        {"zone style, field plot", FieldFrame, zoneStyle},
        {"zone style, x-y plot", XYFrame, zoneStyle},
        {"zone style, polar plot", PolarFrame, zoneStyle},
        {"export, PNG", FieldFrame,
         [](QWidget& parent) { return exportDialog(parent, ExportDialog::Mode_Image, QStringLiteral("PNG")); }},
        {"export, JPEG", FieldFrame,
         [](QWidget& parent) { return exportDialog(parent, ExportDialog::Mode_Image, QStringLiteral("JPEG")); }},
        {"export, TIFF", FieldFrame,
         [](QWidget& parent) { return exportDialog(parent, ExportDialog::Mode_Image, QStringLiteral("TIFF")); }},
        {"export, EPS", FieldFrame,
         [](QWidget& parent) { return exportDialog(parent, ExportDialog::Mode_Image, QStringLiteral("EPS")); }},
        {"export, WMF", FieldFrame,
         [](QWidget& parent) { return exportDialog(parent, ExportDialog::Mode_Image, QStringLiteral("WMF")); }},
        {"export animation, AVI", FieldFrame,
         [](QWidget& parent) { return exportDialog(parent, ExportDialog::Mode_Animation, QStringLiteral("AVI")); }},
        {"export animation, Flash", FieldFrame,
         [](QWidget& parent) { return exportDialog(parent, ExportDialog::Mode_Animation, QStringLiteral("Flash")); }},
        {"print", FieldFrame, [](QWidget& parent) { return shown(PrintingDialog::getInstance(parent)); }},
        {"font", FieldFrame, fontSelect},
        {"number format, numbers", FieldFrame,
         [](QWidget& parent) { return valueFormat(parent, NumberFormat_FixedFloat); }},
        {"number format, time and date", FieldFrame,
         [](QWidget& parent) { return valueFormat(parent, NumberFormat_TimeDate); }},
        {"label points, field plot", FieldFrame, labelPoints},
        {"label points, x-y plot", XYFrame, labelPoints},
        {"label points, polar plot", PolarFrame, labelPoints},
        {"line map name editor", XYFrame, lineMapNameEditor},
    };
    for (const char* language : {"en", "de"}) {
        for (const auto& [face, frame, open] : faces)
            QTest::addRow("%s: %s", language, face) << QString::fromLatin1(language) << frame << open;
    }
}

void TestGermanDialogs::nothingIsCutOff()
{
    QFETCH(QString, language);
    QFETCH(int, frame);
    QFETCH(Opener, open);

    useLanguage(language);
    QVERIFY(Host::instance().setCurrentFrame(frame));
    QWidget* window = open(*m_parent);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    const QStringList cutOff = cutOffTexts(*window);
    QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestGermanDialogs)
#include "tst_germandialogs.moc"
