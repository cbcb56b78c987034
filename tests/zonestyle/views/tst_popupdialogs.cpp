#include "dialogs/zonestyle/intern/views/ComboBoxDialog.h"
#include "dialogs/zonestyle/intern/views/ListBoxDialog.h"
#include "dialogs/zonestyle/intern/views/TextEditDialog.h"

#include <common_ui_qt/ComboBoxAutoFilter.h>
#include <common_ui_qt/ListBoxWidget.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views;

namespace {

// Runs `answer` inside the popup's event loop once the popup is the active popup.
void whenPopupShows(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer]() {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        timer->stop();
        timer->deleteLater();
        answer(popup);
    });
    timer->start();
}

// A press outside the popup, delivered as the window system delivers it while a popup is open.
void clickOutside(QWidget* popup)
{
    QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(popup->width() + 40, popup->height() + 40));
}

} // namespace

class TestPopupDialogs : public QObject {
    Q_OBJECT

private slots:
    void textPopupStartsWithTheWholeTextSelected();
    void keysThatAcceptKeepTheTypedText_data();
    void keysThatAcceptKeepTheTypedText();
    void keysThatReject_data();
    void keysThatReject();
    void clickingElsewhereKeepsItAccepted();
    void popupDestroyedWhileRunningReportsRejected();
    void listPopupStartsAtTheCurrentChoiceAndTakesAClickedOne();
    void listPopupTakesTheCurrentRowOnReturn();
    void comboPopupStartsAtTheCurrentChoice();
};

void TestPopupDialogs::textPopupStartsWithTheWholeTextSelected()
{
    TextEditDialog popup(QPoint(10, 10), nullptr, QStringLiteral("wing 4"));
    QString selected;
    bool hadFocus = false;
    whenPopupShows([&](QWidget* shown) {
        auto* lineEdit = shown->findChild<QLineEdit*>(QStringLiteral("lineEdit"));
        selected = lineEdit->selectedText();
        hadFocus = shown->focusWidget() == lineEdit;
        QTest::keyClick(lineEdit, Qt::Key_Return);
    });
    QCOMPARE(popup.run(), int(QDialog::Accepted));
    QCOMPARE(selected, QStringLiteral("wing 4"));
    QVERIFY(hadFocus);
    QVERIFY(!popup.isVisible());
}

void TestPopupDialogs::keysThatAcceptKeepTheTypedText_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Tab") << int(Qt::Key_Tab);
}

void TestPopupDialogs::keysThatAcceptKeepTheTypedText()
{
    QFETCH(int, key);
    TextEditDialog popup(QPoint(10, 10), nullptr, QStringLiteral("old"));
    whenPopupShows([key](QWidget* shown) {
        auto* lineEdit = shown->findChild<QLineEdit*>(QStringLiteral("lineEdit"));
        QTest::keyClicks(lineEdit, QStringLiteral("new text"));
        QTest::keyClick(lineEdit, Qt::Key(key));
    });
    QCOMPARE(popup.run(), int(QDialog::Accepted));
    QCOMPARE(popup.text(), QStringLiteral("new text"));
}

void TestPopupDialogs::keysThatReject_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Cancel") << int(Qt::Key_Cancel);
}

void TestPopupDialogs::keysThatReject()
{
    QFETCH(int, key);
    TextEditDialog popup(QPoint(10, 10), nullptr, QStringLiteral("old"));
    whenPopupShows([key](QWidget* shown) {
        auto* lineEdit = shown->findChild<QLineEdit*>(QStringLiteral("lineEdit"));
        QTest::keyClicks(lineEdit, QStringLiteral("typed"));
        // QTest has no text for the Cancel key; the event is sent as the keyboard would.
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(lineEdit, &press);
    });
    QCOMPARE(popup.run(), int(QDialog::Rejected));
    QVERIFY(!popup.isVisible());
}

void TestPopupDialogs::clickingElsewhereKeepsItAccepted()
{
    TextEditDialog popup(QPoint(10, 10), nullptr, QStringLiteral("old"));
    whenPopupShows([](QWidget* shown) {
        QTest::keyClicks(shown->findChild<QLineEdit*>(QStringLiteral("lineEdit")), QStringLiteral("kept"));
        clickOutside(shown);
    });
    QCOMPARE(popup.run(), int(QDialog::Accepted));
    QCOMPARE(popup.text(), QStringLiteral("kept"));
    QVERIFY(!popup.isVisible());
}

void TestPopupDialogs::popupDestroyedWhileRunningReportsRejected()
{
    auto* owner = new QWidget;
    QPointer<TextEditDialog> popup = new TextEditDialog(QPoint(10, 10), owner, QStringLiteral("x"));
    whenPopupShows([owner](QWidget*) { delete owner; });
    QCOMPARE(popup->run(), int(QDialog::Rejected));
    QVERIFY(popup.isNull());
}

void TestPopupDialogs::listPopupStartsAtTheCurrentChoiceAndTakesAClickedOne()
{
    const QStringList choices{QStringLiteral("Wire frame"), QStringLiteral("Overlay"), QStringLiteral("Hidden line")};
    ListBoxDialog popup(QPoint(20, 20), nullptr, choices, QStringLiteral("Overlay"), 120);
    QCOMPARE(popup.currentRow(), 1);
    QVERIFY(popup.minimumWidth() >= 125);

    whenPopupShows([](QWidget* shown) {
        auto* list = shown->findChild<kestrix::ListBoxWidget*>(QStringLiteral("listBox"));
        const QRect item = list->visualRect(list->model()->index(2, 0));
        QVERIFY(list->viewport()->rect().contains(item.center()));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    });
    QCOMPARE(popup.run(), int(QDialog::Accepted));
    QCOMPARE(popup.currentRow(), 2);
}

void TestPopupDialogs::listPopupTakesTheCurrentRowOnReturn()
{
    const QStringList choices{QStringLiteral("Solid"), QStringLiteral("Dashed"), QStringLiteral("Dotted")};
    ListBoxDialog popup(QPoint(20, 20), nullptr, choices, QStringLiteral("Solid"), 80);
    whenPopupShows([](QWidget* shown) {
        auto* list = shown->findChild<kestrix::ListBoxWidget*>(QStringLiteral("listBox"));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    });
    QCOMPARE(popup.run(), int(QDialog::Accepted));
    QCOMPARE(popup.currentRow(), 2);
}

void TestPopupDialogs::comboPopupStartsAtTheCurrentChoice()
{
    const QStringList choices{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    ComboBoxDialog popup(QPoint(20, 20), nullptr, choices, QStringLiteral("Z"), 90);
    QCOMPARE(popup.currentIndex(), 2);
    QCOMPARE(popup.comboBox()->width(), 105);
    QCOMPARE(popup.width(), 110);
    QCOMPARE(popup.comboBox()->list(), choices);

    whenPopupShows([](QWidget* shown) {
        auto* comboBox = shown->findChild<kestrix::ui::ComboBoxAutoFilter*>(QStringLiteral("comboBox"));
        QCOMPARE(shown->focusWidget(), comboBox);
        comboBox->setCurrentIndex(1);
        QTest::keyClick(comboBox, Qt::Key_Return);
    });
    QCOMPARE(popup.run(), int(QDialog::Accepted));
    QCOMPARE(popup.currentIndex(), 1);
}

QTEST_MAIN(TestPopupDialogs)
#include "tst_popupdialogs.moc"
