#include "dialogs/fontselect/FontSelectDialog.h"
#include "dialogs/fontselect/TextHeight.h"
#include "hostsim/Host.h"
#include "support/ChildWidget.h"
#include "support/ModalDialogAnswerer.h"
#include "support/StyleWrites.h"
#include "support/TestScenes.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/StringList.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::FontSelectDialog;
using kestrix::sdk::ui::dialogs::TextHeight;
using kestrix::testing::child;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::TestScenes;
using kestrix::testing::writeStyle;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::StringList;

namespace {

const char* const Scatter = "GLOBALSCATTER";
const char* const LinePlot = "GLOBALLINEPLOT";

// One 2-D frame, its Y axis 1 spanning 250 units unless told otherwise. The data labels of
// scatter plots are in Helvetica of the given units and height, those of line plots in
// Courier New of 4.5 frame percent.
QByteArray labelScene(int units, double height, double yMinimum = -10.0, double yMaximum = 240.0)
{
    const QString scene = QStringLiteral(R"({ "pages": [ { "frames": [
    { "name": "Labels", "plotType": 2, "variables": ["X", "Y"],
      "zones": [ { "name": "block", "ordered": true, "imax": 3, "jmax": 3, "kmax": 1 } ],
      "axes": { "Y1": [%1, %2] },
      "style": [
        { "path": ["GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"], "value": %3 },
        { "path": ["GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "HEIGHT"], "value": %4 },
        { "path": ["GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "FONTFAMILY"], "value": "Helvetica" },
        { "path": ["GLOBALLINEPLOT", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"], "value": 1 },
        { "path": ["GLOBALLINEPLOT", "DATALABELS", "TEXTSHAPE", "HEIGHT"], "value": 4.5 },
        { "path": ["GLOBALLINEPLOT", "DATALABELS", "TEXTSHAPE", "FONTFAMILY"], "value": "Courier New" } ] } ] } ],
  "current": { "page": 1, "frame": 1 } })")
                              .arg(yMinimum, 0, 'g', 17)
                              .arg(yMaximum, 0, 'g', 17)
                              .arg(units)
                              .arg(height, 0, 'g', 17);
    return scene.toUtf8();
}

QVariant stored(const char* group, const char* keyword)
{
    return Host::instance().styleValue({QString::fromLatin1(group), QStringLiteral("DATALABELS"),
                                        QStringLiteral("TEXTSHAPE"), QString::fromLatin1(keyword)});
}

void storeFamily(const char* group, const char* family)
{
    QVERIFY(CheckedStyleValue::returnCodeOk(
        CheckedStyleValue(group, "DATALABELS", "TEXTSHAPE", "FONTFAMILY").set(std::string(family))));
}

QStringList journalOf(const char* keyword)
{
    return Host::instance().journal().filter(QStringLiteral(" TEXTSHAPE %1 ").arg(QString::fromLatin1(keyword)));
}

double hostConversion(Units_e from, Units_e to, double value)
{
    return VexUtilConvertUnits(from, to, value);
}

QString shown(double height)
{
    return QStringLiteral("%1").arg(height, 0, 'g', -1);
}

QComboBox* sizes(QWidget& dialog)
{
    return child<QComboBox>(dialog, "fontSelectModal_PointFrameHeight_CmbBox1Text");
}

QDoubleSpinBox* spinBox(QWidget& dialog)
{
    return child<QDoubleSpinBox>(dialog, "AxisGridHeight_doubleSpinBox");
}

QFontComboBox* fonts(QWidget& dialog)
{
    return child<QFontComboBox>(dialog, "fontSelectModal_Font_CmbBox");
}

QRadioButton* unitsButton(QWidget& dialog, const char* name)
{
    return child<QRadioButton>(dialog, name);
}

QRadioButton* pointsButton(QWidget& dialog)
{
    return unitsButton(dialog, "fontSelectModal_SizeByPoints_RadioButton");
}

QRadioButton* frameButton(QWidget& dialog)
{
    return unitsButton(dialog, "fontSelectModal_SizeByFrame_RadioButton");
}

QRadioButton* axisButton(QWidget& dialog)
{
    return unitsButton(dialog, "fontSelectModal_SizeByAxis_RadioButton");
}

QRadioButton* gridButton(QWidget& dialog)
{
    return unitsButton(dialog, "fontSelectModal_SizeByGrid_RadioButton");
}

// A radio button takes clicks on its indicator and its text only, not on the rest of its cell.
void clickUnits(QRadioButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect indicator = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
}

QPushButton* dialogButton(QWidget& dialog, QDialogButtonBox::StandardButton which)
{
    return child<QDialogButtonBox>(dialog, "buttonBox")->button(which);
}

void clickOk(QWidget& dialog)
{
    QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
}

void clickCancel(QWidget& dialog)
{
    QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
}

// Replaces the field's text by typing (or, for long texts, pasting) and leaves it with Tab.
void enter(QWidget& field, QLineEdit& edit, const QString& text, bool paste)
{
    field.setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(field.hasFocus());
    edit.selectAll();
    if (paste) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    } else if (text.isEmpty()) {
        QTest::keyClick(&field, Qt::Key_Delete);
    } else {
        QTest::keyClicks(&field, text);
    }
    QTest::keyClick(&field, Qt::Key_Tab);
    QVERIFY(!field.hasFocus());
}

void enterSize(QWidget& dialog, const QString& text, bool paste = false)
{
    QComboBox* box = sizes(dialog);
    enter(*box->lineEdit(), *box->lineEdit(), text, paste);
}

void enterSpinValue(QWidget& dialog, const QString& text, bool paste = false)
{
    QDoubleSpinBox* box = spinBox(dialog);
    enter(*box, *box->findChild<QLineEdit*>(), text, paste);
}

void chooseListedSize(QWidget& dialog, int row)
{
    QComboBox* box = sizes(dialog);
    box->showPopup();
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    const QRect item = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
}

QStringList itemsOf(QComboBox* box)
{
    QStringList items;
    for (int row = 0; row < box->count(); ++row)
        items.append(box->itemText(row));
    return items;
}

// Every height written lies in the range of the units written with it.
void verifyWrittenHeightsInRange()
{
    const QStringList heights = journalOf("HEIGHT");
    const QStringList units = journalOf("SIZEUNITS");
    QCOMPARE(heights.size(), units.size());
    for (int write = 0; write < heights.size(); ++write) {
        const int writtenUnits = units[write].section(QStringLiteral("value="), 1).toInt();
        QVERIFY(TextHeight::isValidUnits(writtenUnits));
        bool parsed = false;
        const double height = heights[write].section(QStringLiteral("value="), 1).toDouble(&parsed);
        QVERIFY2(parsed, qPrintable(heights[write]));
        const auto unitsValue = static_cast<Units_e>(writtenUnits);
        QVERIFY2(height >= TextHeight::minimumHeight(unitsValue) && height <= TextHeight::maximumHeight(unitsValue),
                 qPrintable(heights[write]));
    }
}

} // namespace

class TestFontSelectDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensOnTheStoredFont();
    void okWritesTheFontAsOneUndoStep();
    void okAcceptsOnce();
    void launchRunsModallyUntilOk();
    void cancelWritesNothing();
    void okAfterAnotherFrameBecameCurrentWritesNothing();
    void helpOpensTheSelectFontPage();

    void pointsToFrameAndBackConvertThroughTheHost();
    void convertedHeightsAreClampedIntoTheNewUnits();
    void typingAHeightAboveTheMaximumRestoresTheOldOne();
    void choosingAListedSizeSetsTheHeight();
    void choosingTheShownSizeAgainAfterTypingTakesIt();
    void leavingTheFieldUntouchedKeepsTheExactHeight();
    void frameSizesListTheHostsFrameSizes();

    void aFamilyStoredAsAPrefixSelectsTheListedFamily_data();
    void aFamilyStoredAsAPrefixSelectsTheListedFamily();
    void unitButtonsFollowPermissionsAndStoredUnits_data();
    void unitButtonsFollowPermissionsAndStoredUnits();
    void gridStepIsAFiftiethOfTheYRange();
    void switchingFromAxisToGridKeepsAHeightAbove200();

    void storedValuesTheDialogCannotEditOpenOnDefaults_data();
    void storedValuesTheDialogCannotEditOpenOnDefaults();
    void eachCallerEditsItsOwnTextObject();
    void reopeningReadsTheHostAgain();

    void badInputKeepsTheHeightOrTakesAnAllowedOne_data();
    void badInputKeepsTheHeightOrTakesAnAllowedOne();

private:
    FontSelectDialog& dialog(const char* group = Scatter, bool allowGrid = false, bool allowAxis = false);
    bool showDialog(FontSelectDialog& dialog);

    std::unique_ptr<QWidget> m_parent;
    QLocale m_locale;
};

void TestFontSelectDialog::init()
{
    QVERIFY(TestScenes::load(labelScene(Units_Point, 11.0)));
    Host::instance().clearJournal();
    m_locale = QLocale();
    m_parent = std::make_unique<QWidget>();
}

void TestFontSelectDialog::cleanup()
{
    // The dialog goes with its parent; the next test makes a new one.
    m_parent.reset();
    QLocale::setDefault(m_locale);
}

FontSelectDialog& TestFontSelectDialog::dialog(const char* group, bool allowGrid, bool allowAxis)
{
    return FontSelectDialog::getInstance(*m_parent, StringList(group, "DATALABELS"), -1, allowGrid, allowAxis);
}

bool TestFontSelectDialog::showDialog(FontSelectDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

void TestFontSelectDialog::opensOnTheStoredFont()
{
    FontSelectDialog& font = dialog();
    QCOMPARE(itemsOf(sizes(font)), (QStringList{"Tiny", "Small", "Medium", "Large", "Huge"}));
    QVERIFY(showDialog(font));

    QCOMPARE(font.windowTitle(), QStringLiteral("Select Font"));
    QVERIFY(font.isModal());
    QCOMPARE(child<QLabel>(font, "fontSelectModal_Font_Label")->text(), QStringLiteral("&Font"));
    QCOMPARE(child<QLabel>(font, "fontSelectModal_Height_Label")->text(), QStringLiteral("&Height"));
    QCOMPARE(child<QGroupBox>(font, "groupBox")->title(), QStringLiteral("Size By"));
    QCOMPARE(pointsButton(font)->text(), QStringLiteral("&Points"));
    QCOMPARE(frameButton(font)->text(), QStringLiteral("F&rame %"));
    QCOMPARE(axisButton(font)->text(), QStringLiteral("&Axis %"));
    QCOMPARE(gridButton(font)->text(), QStringLiteral("&Grid"));
    QVERIFY(!fonts(font)->isEditable());
    QCOMPARE(spinBox(font)->decimals(), 15);

    // The host's families in sorted order, the stored one selected.
    QCOMPARE(itemsOf(fonts(font)),
             (QStringList{"Arial", "Courier New", "DejaVu Sans", "Helvetica", "Symbol", "Times New Roman"}));
    QCOMPARE(fonts(font)->currentText(), QStringLiteral("Helvetica"));
    QVERIFY(pointsButton(font)->isChecked());
    QCOMPARE(child<QStackedWidget>(font, "fontHeight_stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("PointsFrame_page"));
    QCOMPARE(itemsOf(sizes(font)), (QStringList{"6", "10", "14", "18", "24"}));
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("11"));
    QCOMPARE(Host::instance().appLockDepth(), 0);
    QVERIFY(Host::instance().journal().isEmpty());
}

void TestFontSelectDialog::okWritesTheFontAsOneUndoStep()
{
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    fonts(font)->setFocus();
    QTest::keyClicks(fonts(font), QStringLiteral("Cour"));
    QCOMPARE(fonts(font)->currentText(), QStringLiteral("Courier New"));
    clickUnits(frameButton(font));
    QVERIFY(frameButton(font)->isChecked());
    enterSize(font, QStringLiteral("7.25"));

    // Each write sees the lock and the undo state of OK, one deep.
    QList<QPair<int, int>> depthsAtWrites;
    const QObject listening;
    connect(&Host::instance(), &Host::journalAppended, &listening, [&depthsAtWrites] {
        depthsAtWrites.append({Host::instance().appLockDepth(), Host::instance().undoDepth()});
    });
    const int stepsBefore = Host::instance().undoStepCount();
    clickOk(font);
    QVERIFY(!font.isVisible());
    QCOMPARE(depthsAtWrites, (QList<QPair<int, int>>{{1, 1}, {1, 1}, {1, 1}}));
    QCOMPARE(Host::instance().undoStepCount(), stepsBefore + 1);
    QCOMPARE(Host::instance().appLockDepth(), 0);
    QCOMPARE(Host::instance().undoDepth(), 0);
    QCOMPARE(Host::instance().journal(),
             (QStringList{R"(GLOBALSCATTER DATALABELS TEXTSHAPE FONTFAMILY op=255 value="Courier New")",
                          "GLOBALSCATTER DATALABELS TEXTSHAPE SIZEUNITS op=255 value=1",
                          "GLOBALSCATTER DATALABELS TEXTSHAPE HEIGHT op=255 value=7.25"}));
    QCOMPARE(stored(Scatter, "FONTFAMILY").toString(), QStringLiteral("Courier New"));
    QCOMPARE(stored(Scatter, "SIZEUNITS").toInt(), int(Units_Frame));
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), 7.25);

    // One undo takes all three back.
    QVERIFY(Host::instance().undo());
    QCOMPARE(stored(Scatter, "FONTFAMILY").toString(), QStringLiteral("Helvetica"));
    QCOMPARE(stored(Scatter, "SIZEUNITS").toInt(), int(Units_Point));
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), 11.0);
}

void TestFontSelectDialog::okAcceptsOnce()
{
    FontSelectDialog& font = dialog();
    QSignalSpy accepted(&font, &QDialog::accepted);
    QSignalSpy finished(&font, &QDialog::finished);
    QVERIFY(showDialog(font));
    clickOk(font);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
    QCOMPARE(journalOf("HEIGHT").size(), 1);

    // Enter presses OK as well, once.
    QVERIFY(showDialog(font));
    QTest::keyClick(pointsButton(font), Qt::Key_Return);
    QCOMPARE(accepted.count(), 2);
    QCOMPARE(finished.count(), 2);
    QCOMPARE(journalOf("HEIGHT").size(), 2);
}

void TestFontSelectDialog::launchRunsModallyUntilOk()
{
    FontSelectDialog& font = dialog();
    QSignalSpy accepted(&font, &QDialog::accepted);
    ModalDialogAnswerer answer([](QWidget& window) {
        QCOMPARE(window.windowTitle(), QStringLiteral("Select Font"));
        clickUnits(frameButton(window));
        clickOk(window);
    });
    font.launch();
    QCOMPARE(answer.answered(), 1);
    QCOMPARE(font.result(), int(QDialog::Accepted));
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(stored(Scatter, "SIZEUNITS").toInt(), int(Units_Frame));
}

void TestFontSelectDialog::cancelWritesNothing()
{
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    clickUnits(frameButton(font));
    enterSize(font, QStringLiteral("9"));
    const int stepsBefore = Host::instance().undoStepCount();
    clickCancel(font);
    QVERIFY(!font.isVisible());
    QCOMPARE(font.result(), int(QDialog::Rejected));
    QVERIFY(Host::instance().journal().isEmpty());
    QCOMPARE(Host::instance().undoStepCount(), stepsBefore);
    QCOMPARE(stored(Scatter, "SIZEUNITS").toInt(), int(Units_Point));
}

// The host may change the current frame while the dialog runs: its text object is not there.
void TestFontSelectDialog::okAfterAnotherFrameBecameCurrentWritesNothing()
{
    QVERIFY(TestScenes::load(TestScenes::mixed()));
    Host::instance().clearJournal();
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    clickUnits(frameButton(font));
    QVERIFY(Host::instance().setCurrentFrame(4));
    clickOk(font);
    QVERIFY(!font.isVisible());
    QVERIFY(Host::instance().journal().isEmpty());
}

void TestFontSelectDialog::helpOpensTheSelectFontPage()
{
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    QPushButton* help = dialogButton(font, QDialogButtonBox::Help);
    QVERIFY(help);
    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(kestrix::dialogs::common::lastShownHelpPage(), std::string("select_font.html"));
}

void TestFontSelectDialog::pointsToFrameAndBackConvertThroughTheHost()
{
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    clickUnits(frameButton(font));
    const double framePercent = hostConversion(Units_Point, Units_Frame, 1100.0);
    QCOMPARE(sizes(font)->currentText(), shown(framePercent));
    QCOMPARE(itemsOf(sizes(font)), (QStringList{"1.5", "2.2", "3", "4", "6"}));

    clickUnits(pointsButton(font));
    const double points = hostConversion(Units_Frame, Units_Point, framePercent) / 100.0;
    QCOMPARE(sizes(font)->currentText(), shown(points));
    QCOMPARE(itemsOf(sizes(font)), (QStringList{"6", "10", "14", "18", "24"}));
    clickOk(font);
    QCOMPARE(stored(Scatter, "SIZEUNITS").toInt(), int(Units_Point));
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), points);
    QCOMPARE(Host::instance().appLockDepth(), 0);
}

void TestFontSelectDialog::convertedHeightsAreClampedIntoTheNewUnits()
{
    QVERIFY(TestScenes::load(labelScene(Units_Point, 2500.0)));
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    QVERIFY(hostConversion(Units_Point, Units_Frame, 250000.0) > 200.0);
    clickUnits(frameButton(font));
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("200"));
    clickUnits(pointsButton(font));
    const double points = std::clamp(hostConversion(Units_Frame, Units_Point, 200.0) / 100.0, 0.5, 2500.0);
    QCOMPARE(sizes(font)->currentText(), shown(points));

    enterSize(font, QStringLiteral("0.5"));
    clickUnits(frameButton(font));
    enterSize(font, QStringLiteral("0.01"));
    QVERIFY(hostConversion(Units_Frame, Units_Point, 0.01) / 100.0 < 0.5);
    clickUnits(pointsButton(font));
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("0.5"));
    clickOk(font);
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), 0.5);
}

void TestFontSelectDialog::typingAHeightAboveTheMaximumRestoresTheOldOne()
{
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    enterSize(font, QStringLiteral("3000"));
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("11"));
    enterSize(font, QStringLiteral("2500"));
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("2500"));
    enterSize(font, QStringLiteral("2500.5"));
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("2500"));
    clickOk(font);
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), 2500.0);
}

void TestFontSelectDialog::choosingAListedSizeSetsTheHeight()
{
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    chooseListedSize(font, 3);
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("18"));
    clickOk(font);
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), 18.0);
}

void TestFontSelectDialog::choosingTheShownSizeAgainAfterTypingTakesIt()
{
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    chooseListedSize(font, 2);
    enterSize(font, QStringLiteral("12"));
    QCOMPARE(sizes(font)->currentIndex(), 2);
    chooseListedSize(font, 2);
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("14"));
    clickOk(font);
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), 14.0);
}

void TestFontSelectDialog::leavingTheFieldUntouchedKeepsTheExactHeight()
{
    QVERIFY(TestScenes::load(labelScene(Units_Frame, 2.123456789)));
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("2.12346"));
    QLineEdit* edit = sizes(font)->lineEdit();
    edit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Tab);
    clickOk(font);
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), 2.123456789);
}

void TestFontSelectDialog::frameSizesListTheHostsFrameSizes()
{
    QVERIFY(TestScenes::load(labelScene(Units_Frame, 3.0)));
    writeStyle({"BASICSIZE", "FRAMETEXTSIZES", "LARGE"}, 4.75);
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    QCOMPARE(itemsOf(sizes(font)), (QStringList{"1.5", "2.2", "3", "4.75", "6"}));
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("3"));
}

void TestFontSelectDialog::aFamilyStoredAsAPrefixSelectsTheListedFamily_data()
{
    QTest::addColumn<QString>("storedFamily");
    QTest::addColumn<QString>("selected");
    QTest::newRow("prefix in other case") << "times"
                                          << "Times New Roman";
    QTest::newRow("whole name") << "Courier New"
                                << "Courier New";
    QTest::newRow("upper case") << "DEJAVU"
                                << "DejaVu Sans";
    QTest::newRow("no such family") << "Wingdings"
                                    << "Helvetica";
    QTest::newRow("empty") << ""
                           << "Helvetica";
}

void TestFontSelectDialog::aFamilyStoredAsAPrefixSelectsTheListedFamily()
{
    QFETCH(QString, storedFamily);
    QFETCH(QString, selected);
    storeFamily(Scatter, storedFamily.toUtf8().constData());
    Host::instance().clearJournal();
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    QCOMPARE(fonts(font)->currentText(), selected);
    clickOk(font);
    QCOMPARE(stored(Scatter, "FONTFAMILY").toString(), selected);
}

void TestFontSelectDialog::unitButtonsFollowPermissionsAndStoredUnits_data()
{
    QTest::addColumn<int>("storedUnits");
    QTest::addColumn<bool>("allowGrid");
    QTest::addColumn<bool>("allowAxis");
    QTest::addColumn<bool>("gridShown");
    QTest::addColumn<bool>("axisShown");
    QTest::newRow("points, nothing allowed") << int(Units_Point) << false << false << false << false;
    QTest::newRow("grid stored") << int(Units_Grid) << false << false << true << false;
    QTest::newRow("axis stored") << int(Units_AxisPercentage) << false << false << false << true;
    QTest::newRow("grid allowed") << int(Units_Frame) << true << false << true << false;
    QTest::newRow("both allowed") << int(Units_Point) << true << true << true << true;
}

void TestFontSelectDialog::unitButtonsFollowPermissionsAndStoredUnits()
{
    QFETCH(int, storedUnits);
    QFETCH(bool, allowGrid);
    QFETCH(bool, allowAxis);
    QFETCH(bool, gridShown);
    QFETCH(bool, axisShown);
    const auto units = static_cast<Units_e>(storedUnits);
    QVERIFY(TestScenes::load(labelScene(storedUnits, TextHeight::defaultHeight(units))));
    FontSelectDialog& font = dialog(Scatter, allowGrid, allowAxis);
    QVERIFY(showDialog(font));
    QCOMPARE(gridButton(font)->isVisible(), gridShown);
    QCOMPARE(axisButton(font)->isVisible(), axisShown);
    QVERIFY(pointsButton(font)->isVisible());
    QVERIFY(frameButton(font)->isVisible());
    const std::map<int, QRadioButton*> buttons{{Units_Grid, gridButton(font)},
                                               {Units_Frame, frameButton(font)},
                                               {Units_Point, pointsButton(font)},
                                               {Units_AxisPercentage, axisButton(font)}};
    QVERIFY(buttons.at(storedUnits)->isChecked());
}

void TestFontSelectDialog::gridStepIsAFiftiethOfTheYRange()
{
    QVERIFY(TestScenes::load(labelScene(Units_Grid, 7.5)));
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    QCOMPARE(child<QStackedWidget>(font, "fontHeight_stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("AxisGrid_page"));
    QCOMPARE(spinBox(font)->value(), 7.5);
    QCOMPARE(spinBox(font)->singleStep(), 5.0);
    QCOMPARE(Host::instance().appLockDepth(), 0);

    spinBox(font)->setFocus();
    QTest::keyClick(spinBox(font), Qt::Key_Up);
    QCOMPARE(spinBox(font)->value(), 12.5);
    clickOk(font);
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), 12.5);

    // Axis percent steps by one.
    QVERIFY(TestScenes::load(labelScene(Units_AxisPercentage, 20.0)));
    QVERIFY(showDialog(font));
    QCOMPARE(spinBox(font)->singleStep(), 1.0);
    QCOMPARE(spinBox(font)->maximum(), 200.0);
}

void TestFontSelectDialog::switchingFromAxisToGridKeepsAHeightAbove200()
{
    QVERIFY(TestScenes::load(labelScene(Units_AxisPercentage, 100.0, 0.0, 1000.0)));
    const double grid = hostConversion(Units_AxisPercentage, Units_Grid, 100.0);
    QVERIFY(grid > 200.0);
    FontSelectDialog& font = dialog(Scatter, true, true);
    QVERIFY(showDialog(font));
    QCOMPARE(spinBox(font)->value(), 100.0);
    clickUnits(gridButton(font));
    QVERIFY(qFuzzyCompare(spinBox(font)->value(), grid));
    QCOMPARE(spinBox(font)->singleStep(), 20.0);
    clickOk(font);
    QCOMPARE(stored(Scatter, "SIZEUNITS").toInt(), int(Units_Grid));
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), grid);
}

void TestFontSelectDialog::storedValuesTheDialogCannotEditOpenOnDefaults_data()
{
    QTest::addColumn<int>("storedUnits");
    QTest::addColumn<double>("storedHeight");
    QTest::addColumn<int>("openUnits");
    QTest::addColumn<double>("openHeight");
    QTest::newRow("points above the maximum") << int(Units_Point) << 5000.0 << int(Units_Point) << 11.0;
    QTest::newRow("points below the minimum") << int(Units_Point) << 0.25 << int(Units_Point) << 11.0;
    QTest::newRow("frame above the maximum") << int(Units_Frame) << 300.0 << int(Units_Frame) << 3.0;
    QTest::newRow("axis above the maximum") << int(Units_AxisPercentage) << 250.0 << int(Units_AxisPercentage) << 3.0;
    QTest::newRow("screen units") << int(Units_Screen) << 12.0 << int(Units_Point) << 11.0;
}

void TestFontSelectDialog::storedValuesTheDialogCannotEditOpenOnDefaults()
{
    QFETCH(int, storedUnits);
    QFETCH(double, storedHeight);
    QFETCH(int, openUnits);
    QFETCH(double, openHeight);
    QVERIFY(TestScenes::load(labelScene(storedUnits, storedHeight)));
    Host::instance().clearJournal();
    FontSelectDialog* font = nullptr;
    try {
        font = &dialog();
        QVERIFY(showDialog(*font));
    } catch (const std::exception& error) {
        QFAIL(error.what());
    }
    const bool onSpinBox = openUnits == Units_AxisPercentage || openUnits == Units_Grid;
    if (onSpinBox)
        QCOMPARE(spinBox(*font)->value(), openHeight);
    else
        QCOMPARE(sizes(*font)->currentText(), shown(openHeight));
    clickOk(*font);
    QCOMPARE(stored(Scatter, "SIZEUNITS").toInt(), openUnits);
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), openHeight);
}

void TestFontSelectDialog::eachCallerEditsItsOwnTextObject()
{
    FontSelectDialog& scatter = dialog(Scatter, true, false);
    QVERIFY(showDialog(scatter));
    QVERIFY(gridButton(scatter)->isVisible());
    clickOk(scatter);
    QCOMPARE(journalOf("HEIGHT"), (QStringList{"GLOBALSCATTER DATALABELS TEXTSHAPE HEIGHT op=255 value=11"}));
    Host::instance().clearJournal();

    // The dialog opens over the window of the latest caller.
    QWidget otherWindow;
    FontSelectDialog& linePlot =
        FontSelectDialog::getInstance(otherWindow, StringList(LinePlot, "DATALABELS"), -1, false, false);
    QCOMPARE(&linePlot, &scatter);
    QCOMPARE(linePlot.parentWidget(), &otherWindow);
    // Naming the dialog itself as the window leaves it over the caller's window.
    QCOMPARE(&FontSelectDialog::getInstance(linePlot, StringList(LinePlot, "DATALABELS"), -1, false, false), &linePlot);
    QCOMPARE(linePlot.parentWidget(), &otherWindow);
    QVERIFY(showDialog(linePlot));
    QVERIFY(!gridButton(linePlot)->isVisible());
    QVERIFY(frameButton(linePlot)->isChecked());
    QCOMPARE(sizes(linePlot)->currentText(), QStringLiteral("4.5"));
    QCOMPARE(fonts(linePlot)->currentText(), QStringLiteral("Courier New"));
    enterSize(linePlot, QStringLiteral("5"));
    clickOk(linePlot);
    QCOMPARE(Host::instance().journal(),
             (QStringList{R"(GLOBALLINEPLOT DATALABELS TEXTSHAPE FONTFAMILY op=255 value="Courier New")",
                          "GLOBALLINEPLOT DATALABELS TEXTSHAPE SIZEUNITS op=255 value=1",
                          "GLOBALLINEPLOT DATALABELS TEXTSHAPE HEIGHT op=255 value=5"}));
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), 11.0);
    QCOMPARE(stored(Scatter, "FONTFAMILY").toString(), QStringLiteral("Helvetica"));
}

void TestFontSelectDialog::reopeningReadsTheHostAgain()
{
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));
    clickUnits(frameButton(font));
    clickCancel(font);

    writeStyle({Scatter, "DATALABELS", "TEXTSHAPE", "HEIGHT"}, 14.5);
    storeFamily(Scatter, "Arial");
    Host::instance().clearJournal();
    QVERIFY(showDialog(font));
    QVERIFY(pointsButton(font)->isChecked());
    QCOMPARE(sizes(font)->currentText(), QStringLiteral("14.5"));
    QCOMPARE(fonts(font)->currentText(), QStringLiteral("Arial"));
    clickOk(font);
    QCOMPARE(journalOf("HEIGHT"), (QStringList{"GLOBALSCATTER DATALABELS TEXTSHAPE HEIGHT op=255 value=14.5"}));

    // Units changed in the host are read again too.
    writeStyle({Scatter, "DATALABELS", "TEXTSHAPE", "SIZEUNITS"}, Units_AxisPercentage);
    writeStyle({Scatter, "DATALABELS", "TEXTSHAPE", "HEIGHT"}, 42.0);
    QVERIFY(showDialog(font));
    QVERIFY(axisButton(font)->isVisible());
    QVERIFY(axisButton(font)->isChecked());
    QCOMPARE(spinBox(font)->value(), 42.0);
    clickCancel(font);
}

void TestFontSelectDialog::badInputKeepsTheHeightOrTakesAnAllowedOne_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<bool>("german");
    QTest::addColumn<double>("expected");

    const QString manyDigits(10000, QLatin1Char('7'));
    const QString manyLetters(10000, QLatin1Char('x'));
    const QString manyMixed = QStringLiteral("1.5") + QString(9997, QLatin1Char('a'));
    struct Field {
        const char* name;
        Units_e units;
        double old;
    };
    for (const Field& field : {Field{"sizes", Units_Point, 11.0}, Field{"spin box", Units_Grid, 7.5}}) {
        const auto row = [&field](const char* input) -> QTestData& {
            return QTest::addRow("%s, %s", field.name, input);
        };
        row("empty") << int(field.units) << QString() << false << false << field.old;
        row("letters") << int(field.units) << QStringLiteral("abc") << false << false << field.old;
        row("negative") << int(field.units) << QStringLiteral("-5") << false << false << field.old;
        row("zero") << int(field.units) << QStringLiteral("0") << false << false << field.old;
        row("huge") << int(field.units) << QStringLiteral("1e400") << false << false << field.old;
        row("german decimal comma") << int(field.units) << QStringLiteral("12,5") << false << true << 12.5;
        // The list writes heights with a point, so a point is a decimal point for every user.
        row("german user's decimal point") << int(field.units) << QStringLiteral("12.5") << false << true << 12.5;
        row("german user's small height") << int(field.units) << QStringLiteral("0.75") << false << true << 0.75;
        row("10000 digits") << int(field.units) << manyDigits << true << false << field.old;
        row("10000 letters") << int(field.units) << manyLetters << true << false << field.old;
        row("10000 characters after a number") << int(field.units) << manyMixed << true << false << field.old;
        row("plain number") << int(field.units) << QStringLiteral("12.5") << false << false << 12.5;
    }
}

void TestFontSelectDialog::badInputKeepsTheHeightOrTakesAnAllowedOne()
{
    QFETCH(int, units);
    QFETCH(QString, input);
    QFETCH(bool, paste);
    QFETCH(bool, german);
    QFETCH(double, expected);
    if (german)
        QLocale::setDefault(QLocale(QLocale::German));
    const bool onSpinBox = units == Units_Grid;
    QVERIFY(TestScenes::load(labelScene(units, onSpinBox ? 7.5 : 11.0)));
    Host::instance().clearJournal();
    FontSelectDialog& font = dialog();
    QVERIFY(showDialog(font));

    if (onSpinBox) {
        enterSpinValue(font, input, paste);
        QCOMPARE(spinBox(font)->value(), expected);
    } else {
        enterSize(font, input, paste);
        QCOMPARE(sizes(font)->currentText(), german ? input : shown(expected));
    }
    clickOk(font);
    QCOMPARE(stored(Scatter, "HEIGHT").toDouble(), expected);
    QCOMPARE(journalOf("HEIGHT").size(), 1);
    verifyWrittenHeightsInRange();
}

QTEST_MAIN(TestFontSelectDialog)
#include "tst_fontselectdialog.moc"
