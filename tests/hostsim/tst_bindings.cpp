// The host's binding classes: text-field observer, button, label and list-view bindings, the
// on-idle performer and the relevance combinators.

#include "propertybindings/Property.h"

#include <exception/ExceptionBase.h>
#include <kxsdkpropertybindings_qt/ButtonBinding.h>
#include <kxsdkpropertybindings_qt/LabelPropertyBinding.h>
#include <kxsdkpropertybindings_qt/ListViewPropertyBinding.h>
#include <kxsdkpropertybindings_qt/OnIdleAfterPropertyChangeActionPerformer.h>
#include <kxsdkpropertybindings_qt/QTextFieldListenerInterface.h>
#include <kxsdkpropertybindings_qt/QTextFieldObservable.h>
#include <kxsdkpropertymanager/BooleanPropertyDependentRelevance.h>
#include <kxsdkpropertymanager/InvertingRelevance.h>
#include <kxsdkpropertymanager/RelevanceExpression.h>

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>
#include <string>

using kestrix::Property;
using namespace kestrix::propertybindings;
using namespace kestrix::propertybindings::qwidgetobservable;
using namespace kestrix::propertymanager;

namespace {

class RecordingListener : public QTextFieldListenerInterface {
public:
    void textCommitted(const QString& text) override
    {
        committed << text;
        if (onCommit)
            onCommit();
    }
    void textEdited(const QString& text) override { edited << text; }

    QStringList committed;
    QStringList edited;
    std::function<void()> onCommit;
};

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

    QLineEdit* field = new QLineEdit;
    QLineEdit* other = new QLineEdit;
};

} // namespace

class TestBindings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void observerReportsReturnEvenForTextTheValidatorRefuses();
    void observerReportsLeavingOnlyAfterAnEdit();
    void listenersRemovedWhileBeingToldAreNotCalled();
    void buttonBindingCallsAndFollowsItsRelevance();
    void labelBindingShowsTheProperty();
    void listViewBindingShowsThroughItsFunctionWhileTheViewLives();
    void listViewBindingOwnsWhatItsFunctionHolds();
    void performerRunsOnceAfterABurstAndNotWhileDisabled();
    void relevanceCombinators();
};

void TestBindings::observerReportsReturnEvenForTextTheValidatorRefuses()
{
    Form form;
    form.field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[a-z]{3}")), form.field));
    QTextFieldObservable observable(*form.field);
    RecordingListener listener;
    observable.addListener(&listener);
    QCOMPARE(observable.widget(), form.field);
    QVERIFY(form.showAndFocus());

    // "ab" is only intermediate: QLineEdit stays silent, a binding must still hear of it.
    QTest::keyClicks(form.field, "ab");
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(listener.committed, QStringList{QStringLiteral("ab")});
    QCOMPARE(listener.edited, (QStringList{QStringLiteral("a"), QStringLiteral("ab")}));

    form.field->setText(QStringLiteral("xyz"));
    QCOMPARE(listener.edited.size(), 2);
    // Text set without key strokes is committed when the line edit says editing finished.
    Q_EMIT form.field->editingFinished();
    QCOMPARE(listener.committed, (QStringList{QStringLiteral("ab"), QStringLiteral("xyz")}));
}

void TestBindings::observerReportsLeavingOnlyAfterAnEdit()
{
    Form form;
    QTextFieldObservable observable(*form.field);
    RecordingListener listener;
    observable.addListener(&listener);
    QVERIFY(form.showAndFocus());

    form.other->setFocus();
    QVERIFY(listener.committed.isEmpty());
    form.field->setFocus();
    QTest::keyClicks(form.field, "p");
    QTest::keyClick(form.field, Qt::Key_Tab);
    QCOMPARE(listener.committed, QStringList{QStringLiteral("p")});
    // Return commits even without an edit; leaving after it does not commit again.
    form.field->setFocus();
    QTest::keyClick(form.field, Qt::Key_Return);
    form.other->setFocus();
    QCOMPARE(listener.committed, (QStringList{QStringLiteral("p"), QStringLiteral("p")}));

    observable.removeListener(&listener);
    form.field->setFocus();
    QTest::keyClick(form.field, Qt::Key_Return);
    QCOMPARE(listener.committed.size(), 2);
}

void TestBindings::listenersRemovedWhileBeingToldAreNotCalled()
{
    QLineEdit field;
    auto observable = std::make_unique<QTextFieldObservable>(field);
    RecordingListener first;
    RecordingListener second;
    observable->addListener(&first);
    observable->addListener(&second);
    observable->addListener(&first);
    first.onCommit = [&] { observable->removeListener(&second); };
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(first.committed.size(), 1);
    QVERIFY(second.committed.isEmpty());

    // The observer outlives its line edit without harm, and the line edit its observer.
    auto lineEdit = std::make_unique<QLineEdit>();
    auto orphan = std::make_unique<QTextFieldObservable>(*lineEdit);
    lineEdit.reset();
    QVERIFY(!orphan->widget());
    orphan.reset();
    observable.reset();
    QTest::keyClick(&field, Qt::Key_Return);
}

void TestBindings::buttonBindingCallsAndFollowsItsRelevance()
{
    QPushButton button;
    auto enabled = std::make_shared<Property<bool>>(false);
    int clicks = 0;
    auto binding = std::make_unique<ButtonBinding>(button, [&clicks] { ++clicks; },
                                                   std::make_shared<BooleanPropertyDependentRelevance>(enabled));
    QVERIFY(!button.isEnabled());
    button.click();
    QCOMPARE(clicks, 0);
    enabled->setValue(true);
    QVERIFY(button.isEnabled());
    button.click();
    QCOMPARE(clicks, 1);

    binding.reset();
    button.click();
    enabled->setValue(false);
    QCOMPARE(clicks, 1);
    QVERIFY(button.isEnabled());

    // Without a relevance the enabled state is the owner's.
    button.setEnabled(false);
    ButtonBinding plain(button, [&clicks] { ++clicks; });
    QVERIFY(!button.isEnabled());
}

void TestBindings::labelBindingShowsTheProperty()
{
    auto label = std::make_unique<QLabel>(QStringLiteral("form text"));
    auto text = std::make_shared<Property<std::string>>(std::string("Temp\u00e9rature"));
    LabelPropertyBinding binding(label.get(), text, WidgetUpdateMode_OnCommit);
    QCOMPARE(label->text(), QStringLiteral("Temp\u00e9rature"));
    text->setValue("S&election criteria:");
    QCOMPARE(label->text(), QStringLiteral("S&election criteria:"));
    label.reset();
    text->setValue("gone");
}

void TestBindings::listViewBindingShowsThroughItsFunctionWhileTheViewLives()
{
    auto view = std::make_unique<QListView>();
    int shown = 0;
    const std::unique_ptr<PropertyBindingInterface> binding =
        std::make_unique<ListViewPropertyBinding>(*view, [&shown] { ++shown; });
    QCOMPARE(shown, 0);
    binding->updateWidgetFromProperty();
    binding->updateWidgetFromProperty();
    QCOMPARE(shown, 2);

    view.reset();
    binding->updateWidgetFromProperty();
    QCOMPARE(shown, 2);

    QListView other;
    QVERIFY_THROWS_EXCEPTION(kestrix::InvalidArgumentException, ListViewPropertyBinding(other, {}));
}

// The caller's synchronizer lives as long as the binding through the function's capture.
void TestBindings::listViewBindingOwnsWhatItsFunctionHolds()
{
    QListView view;
    auto held = std::make_shared<int>(0);
    const std::weak_ptr<int> watch = held;
    auto binding = std::make_unique<ListViewPropertyBinding>(view, [held] { ++*held; });
    held.reset();
    QVERIFY(!watch.expired());
    binding->updateWidgetFromProperty();
    QCOMPARE(*watch.lock(), 1);
    binding.reset();
    QVERIFY(watch.expired());
}

void TestBindings::performerRunsOnceAfterABurstAndNotWhileDisabled()
{
    int runs = 0;
    auto performer = std::make_unique<OnIdleAfterPropertyChangeActionPerformer>([&runs] { ++runs; });
    for (int i = 0; i < 10; ++i)
        performer->propertyChanged();
    QVERIFY(performer->isPending());
    QTRY_COMPARE(runs, 1);
    QCoreApplication::processEvents();
    QCOMPARE(runs, 1);
    QVERIFY(!performer->isPending());

    performer->enable(false);
    performer->propertyChanged();
    QVERIFY(!performer->isPending());
    performer->enable(true);
    QCoreApplication::processEvents();
    QCOMPARE(runs, 1);

    // The action may destroy its own performer.
    performer = std::make_unique<OnIdleAfterPropertyChangeActionPerformer>([&] {
        ++runs;
        performer.reset();
    });
    performer->propertyChanged();
    QTRY_VERIFY(!performer);
    QCOMPARE(runs, 2);
}

void TestBindings::relevanceCombinators()
{
    auto a = std::make_shared<Property<bool>>(false);
    auto b = std::make_shared<Property<bool>>(false);
    const std::shared_ptr<const RelevanceInterface> any =
        RelevanceExpression(std::make_shared<BooleanPropertyDependentRelevance>(a))
            .oor(std::make_shared<BooleanPropertyDependentRelevance>(b));
    InvertingRelevance none(any);
    int changes = 0;
    boost::signals2::scoped_connection connection = none.relevanceChanged().connect([&changes] { ++changes; });

    QVERIFY(!any->isRelevant());
    QVERIFY(none.isRelevant());
    b->setValue(true);
    QVERIFY(any->isRelevant());
    QVERIFY(!none.isRelevant());
    a->setValue(true);
    b->setValue(false);
    QVERIFY(any->isRelevant());
    QCOMPARE(changes, 3);

    QVERIFY_THROWS_EXCEPTION(kestrix::InvalidArgumentException, InvertingRelevance(nullptr));
    QVERIFY_THROWS_EXCEPTION(kestrix::InvalidArgumentException, RelevanceExpression(nullptr));
}

QTEST_MAIN(TestBindings)
#include "tst_bindings.moc"
