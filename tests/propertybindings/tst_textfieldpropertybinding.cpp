// A line edit bound to a property: when the text is taken, when it is refused, and what a
// refusal leaves behind.

#include "propertybindings/LineEditPropertyBindingAbstract.h"
#include "propertybindings/Property.h"
#include "propertybindings/TextFieldPropertyBinding.h"

#include <hostsim/Host.h>

#include <QIntValidator>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>
#include <string>

using kestrix::Property;
using kestrix::propertybindings::WidgetUpdateMode_Immediate;
using kestrix::sdk::ui::dialogs::propertybindings::bindingInstalledValidatorName;
using kestrix::sdk::ui::dialogs::propertybindings::TextFieldPropertyBinding;

namespace {

// A window with the bound field and a second field to move the focus to.
class Form : public QWidget {
public:
    Form()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(field);
        layout->addWidget(other);
    }
    bool showAndFocus()
    {
        show();
        activateWindow();
        field->setFocus();
        return QTest::qWaitForWindowActive(this) && field->hasFocus();
    }
    // Replaces the field's text as a user would.
    void type(const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    QLineEdit* field = new QLineEdit;
    QLineEdit* other = new QLineEdit;
};

class PositiveProperty : public Property<int> {
public:
    using Property<int>::Property;
    kestrix::ValidationResult validate(const int& candidate) const override
    {
        return kestrix::ValidationResult(candidate > 0, "The count must be positive");
    }
};

// Accepts upper-case words; lower-case letters are intermediate and fixed up to upper case.
class UpperCaseValidator : public QValidator {
public:
    State validate(QString& text, int&) const override
    {
        if (text.isEmpty() || text != text.toUpper())
            return Intermediate;
        return Acceptable;
    }
    void fixup(QString& text) const override { text = text.toUpper(); }
};

} // namespace

class TestTextFieldPropertyBinding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fieldAndPropertyFollowEachOther();
    void commitsOnReturnAndOnLeavingAnEditedField();
    void immediateModeTakesEveryEdit();
    void refusesTextThatDoesNotConvert_data();
    void refusesTextThatDoesNotConvert();
    void refusalWhileLeavingBringsTheFocusBack();
    void refusesValuesThePropertyRejects();
    void validatorsOfTheOwnerStayAndDecide();
    void mirrorsThePropertysItemState();
};

void TestTextFieldPropertyBinding::fieldAndPropertyFollowEachOther()
{
    Form form;
    auto property = std::make_shared<Property<std::string>>(std::string("Temp\u00e9rature"));
    auto binding = std::make_unique<TextFieldPropertyBinding<std::string>>(*form.field, property);
    QCOMPARE(form.field->text(), QStringLiteral("Temp\u00e9rature"));
    property->setValue("P");
    QCOMPARE(form.field->text(), QStringLiteral("P"));

    binding.reset();
    property->setValue("Q");
    QCOMPARE(form.field->text(), QStringLiteral("P"));
}

void TestTextFieldPropertyBinding::commitsOnReturnAndOnLeavingAnEditedField()
{
    Form form;
    auto property = std::make_shared<Property<std::string>>();
    TextFieldPropertyBinding<std::string> binding(*form.field, property);
    int lockDepthSeen = 0;
    int emissions = 0;
    property->valueChanged().connect([&](const std::string&) {
        ++emissions;
        lockDepthSeen = kestrix::hostsim::Host::instance().appLockDepth();
    });
    QVERIFY(form.showAndFocus());

    form.type("inlet");
    QCOMPARE(property->value(), std::string());
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(property->value(), std::string("inlet"));
    QCOMPARE(emissions, 1);
    QVERIFY(lockDepthSeen > 0);

    // Leaving without an edit takes nothing; leaving after one takes the text.
    form.other->setFocus();
    form.field->setFocus();
    QCOMPARE(emissions, 1);
    form.type("outlet");
    form.other->setFocus();
    QCOMPARE(property->value(), std::string("outlet"));
    QCOMPARE(emissions, 2);
}

void TestTextFieldPropertyBinding::immediateModeTakesEveryEdit()
{
    Form form;
    auto property = std::make_shared<Property<double>>(1.0);
    TextFieldPropertyBinding<double> binding(*form.field, property, WidgetUpdateMode_Immediate);
    QVERIFY(form.showAndFocus());

    form.type("-");
    QCOMPARE(property->value(), 1.0);
    QTest::keyClicks(form.field, "2.50");
    QCOMPARE(property->value(), -2.5);
    // The field keeps the text as typed until it is committed.
    QCOMPARE(form.field->text(), QStringLiteral("-2.50"));
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(form.field->text(), QStringLiteral("-2.5"));
}

void TestTextFieldPropertyBinding::refusesTextThatDoesNotConvert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters") << "abc" << 5 << "5";
    QTest::newRow("leading blank") << " 12" << 5 << "5";
    QTest::newRow("empty") << "" << 5 << "5";
    QTest::newRow("number then letters") << "12abc" << 12 << "12";
}

void TestTextFieldPropertyBinding::refusesTextThatDoesNotConvert()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(QString, shown);
    Form form;
    auto property = std::make_shared<Property<int>>(5);
    TextFieldPropertyBinding<int> binding(*form.field, property);
    QVERIFY(form.showAndFocus());

    form.type(text);
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(property->value(), expected);
    QCOMPARE(form.field->text(), shown);
    QVERIFY(form.field->hasFocus());
}

void TestTextFieldPropertyBinding::refusalWhileLeavingBringsTheFocusBack()
{
    Form form;
    auto property = std::make_shared<Property<int>>(5);
    TextFieldPropertyBinding<int> binding(*form.field, property);
    QVERIFY(form.showAndFocus());

    form.type("x1");
    QTest::keyClick(form.field, Qt::Key_Tab);
    QCOMPARE(property->value(), 5);
    QCOMPARE(form.field->text(), QStringLiteral("5"));
    QTRY_VERIFY(form.field->hasFocus());
    QVERIFY(!form.other->hasFocus());
}

void TestTextFieldPropertyBinding::refusesValuesThePropertyRejects()
{
    Form form;
    auto property = std::make_shared<PositiveProperty>(3);
    TextFieldPropertyBinding<int> binding(*form.field, property);
    QVERIFY(form.showAndFocus());

    form.type("-4");
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(property->value(), 3);
    QCOMPARE(form.field->text(), QStringLiteral("3"));
    form.type("4");
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(property->value(), 4);
}

void TestTextFieldPropertyBinding::validatorsOfTheOwnerStayAndDecide()
{
    Form form;
    auto* installedByABinding = new QIntValidator(form.field);
    installedByABinding->setObjectName(bindingInstalledValidatorName());
    form.field->setValidator(installedByABinding);
    auto count = std::make_shared<Property<int>>(5);
    {
        TextFieldPropertyBinding<int> binding(*form.field, count);
        QVERIFY(!form.field->validator());
    }

    auto* percent = new QIntValidator(0, 100, form.field);
    form.field->setValidator(percent);
    TextFieldPropertyBinding<int> binding(*form.field, count);
    QCOMPARE(form.field->validator(), percent);
    QVERIFY(form.showAndFocus());
    form.type("150");
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(count->value(), 5);
    QCOMPARE(form.field->text(), QStringLiteral("5"));

    // An intermediate text is fixed up by the validator and then taken.
    QLineEdit& nameField = *form.other;
    auto* upperCase = new UpperCaseValidator;
    upperCase->setParent(&nameField);
    nameField.setValidator(upperCase);
    auto name = std::make_shared<Property<std::string>>(std::string("A"));
    TextFieldPropertyBinding<std::string> nameBinding(nameField, name);
    nameField.setFocus();
    QTest::keyClicks(&nameField, "bc");
    QTest::keyClick(&nameField, Qt::Key_Return);
    QCOMPARE(name->value(), std::string("ABC"));
    QCOMPARE(nameField.text(), QStringLiteral("ABC"));
}

void TestTextFieldPropertyBinding::mirrorsThePropertysItemState()
{
    Form form;
    auto property = std::make_shared<Property<std::string>>();
    property->setEnabled(false);
    TextFieldPropertyBinding<std::string> binding(*form.field, property);
    form.show();
    QVERIFY(!form.field->isEnabled());
    property->setEnabled(true);
    QVERIFY(form.field->isEnabled());
    property->setVisible(false);
    QVERIFY(form.field->isHidden());
    property->setVisible(true);
    QVERIFY(form.field->isVisible());
}

QTEST_MAIN(TestTextFieldPropertyBinding)
#include "tst_textfieldpropertybinding.moc"
