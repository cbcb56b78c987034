// The state behind the filter row: when applying and clearing make sense.

#include "propertymanager/MapSelectionByPatternPropertiesManager.h"

#include <kxsdkpropertymanager/RelevanceInterface.h>

#include <QtTest>

using kestrix::sdk::ui::propertymanager::MapSelectionByPatternPropertiesManager;

class TestMapSelectionByPatternPropertiesManager : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsEmptyWithNothingToDo();
    void applyIsRelevantWhilePatternDiffersFromTheLastApplied();
    void applyIsRelevantAfterASelectionChange();
    void applyRelevanceIsReevaluatedOnEitherPattern();
    void clearIsRelevantWhileThereIsAPattern();
};

void TestMapSelectionByPatternPropertiesManager::startsEmptyWithNothingToDo()
{
    MapSelectionByPatternPropertiesManager manager;
    QVERIFY(manager.pattern()->value().empty());
    QVERIFY(manager.labelText()->value().empty());
    QVERIFY(manager.lastAppliedPattern()->value().empty());
    QVERIFY(!manager.selectionChanged()->value());
    QVERIFY(!manager.applyRelevance()->isRelevant());
    QVERIFY(!manager.clearRelevance()->isRelevant());
}

void TestMapSelectionByPatternPropertiesManager::applyIsRelevantWhilePatternDiffersFromTheLastApplied()
{
    MapSelectionByPatternPropertiesManager manager;
    manager.pattern()->setValue("wing*");
    QVERIFY(manager.applyRelevance()->isRelevant());
    manager.lastAppliedPattern()->setValue("wing*");
    QVERIFY(!manager.applyRelevance()->isRelevant());
    manager.pattern()->setValue("wing");
    QVERIFY(manager.applyRelevance()->isRelevant());
    manager.pattern()->setValue("wing*");
    QVERIFY(!manager.applyRelevance()->isRelevant());
}

void TestMapSelectionByPatternPropertiesManager::applyIsRelevantAfterASelectionChange()
{
    MapSelectionByPatternPropertiesManager manager;
    manager.pattern()->setValue("1");
    manager.lastAppliedPattern()->setValue("1");
    QVERIFY(!manager.applyRelevance()->isRelevant());
    manager.selectionChanged()->setValue(true);
    QVERIFY(manager.applyRelevance()->isRelevant());
    manager.selectionChanged()->setValue(false);
    QVERIFY(!manager.applyRelevance()->isRelevant());
}

void TestMapSelectionByPatternPropertiesManager::applyRelevanceIsReevaluatedOnEitherPattern()
{
    MapSelectionByPatternPropertiesManager manager;
    const auto relevance = manager.applyRelevance();
    int changes = 0;
    bool lastAnswer = false;
    boost::signals2::scoped_connection connection = relevance->relevanceChanged().connect([&] {
        ++changes;
        lastAnswer = relevance->isRelevant();
    });

    manager.pattern()->setValue("inlet");
    QVERIFY(changes >= 1);
    QVERIFY(lastAnswer);

    changes = 0;
    manager.lastAppliedPattern()->setValue("inlet");
    QVERIFY(changes >= 1);
    QVERIFY(!lastAnswer);

    changes = 0;
    manager.selectionChanged()->setValue(true);
    QVERIFY(changes >= 1);
    QVERIFY(lastAnswer);

    changes = 0;
    manager.labelText()->setValue("S&election criteria:");
    QCOMPARE(changes, 0);
}

void TestMapSelectionByPatternPropertiesManager::clearIsRelevantWhileThereIsAPattern()
{
    MapSelectionByPatternPropertiesManager manager;
    const auto relevance = manager.clearRelevance();
    int changes = 0;
    boost::signals2::scoped_connection connection = relevance->relevanceChanged().connect([&] { ++changes; });

    manager.pattern()->setValue("a");
    QVERIFY(relevance->isRelevant());
    QCOMPARE(changes, 1);
    manager.lastAppliedPattern()->setValue("a");
    QVERIFY(relevance->isRelevant());
    QCOMPARE(changes, 1);
    manager.pattern()->setValue("");
    QVERIFY(!relevance->isRelevant());
    QCOMPARE(changes, 2);
}

QTEST_APPLESS_MAIN(TestMapSelectionByPatternPropertiesManager)
#include "tst_mapselectionbypatternpropertiesmanager.moc"
