// Observable properties: equality stops propagation, validation guards the value, observers
// run synchronously in connection order.

#include "propertybindings/Property.h"

#include <QtTest>

#include <set>
#include <string>
#include <vector>

using kestrix::InvalidPropertyValueException;
using kestrix::Property;
using kestrix::ValidationResult;

namespace {

// A property that refuses negative numbers, as a property with its own validation would.
class NonNegativeProperty : public Property<int> {
public:
    using Property<int>::Property;
    ValidationResult validate(const int& candidate) const override
    {
        if (candidate < 0)
            return ValidationResult(false, "The value must not be negative");
        return ValidationResult();
    }
};

} // namespace

class TestProperties : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settingTheSameTextTwiceEmitsOnce();
    void setsCompareWholeSetsWhateverTheInsertionOrder();
    void aRejectedValueThrowsAndLeavesTheProperty();
    void observersRunInConnectionOrderWithTheNewValue();
    void anObserverThatSetsThePropertyAgainStops();
    void disconnectedObserversAreNotCalled();
};

void TestProperties::settingTheSameTextTwiceEmitsOnce()
{
    Property<std::string> property(std::string("start"));
    std::vector<std::string> seen;
    property.valueChanged().connect([&seen](const std::string& value) { seen.push_back(value); });

    property.setValue("abc");
    property.setValue("abc");
    QCOMPARE(seen.size(), std::size_t(1));
    QCOMPARE(seen.front(), std::string("abc"));
    QCOMPARE(property.value(), std::string("abc"));

    property.setValue("start");
    QCOMPARE(seen.size(), std::size_t(2));
}

void TestProperties::setsCompareWholeSetsWhateverTheInsertionOrder()
{
    Property<std::set<std::string>> property(std::set<std::string>{"&ZN&", "&M#&"});
    int emissions = 0;
    property.valueChanged().connect([&emissions](const std::set<std::string>&) { ++emissions; });

    std::set<std::string> sameMembers;
    sameMembers.insert("&M#&");
    sameMembers.insert("&ZN&");
    sameMembers.insert("&M#&");
    property.setValue(sameMembers);
    QCOMPARE(emissions, 0);

    property.setValue({"&ZN&"});
    QCOMPARE(emissions, 1);
    property.setValue({"&ZN&", "&M#&"});
    QCOMPARE(emissions, 2);
    property.setValue({});
    QCOMPARE(emissions, 3);
    QVERIFY(property.value().empty());
}

void TestProperties::aRejectedValueThrowsAndLeavesTheProperty()
{
    NonNegativeProperty property(5);
    int emissions = 0;
    property.valueChanged().connect([&emissions](int) { ++emissions; });

    try {
        property.setValue(-1);
        QFAIL("a negative value was accepted");
    } catch (const InvalidPropertyValueException& exception) {
        QCOMPARE(exception.message(), std::string("The value must not be negative"));
    }
    QCOMPARE(property.value(), 5);
    QCOMPARE(emissions, 0);

    property.setValue(0);
    QCOMPARE(property.value(), 0);
    QCOMPARE(emissions, 1);
}

void TestProperties::observersRunInConnectionOrderWithTheNewValue()
{
    Property<int> property(0);
    std::vector<std::pair<int, int>> calls;
    property.valueChanged().connect([&](int value) { calls.emplace_back(1, value); });
    property.valueChanged().connect([&](int value) {
        // The value is stored before anybody is told.
        QCOMPARE(property.value(), value);
        calls.emplace_back(2, value);
    });

    property.setValue(7);
    QCOMPARE(calls, (std::vector<std::pair<int, int>>{{1, 7}, {2, 7}}));
}

void TestProperties::anObserverThatSetsThePropertyAgainStops()
{
    Property<int> property(0);
    int emissions = 0;
    // Clamps to 10; the re-entrant write of an equal value announces nothing more.
    property.valueChanged().connect([&](int value) {
        ++emissions;
        property.setValue(value > 10 ? 10 : value);
    });

    property.setValue(4);
    QCOMPARE(emissions, 1);
    property.setValue(25);
    QCOMPARE(property.value(), 10);
    QCOMPARE(emissions, 3);
}

void TestProperties::disconnectedObserversAreNotCalled()
{
    Property<bool> property(false);
    int emissions = 0;
    boost::signals2::connection connection = property.valueChanged().connect([&emissions](bool) { ++emissions; });
    property.setValue(true);
    connection.disconnect();
    property.setValue(false);
    QCOMPARE(emissions, 1);
}

QTEST_APPLESS_MAIN(TestProperties)
#include "tst_properties.moc"
