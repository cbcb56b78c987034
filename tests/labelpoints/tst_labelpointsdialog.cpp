// The label dialog driven as a user drives it: its two faces, what is enabled when, what each
// control writes into the host, and how it follows the host's notifications.

#include "dialogs/labelpoints/LabelPointsDialog.h"
#include "hostsim/Host.h"
#include "support/ModalDialogAnswerer.h"
#include "support/StyleWrites.h"
#include "support/TestScenes.h"
#include "support/TestStateChangeEvent.h"

#include <kxsdkdialogs_prompt_qt/ColorChooserDialog.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::LabelPointsDialog;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::TestScenes;
using kestrix::testing::TestStateChangeEvent;
using kestrix::testing::writeStyle;

namespace {

// Frame 1: a 2D field plot whose first variable is disabled; frame 2: an x-y plot; frame 3: a
// polar plot; frame 4: a field plot without data.
const QByteArray Scene = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Field", "plotType": 2, "variables": ["X", "Y", "P", "T"], "enabledVariables": [2, 3, 4],
      "zones": [ { "name": "plate", "imax": 3, "jmax": 3 } ] },
    { "name": "Curves", "plotType": 3, "variables": ["X", "Y"],
      "zones": [ { "name": "line", "imax": 5 } ], "lineMaps": [ { "zone": 1, "x": 1, "y": 2 } ] },
    { "name": "Round", "plotType": 5, "variables": ["Theta", "R"],
      "zones": [ { "name": "ring", "imax": 5 } ], "lineMaps": [ { "zone": 1, "x": 1, "y": 2 } ] },
    { "name": "Blank", "plotType": 2 } ] } ],
  "current": { "page": 1, "frame": 1 } })");

QVariant fieldLabel(const char* keyword, const char* subKeyword = nullptr)
{
    QStringList path{QStringLiteral("GLOBALSCATTER"), QStringLiteral("DATALABELS"), QString::fromLatin1(keyword)};
    if (subKeyword)
        path.append(QString::fromLatin1(subKeyword));
    return Host::instance().styleValue(path);
}

QVariant lineLabel(const char* keyword)
{
    return Host::instance().styleValue({"GLOBALLINEPLOT", "DATALABELS", QString::fromLatin1(keyword)});
}

} // namespace

class TestLabelPointsDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_mainWindow.show(); }

    void init()
    {
        QVERIFY(TestScenes::load(Scene));
        m_dialog.reset(&LabelPointsDialog::getInstance(m_mainWindow));
        m_dialog->launch();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup() { m_dialog.reset(); }

    void theFaceFollowsTheCurrentFrame()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Label Points and Cells"));
        QCOMPARE(child<QStackedWidget>("dataLabels_Show_Marker")->currentWidget()->objectName(),
                 QStringLiteral("dataLabels_ShowField_Form"));

        QVERIFY(Host::instance().setCurrentFrame(2));
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Label Points"));
        QCOMPARE(child<QStackedWidget>("dataLabels_Show_Marker")->currentWidget()->objectName(),
                 QStringLiteral("dataLabels_ShowXY_Form"));
        QCOMPARE(child<QRadioButton>("dataLabels_ShowXYShowPair_RadioButton")->text(),
                 QStringLiteral("Sho&w X,Y Value Pair"));
        // Writes go to the line plots' labels, not to those of the field plot shown before.
        clickBox("dataLabels_ShowXYNodeLabels_ToggleButton");
        QCOMPARE(lineLabel("SHOWNODELABELS").toInt(), 1);
        QCOMPARE(fieldLabel("SHOWNODELABELS").toInt(), 0);

        QVERIFY(Host::instance().setCurrentFrame(3));
        QCOMPARE(child<QRadioButton>("dataLabels_ShowXYShowPair_RadioButton")->text(),
                 QStringLiteral("Sho&w Theta,R Value Pair"));
    }

    void withLabelsOffOnlyTheShowTogglesAreEnabled()
    {
        int enabled = 0;
        auto* buttons = child<QDialogButtonBox>("buttonBox");
        for (QWidget* widget : m_dialog->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(m_dialog.get()) || !widget->isEnabled() || widget->objectName().isEmpty()
                || buttons->isAncestorOf(widget) || qobject_cast<QStackedWidget*>(widget)
                || widget->objectName().startsWith(QLatin1String("qt_")) || !widget->focusPolicy())
                continue;
            QVERIFY2(widget->objectName() == QLatin1String("dataLabels_ShowFieldNodeLabels_ToggleButton")
                         || widget->objectName() == QLatin1String("dataLabels_ShowFieldCellLabels_ToggleButton"),
                     qPrintable(widget->objectName()));
            ++enabled;
        }
        QCOMPARE(enabled, 2);
        QVERIFY(buttons->button(QDialogButtonBox::Close)->isEnabled());

        clickBox("dataLabels_ShowFieldCellLabels_ToggleButton");
        QCOMPARE(fieldLabel("SHOWCELLLABELS").toInt(), 1);
        QVERIFY(child<QRadioButton>("dataLabels_ShowFieldCellIndexValue_RadioButton")->isEnabled());
        QVERIFY(!child<QRadioButton>("dataLabels_ShowFieldNodeIndexValue_RadioButton")->isEnabled());
        QVERIFY(child<QLineEdit>("dataLabels_ShowFieldSkip_1Text")->isEnabled());
    }

    void colouringByZoneDisablesTheColourOnly()
    {
        writeStyle({"GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS"}, 1);
        clickBox("dataLabels_ColorByZoneMap_ToggleButton");
        QCOMPARE(fieldLabel("COLORBYZONEMAP").toInt(), 1);
        QVERIFY(!child<QPushButton>("dataLabels_Color_ColorAndTextButton")->isEnabled());
        QVERIFY(!child<QLabel>("dataLabels_Color_Label")->isEnabled());
        QVERIFY(child<QFontComboBox>("dataLabels_FontFamily_ComboBox")->isEnabled());
        QVERIFY(child<QDoubleSpinBox>("dataLabels_FontSize_SpinBox")->isEnabled());
    }

    void skipModesAndTheDistance()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        writeStyle({"GLOBALLINEPLOT", "DATALABELS", "SHOWNODELABELS"}, 1);
        writeStyle({"GLOBALLINEPLOT", "DATALABELS", "DISTANCESKIP"}, 2.5);
        auto* index = child<QLineEdit>("dataLabels_ShowXYIndexSkip_1Text");
        auto* distance = child<QLineEdit>("dataLabels_ShowXYDistanceSkip_1Text");
        QCOMPARE(distance->text(), QStringLiteral("2.5"));
        QVERIFY(index->isEnabled());
        clickBox("dataLabels_ShowXYSkipByDist_RadioButton");
        QCOMPARE(lineLabel("SKIPMODE").toInt(), 1);
        QVERIFY(!index->isEnabled());
        QVERIFY(distance->isEnabled());

        typeInto(distance, QStringLiteral("7.25"));
        QCOMPARE(lineLabel("DISTANCESKIP").toDouble(), 7.25);
        typeInto(distance, QStringLiteral("4,5"));
        QCOMPARE(lineLabel("DISTANCESKIP").toDouble(), 4.5);
    }

    // When the host refuses a write, the dialog goes back to showing what the host holds.
    void aRefusedWriteShowsTheStoredSettingAgain()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        writeStyle({"GLOBALLINEPLOT", "DATALABELS", "SHOWNODELABELS"}, 1);
        writeStyle({"GLOBALLINEPLOT", "DATALABELS", "DISTANCESKIP"}, 2.5);
        auto* box = child<QAbstractButton>("dataLabels_IncludeBox_ToggleButton");
        QVERIFY(!box->isChecked());
        auto* byIndex = child<QRadioButton>("dataLabels_ShowXYSkipByIndex_RadioButton");
        QVERIFY(byIndex->isChecked());
        auto* distance = child<QLineEdit>("dataLabels_ShowXYDistanceSkip_1Text");

        Host::instance().failNext(Host::Fault::StyleWrite, 1);
        clickBox("dataLabels_IncludeBox_ToggleButton");
        QCOMPARE(lineLabel("INCLUDEBOX").toInt(), 0);
        QVERIFY(!box->isChecked());

        Host::instance().failNext(Host::Fault::StyleWrite, 1);
        clickBox("dataLabels_ShowXYSkipByDist_RadioButton");
        QCOMPARE(lineLabel("SKIPMODE").toInt(), 0);
        QVERIFY(byIndex->isChecked());
        QVERIFY(child<QLineEdit>("dataLabels_ShowXYIndexSkip_1Text")->isEnabled());

        clickBox("dataLabels_ShowXYSkipByDist_RadioButton");
        Host::instance().failNext(Host::Fault::StyleWrite, 1);
        typeInto(distance, QStringLiteral("7.25"));
        QCOMPARE(lineLabel("DISTANCESKIP").toDouble(), 2.5);
        QCOMPARE(distance->text(), QStringLiteral("2.5"));
        QCOMPARE(Host::instance().pendingFailures(Host::Fault::StyleWrite), 0);
    }

    // Keys the field refuses never arrive; what arrives is written when it is a skip the host
    // takes, and else the stored skip is shown again.
    void typedSkipsAreWholeNumbersTheHostTakes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("whole number") << "12" << 12;
        QTest::newRow("empty") << "" << 3;
        QTest::newRow("letters") << "abc" << 3;
        QTest::newRow("negative") << "-4" << 4;
        QTest::newRow("exponent") << "1e400" << 1400;
        QTest::newRow("beyond the host's integers") << "99999999999999" << 3;
        QTest::newRow("ten thousand digits") << QString(10000, QLatin1Char('9')) << 3;
    }

    void typedSkipsAreWholeNumbersTheHostTakes()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        writeStyle({"GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS"}, 1);
        writeStyle({"GLOBALSCATTER", "DATALABELS", "INDEXSKIP"}, 3);
        auto* field = child<QLineEdit>("dataLabels_ShowFieldSkip_1Text");
        typeInto(field, typed);
        QCOMPARE(fieldLabel("INDEXSKIP").toInt(), stored);
        if (typed.size() > 10)
            QCOMPARE(field->text(), QStringLiteral("3"));
    }

    void typedDistancesStayWithinTheHostsRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::newRow("decimal") << "2.5" << 2.5;
        QTest::newRow("decimal comma") << "2,5" << 2.5;
        QTest::newRow("above 100") << "150" << 5.0;
        QTest::newRow("empty") << "" << 5.0;
        QTest::newRow("letters") << "far" << 5.0;
        QTest::newRow("exponent") << "1e400" << 5.0;
        QTest::newRow("ten thousand digits") << QString(10000, QLatin1Char('1')) << 5.0;
    }

    void typedDistancesStayWithinTheHostsRange()
    {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        QVERIFY(Host::instance().setCurrentFrame(2));
        writeStyle({"GLOBALLINEPLOT", "DATALABELS", "SHOWNODELABELS"}, 1);
        writeStyle({"GLOBALLINEPLOT", "DATALABELS", "DISTANCESKIP"}, 5);
        QLocale::setDefault(QLocale(QLocale::German));
        typeInto(child<QLineEdit>("dataLabels_ShowXYDistanceSkip_1Text"), typed);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(lineLabel("DISTANCESKIP").toDouble(), stored);
    }

    void aVariableLabelTakesTheFirstEnabledVariableInOneStep()
    {
        writeStyle({"GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS"}, 1);
        QCOMPARE(fieldLabel("NODELABELVAR").toInt(), 0);
        auto* variables = child<QComboBox>("dataLabels_ShowFieldNodeVariable_DDSelect");
        QCOMPARE(variables->count(), 3);
        QCOMPARE(variables->currentIndex(), -1);
        const int steps = Host::instance().undoStepCount();
        clickBox("dataLabels_ShowFieldNodeVarValue_RadioButton");
        QCOMPARE(fieldLabel("NODELABELVAR").toInt(), 2);
        QCOMPARE(fieldLabel("NODELABELTYPE").toInt(), 1);
        QCOMPARE(Host::instance().undoStepCount(), steps + 1);
        QCOMPARE(Host::instance().appLockDepth(), 0);
        QCOMPARE(variables->currentText(), QStringLiteral("Y"));
        QVERIFY(variables->isEnabled());
        QVERIFY(child<QPushButton>("dataLabels_NumberFormat_Button")->isEnabled());

        variables->setCurrentIndex(2);
        QCOMPARE(fieldLabel("NODELABELVAR").toInt(), 4);
    }

    void withoutTheHostsVariablesNothingIsWritten()
    {
        QVERIFY(Host::instance().setCurrentFrame(4));
        writeStyle({"GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS"}, 1);
        Host::instance().clearJournal();
        clickBox("dataLabels_ShowFieldNodeVarValue_RadioButton");
        QVERIFY(Host::instance().journal().isEmpty());
        QVERIFY(child<QRadioButton>("dataLabels_ShowFieldNodeIndexValue_RadioButton")->isChecked());
    }

    void theSizeBoxFollowsTheUnits()
    {
        writeStyle({"GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS"}, 1);
        auto* size = child<QDoubleSpinBox>("dataLabels_FontSize_SpinBox");
        writeStyle({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"}, 1);
        writeStyle({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "HEIGHT"}, 150);
        QCOMPARE(size->suffix(), QStringLiteral("%"));
        QCOMPARE(size->decimals(), 3);
        // One range per unit in every dialog: frame percent goes to 200.
        QCOMPARE(size->maximum(), 200.0);
        QCOMPARE(size->value(), 150.0);

        writeStyle({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"}, 2);
        QCOMPARE(size->suffix(), QStringLiteral("pt."));
        QCOMPARE(size->minimum(), 0.5);
        QCOMPARE(size->maximum(), 2500.0);
        size->setValue(14.5);
        QCOMPARE(fieldLabel("TEXTSHAPE", "HEIGHT").toDouble(), 14.5);

        // Units the dialog does not know leave the box as it was, without a suffix.
        writeStyle({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"}, 3);
        QCOMPARE(size->suffix(), QString());
        QCOMPARE(size->decimals(), 4);
        QCOMPARE(size->maximum(), 2500.0);
    }

    void theColourIsWrittenOnlyWhenChosenForTheSameFrame()
    {
        writeStyle({"GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS"}, 1);
        auto* button = child<QPushButton>("dataLabels_Color_ColorAndTextButton");
        {
            ModalDialogAnswerer chooser([](QWidget& window) {
                auto* dialog = qobject_cast<kestrix::dialogs::prompt::ColorChooserDialog*>(&window);
                QVERIFY(dialog);
                dialog->setSelectedColor(3);
                dialog->accept();
            });
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(chooser.answered(), 1);
        }
        QCOMPARE(fieldLabel("COLOR").toInt(), 3);
        QCOMPARE(button->text(), kestrix::dialogs::prompt::ColorChooserDialog::colorToString(3, true));
        {
            ModalDialogAnswerer chooser([](QWidget& window) {
                auto* dialog = qobject_cast<kestrix::dialogs::prompt::ColorChooserDialog*>(&window);
                QVERIFY(dialog);
                QVERIFY(Host::instance().setCurrentFrame(4));
                dialog->setSelectedColor(5);
                dialog->accept();
            });
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(fieldLabel("COLOR").toInt(), 0);
        QVERIFY(Host::instance().setCurrentFrame(1));
        QCOMPARE(fieldLabel("COLOR").toInt(), 3);
    }

    void theFontAndFormatButtonsOpenTheirDialogsOnTheseLabels()
    {
        writeStyle({"GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS"}, 1);
        writeStyle({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"}, 2);
        writeStyle({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "HEIGHT"}, 14);
        for (const char* button : {"dataLabels_Font_Button", "dataLabels_NumberFormat_Button"}) {
            QString title;
            ModalDialogAnswerer dialog([&title](QWidget& window) {
                title = window.windowTitle();
                qobject_cast<QDialog*>(&window)->reject();
            });
            child<QAbstractButton>(button)->setEnabled(true);
            QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
            QCOMPARE(dialog.answered(), 1);
            QVERIFY2(title == QLatin1String("Select Font") || title == QLatin1String("Specify Number Format"),
                     qPrintable(title));
        }
        QCOMPARE(fieldLabel("TEXTSHAPE", "HEIGHT").toDouble(), 14.0);
    }

    void hostNotificationsRefreshOrClose()
    {
        writeStyle({"GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS"}, 1);
        writeStyle({"GLOBALSCATTER", "DATALABELS", "INCLUDEBOX"}, 1);
        QVERIFY(child<QCheckBox>("dataLabels_IncludeBox_ToggleButton")->isChecked());
        clickBox("dataLabels_IncludeBox_ToggleButton");
        QCOMPARE(fieldLabel("INCLUDEBOX").toInt(), 0);

        TestStateChangeEvent::send(12);
        QVERIFY(m_dialog->isVisible());
        TestStateChangeEvent::send(15);
        QVERIFY(!m_dialog->isVisible());

        m_dialog->launch();
        QVERIFY(m_dialog->isVisible());
        Host::instance().clearScene();
        QVERIFY(!m_dialog->isVisible());
    }

private:
    // A click on the box of a check box or radio button, where a user clicks.
    void clickBox(const char* name) const
    {
        auto* button = child<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    template <typename Widget> Widget* child(const char* name) const
    {
        auto* widget = m_dialog->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    // Types into a field and leaves it, as a user does: the field reports its edit finished.
    void typeInto(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        if (text.size() > 100)
            field->insert(text);
        else
            QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    QMainWindow m_mainWindow;
    std::unique_ptr<LabelPointsDialog> m_dialog;
};

QTEST_MAIN(TestLabelPointsDialog)
#include "tst_labelpointsdialog.moc"
