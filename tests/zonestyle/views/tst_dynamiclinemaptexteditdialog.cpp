// The line-map name editor: inserting dynamic codes where the user points, the resolved name
// as tooltip, and the editor opened from the Mapping Style table.

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "dialogs/zonestyle/intern/views/DynamicLineMapTextEditDialog.h"
#include "hostsim/Host.h"
#include "propertymanager/DynamicLineMapTextEditPropertiesManager.h"
#include "support/ChildWidget.h"
#include "support/ModalDialogAnswerer.h"
#include "support/TableClicks.h"
#include "support/TestScenes.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkdialogs_common_qt/DialogInitialization.h>
#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <set>
#include <string>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
using kestrix::sdk::ui::dialogs::uicontrols::SelectedRows;
using kestrix::sdk::ui::dialogs::zonestyle::intern::views::DynamicLineMapTextEditDialog;
using kestrix::sdk::ui::propertymanager::DynamicLineMapTextEditPropertiesManager;
using kestrix::testing::child;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::TableClicks;
using kestrix::testing::TestScenes;

namespace {

QLineEdit* lineEditOf(QWidget& popup)
{
    return child<QLineEdit>(popup, "lineEdit");
}

QListView* codesOf(QWidget& popup)
{
    return child<QListView>(popup, "listView");
}

QToolButton* insertButtonOf(QWidget& popup)
{
    return child<QToolButton>(popup, "insertToolButton");
}

QPoint rowOfCode(QListView* codes, const QString& displayText)
{
    const QModelIndexList found =
        codes->model()->match(codes->model()->index(0, 0), Qt::DisplayRole, displayText, 1, Qt::MatchExactly);
    if (found.isEmpty()) {
        qWarning("no code shown as %s", qPrintable(displayText));
        return QPoint(-1, -1);
    }
    return codes->visualRect(found.first()).center();
}

// A click in the list takes the focus from the line edit, as it does for a user.
void chooseCode(QWidget& popup, const QString& displayText)
{
    QListView* codes = codesOf(popup);
    QTest::mouseClick(codes->viewport(), Qt::LeftButton, {}, rowOfCode(codes, displayText));
}

void pressKeys(QLineEdit* lineEdit, Qt::Key key, int times, Qt::KeyboardModifiers modifiers = {})
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(lineEdit, key, modifiers);
}

QString resolvedByHost(int map, const QString& text)
{
    char* resolved = nullptr;
    if (!VexAppLineMapGetIntermediateName(map, text.toUtf8().constData(), &resolved) || !resolved)
        return {};
    const QString name = QString::fromUtf8(resolved);
    VexUtilStringDealloc(&resolved);
    return name;
}

} // namespace

class TestDynamicLineMapTextEditDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void insertingReplacesAStalePartClampedIntoTheText();
    void aStalePartNeverSplitsACharacterOfTwoUnits();
    void insertingWithoutAChosenCodeChangesNothing();

    void opensWithTheWholeNameSelectedWhichAnInsertReplaces();
    void insertsAtTheCursorWithoutSelection();
    void replacesAPartSelectedLeftToRightAfterTheLineEditLostTheFocus();
    void replacesAPartSelectedRightToLeftAfterTheLineEditLostTheFocus();
    void replacesASelectionMadeAfterComingBackToTheLineEdit();
    void doubleClickingACodeInsertsItOnce();
    void insertButtonWithoutAChosenCodeLeavesTheNameAndItsSelection();
    void takesTextTypedJustBeforeTheInsertButton();
    void tooltipShowsTheNameAsTheHostResolvesItForTheEditedMap();
    void tooltipShowsTheTypedTextWhenTheHostResolvesNothing();
    void editsNamesBeyondAscii_data();
    void editsNamesBeyondAscii();
    void escapeRejects();
    void showsEveryCodeWithItsIconsAndHelp();

    void rightClickOnAMapNameRenamesTheMapInOneUndoStep();

private:
    std::unique_ptr<DynamicLineMapTextEditDialog> showEditor(const QString& text, int lineMap = 2);
};

void TestDynamicLineMapTextEditDialog::init()
{
    QVERIFY(TestScenes::load(TestScenes::mixed()));
    QVERIFY(Host::instance().setCurrentFrame(2));
}

void TestDynamicLineMapTextEditDialog::cleanup()
{
    QApplication::closeAllWindows();
}

std::unique_ptr<DynamicLineMapTextEditDialog> TestDynamicLineMapTextEditDialog::showEditor(const QString& text,
                                                                                           int lineMap)
{
    auto editor = std::make_unique<DynamicLineMapTextEditDialog>(QPoint(40, 40), text, lineMap, nullptr);
    editor->show();
    if (!QTest::qWaitForWindowExposed(editor.get()))
        qWarning("the editor did not show");
    return editor;
}

void TestDynamicLineMapTextEditDialog::insertingReplacesAStalePartClampedIntoTheText()
{
    DynamicLineMapTextEditPropertiesManager manager("probe");
    manager.selectedCodes()->setValue({"&M#&"});
    manager.selectionStart()->setValue(3);
    manager.selectionLength()->setValue(40);
    QVERIFY(manager.insertCode());
    QCOMPARE(manager.text()->value(), std::string("pro&M#&"));
    QCOMPARE(manager.selectionStart()->value(), 7);
    QCOMPARE(manager.selectionLength()->value(), 0);

    manager.selectionStart()->setValue(-5);
    manager.selectionLength()->setValue(2);
    QVERIFY(manager.insertCode());
    QCOMPARE(manager.text()->value(), std::string("&M#&o&M#&"));

    manager.selectionStart()->setValue(100);
    QVERIFY(manager.insertCode());
    QCOMPARE(manager.text()->value(), std::string("&M#&o&M#&&M#&"));
}

// "😀" takes two units of the line edit's text; a stale position between them moves before it.
void TestDynamicLineMapTextEditDialog::aStalePartNeverSplitsACharacterOfTwoUnits()
{
    DynamicLineMapTextEditPropertiesManager manager("a\U0001F600b");
    manager.selectedCodes()->setValue({"&M#&"});
    manager.selectionStart()->setValue(2);
    QVERIFY(manager.insertCode());
    QCOMPARE(manager.text()->value(), std::string("a&M#&\U0001F600b"));
    QCOMPARE(manager.selectionStart()->value(), 5);

    manager.selectionStart()->setValue(6);
    manager.selectionLength()->setValue(1);
    QVERIFY(manager.insertCode());
    QCOMPARE(manager.text()->value(), std::string("a&M#&&M#&b"));
    QCOMPARE(manager.selectionStart()->value(), 9);
}

void TestDynamicLineMapTextEditDialog::insertingWithoutAChosenCodeChangesNothing()
{
    DynamicLineMapTextEditPropertiesManager manager("probe");
    manager.selectionStart()->setValue(1);
    manager.selectionLength()->setValue(2);
    QVERIFY(!manager.insertCode());
    QCOMPARE(manager.text()->value(), std::string("probe"));
    QCOMPARE(manager.selectionStart()->value(), 1);
    QCOMPARE(manager.selectionLength()->value(), 2);
}

void TestDynamicLineMapTextEditDialog::opensWithTheWholeNameSelectedWhichAnInsertReplaces()
{
    const auto editor = showEditor(QStringLiteral("second"));
    QLineEdit* lineEdit = lineEditOf(*editor);
    QCOMPARE(lineEdit->selectedText(), QStringLiteral("second"));
    QCOMPARE(editor->focusWidget(), lineEdit);

    chooseCode(*editor, QStringLiteral("Map number"));
    QTest::mouseClick(insertButtonOf(*editor), Qt::LeftButton);
    QCOMPARE(lineEdit->text(), QStringLiteral("&M#&"));
    QCOMPARE(editor->text(), QStringLiteral("&M#&"));
}

void TestDynamicLineMapTextEditDialog::insertsAtTheCursorWithoutSelection()
{
    const auto editor = showEditor(QStringLiteral("ab"));
    QLineEdit* lineEdit = lineEditOf(*editor);
    QTest::keyClick(lineEdit, Qt::Key_Home);
    QTest::keyClick(lineEdit, Qt::Key_Right);

    chooseCode(*editor, QStringLiteral("Zone name"));
    QTest::mouseClick(insertButtonOf(*editor), Qt::LeftButton);
    QCOMPARE(editor->text(), QStringLiteral("a&ZN&b"));

    // The cursor waits right after the code.
    QTest::keyClicks(lineEdit, QStringLiteral("x"));
    QCOMPARE(lineEdit->text(), QStringLiteral("a&ZN&xb"));
}

void TestDynamicLineMapTextEditDialog::replacesAPartSelectedLeftToRightAfterTheLineEditLostTheFocus()
{
    const auto editor = showEditor(QStringLiteral("abcdef"));
    QLineEdit* lineEdit = lineEditOf(*editor);
    QTest::keyClick(lineEdit, Qt::Key_Home);
    pressKeys(lineEdit, Qt::Key_Right, 2);
    pressKeys(lineEdit, Qt::Key_Right, 2, Qt::ShiftModifier);
    QCOMPARE(lineEdit->selectedText(), QStringLiteral("cd"));

    chooseCode(*editor, QStringLiteral("Map number"));
    QVERIFY(!lineEdit->hasFocus());
    QVERIFY(!lineEdit->hasSelectedText());
    QTest::mouseClick(insertButtonOf(*editor), Qt::LeftButton);
    QCOMPARE(editor->text(), QStringLiteral("ab&M#&ef"));
}

void TestDynamicLineMapTextEditDialog::replacesAPartSelectedRightToLeftAfterTheLineEditLostTheFocus()
{
    const auto editor = showEditor(QStringLiteral("abcdef"));
    QLineEdit* lineEdit = lineEditOf(*editor);
    QTest::keyClick(lineEdit, Qt::Key_End);
    pressKeys(lineEdit, Qt::Key_Left, 2);
    pressKeys(lineEdit, Qt::Key_Left, 2, Qt::ShiftModifier);
    QCOMPARE(lineEdit->selectedText(), QStringLiteral("cd"));

    chooseCode(*editor, QStringLiteral("Map number"));
    QVERIFY(!lineEdit->hasFocus());
    QTest::mouseClick(insertButtonOf(*editor), Qt::LeftButton);
    QCOMPARE(editor->text(), QStringLiteral("ab&M#&ef"));
}

// Leaving the line edit without a selection drops nothing; the next selection counts in full.
void TestDynamicLineMapTextEditDialog::replacesASelectionMadeAfterComingBackToTheLineEdit()
{
    const auto editor = showEditor(QStringLiteral("abcdef"));
    QLineEdit* lineEdit = lineEditOf(*editor);
    QTest::keyClick(lineEdit, Qt::Key_End);
    chooseCode(*editor, QStringLiteral("Zone name"));
    QVERIFY(!lineEdit->hasFocus());

    QTest::mouseClick(lineEdit, Qt::LeftButton);
    QTRY_VERIFY(lineEdit->hasFocus());
    QTest::keyClick(lineEdit, Qt::Key_Home);
    QTest::keyClick(lineEdit, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(lineEdit->selectedText(), QStringLiteral("a"));
    QTest::mouseClick(insertButtonOf(*editor), Qt::LeftButton);
    QCOMPARE(editor->text(), QStringLiteral("&ZN&bcdef"));
}

void TestDynamicLineMapTextEditDialog::doubleClickingACodeInsertsItOnce()
{
    const auto editor = showEditor(QStringLiteral("probe"));
    QListView* codes = codesOf(*editor);
    const QPoint row = rowOfCode(codes, QStringLiteral("Zone number"));
    QTest::mouseClick(codes->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(codes->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(editor->text(), QStringLiteral("&Z#&"));
    QCOMPARE(lineEditOf(*editor)->text(), QStringLiteral("&Z#&"));
}

void TestDynamicLineMapTextEditDialog::insertButtonWithoutAChosenCodeLeavesTheNameAndItsSelection()
{
    const auto editor = showEditor(QStringLiteral("wing"));
    QLineEdit* lineEdit = lineEditOf(*editor);
    QTest::keyClick(lineEdit, Qt::Key_Home);
    pressKeys(lineEdit, Qt::Key_Right, 2, Qt::ShiftModifier);
    QTest::mouseClick(insertButtonOf(*editor), Qt::LeftButton);
    QCOMPARE(lineEdit->text(), QStringLiteral("wing"));
    QCOMPARE(lineEdit->selectedText(), QStringLiteral("wi"));
    QCOMPARE(editor->text(), QStringLiteral("wing"));
}

void TestDynamicLineMapTextEditDialog::takesTextTypedJustBeforeTheInsertButton()
{
    const auto editor = showEditor(QStringLiteral("old"));
    QLineEdit* lineEdit = lineEditOf(*editor);
    chooseCode(*editor, QStringLiteral("Zone name"));
    lineEdit->setFocus();
    QTRY_VERIFY(lineEdit->hasFocus());
    QTest::keyClick(lineEdit, Qt::Key_End);
    QTest::keyClicks(lineEdit, QStringLiteral(" at "));
    QTest::mouseClick(insertButtonOf(*editor), Qt::LeftButton);
    QCOMPARE(editor->text(), QStringLiteral("old at &ZN&"));
}

void TestDynamicLineMapTextEditDialog::tooltipShowsTheNameAsTheHostResolvesItForTheEditedMap()
{
    const auto shown = showEditor(QStringLiteral("&M#&"), 4);
    QCOMPARE(lineEditOf(*shown)->toolTip(), QStringLiteral("4"));

    const auto editor = showEditor(QStringLiteral("name"), 2);
    QLineEdit* lineEdit = lineEditOf(*editor);
    QTest::keyClicks(lineEdit, QStringLiteral("&M#&"));
    QCOMPARE(lineEdit->toolTip(), QStringLiteral("2"));
    QTest::keyClicks(lineEdit, QStringLiteral(" of &ZN&"));
    QCOMPARE(lineEdit->toolTip(), resolvedByHost(2, QStringLiteral("&M#& of &ZN&")));
    QCOMPARE(lineEdit->toolTip(), QStringLiteral("2 of probe"));
}

void TestDynamicLineMapTextEditDialog::tooltipShowsTheTypedTextWhenTheHostResolvesNothing()
{
    const auto editor = showEditor(QStringLiteral("name"), 99);
    QLineEdit* lineEdit = lineEditOf(*editor);
    QTest::keyClicks(lineEdit, QStringLiteral("&M#& probe"));
    QCOMPARE(lineEdit->toolTip(), QStringLiteral("&M#& probe"));
}

void TestDynamicLineMapTextEditDialog::editsNamesBeyondAscii_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("expected");
    QTest::newRow("umlaut") << QStringLiteral("Δp über Zone 2") << 3 << 4 << QStringLiteral("über")
                            << QStringLiteral("Δp &ZN& Zone 2");
    QTest::newRow("after umlaut") << QStringLiteral("Δp über Zone 2") << 8 << 4 << QStringLiteral("Zone")
                                  << QStringLiteral("Δp über &ZN& 2");
    QTest::newRow("ideographs") << QStringLiteral("温度") << 1 << 1 << QStringLiteral("度") << QStringLiteral("温&ZN&");
    QTest::newRow("cursor") << QStringLiteral("温度") << 1 << 0 << QString() << QStringLiteral("温&ZN&度");
}

void TestDynamicLineMapTextEditDialog::editsNamesBeyondAscii()
{
    QFETCH(QString, name);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, selected);
    QFETCH(QString, expected);

    const auto unchanged = showEditor(name);
    QTest::keyClick(lineEditOf(*unchanged), Qt::Key_Return);
    QCOMPARE(unchanged->result(), int(QDialog::Accepted));
    QCOMPARE(unchanged->text(), name);

    const auto editor = showEditor(name);
    QLineEdit* lineEdit = lineEditOf(*editor);
    QTest::keyClick(lineEdit, Qt::Key_Home);
    pressKeys(lineEdit, Qt::Key_Right, start);
    pressKeys(lineEdit, Qt::Key_Right, length, Qt::ShiftModifier);
    QCOMPARE(lineEdit->selectedText(), selected);
    chooseCode(*editor, QStringLiteral("Zone name"));
    QTest::mouseClick(insertButtonOf(*editor), Qt::LeftButton);
    QCOMPARE(lineEdit->text(), expected);
    QTest::keyClick(lineEdit, Qt::Key_Return);
    QCOMPARE(editor->text(), expected);
}

void TestDynamicLineMapTextEditDialog::escapeRejects()
{
    DynamicLineMapTextEditDialog editor(QPoint(40, 40), QStringLiteral("first"), 1, nullptr);
    ModalDialogAnswerer answer([](QWidget& popup) {
        chooseCode(popup, QStringLiteral("Map number"));
        QTest::mouseClick(insertButtonOf(popup), Qt::LeftButton);
        QTest::keyClick(lineEditOf(popup), Qt::Key_Escape);
    });
    QCOMPARE(editor.run(), int(QDialog::Rejected));
    QCOMPARE(answer.answered(), 1);
    QVERIFY(!editor.isVisible());
}

void TestDynamicLineMapTextEditDialog::showsEveryCodeWithItsIconsAndHelp()
{
    QVERIFY(!QIcon(QStringLiteral(":/icons/plus.png")).isNull());
    QVERIFY(!QIcon(QStringLiteral(":/icons/help.png")).isNull());

    const auto editor = showEditor(QStringLiteral("first"), 1);
    QVERIFY(!insertButtonOf(*editor)->icon().isNull());
    QListView* codes = codesOf(*editor);
    QCOMPARE(codes->model()->rowCount(), 9);
    QCOMPARE(codes->verticalScrollBar()->maximum(), 0);
    QCOMPARE(codes->horizontalScrollBar()->maximum(), 0);

    QTest::mouseClick(child<QToolButton>(*editor, "helpToolButton"), Qt::LeftButton);
    QCOMPARE(kestrix::dialogs::common::lastShownHelpPage(), std::string("enter_mapping_name.html"));
}

void TestDynamicLineMapTextEditDialog::rightClickOnAMapNameRenamesTheMapInOneUndoStep()
{
    ZoneStyleDialog::setAvailableMappingStyleTabs(ZoneStyleDialog::defaultAvailableMappingTabs());
    QMainWindow mainWindow;
    mainWindow.show();
    std::unique_ptr<ZoneStyleDialog> dialog(
        &ZoneStyleDialog::getInstance(mainWindow, kestrix::dialogs::common::DialogInitialization_None));
    dialog->launch();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* lineTabs = dialog->findChild<QTabWidget*>(QStringLiteral("plotAttr_LP_PageGroup"));
    QVERIFY(lineTabs);
    auto* table = lineTabs->currentWidget()->findChild<QTableView*>();
    QVERIFY(table);
    QCOMPARE(table->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Map\nName"));
    SelectedRows::replaceSelection(*table->selectionModel(), SelectedRows::runsFromRows({1}));
    const int stepsBefore = Host::instance().undoStepCount();

    QString shownName;
    ModalDialogAnswerer answer([&shownName](QWidget& window) {
        auto* editor = qobject_cast<DynamicLineMapTextEditDialog*>(&window);
        QVERIFY(editor);
        QLineEdit* lineEdit = lineEditOf(*editor);
        shownName = lineEdit->selectedText();
        QTest::keyClick(lineEdit, Qt::Key_End);
        QTest::keyClicks(lineEdit, QStringLiteral(" #"));
        chooseCode(*editor, QStringLiteral("Map number"));
        QTest::mouseClick(insertButtonOf(*editor), Qt::LeftButton);
        QTest::keyClick(lineEdit, Qt::Key_Return);
    });
    TableClicks::rightClick(table, 1, 1);

    QCOMPARE(answer.answered(), 1);
    QCOMPARE(shownName, QStringLiteral("second"));
    QCOMPARE(Host::instance().styleValue({QStringLiteral("LINEMAP"), QStringLiteral("NAME")}, 2).toString(),
             QStringLiteral("second #&M#&"));
    QCOMPARE(Host::instance().styleValue({QStringLiteral("LINEMAP"), QStringLiteral("NAME")}, 1).toString(),
             QStringLiteral("first"));
    QCOMPARE(Host::instance().undoStepCount(), stepsBefore + 1);
}

QTEST_MAIN(TestDynamicLineMapTextEditDialog)
#include "tst_dynamiclinemaptexteditdialog.moc"
