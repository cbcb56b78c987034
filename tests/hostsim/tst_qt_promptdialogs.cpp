// The host's prompt dialogs, answered the way a user would: through their object names.

#include <hostsim/Host.h>
#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkdialogs_prompt_qt/ColorChooserDialog.h>
#include <kxsdkdialogs_prompt_qt/EnterASCIICharacterDialog.h>
#include <kxsdkdialogs_prompt_qt/EnterThreeIntValuesDialog.h>
#include <kxsdkdialogs_prompt_qt/ScatterSizeFontDialog.h>
#include <kxsdkdialogs_prompt_qt/ZoneSelectDialog.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "support/ChildWidget.h"
#include "support/ModalDialogAnswerer.h"

#include <functional>

using namespace kestrix::dialogs::prompt;
using kestrix::hostsim::Host;

using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::child;

namespace {

void clickOk(QWidget& dialog)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
}

void clickCancel(QWidget& dialog)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
}

void replaceText(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// One 3-D frame: four zones, the third disabled, variables X, Y, Z, P, T.
const char* const FieldScene = R"({
  "pages": [ { "frames": [ {
    "name": "Block", "plotType": 1,
    "variables": ["X", "Y", "Z", "P", "T"],
    "zones": [
      { "name": "inlet", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true },
      { "name": "core", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true },
      { "name": "hidden", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true },
      { "name": "outlet", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true }
    ],
    "enabledZones": [1, 2, 4],
    "style": [ { "path": ["GLOBALSCATTER", "VAR"], "value": 4 } ]
  } ] } ],
  "current": { "page": 1, "frame": 1 }
})";

} // namespace

class TestPromptDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void colorToStringNamesEveryIndex_data();
    void colorToStringNamesEveryIndex();
    void colorChooserPicksABasicColor();
    void colorChooserShowsTheHostsColors();
    void colorChooserWithMultiColor_data();
    void colorChooserWithMultiColor();
    void colorChooserCancelledKeepsTheColor();
    void aPromptNamedAsItsOwnParentKeepsItsParent();

    void asciiCharacterDialogStartsFromTheCallersValues();
    void asciiCharacterDialogReturnsTheEntries();
    void asciiCharacterDialogNeedsACharacter();

    void threeIntValuesDialogReturnsTheTypedValues();
    void threeIntValuesDialogHoldsValuesAtTheirLimits();

    void zoneSelectListsTheEnabledZones();
    void zoneSelectReturnsTheChosenZone();

    void scatterSizeFontWritesTheVariableOnOk();
    void scatterSizeFontCancelledWritesNothing();
};

void TestPromptDialogs::initTestCase()
{
    QString error;
    QVERIFY2(Host::instance().loadSceneJson(QByteArray(FieldScene), &error), qPrintable(error));
}

// Callers name the active window as the parent, which is the prompt itself when it was the
// last window used.
void TestPromptDialogs::aPromptNamedAsItsOwnParentKeepsItsParent()
{
    QWidget owner;
    ColorChooserDialog& chooser = ColorChooserDialog::getInstance(&owner, true);
    QCOMPARE(chooser.parentWidget(), &owner);
    QCOMPARE(&ColorChooserDialog::getInstance(&chooser, true), &chooser);
    QCOMPARE(chooser.parentWidget(), &owner);
    auto* child = chooser.findChild<QWidget*>();
    QVERIFY(child);
    ColorChooserDialog::getInstance(child, true);
    QCOMPARE(chooser.parentWidget(), &owner);
    ColorChooserDialog::getInstance(nullptr, true);
    QCOMPARE(chooser.parentWidget(), nullptr);
}

void TestPromptDialogs::colorToStringNamesEveryIndex_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<bool>("withIndex");
    QTest::addColumn<QString>("text");

    QTest::newRow("black") << 0 << false << "Black";
    QTest::newRow("red with index") << 1 << true << "Red (1)";
    QTest::newRow("white") << 7 << false << "White";
    QTest::newRow("gray") << 8 << false << "Gray";
    QTest::newRow("last named") << 15 << false << "Light Gray";
    QTest::newRow("first custom") << 16 << false << "Custom 1";
    QTest::newRow("last basic with index") << 63 << true << "Custom 48 (63)";
    QTest::newRow("multi-color 1") << -1 << false << "Multi-color 1";
    QTest::newRow("multi-color 2") << -3 << true << "Multi-color 2";
    QTest::newRow("multi-color 4") << -5 << false << "Multi-color 4";
    QTest::newRow("rgb") << -6 << false << "RGB";
    QTest::newRow("multi-color 5") << -7 << false << "Multi-color 5";
    QTest::newRow("multi-color 8") << -10 << false << "Multi-color 8";
    QTest::newRow("not a colour between multi-colours") << -2 << false << "";
    QTest::newRow("past the basic colours") << 64 << false << "";
    QTest::newRow("past the multi-colours") << -11 << false << "";
}

void TestPromptDialogs::colorToStringNamesEveryIndex()
{
    QFETCH(int, color);
    QFETCH(bool, withIndex);
    QFETCH(QString, text);
    QCOMPARE(ColorChooserDialog::colorToString(static_cast<short>(color), withIndex), text);
}

void TestPromptDialogs::colorChooserPicksABasicColor()
{
    ColorChooserDialog& chooser = ColorChooserDialog::getInstance(nullptr, false);
    QVERIFY(chooser.isModal());
    QVERIFY(!chooser.allowsMultiColor());
    bool multiColorHidden = false;
    ModalDialogAnswerer answer([&](QWidget& dialog) {
        multiColorHidden = !child<QGroupBox>(dialog, "colorChooser_Multi_Group")->isVisible();
        child<QToolButton>(dialog, "colorChooser_Basic_12")->click();
    });
    chooser.launch();
    QCOMPARE(answer.answered(), 1);
    QVERIFY(multiColorHidden);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.selectedColor(), short(12));

    // The same chooser comes back, marking the colour chosen last.
    ColorChooserDialog& again = ColorChooserDialog::getInstance(nullptr, false);
    QCOMPARE(&again, &chooser);
    QVERIFY(child<QToolButton>(again, "colorChooser_Basic_12")->isChecked());
    QVERIFY(!child<QToolButton>(again, "colorChooser_Basic_0")->isChecked());
}

void TestPromptDialogs::colorChooserShowsTheHostsColors()
{
    ColorChooserDialog& chooser = ColorChooserDialog::getInstance(nullptr, false);
    for (int color : {0, 1, 5, 40, 63}) {
        unsigned char red = 0;
        unsigned char green = 0;
        unsigned char blue = 0;
        QVERIFY(VexUtilColorMapGetBasicColorRGB(color, &red, &green, &blue));
        auto* swatch = child<QToolButton>(chooser, qPrintable(QStringLiteral("colorChooser_Basic_%1").arg(color)));
        QVERIFY(swatch);
        const QImage image = swatch->icon().pixmap(swatch->iconSize()).toImage();
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(red, green, blue));
        QCOMPARE(swatch->toolTip(), ColorChooserDialog::colorToString(static_cast<short>(color), true));
    }
}

void TestPromptDialogs::colorChooserWithMultiColor_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("color");

    QTest::newRow("basic") << "colorChooser_Basic_3" << 3;
    QTest::newRow("multi-color 1") << "colorChooser_MultiColor_1" << -1;
    QTest::newRow("multi-color 2") << "colorChooser_MultiColor_2" << -3;
    QTest::newRow("multi-color 5") << "colorChooser_MultiColor_5" << -7;
    QTest::newRow("multi-color 8") << "colorChooser_MultiColor_8" << -10;
    QTest::newRow("rgb") << "colorChooser_RGB_Button" << -6;
}

void TestPromptDialogs::colorChooserWithMultiColor()
{
    QFETCH(QString, button);
    QFETCH(int, color);

    ColorChooserDialog& chooser = ColorChooserDialog::getInstance(nullptr, true);
    chooser.setSelectedColor(0);
    QVERIFY(chooser.allowsMultiColor());
    bool multiColorShown = false;
    QString buttonText;
    ModalDialogAnswerer answer([&](QWidget& dialog) {
        multiColorShown = child<QGroupBox>(dialog, "colorChooser_Multi_Group")->isVisible();
        auto* swatch = child<QToolButton>(dialog, qPrintable(button));
        buttonText = swatch->text();
        swatch->click();
    });
    QCOMPARE(chooser.exec(), int(QDialog::Accepted));
    QCOMPARE(answer.answered(), 1);
    QVERIFY(multiColorShown);
    QCOMPARE(chooser.selectedColor(), short(color));
    if (color < 0)
        QCOMPARE(buttonText, ColorChooserDialog::colorToString(static_cast<short>(color), false));
}

void TestPromptDialogs::colorChooserCancelledKeepsTheColor()
{
    ColorChooserDialog& chooser = ColorChooserDialog::getInstance(nullptr, true);
    chooser.setSelectedColor(-4);
    ModalDialogAnswerer answer([](QWidget& dialog) { clickCancel(dialog); });
    chooser.launch();
    QCOMPARE(chooser.result(), int(QDialog::Rejected));
    QCOMPARE(chooser.selectedColor(), short(-4));
}

void TestPromptDialogs::asciiCharacterDialogStartsFromTheCallersValues()
{
    EnterASCIICharacterDialog& dialog = EnterASCIICharacterDialog::getInstance(nullptr, QStringLiteral("a"), false,
                                                                               Font_Math);
    QCOMPARE(child<QLineEdit>(dialog, "enterAsciiChar_Char_Text")->text(), QStringLiteral("a"));
    QVERIFY(!child<QCheckBox>(dialog, "enterAsciiChar_UseBaseFont_ToggleButton")->isChecked());
    QCOMPARE(child<QComboBox>(dialog, "enterAsciiChar_Font_CmbBox")->currentText(), QStringLiteral("Math"));
    QVERIFY(child<QComboBox>(dialog, "enterAsciiChar_Font_CmbBox")->isEnabled());

    // Without a symbol font of its own the character starts in the first one.
    EnterASCIICharacterDialog::getInstance(nullptr, QStringLiteral("b"), true, Font_Invalid);
    QCOMPARE(child<QComboBox>(dialog, "enterAsciiChar_Font_CmbBox")->currentText(), QStringLiteral("Greek"));
    QVERIFY(!child<QComboBox>(dialog, "enterAsciiChar_Font_CmbBox")->isEnabled());
    QCOMPARE(dialog.typeFaceOverride(), Font_Greek);
}

void TestPromptDialogs::asciiCharacterDialogReturnsTheEntries()
{
    EnterASCIICharacterDialog& dialog = EnterASCIICharacterDialog::getInstance(nullptr, QStringLiteral("a"), true,
                                                                               Font_Greek);
    ModalDialogAnswerer answer([](QWidget& modal) {
        replaceText(child<QLineEdit>(modal, "enterAsciiChar_Char_Text"), QStringLiteral("q"));
        child<QCheckBox>(modal, "enterAsciiChar_UseBaseFont_ToggleButton")->click();
        auto* fonts = child<QComboBox>(modal, "enterAsciiChar_Font_CmbBox");
        fonts->setCurrentIndex(fonts->findText(QStringLiteral("User Defined")));
        clickOk(modal);
    });
    dialog.launch();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedChar(), QStringLiteral("q"));
    QVERIFY(!dialog.useBaseFont());
    QCOMPARE(dialog.typeFaceOverride(), Font_UserDefined);
}

void TestPromptDialogs::asciiCharacterDialogNeedsACharacter()
{
    EnterASCIICharacterDialog& dialog = EnterASCIICharacterDialog::getInstance(nullptr, QStringLiteral("xyz"), false,
                                                                               Font_Greek);
    auto* text = child<QLineEdit>(dialog, "enterAsciiChar_Char_Text");
    QCOMPARE(text->text(), QStringLiteral("x"));
    QPushButton* ok = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
    QVERIFY(ok->isEnabled());
    text->clear();
    QVERIFY(!ok->isEnabled());
    text->setText(QStringLiteral("z"));
    QVERIFY(ok->isEnabled());
}

void TestPromptDialogs::threeIntValuesDialogReturnsTheTypedValues()
{
    EnterThreeIntValuesDialog& dialog = EnterThreeIntValuesDialog::getInstance(
        nullptr, 1, 2, 3, QStringLiteral("Index Skip"), QStringLiteral("Enter the skip of each index"),
        QStringLiteral("I-Skip"), QStringLiteral("J-Skip"), QStringLiteral("K-Skip"), 1, 1, 1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Index Skip"));
    QCOMPARE(child<QLabel>(dialog, "enterThreeInt_Prompt_Label")->text(), QStringLiteral("Enter the skip of each index"));
    QCOMPARE(child<QLabel>(dialog, "enterThreeInt_Value2_Label")->text(), QStringLiteral("J-Skip"));

    ModalDialogAnswerer answer([](QWidget& modal) {
        for (const auto& [name, text] : {std::pair{"enterThreeInt_Value1_SpinBox", "4"},
                                         std::pair{"enterThreeInt_Value3_SpinBox", "12"}}) {
            auto* edit = child<QSpinBox>(modal, name)->findChild<QLineEdit*>();
            replaceText(edit, QString::fromLatin1(text));
        }
        clickOk(modal);
    });
    dialog.launch();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.value1(), 4);
    QCOMPARE(dialog.value2(), 2);
    QCOMPARE(dialog.value3(), 12);
}

void TestPromptDialogs::threeIntValuesDialogHoldsValuesAtTheirLimits()
{
    EnterThreeIntValuesDialog& dialog = EnterThreeIntValuesDialog::getInstance(
        nullptr, 0, 5, -3, QStringLiteral("Range"), QString(), QStringLiteral("Min"), QStringLiteral("Max"),
        QStringLiteral("Skip"), 1, 0, 2);
    QVERIFY(!child<QLabel>(dialog, "enterThreeInt_Prompt_Label")->isVisibleTo(&dialog));
    QCOMPARE(dialog.value1(), 1);
    QCOMPARE(dialog.value2(), 5);
    QCOMPARE(dialog.value3(), 2);

    ModalDialogAnswerer answer([](QWidget& modal) {
        replaceText(child<QSpinBox>(modal, "enterThreeInt_Value2_SpinBox")->findChild<QLineEdit*>(), QStringLiteral("-7"));
        clickOk(modal);
    });
    dialog.launch();
    QVERIFY(dialog.value2() >= 0);
}

void TestPromptDialogs::zoneSelectListsTheEnabledZones()
{
    ZoneSelectDialog& dialog = ZoneSelectDialog::getInstance(nullptr, 2);
    auto* zones = child<QListWidget>(dialog, "zoneSelect_Zones_List");
    const UniqueID_t frame = VexUtilFrameGetUniqueID();
    QStringList expected;
    for (int zone : {1, 2, 4})
        expected.append(QString::fromStdString(kestrix::sdk::zoneNameWithIndexFormattedForFrame(frame, zone)));
    QStringList shown;
    for (int row = 0; row < zones->count(); ++row)
        shown.append(zones->item(row)->text());
    QCOMPARE(shown, expected);
    QCOMPARE(zones->currentRow(), 1);
    QCOMPARE(dialog.selectedZone(), 2);
}

void TestPromptDialogs::zoneSelectReturnsTheChosenZone()
{
    ZoneSelectDialog& dialog = ZoneSelectDialog::getInstance(nullptr, 1);
    ModalDialogAnswerer answer([](QWidget& modal) {
        auto* zones = child<QListWidget>(modal, "zoneSelect_Zones_List");
        QTest::mouseClick(zones->viewport(), Qt::LeftButton, {}, zones->visualItemRect(zones->item(2)).center());
        clickOk(modal);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedZone(), 4);

    // A zone that is not enabled is not offered; the first enabled zone is current instead.
    ZoneSelectDialog::getInstance(nullptr, 3);
    QCOMPARE(child<QListWidget>(dialog, "zoneSelect_Zones_List")->currentRow(), 0);
    QCOMPARE(dialog.selectedZone(), 1);
}

void TestPromptDialogs::scatterSizeFontWritesTheVariableOnOk()
{
    ScatterSizeFontDialog& dialog = ScatterSizeFontDialog::getInstance(nullptr);
    auto* variables = child<QComboBox>(dialog, "scatterSizeFont_Var_CmbBox");
    QCOMPARE(variables->count(), 5);
    QCOMPARE(variables->currentText(), QString::fromStdString(kestrix::sdk::variableNameFormattedForAliases(4)));

    Host::instance().clearJournal();
    ModalDialogAnswerer answer([](QWidget& modal) {
        auto* combo = child<QComboBox>(modal, "scatterSizeFont_Var_CmbBox");
        combo->setCurrentIndex(combo->findText(QString::fromStdString(kestrix::sdk::variableNameFormattedForAliases(5))));
        clickOk(modal);
    });
    dialog.launch();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    int var = 0;
    QVERIFY(kestrix::toolbox::StyleValue::returnCodeOk(kestrix::toolbox::CheckedStyleValue("GLOBALSCATTER", "VAR").get(var)));
    QCOMPARE(var, 5);
    QCOMPARE(Host::instance().journal().size(), 1);
    QVERIFY(Host::instance().journal().constFirst().startsWith(QStringLiteral("GLOBALSCATTER VAR")));
}

void TestPromptDialogs::scatterSizeFontCancelledWritesNothing()
{
    ScatterSizeFontDialog& dialog = ScatterSizeFontDialog::getInstance(nullptr);
    Host::instance().clearJournal();
    ModalDialogAnswerer answer([](QWidget& modal) {
        child<QComboBox>(modal, "scatterSizeFont_Var_CmbBox")->setCurrentIndex(0);
        clickCancel(modal);
    });
    dialog.launch();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(Host::instance().journal().isEmpty());
}

QTEST_MAIN(TestPromptDialogs)
#include "tst_qt_promptdialogs.moc"
