// The "Specify Number Format" dialog, run modally as its callers run it and worked through
// its widgets as a user would; what it leaves in the stand-in host is checked after OK.

#include "dialogs/valueformat/ValueFormatDialog.h"
#include "hostsim/Host.h"
#include "support/ChildWidget.h"
#include "support/ModalDialogAnswerer.h"
#include "support/StyleWrites.h"

#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/StringList.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <initializer_list>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::ValueFormatDialog;
using kestrix::testing::child;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::writeStyle;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::StringList;

namespace {

const QStringList ScatterLabels{QStringLiteral("GLOBALSCATTER"), QStringLiteral("DATALABELS")};
const QStringList LinePlotLabels{QStringLiteral("GLOBALLINEPLOT"), QStringLiteral("DATALABELS")};

const QStringList SevenFormats{QStringLiteral("Integer"),    QStringLiteral("Float"),       QStringLiteral("Exponent"),
                               QStringLiteral("Best Float"), QStringLiteral("SuperScript"), QStringLiteral("Custom"),
                               QStringLiteral("Time/Date")};

const QString TenThousandSevens(10000, QLatin1Char('7'));

QVariant stored(const char* keyword, const QStringList& object = ScatterLabels)
{
    return Host::instance().styleValue(object + QStringList{QStringLiteral("NUMFORMAT"), QString::fromLatin1(keyword)});
}

void storeNumber(const char* keyword, long value, const QStringList& object = ScatterLabels)
{
    const QByteArray first = object[0].toLatin1();
    writeStyle({first.constData(), "DATALABELS", "NUMFORMAT", keyword}, static_cast<double>(value));
}

void storeText(const char* keyword, const QString& text, const QStringList& object = ScatterLabels)
{
    const QByteArray first = object[0].toLatin1();
    const CheckedStyleValue style(first.constData(), "DATALABELS", "NUMFORMAT", keyword);
    QVERIFY2(CheckedStyleValue::returnCodeOk(style.set(text.toStdString())), keyword);
}

void storeAffixes(const QStringList& sixTexts)
{
    const char* const keywords[] = {"POSITIVEPREFIX", "POSITIVESUFFIX", "ZEROPREFIX",
                                    "ZEROSUFFIX",     "NEGATIVEPREFIX", "NEGATIVESUFFIX"};
    for (int i = 0; i < 6; ++i)
        storeText(keywords[i], sixTexts[i]);
}

QStringList journalLinesOf(const char* keyword)
{
    const QString marker = QLatin1String(" NUMFORMAT ") + QLatin1String(keyword) + QLatin1String(" ");
    QStringList lines;
    for (const QString& line : Host::instance().journal()) {
        if (line.contains(marker))
            lines.append(line);
    }
    return lines;
}

QStringList comboItems(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

QLineEdit* field(QWidget& dialog, const char* name)
{
    return child<QLineEdit>(dialog, name);
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void pasteInto(QLineEdit* edit, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keySequence(edit, QKeySequence::Paste);
}

// Picks a format from the open list with the arrow keys and Enter, as a user does; the combo
// box changes only at Enter, so no other format is passed on the way.
void chooseFormat(QWidget& dialog, const QString& format)
{
    auto* combo = child<QComboBox>(dialog, "valueFormatModal_Format_CmbBox");
    const int wanted = combo->findText(format);
    QVERIFY2(wanted >= 0, qPrintable(format));
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Home);
    for (int row = 0; row < wanted; ++row)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(combo->currentText(), format);
}

void toggleBox(QWidget& dialog, const char* name)
{
    auto* box = child<QCheckBox>(dialog, name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
}

void clickOk(QWidget& dialog)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
}

void clickCancel(QWidget& dialog)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
}

bool isShownPage(QWidget& dialog, const char* page)
{
    auto* pages = child<QStackedWidget>(dialog, "stackedWidget");
    QWidget* wanted = child<QWidget>(dialog, page);
    return pages->currentWidget() == wanted && wanted->isVisible();
}

QString labelText(QWidget& dialog, const QString& name)
{
    return child<QLabel>(dialog, qPrintable(name))->text();
}

bool enabled(QWidget& dialog, const char* name)
{
    return child<QWidget>(dialog, name)->isEnabled();
}

const char* const ZeroValueWidgets[] = {"valueFormatModal_ZeroValue_Label", "valueFormatModal_ZeroValuePrefix_Label",
                                        "valueFormatModal_ZeroValueSuffix_Label",
                                        "valueFormatModal_ZeroValuePrefix_1Text",
                                        "valueFormatModal_ZeroValueSuffix_1Text"};
const char* const NegativeNumberWidgets[] = {
    "valueFormatModal_NegNum_Label", "valueFormatModal_NegNumPrefix_Label", "valueFormatModal_NegNumSuffix_Label",
    "valueFormatModal_NegNumPrefix_1Text", "valueFormatModal_NegNumSuffix_1Text"};

template <size_t N> int enabledCount(QWidget& dialog, const char* const (&names)[N])
{
    int count = 0;
    for (const char* name : names)
        count += enabled(dialog, name) ? 1 : 0;
    return count;
}

} // namespace

class TestValueFormatDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_defaultLocale = QLocale(); }

    void init() { Host::instance().loadDemoScene(); }

    void cleanup()
    {
        delete m_dialog.data();
        QLocale::setDefault(m_defaultLocale);
    }

    void showsTheFormTheCallerAskedFor()
    {
        ValueFormatDialog& dialog = open();
        QCOMPARE(dialog.size(), QSize(182, 327));
        QCOMPARE(dialog.objectName(), QStringLiteral("ValueFormat"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Specify Number Format"));
        QVERIFY(dialog.isModal());
        auto* help = qobject_cast<kestrix::dialogs::common::LaunchHelpAction*>(dialog.helpAction());
        QVERIFY(help);
        QCOMPARE(help->helpFileName(), std::string("specify_number_format.html"));

        QString keyText;
        run([&](QWidget& window) {
            for (int row = 1; row <= 10; ++row) {
                keyText += labelText(window, QStringLiteral("valueFormatModal_KeyCode%1_Label").arg(row))
                           + QLatin1Char('=')
                           + labelText(window, QStringLiteral("valueFormatModal_KeyMeaning%1_Label").arg(row))
                           + QLatin1Char(';');
            }
            clickCancel(window);
        });
        QCOMPARE(keyText,
                 QStringLiteral("yy=year (00-99);yyyy=year (1800-9999);mm=month (01-12);mmm=month name (Jan-Dec);"
                                "dd=day (01-31);ddd=day name (Sun-Sat);hh=hours (00-23);mm=minutes (00-59);"
                                "ss=seconds (00-59);.00=hundreths of a second;"));
    }

    void offersRangeBestFloatOnlyWhenAsked()
    {
        QStringList withoutIt;
        QStringList withIt;
        run(open(false), [&](QWidget& window) {
            withoutIt = comboItems(child<QComboBox>(window, "valueFormatModal_Format_CmbBox"));
            clickCancel(window);
        });
        run(open(true), [&](QWidget& window) {
            withIt = comboItems(child<QComboBox>(window, "valueFormatModal_Format_CmbBox"));
            clickCancel(window);
        });
        QCOMPARE(withoutIt, SevenFormats);
        QStringList eight = SevenFormats;
        eight.insert(4, QStringLiteral("Range Best Float"));
        QCOMPARE(withIt, eight);
    }

    void showsTheStoredFormatWithItsPage_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("precision");
        QTest::addColumn<bool>("customSet");
        QTest::addColumn<bool>("showDecimal");
        QTest::addColumn<bool>("removeLeadingZeros");

        QTest::newRow("integer") << 0 << "Integer" << false << false << true << true;
        QTest::newRow("float") << 1 << "Float" << true << false << false << true;
        QTest::newRow("exponent") << 2 << "Exponent" << true << false << false << true;
        QTest::newRow("best float") << 3 << "Best Float" << false << false << true << true;
        QTest::newRow("superscript") << 4 << "SuperScript" << true << false << false << true;
        QTest::newRow("custom") << 5 << "Custom" << false << true << false << false;
        QTest::newRow("range best float") << 7 << "Range Best Float" << false << false << true << true;
        QTest::newRow("time/date") << 9 << "Time/Date" << false << false << false << false;
    }

    void showsTheStoredFormatWithItsPage()
    {
        QFETCH(int, format);
        QFETCH(QString, text);
        QFETCH(bool, precision);
        QFETCH(bool, customSet);
        QFETCH(bool, showDecimal);
        QFETCH(bool, removeLeadingZeros);
        storeNumber("FORMATTING", format);
        storeNumber("PRECISION", 6);
        storeNumber("CUSTOMLABEL", 2);
        storeText("TIMEDATEFORMAT", QStringLiteral("hh:mm"));

        QString selected;
        bool timeDateShown = false;
        bool valueFormatShown = false;
        QString pattern;
        QString precisionText;
        QString customSetText;
        QList<bool> enabledStates;
        run(open(true), [&](QWidget& window) {
            selected = child<QComboBox>(window, "valueFormatModal_Format_CmbBox")->currentText();
            timeDateShown = isShownPage(window, "TimeDate_Page");
            valueFormatShown = isShownPage(window, "ValueFormat_Page");
            pattern = field(window, "valueFormatModal_Format_LineEdit")->text();
            precisionText = field(window, "valueFormatModal_Precision_1Text")->text();
            customSetText = field(window, "valueFormatModal_CustomSet_1Text")->text();
            enabledStates = {enabled(window, "valueFormatModal_Precision_1Text"),
                             enabled(window, "valueFormatModal_Precision_Label"),
                             enabled(window, "valueFormatModal_CustomSet_1Text"),
                             enabled(window, "valueFormatModal_CustomSet_Label"),
                             enabled(window, "valueFormatModal_ShowDecimal_ToggleButton"),
                             enabled(window, "valueFormatModal_RemoveLeadingZeros_ToggleButton"),
                             enabled(window, "valueFormatModal_ShowSignOnNegNums_ToggleButton")};
            clickCancel(window);
        });
        QCOMPARE(selected, text);
        QCOMPARE(timeDateShown, format == 9);
        QCOMPARE(valueFormatShown, format != 9);
        if (format == 9) {
            QCOMPARE(pattern, QStringLiteral("hh:mm"));
            return;
        }
        QCOMPARE(precisionText, QStringLiteral("6"));
        QCOMPARE(customSetText, QStringLiteral("2"));
        const QList<bool> expected{precision, precision, customSet, customSet, showDecimal, removeLeadingZeros, true};
        QCOMPARE(enabledStates, expected);
    }

    void aStoredRangeBestFloatNotOfferedSelectsNothingAndIsKept()
    {
        storeNumber("FORMATTING", 7);
        int currentIndex = 0;
        bool valueFormatShown = false;
        run(open(false), [&](QWidget& window) {
            currentIndex = child<QComboBox>(window, "valueFormatModal_Format_CmbBox")->currentIndex();
            valueFormatShown = isShownPage(window, "ValueFormat_Page");
            toggleBox(window, "valueFormatModal_ShowDecimal_ToggleButton");
            clickOk(window);
        });
        QCOMPARE(currentIndex, -1);
        QVERIFY(valueFormatShown);
        QCOMPARE(journalLinesOf("FORMATTING"), QStringList());
        QCOMPARE(stored("FORMATTING"), QVariant(7));
        QCOMPARE(stored("SHOWDECIMALSONWHOLENUMBERS"), QVariant(1));
        QCOMPARE(Host::instance().styleWriteCount(), quint64(Host::instance().journal().size()));

        QString offered;
        run(open(true), [&](QWidget& window) {
            offered = child<QComboBox>(window, "valueFormatModal_Format_CmbBox")->currentText();
            clickCancel(window);
        });
        QCOMPARE(offered, QStringLiteral("Range Best Float"));
    }

    void aFormatOutsideTheListIsKeptUntilTheUserChoosesOne()
    {
        storeNumber("FORMATTING", NumberFormat_DynamicLabel);
        run(open(true), [](QWidget& window) { clickOk(window); });
        QCOMPARE(journalLinesOf("FORMATTING"), QStringList());
        QCOMPARE(stored("FORMATTING"), QVariant(int(NumberFormat_DynamicLabel)));
        QCOMPARE(Host::instance().styleWriteCount(), quint64(Host::instance().journal().size()));

        run(open(true), [](QWidget& window) {
            chooseFormat(window, QStringLiteral("Exponent"));
            clickOk(window);
        });
        QCOMPARE(stored("FORMATTING"), QVariant(int(NumberFormat_Exponential)));
    }

    void choosingAFormatShowsItsPageWithTheStoredValues()
    {
        storeNumber("FORMATTING", 1);
        storeNumber("PRECISION", 6);
        storeText("TIMEDATEFORMAT", QStringLiteral("hh:mm"));
        bool timeDateShown = false;
        QString pattern;
        bool valueFormatShownAgain = false;
        QString precisionAgain;
        bool customSetEnabled = false;
        run(open(), [&](QWidget& window) {
            typeInto(field(window, "valueFormatModal_Precision_1Text"), QStringLiteral("9"));
            chooseFormat(window, QStringLiteral("Time/Date"));
            timeDateShown = isShownPage(window, "TimeDate_Page");
            pattern = field(window, "valueFormatModal_Format_LineEdit")->text();
            chooseFormat(window, QStringLiteral("Custom"));
            valueFormatShownAgain = isShownPage(window, "ValueFormat_Page");
            precisionAgain = field(window, "valueFormatModal_Precision_1Text")->text();
            customSetEnabled = enabled(window, "valueFormatModal_CustomSet_1Text");
            clickCancel(window);
        });
        QVERIFY(timeDateShown);
        QCOMPARE(pattern, QStringLiteral("hh:mm"));
        QVERIFY(valueFormatShownAgain);
        QCOMPARE(precisionAgain, QStringLiteral("6"));
        QVERIFY(customSetEnabled);
    }

    void sameZeroAffixesCheckTheirBoxAndOkWritesThePositiveOnes()
    {
        storeAffixes({QStringLiteral("$"), QStringLiteral(" m"), QStringLiteral("$"), QStringLiteral(" m"),
                      QStringLiteral("("), QStringLiteral(")")});
        bool zeroBox = false;
        bool negativeBox = true;
        int zeroEnabled = -1;
        int negativeEnabled = -1;
        run(open(), [&](QWidget& window) {
            zeroBox =
                child<QCheckBox>(window, "valueFormatModal_UsePrefixSuffixForZeroValues_ToggleButton")->isChecked();
            negativeBox =
                child<QCheckBox>(window, "valueFormatModal_UsePrefixSuffixForNegValues_ToggleButton")->isChecked();
            zeroEnabled = enabledCount(window, ZeroValueWidgets);
            negativeEnabled = enabledCount(window, NegativeNumberWidgets);
            typeInto(field(window, "valueFormatModal_Prefix_1Text"), QStringLiteral("EUR "));
            typeInto(field(window, "valueFormatModal_Suffix_1Text"), QStringLiteral(" km"));
            clickOk(window);
        });
        QVERIFY(zeroBox);
        QVERIFY(!negativeBox);
        QCOMPARE(zeroEnabled, 0);
        QCOMPARE(negativeEnabled, 5);
        QCOMPARE(stored("ZEROPREFIX"), QVariant(QStringLiteral("EUR ")));
        QCOMPARE(stored("ZEROSUFFIX"), QVariant(QStringLiteral(" km")));
        QCOMPARE(stored("NEGATIVEPREFIX"), QVariant(QStringLiteral("(")));
        QCOMPARE(stored("NEGATIVESUFFIX"), QVariant(QStringLiteral(")")));
    }

    void uncheckingSameForNegativeEnablesTheNegativeFieldsAndOkWritesThem()
    {
        storeAffixes({QStringLiteral("+"), QString(), QStringLiteral("0:"), QString(), QStringLiteral("+"), QString()});
        int enabledBefore = -1;
        int enabledAfter = -1;
        bool boxAfter = true;
        run(open(), [&](QWidget& window) {
            enabledBefore = enabledCount(window, NegativeNumberWidgets);
            toggleBox(window, "valueFormatModal_UsePrefixSuffixForNegValues_ToggleButton");
            boxAfter =
                child<QCheckBox>(window, "valueFormatModal_UsePrefixSuffixForNegValues_ToggleButton")->isChecked();
            enabledAfter = enabledCount(window, NegativeNumberWidgets);
            typeInto(field(window, "valueFormatModal_NegNumPrefix_1Text"), QStringLiteral("minus "));
            typeInto(field(window, "valueFormatModal_NegNumSuffix_1Text"), QStringLiteral(" (neg)"));
            clickOk(window);
        });
        QCOMPARE(enabledBefore, 0);
        QVERIFY(!boxAfter);
        QCOMPARE(enabledAfter, 5);
        QCOMPARE(stored("NEGATIVEPREFIX"), QVariant(QStringLiteral("minus ")));
        QCOMPARE(stored("NEGATIVESUFFIX"), QVariant(QStringLiteral(" (neg)")));
        QCOMPARE(stored("ZEROPREFIX"), QVariant(QStringLiteral("0:")));
    }

    void checkingSameForZeroAgainDisablesTheZeroFieldsAndWritesThePositiveOnes()
    {
        storeAffixes({QStringLiteral("+"), QString(), QStringLiteral("0:"), QString(), QStringLiteral("+"), QString()});
        int enabledBefore = -1;
        int enabledAfter = -1;
        run(open(), [&](QWidget& window) {
            enabledBefore = enabledCount(window, ZeroValueWidgets);
            toggleBox(window, "valueFormatModal_UsePrefixSuffixForZeroValues_ToggleButton");
            enabledAfter = enabledCount(window, ZeroValueWidgets);
            clickOk(window);
        });
        QCOMPARE(enabledBefore, 5);
        QCOMPARE(enabledAfter, 0);
        QCOMPARE(stored("ZEROPREFIX"), QVariant(QStringLiteral("+")));
    }

    void numberFieldsTakeTheirValidatorsRange_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expected");

        // Stored before: precision 5, custom set 4.
        const QString precision = QStringLiteral("valueFormatModal_Precision_1Text");
        const QString customSet = QStringLiteral("valueFormatModal_CustomSet_1Text");
        QTest::newRow("precision 1") << precision << "PRECISION" << 1 << "1" << 1;
        QTest::newRow("precision 18") << precision << "PRECISION" << 1 << "18" << 18;
        QTest::newRow("precision 19 keeps") << precision << "PRECISION" << 1 << "19" << 5;
        QTest::newRow("precision 0 keeps") << precision << "PRECISION" << 1 << "0" << 5;
        QTest::newRow("custom set 1") << customSet << "CUSTOMLABEL" << 5 << "1" << 1;
        QTest::newRow("custom set 10") << customSet << "CUSTOMLABEL" << 5 << "10" << 10;
        QTest::newRow("custom set 11 keeps") << customSet << "CUSTOMLABEL" << 5 << "11" << 4;
        QTest::newRow("custom set 0 keeps") << customSet << "CUSTOMLABEL" << 5 << "0" << 4;
    }

    void numberFieldsTakeTheirValidatorsRange()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, keyword);
        QFETCH(int, format);
        QFETCH(QString, typed);
        QFETCH(int, expected);
        storeNumber("FORMATTING", format);
        storeNumber("PRECISION", 5);
        storeNumber("CUSTOMLABEL", 4);

        int bottom = 0;
        int top = 0;
        const int range = keyword == QLatin1String("PRECISION") ? 18 : 10;
        run(open(), [&](QWidget& window) {
            QLineEdit* edit = field(window, qPrintable(fieldName));
            if (auto* validator = qobject_cast<const QIntValidator*>(edit->validator())) {
                bottom = validator->bottom();
                top = validator->top();
            }
            typeInto(edit, typed);
            clickOk(window);
        });
        QCOMPARE(bottom, 1);
        QCOMPARE(top, range);
        QCOMPARE(stored(qPrintable(keyword)), QVariant(expected));
        QCOMPARE(Host::instance().styleWriteCount(), quint64(Host::instance().journal().size()));
    }

    void emptyNumberFieldsKeepTheStoredValues_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("format");
        QTest::newRow("precision") << "valueFormatModal_Precision_1Text"
                                   << "PRECISION" << 1;
        QTest::newRow("custom set") << "valueFormatModal_CustomSet_1Text"
                                    << "CUSTOMLABEL" << 5;
    }

    void emptyNumberFieldsKeepTheStoredValues()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, keyword);
        QFETCH(int, format);
        storeNumber("FORMATTING", format);
        storeNumber("PRECISION", 7);
        storeNumber("CUSTOMLABEL", 4);
        run(open(), [&](QWidget& window) {
            typeInto(field(window, qPrintable(fieldName)), QString());
            clickOk(window);
        });
        QCOMPARE(journalLinesOf(qPrintable(keyword)), QStringList());
        QCOMPARE(stored("PRECISION"), QVariant(7));
        QCOMPARE(stored("CUSTOMLABEL"), QVariant(4));
        QCOMPARE(Host::instance().styleWriteCount(), quint64(Host::instance().journal().size()));
    }

    void aStoredPrecisionOutsideTheFieldsRangeIsKept()
    {
        storeNumber("FORMATTING", 1);
        storeNumber("PRECISION", 0);
        run(open(), [](QWidget& window) { clickOk(window); });
        QCOMPARE(journalLinesOf("PRECISION"), QStringList());
        QCOMPARE(stored("PRECISION"), QVariant(0));
    }

    void timeDateOkLeavesTheNumberSettingsAlone()
    {
        storeNumber("FORMATTING", 9);
        storeNumber("PRECISION", 7);
        storeNumber("SHOWDECIMALSONWHOLENUMBERS", 1);
        storeAffixes({QStringLiteral("$"), QStringLiteral(" m"), QStringLiteral("0"), QStringLiteral("z"),
                      QStringLiteral("("), QStringLiteral(")")});
        storeText("TIMEDATEFORMAT", QStringLiteral("hh:mm"));
        run(open(), [](QWidget& window) {
            typeInto(field(window, "valueFormatModal_Format_LineEdit"), QStringLiteral("dd.mm.yyyy"));
            clickOk(window);
        });
        const QStringList journal = Host::instance().journal();
        QCOMPARE(journal.size(), 2);
        QVERIFY(journal[0].contains(QLatin1String("NUMFORMAT FORMATTING op=255 value=9")));
        QVERIFY(journal[1].contains(QLatin1String("NUMFORMAT TIMEDATEFORMAT op=255 value=\"dd.mm.yyyy\"")));
        QCOMPARE(stored("PRECISION"), QVariant(7));
        QCOMPARE(stored("SHOWDECIMALSONWHOLENUMBERS"), QVariant(1));
        QCOMPARE(stored("POSITIVEPREFIX"), QVariant(QStringLiteral("$")));
        QCOMPARE(stored("ZEROSUFFIX"), QVariant(QStringLiteral("z")));
        QCOMPARE(stored("NEGATIVEPREFIX"), QVariant(QStringLiteral("(")));
    }

    void switchingToTimeDateWritesOnlyWhatTheUserChangedOnTheNumberPage()
    {
        storeNumber("FORMATTING", 1);
        storeNumber("PRECISION", 7);
        run(open(), [](QWidget& window) {
            chooseFormat(window, QStringLiteral("Time/Date"));
            clickOk(window);
        });
        QCOMPARE(stored("FORMATTING"), QVariant(9));
        QCOMPARE(journalLinesOf("PRECISION"), QStringList());
        QCOMPARE(journalLinesOf("POSITIVEPREFIX"), QStringList());

        storeNumber("FORMATTING", 1);
        run(open(), [](QWidget& window) {
            typeInto(field(window, "valueFormatModal_Precision_1Text"), QStringLiteral("12"));
            chooseFormat(window, QStringLiteral("Time/Date"));
            clickOk(window);
        });
        QCOMPARE(stored("PRECISION"), QVariant(12));
        QCOMPARE(journalLinesOf("POSITIVEPREFIX"), QStringList());
    }

    void numberOkLeavesThePatternAloneUnlessTheUserEditedIt()
    {
        storeNumber("FORMATTING", 1);
        storeText("TIMEDATEFORMAT", QStringLiteral("hh:mm"));
        run(open(), [](QWidget& window) { clickOk(window); });
        QCOMPARE(journalLinesOf("TIMEDATEFORMAT"), QStringList());
        QVERIFY(!journalLinesOf("PRECISION").isEmpty());

        // Visiting the time/date page without editing changes nothing there either.
        run(open(), [](QWidget& window) {
            chooseFormat(window, QStringLiteral("Time/Date"));
            chooseFormat(window, QStringLiteral("Float"));
            clickOk(window);
        });
        QCOMPARE(journalLinesOf("TIMEDATEFORMAT"), QStringList());

        // An edited pattern is still written when another format is chosen.
        run(open(), [](QWidget& window) {
            chooseFormat(window, QStringLiteral("Time/Date"));
            typeInto(field(window, "valueFormatModal_Format_LineEdit"), QStringLiteral("yyyy-mm-dd"));
            chooseFormat(window, QStringLiteral("Exponent"));
            clickOk(window);
        });
        QCOMPARE(stored("FORMATTING"), QVariant(2));
        QCOMPARE(stored("TIMEDATEFORMAT"), QVariant(QStringLiteral("yyyy-mm-dd")));
    }

    void getInstanceTakesTheLatestCallersObject()
    {
        storeNumber("PRECISION", 7, ScatterLabels);
        storeNumber("FORMATTING", 1, LinePlotLabels);
        storeNumber("PRECISION", 11, LinePlotLabels);

        QWidget otherCaller;
        ValueFormatDialog& first = open(true);
        int firstCount = 0;
        QString firstPrecision;
        run(first, [&](QWidget& window) {
            firstCount = child<QComboBox>(window, "valueFormatModal_Format_CmbBox")->count();
            firstPrecision = field(window, "valueFormatModal_Precision_1Text")->text();
            clickCancel(window);
        });

        ValueFormatDialog& second =
            ValueFormatDialog::getInstance(otherCaller, false, StringList("GLOBALLINEPLOT", "DATALABELS"), -1, -1);
        QCOMPARE(&second, &first);
        int secondCount = 0;
        QString secondPrecision;
        run(second, [&](QWidget& window) {
            secondCount = child<QComboBox>(window, "valueFormatModal_Format_CmbBox")->count();
            secondPrecision = field(window, "valueFormatModal_Precision_1Text")->text();
            typeInto(field(window, "valueFormatModal_Precision_1Text"), QStringLiteral("12"));
            clickOk(window);
        });
        QCOMPARE(firstCount, 8);
        QCOMPARE(firstPrecision, QStringLiteral("7"));
        QCOMPARE(secondCount, 7);
        QCOMPARE(secondPrecision, QStringLiteral("11"));
        QCOMPARE(stored("PRECISION", LinePlotLabels), QVariant(12));
        QCOMPARE(stored("PRECISION", ScatterLabels), QVariant(7));
        const QStringList journal = Host::instance().journal();
        QVERIFY(!journal.isEmpty());
        for (const QString& line : journal)
            QVERIFY2(line.startsWith(QLatin1String("GLOBALLINEPLOT DATALABELS NUMFORMAT ")), qPrintable(line));
    }

    void okAfterAnotherFrameBecameCurrentWritesNothing()
    {
        run(open(), [](QWidget& window) {
            typeInto(field(window, "valueFormatModal_Prefix_1Text"), QStringLiteral("EUR "));
            QVERIFY(Host::instance().setCurrentFrame(2));
            clickOk(window);
        });
        QVERIFY(Host::instance().journal().isEmpty());
    }

    void everyShowReadsAfresh()
    {
        storeNumber("FORMATTING", 1);
        storeNumber("PRECISION", 6);
        run(open(), [](QWidget& window) {
            typeInto(field(window, "valueFormatModal_Precision_1Text"), QStringLiteral("9"));
            clickCancel(window);
        });
        QCOMPARE(stored("PRECISION"), QVariant(6));
        storeNumber("FORMATTING", 3);
        storeNumber("PRECISION", 8);
        QString format;
        QString precision;
        run(open(), [&](QWidget& window) {
            format = child<QComboBox>(window, "valueFormatModal_Format_CmbBox")->currentText();
            precision = field(window, "valueFormatModal_Precision_1Text")->text();
            clickCancel(window);
        });
        QCOMPARE(format, QStringLiteral("Best Float"));
        QCOMPARE(precision, QStringLiteral("8"));
    }

    void cancelWritesNothing()
    {
        storeNumber("FORMATTING", 1);
        run(open(), [](QWidget& window) {
            typeInto(field(window, "valueFormatModal_Prefix_1Text"), QStringLiteral("x"));
            chooseFormat(window, QStringLiteral("Custom"));
            clickCancel(window);
        });
        QCOMPARE(Host::instance().styleWriteCount(), quint64(0));
        QCOMPARE(stored("FORMATTING"), QVariant(1));
    }

    void okIsOneUndoStepUnderTheLock()
    {
        storeNumber("FORMATTING", 1);
        storeNumber("PRECISION", 6);
        const int stepsBefore = Host::instance().undoStepCount();
        QList<int> lockDepths;
        const QMetaObject::Connection watch = connect(&Host::instance(), &Host::journalAppended, this, [&lockDepths] {
            lockDepths.append(Host::instance().appLockDepth());
        });
        run(open(), [](QWidget& window) {
            chooseFormat(window, QStringLiteral("Exponent"));
            typeInto(field(window, "valueFormatModal_Precision_1Text"), QStringLiteral("4"));
            typeInto(field(window, "valueFormatModal_Prefix_1Text"), QStringLiteral("~"));
            clickOk(window);
        });
        disconnect(watch);
        QCOMPARE(Host::instance().undoStepCount(), stepsBefore + 1);
        QCOMPARE(Host::instance().appLockDepth(), 0);
        QVERIFY(!lockDepths.isEmpty());
        QVERIFY(std::all_of(lockDepths.begin(), lockDepths.end(), [](int depth) { return depth > 0; }));

        QVERIFY(Host::instance().undo());
        QCOMPARE(stored("FORMATTING"), QVariant(1));
        QCOMPARE(stored("PRECISION"), QVariant(6));
        QCOMPARE(stored("POSITIVEPREFIX"), QVariant(QString()));
    }

    void badInputGivesAnAllowedOrTheKeptValue_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("german");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QVariant>("expected");

        struct Field {
            const char* name;
            const char* keyword;
            int format;
            QVariant kept;
        };
        // Stored before every row: see storeBadInputBaseline().
        const Field numbers[] = {{"valueFormatModal_Precision_1Text", "PRECISION", 1, 5},
                                 {"valueFormatModal_CustomSet_1Text", "CUSTOMLABEL", 5, 4}};
        for (const Field& number : numbers) {
            const QString name = QString::fromLatin1(number.name);
            const QString keyword = QString::fromLatin1(number.keyword);
            const auto row = [&keyword](const char* what) {
                return (keyword + QLatin1Char(' ') + QLatin1String(what)).toLatin1();
            };
            QTest::newRow(row("empty").constData())
                << name << keyword << number.format << "" << false << false << number.kept;
            QTest::newRow(row("letters").constData())
                << name << keyword << number.format << "abc" << false << false << number.kept;
            QTest::newRow(row("negative").constData())
                << name << keyword << number.format << "-7" << false << false << QVariant(7);
            // The validator lets "14" through on the way to 1e400; the custom set's 1-10 holds it back.
            QTest::newRow(row("huge").constData())
                << name << keyword << number.format << "1e400" << false << false
                << (keyword == QLatin1String("PRECISION") ? QVariant(14) : number.kept);
            QTest::newRow(row("decimal comma").constData())
                << name << keyword << number.format << "2,5" << true << false << number.kept;
            QTest::newRow(row("10000 characters").constData())
                << name << keyword << number.format << TenThousandSevens << false << true << number.kept;
        }

        const Field texts[] = {{"valueFormatModal_Prefix_1Text", "POSITIVEPREFIX", 1, "pp"},
                               {"valueFormatModal_Suffix_1Text", "POSITIVESUFFIX", 1, "ps"},
                               {"valueFormatModal_ZeroValuePrefix_1Text", "ZEROPREFIX", 1, "zp"},
                               {"valueFormatModal_ZeroValueSuffix_1Text", "ZEROSUFFIX", 1, "zs"},
                               {"valueFormatModal_NegNumPrefix_1Text", "NEGATIVEPREFIX", 1, "np"},
                               {"valueFormatModal_NegNumSuffix_1Text", "NEGATIVESUFFIX", 1, "ns"},
                               {"valueFormatModal_Format_LineEdit", "TIMEDATEFORMAT", 9, "hh:mm"}};
        for (const Field& text : texts) {
            const QString name = QString::fromLatin1(text.name);
            const QString keyword = QString::fromLatin1(text.keyword);
            const bool isPattern = keyword == QLatin1String("TIMEDATEFORMAT");
            const auto row = [&keyword](const char* what) {
                return (keyword + QLatin1Char(' ') + QLatin1String(what)).toLatin1();
            };
            // An affix may be empty; a time/date pattern may not.
            QTest::newRow(row("empty").constData()) << name << keyword << text.format << "" << false << false
                                                    << (isPattern ? text.kept : QVariant(QString()));
            QTest::newRow(row("letters").constData())
                << name << keyword << text.format << "abc" << false << false << QVariant(QStringLiteral("abc"));
            QTest::newRow(row("negative").constData())
                << name << keyword << text.format << "-7" << false << false << QVariant(QStringLiteral("-7"));
            QTest::newRow(row("huge").constData())
                << name << keyword << text.format << "1e400" << false << false << QVariant(QStringLiteral("1e400"));
            QTest::newRow(row("decimal comma").constData())
                << name << keyword << text.format << "2,5" << true << false << QVariant(QStringLiteral("2,5"));
            QTest::newRow(row("10000 characters").constData())
                << name << keyword << text.format << TenThousandSevens << false << true << QVariant(TenThousandSevens);
        }
    }

    void badInputGivesAnAllowedOrTheKeptValue()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, keyword);
        QFETCH(int, format);
        QFETCH(QString, input);
        QFETCH(bool, german);
        QFETCH(bool, paste);
        QFETCH(QVariant, expected);
        if (german)
            QLocale::setDefault(QLocale(QLocale::German));
        storeNumber("FORMATTING", format);
        storeNumber("PRECISION", 5);
        storeNumber("CUSTOMLABEL", 4);
        storeAffixes({QStringLiteral("pp"), QStringLiteral("ps"), QStringLiteral("zp"), QStringLiteral("zs"),
                      QStringLiteral("np"), QStringLiteral("ns")});
        storeText("TIMEDATEFORMAT", QStringLiteral("hh:mm"));
        run(open(), [&](QWidget& window) {
            QLineEdit* edit = field(window, qPrintable(fieldName));
            if (paste)
                pasteInto(edit, input);
            else
                typeInto(edit, input);
            clickOk(window);
        });
        QCOMPARE(stored(qPrintable(keyword)), expected);
        // Nothing was refused: every write the dialog tried is in the journal.
        QCOMPARE(Host::instance().styleWriteCount(), quint64(Host::instance().journal().size()));
        if (expected == QVariant(5) || expected == QVariant(4) || expected == QVariant(QStringLiteral("hh:mm")))
            QCOMPARE(journalLinesOf(qPrintable(keyword)), QStringList());
        QCOMPARE(stored("FORMATTING"), QVariant(format));
    }

private:
    ValueFormatDialog& open(bool offerRangeBestFloat = false)
    {
        ValueFormatDialog& dialog = ValueFormatDialog::getInstance(m_parent, offerRangeBestFloat,
                                                                   StringList("GLOBALSCATTER", "DATALABELS"), -1, -1);
        m_dialog = &dialog;
        return dialog;
    }

    // Runs the dialog as its callers do; `user` works the form and ends it. A form left open
    // (a check failed on the way) is cancelled, so that the test ends. The host's journal and
    // write count then hold what this run wrote, and nothing of the test's own setting up.
    void run(ValueFormatDialog& dialog, const std::function<void(QWidget&)>& user)
    {
        Host::instance().clearJournal();
        Host::instance().resetStyleCounts();
        ModalDialogAnswerer answerer([&user](QWidget& window) {
            user(window);
            if (window.isVisible())
                clickCancel(window);
        });
        dialog.launch();
        QCOMPARE(answerer.answered(), 1);
        QVERIFY(!dialog.isVisible());
    }
    void run(const std::function<void(QWidget&)>& user) { run(*m_dialog, user); }

    QWidget m_parent;
    QPointer<ValueFormatDialog> m_dialog;
    QLocale m_defaultLocale;
};

QTEST_MAIN(TestValueFormatDialog)
#include "tst_valueformatdialog.moc"
