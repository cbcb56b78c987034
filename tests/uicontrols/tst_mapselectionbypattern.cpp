// The filter row under the style table, driven as a user drives it.

#include "dialogs/uicontrols/EnterKeySwallowingLineEdit.h"
#include "dialogs/uicontrols/MapSelectionByPattern.h"
#include "propertymanager/MapSelectionByPatternPropertiesManager.h"

#include <kxsdkpropertymanager/RelevanceInterface.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <string>
#include <utility>
#include <vector>

using kestrix::sdk::ui::dialogs::uicontrols::EnterKeySwallowingLineEdit;
using kestrix::sdk::ui::dialogs::uicontrols::MapSelectionByPattern;
using kestrix::sdk::ui::dialogs::uicontrols::SelectOption_s;
using Emission = std::pair<std::string, int>;

namespace {

// A dialog with a default button, as the filter row sits in the style dialog.
class FilterDialog : public QDialog {
public:
    FilterDialog()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(filter);
        layout->addWidget(ok);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, [this] { ++okClicks; });
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(filter, &MapSelectionByPattern::patternChanged, this,
                [this](const std::string& pattern, SelectOption_s option) { emissions.emplace_back(pattern, option); });
    }
    bool showAndFocusPattern()
    {
        show();
        activateWindow();
        filter->patternLineEdit()->setFocus();
        return QTest::qWaitForWindowActive(this) && filter->patternLineEdit()->hasFocus();
    }
    void type(const QString& text) { QTest::keyClicks(filter->patternLineEdit(), text); }

    MapSelectionByPattern* filter = new MapSelectionByPattern;
    QPushButton* ok = new QPushButton(QStringLiteral("OK"));
    int okClicks = 0;
    std::vector<Emission> emissions;
};

} // namespace

class TestMapSelectionByPattern : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formHasItsNamesTextsAndSize();
    void buttonsFollowTheirRelevance();
    void returnAppliesAndNeverReachesTheDefaultButton();
    void applyingTheSamePatternTwiceEmitsOnce();
    void groupsAreMatchedWithOptionTwo();
    void clearOnAnEmptyPatternEmitsNothing();
    void clearingEmitsTheEmptyPatternWithOptionZero();
    void labelFollowsItsProperty();
    void swallowingLineEditKeepsOnlyReturnAndEnter();
    void patternFieldExplainsItselfAndMarksAnInvalidExpression();
};

void TestMapSelectionByPattern::formHasItsNamesTextsAndSize()
{
    MapSelectionByPattern filter;
    QCOMPARE(filter.size(), QSize(539, 26));
    QCOMPARE(filter.windowTitle(), QStringLiteral("Form"));
    auto* label = filter.findChild<QLabel*>(QStringLiteral("mapSelectionByPattern_pattern_label"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Selection &criteria:"));
    QCOMPARE(label->buddy(), filter.patternLineEdit());
    QVERIFY(qobject_cast<EnterKeySwallowingLineEdit*>(
        filter.findChild<QLineEdit*>(QStringLiteral("mapSelectionByPattern_pattern_lineEdit"))));
    QCOMPARE(filter.applyButton()->objectName(), QStringLiteral("mapSelectionByPattern_apply_button"));
    QCOMPARE(filter.applyButton()->text(), QStringLiteral("&Zones"));
    QCOMPARE(filter.groupsButton()->objectName(), QStringLiteral("mapSelectionByPattern_groups_button"));
    QCOMPARE(filter.groupsButton()->text(), QStringLiteral("&Groups"));
    QCOMPARE(filter.clearButton()->objectName(), QStringLiteral("mapSelectionByPattern_clear_button"));
    QCOMPARE(filter.clearButton()->text(), QStringLiteral("C&lear"));
}

void TestMapSelectionByPattern::buttonsFollowTheirRelevance()
{
    FilterDialog host;
    MapSelectionByPattern& filter = *host.filter;
    QVERIFY(host.showAndFocusPattern());
    QVERIFY(!filter.applyButton()->isEnabled());
    QVERIFY(!filter.groupsButton()->isEnabled());
    QVERIFY(!filter.clearButton()->isEnabled());

    // Enabled while typing, so that a click right after typing applies what was typed.
    host.type("wing");
    QVERIFY(filter.applyButton()->isEnabled());
    QVERIFY(filter.groupsButton()->isEnabled());
    QVERIFY(filter.clearButton()->isEnabled());
    QTest::mouseClick(filter.applyButton(), Qt::LeftButton);
    QCOMPARE(host.emissions, (std::vector<Emission>{{"wing", 1}}));
    QVERIFY(!filter.applyButton()->isEnabled());
    QVERIFY(!filter.groupsButton()->isEnabled());
    QVERIFY(filter.clearButton()->isEnabled());

    filter.selectionChanged();
    QVERIFY(filter.applyButton()->isEnabled());
    QVERIFY(filter.groupsButton()->isEnabled());
}

void TestMapSelectionByPattern::returnAppliesAndNeverReachesTheDefaultButton()
{
    FilterDialog host;
    QVERIFY(host.showAndFocusPattern());
    host.filter->applyButton()->setText(QStringLiteral("&Select"));
    host.filter->groupsButton()->hide();

    host.type("^out");
    QTest::keyClick(host.filter->patternLineEdit(), Qt::Key_Return);
    QCOMPARE(host.emissions, (std::vector<Emission>{{"^out", 1}}));
    host.type("let");
    QTest::keyClick(host.filter->patternLineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(host.emissions, (std::vector<Emission>{{"^out", 1}, {"^outlet", 1}}));
    QCOMPARE(host.okClicks, 0);
    QVERIFY(host.isVisible());
    QCOMPARE(host.result(), int(QDialog::Rejected));
}

void TestMapSelectionByPattern::applyingTheSamePatternTwiceEmitsOnce()
{
    FilterDialog host;
    MapSelectionByPattern& filter = *host.filter;
    // The style dialog selects the matching rows, which reports a selection change while the
    // pattern is being applied.
    connect(&filter, &MapSelectionByPattern::patternChanged, &filter, &MapSelectionByPattern::selectionChanged);
    QVERIFY(host.showAndFocusPattern());

    host.type("3");
    QTest::keyClick(filter.patternLineEdit(), Qt::Key_Return);
    QVERIFY(!filter.propertiesManager().applyRelevance()->isRelevant());
    QTest::keyClick(filter.patternLineEdit(), Qt::Key_Return);
    filter.applyButton()->click();
    QCOMPARE(host.emissions, (std::vector<Emission>{{"3", 1}}));
    QCOMPARE(filter.propertiesManager().lastAppliedPattern()->value(), std::string("3"));

    // After the user changes the selection, the same pattern applies again.
    filter.selectionChanged();
    QTest::keyClick(filter.patternLineEdit(), Qt::Key_Return);
    QCOMPARE(host.emissions, (std::vector<Emission>{{"3", 1}, {"3", 1}}));
}

void TestMapSelectionByPattern::groupsAreMatchedWithOptionTwo()
{
    FilterDialog host;
    QVERIFY(host.showAndFocusPattern());
    host.type("2");
    QTest::mouseClick(host.filter->groupsButton(), Qt::LeftButton);
    QCOMPARE(host.emissions, (std::vector<Emission>{{"2", 2}}));
    QVERIFY(!host.filter->groupsButton()->isEnabled());
}

void TestMapSelectionByPattern::clearOnAnEmptyPatternEmitsNothing()
{
    FilterDialog host;
    host.filter->resetPattern();
    host.filter->clearButton()->click();
    QVERIFY(host.emissions.empty());

    // Also after a pattern was typed and taken away again by hand.
    QVERIFY(host.showAndFocusPattern());
    host.type("a");
    QTest::keyClick(host.filter->patternLineEdit(), Qt::Key_Backspace);
    QVERIFY(!host.filter->clearButton()->isEnabled());
    host.filter->resetPattern();
    QVERIFY(host.emissions.empty());
}

void TestMapSelectionByPattern::clearingEmitsTheEmptyPatternWithOptionZero()
{
    FilterDialog host;
    MapSelectionByPattern& filter = *host.filter;
    QVERIFY(host.showAndFocusPattern());
    host.type("inlet");
    QTest::keyClick(filter.patternLineEdit(), Qt::Key_Return);
    filter.selectionChanged();

    QTest::mouseClick(filter.clearButton(), Qt::LeftButton);
    QCOMPARE(host.emissions, (std::vector<Emission>{{"inlet", 1}, {"", 0}}));
    QCOMPARE(filter.patternLineEdit()->text(), QString());
    QVERIFY(filter.propertiesManager().lastAppliedPattern()->value().empty());
    QVERIFY(!filter.propertiesManager().selectionChanged()->value());
    QVERIFY(!filter.clearButton()->isEnabled());
    QVERIFY(!filter.applyButton()->isEnabled());
}

void TestMapSelectionByPattern::labelFollowsItsProperty()
{
    MapSelectionByPattern filter;
    auto* label = filter.findChild<QLabel*>(QStringLiteral("mapSelectionByPattern_pattern_label"));
    filter.setLabelText(QStringLiteral("S&election crit\u00e8res:"));
    QCOMPARE(label->text(), QStringLiteral("S&election crit\u00e8res:"));
    QCOMPARE(filter.propertiesManager().labelText()->value(), std::string("S&election crit\u00e8res:"));
    filter.propertiesManager().pattern()->setValue("zone 1");
    QCOMPARE(filter.patternLineEdit()->text(), QStringLiteral("zone 1"));
}

void TestMapSelectionByPattern::swallowingLineEditKeepsOnlyReturnAndEnter()
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new EnterKeySwallowingLineEdit;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    layout->addWidget(field);
    layout->addWidget(ok);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QSignalSpy returnPressed(field, &QLineEdit::returnPressed);
    QSignalSpy editingFinished(field, &QLineEdit::editingFinished);
    dialog.show();
    dialog.activateWindow();
    field->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QTest::keyClicks(field, "abc");
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(returnPressed.size(), 2);
    QCOMPARE(editingFinished.size(), 2);
    QCOMPARE(field->text(), QStringLiteral("abc"));
    QVERIFY(dialog.isVisible());

    // Every other key still reaches the dialog.
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestMapSelectionByPattern::patternFieldExplainsItselfAndMarksAnInvalidExpression()
{
    FilterDialog dialog;
    QVERIFY(dialog.showAndFocusPattern());
    QLineEdit* field = dialog.filter->patternLineEdit();
    const QString help = field->toolTip();
    QVERIFY(help.contains(QStringLiteral("regular expression")));
    QVERIFY(help.contains(QStringLiteral("any case")));
    QVERIFY(field->placeholderText().contains(QStringLiteral("any case")));
    QVERIFY(field->width() > field->fontMetrics().horizontalAdvance(field->placeholderText()));
    const QColor normalText = field->palette().color(QPalette::Text);

    dialog.type(QStringLiteral("wing ("));
    const QRegularExpression broken(QStringLiteral("wing ("));
    QVERIFY(!broken.isValid());
    QVERIFY2(field->toolTip().contains(broken.errorString()), qPrintable(field->toolTip()));
    QVERIFY(field->toolTip().contains(QStringLiteral("character %1").arg(broken.patternErrorOffset() + 1)));
    QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::red));

    dialog.type(QStringLiteral(")"));
    QCOMPARE(field->toolTip(), help);
    QCOMPARE(field->palette().color(QPalette::Text), normalText);
}

QTEST_MAIN(TestMapSelectionByPattern)
#include "tst_mapselectionbypattern.moc"
