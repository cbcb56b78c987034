// Relevance that follows property values, alone and combined with the host's inverting and
// any-of relevances.

#include "propertybindings/Property.h"
#include "propertymanager/PropertyDependentRelevance.h"
#include "propertymanager/PropertyPredicateDependentRelevance.h"

#include <kxsdkpropertymanager/InvertingRelevance.h>
#include <kxsdkpropertymanager/RelevanceExpression.h>
#include <styleproperties/UIStylePropertyAbstract.h>

#include <QtTest>

#include <functional>
#include <memory>
#include <string>

using kestrix::Property;
using kestrix::propertymanager::InvertingRelevance;
using kestrix::propertymanager::RelevanceExpression;
using kestrix::propertymanager::RelevanceInterface;
using kestrix::sdk::ui::propertymanager::PropertyDependentRelevance;
using kestrix::sdk::ui::propertymanager::PropertyPredicateDependentRelevance;

namespace {

// Counts the changes that a relevance announces and remembers its answer at each one.
class RelevanceRecorder {
public:
    explicit RelevanceRecorder(const RelevanceInterface& relevance)
        : m_connection(relevance.relevanceChanged().connect([this, &relevance] {
            ++changes;
            lastAnswer = relevance.isRelevant();
        }))
    {
    }
    ~RelevanceRecorder() { m_connection.disconnect(); }

    int changes = 0;
    bool lastAnswer = false;

private:
    boost::signals2::connection m_connection;
};

class TestStyleProperty : public kestrix::UIStylePropertyAbstract<bool> {
public:
    bool value() const override { return m_value; }
    bool isAvailable() const override { return m_available; }
    bool isUniform() const override { return m_uniform; }

    void setAvailable(bool available)
    {
        m_available = available;
        notifyAvailabilityChanged();
    }
    void setUniform(bool uniform)
    {
        m_uniform = uniform;
        notifyUniformityChanged();
    }

protected:
    void assign(const bool& value) override { m_value = value; }

private:
    bool m_value = false;
    bool m_available = true;
    bool m_uniform = true;
};

} // namespace

class TestRelevance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyStringRelevanceAndItsInversion();
    void boolRelevanceFromEachKindOfProperty();
    void styleRelevanceFollowsTheStylePropertyStates();
    void addedRelevantValuesCountAndAreAnnounced();
    void relevanceKeepsASharedPropertyAlive();
    void predicateRelevance();
    void emptyPredicateThrows();
    void expressionOfThreeOperandsFollowsEveryOperand();
    void expressionStaysUsableAfterConversion();
};

void TestRelevance::emptyStringRelevanceAndItsInversion()
{
    auto pattern = std::make_shared<Property<std::string>>(std::string());
    auto isEmpty = std::make_shared<PropertyDependentRelevance<std::string>>(pattern, std::string());
    InvertingRelevance hasText(isEmpty);
    RelevanceRecorder recorder(hasText);

    QVERIFY(isEmpty->isRelevant());
    QVERIFY(!hasText.isRelevant());

    pattern->setValue("wing*");
    QVERIFY(!isEmpty->isRelevant());
    QVERIFY(hasText.isRelevant());
    QCOMPARE(recorder.changes, 1);
    QVERIFY(recorder.lastAnswer);

    pattern->setValue(" ");
    QVERIFY(hasText.isRelevant());
    QCOMPARE(recorder.changes, 2);

    pattern->setValue("");
    QVERIFY(!hasText.isRelevant());
    QCOMPARE(recorder.changes, 3);
    QVERIFY(!recorder.lastAnswer);

    // An unchanged value announces nothing.
    pattern->setValue("");
    QCOMPARE(recorder.changes, 3);
}

void TestRelevance::boolRelevanceFromEachKindOfProperty()
{
    Property<bool> byReference(false);
    PropertyDependentRelevance<bool> fromReference(byReference, true);
    auto shared = std::make_shared<Property<bool>>(true);
    PropertyDependentRelevance<bool> fromShared(shared, false);
    TestStyleProperty style;
    PropertyDependentRelevance<bool> fromStyle(style, true, false);

    RelevanceRecorder referenceRecorder(fromReference);
    RelevanceRecorder sharedRecorder(fromShared);
    RelevanceRecorder styleRecorder(fromStyle);

    QVERIFY(!fromReference.isRelevant());
    QVERIFY(!fromShared.isRelevant());
    QVERIFY(!fromStyle.isRelevant());

    byReference.setValue(true);
    shared->setValue(false);
    style.setValue(true);
    QVERIFY(fromReference.isRelevant());
    QVERIFY(fromShared.isRelevant());
    QVERIFY(fromStyle.isRelevant());
    QCOMPARE(referenceRecorder.changes, 1);
    QCOMPARE(sharedRecorder.changes, 1);
    QCOMPARE(styleRecorder.changes, 1);

    // Without includeStyleProperty the style property's own states play no part.
    style.setAvailable(false);
    QVERIFY(fromStyle.isRelevant());
    QCOMPARE(styleRecorder.changes, 1);
}

void TestRelevance::styleRelevanceFollowsTheStylePropertyStates()
{
    TestStyleProperty style;
    style.setValue(true);
    PropertyDependentRelevance<bool> relevance(style, true, true);
    RelevanceRecorder recorder(relevance);
    QVERIFY(relevance.isRelevant());

    style.setAvailable(false);
    QCOMPARE(recorder.changes, 1);
    QVERIFY(!recorder.lastAnswer);

    style.setAvailable(true);
    style.setUniform(false);
    QCOMPARE(recorder.changes, 3);
    QVERIFY(!relevance.isRelevant());

    style.setUniform(true);
    QVERIFY(relevance.isRelevant());
    // The value still decides first.
    style.setValue(false);
    QVERIFY(!relevance.isRelevant());
    QCOMPARE(recorder.changes, 5);
}

void TestRelevance::addedRelevantValuesCountAndAreAnnounced()
{
    auto mode = std::make_shared<Property<std::string>>(std::string("contour"));
    PropertyDependentRelevance<std::string> relevance(mode, std::string("mesh"));
    RelevanceRecorder recorder(relevance);
    QVERIFY(!relevance.isRelevant());

    relevance.addRelevantValue("contour");
    QVERIFY(relevance.isRelevant());
    QCOMPARE(recorder.changes, 1);
    relevance.addRelevantValue("contour");
    QCOMPARE(recorder.changes, 1);

    mode->setValue("mesh");
    QVERIFY(relevance.isRelevant());
    mode->setValue("shade");
    QVERIFY(!relevance.isRelevant());
}

void TestRelevance::relevanceKeepsASharedPropertyAlive()
{
    auto property = std::make_shared<Property<bool>>(true);
    std::weak_ptr<Property<bool>> watcher = property;
    auto relevance = std::make_unique<PropertyDependentRelevance<bool>>(property, true);
    property.reset();
    QVERIFY(!watcher.expired());
    QVERIFY(relevance->isRelevant());
    relevance.reset();
    QVERIFY(watcher.expired());
}

void TestRelevance::predicateRelevance()
{
    auto name = std::make_shared<Property<std::string>>(std::string("x"));
    PropertyPredicateDependentRelevance<std::string> longName(
        name, [](const std::string& value) { return value.size() > 3; });
    RelevanceRecorder recorder(longName);
    QVERIFY(!longName.isRelevant());
    name->setValue("outlet");
    QVERIFY(longName.isRelevant());
    QCOMPARE(recorder.changes, 1);
}

void TestRelevance::emptyPredicateThrows()
{
    auto name = std::make_shared<Property<std::string>>(std::string());
    PropertyPredicateDependentRelevance<std::string> relevance(name, {});
    QVERIFY_THROWS_EXCEPTION(std::bad_function_call, relevance.isRelevant());
}

void TestRelevance::expressionOfThreeOperandsFollowsEveryOperand()
{
    auto first = std::make_shared<Property<bool>>(false);
    auto second = std::make_shared<Property<std::string>>(std::string("a"));
    auto third = std::make_shared<Property<std::string>>(std::string("b"));
    const std::shared_ptr<const RelevanceInterface> expression =
        RelevanceExpression(std::make_shared<PropertyDependentRelevance<bool>>(first, true))
            .oor(std::make_shared<PropertyDependentRelevance<std::string>>(second, std::string("yes")))
            .oor(std::make_shared<PropertyPredicateDependentRelevance<std::string>>(
                third, [second](const std::string& value) { return value == second->value(); }));
    RelevanceRecorder recorder(*expression);
    QVERIFY(!expression->isRelevant());

    third->setValue("a");
    QCOMPARE(recorder.changes, 1);
    QVERIFY(recorder.lastAnswer);

    // The third operand reads the second property without observing it; a change of the second
    // still re-evaluates the whole expression through the second operand.
    second->setValue("c");
    QCOMPARE(recorder.changes, 2);
    QVERIFY(!recorder.lastAnswer);

    first->setValue(true);
    QCOMPARE(recorder.changes, 3);
    QVERIFY(recorder.lastAnswer);

    second->setValue("yes");
    QCOMPARE(recorder.changes, 4);
    QVERIFY(recorder.lastAnswer);

    first->setValue(false);
    QVERIFY(expression->isRelevant());
    second->setValue("no");
    QVERIFY(!expression->isRelevant());
    QCOMPARE(recorder.changes, 6);
}

void TestRelevance::expressionStaysUsableAfterConversion()
{
    auto first = std::make_shared<Property<bool>>(false);
    auto second = std::make_shared<Property<bool>>(false);
    RelevanceExpression builder(std::make_shared<PropertyDependentRelevance<bool>>(first, true));
    const std::shared_ptr<const RelevanceInterface> expression = builder;
    RelevanceRecorder recorder(*expression);

    builder.oor(std::make_shared<PropertyDependentRelevance<bool>>(second, false));
    QCOMPARE(recorder.changes, 1);
    QVERIFY(recorder.lastAnswer);
    QVERIFY(expression->isRelevant());
}

QTEST_APPLESS_MAIN(TestRelevance)
#include "tst_relevance.moc"
