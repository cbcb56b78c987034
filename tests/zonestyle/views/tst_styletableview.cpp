#include "support/StyleTestLink.h"

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/views/ComboBoxDialog.h"
#include "dialogs/zonestyle/intern/views/ListBoxDialog.h"
#include "dialogs/zonestyle/intern/views/StyleTableView.h"
#include "dialogs/zonestyle/intern/views/TextEditDialog.h"
#include "hostsim/Host.h"
#include "support/ModalDialogAnswerer.h"
#include "support/StyleTestTable.h"
#include "support/TestScenes.h"

#include <common_ui_qt/ComboBoxAutoFilter.h>
#include <common_ui_qt/ListBoxWidget.h>
#include <kxtoolbox/Set.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QtTest>

#include <memory>

using namespace kestrix::sdk::ui::dialogs::zonestyle::intern;
using kestrix::sdk::ui::dialogs::uicontrols::SelectedRows;
using kestrix::testing::FieldTestLink;
using kestrix::testing::LineTestLink;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::TestColumn;
using kestrix::testing::TestScenes;
using views::StyleTableView;

namespace {

enum FieldColumn { GroupColumn, ShowColumn, MeshTypeColumn, ColorColumn, PatternColumn };

const QStringList meshTypes{QStringLiteral("Wire frame"), QStringLiteral("Overlay"), QStringLiteral("Hidden line")};
const QStringList linePatterns{QStringLiteral("Solid"),     QStringLiteral("Dashed"),    QStringLiteral("Dash dot"),
                               QStringLiteral("Dotted"),    QStringLiteral("Long dash"), QStringLiteral("Dash dot dot")};

QVector<TestColumn> fieldColumns()
{
    return {
        {QStringLiteral("Group\nNumber"), TestColumn::Type::Integer, models::EditorKind_TextWithPopup, 0, "GROUP"},
        {QStringLiteral("Show\nMesh"), TestColumn::Type::Boolean, models::EditorKind_Boolean, 0, "MESH", "SHOW"},
        {QStringLiteral("Mesh\nType"), TestColumn::Type::List, models::EditorKind_ListWithPopup, 1, "MESH",
         "MESHTYPE", meshTypes},
        {QStringLiteral("Mesh\nColor"), TestColumn::Type::Color, models::EditorKind_Color, 0, "MESH", "COLOR"},
        {QStringLiteral("Line\nPattern"), TestColumn::Type::List, models::EditorKind_FilteredListWithPopup, 1, "MESH",
         "LINEPATTERN", linePatterns},
    };
}

using Table = kestrix::testing::StyleTestTable;


QLineEdit* lineEditOf(QWidget* popup)
{
    return popup->findChild<QLineEdit*>(QStringLiteral("lineEdit"));
}

SelectedRows::Runs rows(int first, int last)
{
    return SelectedRows::Runs{SelectedRows::Run{first, last}};
}

} // namespace

class TestStyleTableView : public QObject {
    Q_OBJECT

private slots:
    void init();

    void textPopupWritesToEverySelectedRow();
    void textPopupRejectedByEscapeWritesNothing();
    void textPopupClosedByClickingElsewhereWrites();
    void rightClickOnAnUnselectedRowEditsOnlyThatRow();
    void listPopupWritesTheChosenRow();
    void comboPopupWritesTheChosenIndex();
    void lineMapTextPopupEditsTheRawName();
    void popupWriteSkipsRowsDeletedWhileItWasOpen();
    void popupWritesNothingWhenTheTableChangedMeanwhile();
    void refusedWriteChangesNothing();
    void rightClickShowsTheColumnMenu_data();
    void rightClickShowsTheColumnMenu();
    void doubleClickEditsOnlyTheClickedRow();
    void editKeyEditsOnlyTheCurrentRow();
    void storedWidthsComeBackAfterAnotherTable();
    void widthsAreMeasuredAgainWhenTheFirstRowArrives();
};

void TestStyleTableView::init()
{
    QVERIFY(TestScenes::load(TestScenes::mixed()));
}

void TestStyleTableView::textPopupWritesToEverySelectedRow()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    Table table(&link, 1);
    table.selectRows(0, 2);

    QString shownText;
    QString selectedText;
    ModalDialogAnswerer answer([&](QWidget& window) {
        QWidget* popup = &window;
        QVERIFY(qobject_cast<views::TextEditDialog*>(popup));
        shownText = lineEditOf(popup)->text();
        selectedText = lineEditOf(popup)->selectedText();
        QTest::keyClicks(lineEditOf(popup), QStringLiteral("7"));
        QTest::keyClick(lineEditOf(popup), Qt::Key_Return);
    });
    table.rightClick(1, GroupColumn);

    QVERIFY(answer.answered());
    QCOMPARE(shownText, QStringLiteral("2"));
    QCOMPARE(selectedText, shownText);
    QCOMPARE(link.writeCount, 1);
    QCOMPARE(link.writtenRows, (QList<int>{0, 1, 2}));
    for (int map = 1; map <= 3; ++map)
        QCOMPARE(link.readInteger(GroupColumn, map), 7);
    QCOMPARE(link.readInteger(GroupColumn, 4), 2);
    QCOMPARE(link.readInteger(GroupColumn, 5), 1);
    QCOMPARE(table.selectedRows(), rows(0, 2));
}

void TestStyleTableView::textPopupRejectedByEscapeWritesNothing()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    Table table(&link, 1);
    table.selectRows(0, 2);
    ModalDialogAnswerer answer([](QWidget& window) {
        QWidget* popup = &window;
        QTest::keyClicks(lineEditOf(popup), QStringLiteral("9"));
        QTest::keyClick(lineEditOf(popup), Qt::Key_Escape);
    });
    table.rightClick(2, GroupColumn);

    QVERIFY(answer.answered());
    QCOMPARE(link.writeCount, 0);
    QCOMPARE(link.readInteger(GroupColumn, 1), 1);
    QCOMPARE(link.readInteger(GroupColumn, 2), 2);
    QCOMPARE(link.readInteger(GroupColumn, 3), 1);
}

void TestStyleTableView::textPopupClosedByClickingElsewhereWrites()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    Table table(&link, 1);
    table.selectRows(3, 5);
    QWidget* window = table.page.window();
    ModalDialogAnswerer answer([window](QWidget& shown) {
        QWidget* popup = &shown;
        QTest::keyClicks(lineEditOf(popup), QStringLiteral("12"));
        // The click lands on the table's window; while the popup is open it goes to the popup.
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        if (popup->isVisible())
            QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(-20, -20));
    });
    table.rightClick(4, GroupColumn);

    QVERIFY(answer.answered());
    for (int map = 4; map <= 6; ++map)
        QCOMPARE(link.readInteger(GroupColumn, map), 12);
    QCOMPARE(link.readInteger(GroupColumn, 3), 1);
}

void TestStyleTableView::rightClickOnAnUnselectedRowEditsOnlyThatRow()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    Table table(&link, 1);
    table.selectRows(0, 1);
    ModalDialogAnswerer answer([](QWidget& window) {
        QWidget* popup = &window;
        QTest::keyClicks(lineEditOf(popup), QStringLiteral("5"));
        QTest::keyClick(lineEditOf(popup), Qt::Key_Return);
    });
    table.rightClick(4, GroupColumn);

    QVERIFY(answer.answered());
    QCOMPARE(link.writtenRows, QList<int>{4});
    QCOMPARE(link.readInteger(GroupColumn, 5), 5);
    QCOMPARE(link.readInteger(GroupColumn, 1), 1);
    QCOMPARE(link.readInteger(GroupColumn, 2), 2);
}

void TestStyleTableView::listPopupWritesTheChosenRow()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    Table table(&link, 1);
    const int before = link.readInteger(MeshTypeColumn, 1);
    const int current = meshTypes.indexOf(link.index(4, MeshTypeColumn).data().toString());
    QVERIFY(current >= 0);
    table.selectRows(3, 5);

    int startRow = -1;
    ModalDialogAnswerer answer([&](QWidget& window) {
        QWidget* popup = &window;
        auto* listPopup = qobject_cast<views::ListBoxDialog*>(popup);
        QVERIFY(listPopup);
        startRow = listPopup->currentRow();
        auto* list = listPopup->listBox();
        QCOMPARE(list->count(), meshTypes.size());
        const QRect item = list->visualRect(list->model()->index(2, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    });
    table.rightClick(4, MeshTypeColumn);

    QVERIFY(answer.answered());
    QCOMPARE(startRow, current);
    QCOMPARE(link.writtenRole, int(Qt::EditRole));
    QCOMPARE(link.writtenValue, QVariant(2));
    for (int map = 4; map <= 6; ++map)
        QCOMPARE(link.readInteger(MeshTypeColumn, map), 2);
    QCOMPARE(link.readInteger(MeshTypeColumn, 1), before);
}

void TestStyleTableView::comboPopupWritesTheChosenIndex()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    Table table(&link, 1);
    const QString current = link.index(2, PatternColumn).data().toString();
    table.selectRows(1, 2);

    QString editText;
    ModalDialogAnswerer answer([&](QWidget& window) {
        QWidget* popup = &window;
        auto* comboPopup = qobject_cast<views::ComboBoxDialog*>(popup);
        QVERIFY(comboPopup);
        editText = comboPopup->comboBox()->currentText();
        comboPopup->comboBox()->setCurrentIndex(3);
        QTest::keyClick(comboPopup->comboBox(), Qt::Key_Return);
    });
    table.rightClick(2, PatternColumn);

    QVERIFY(answer.answered());
    QCOMPARE(editText, current);
    QCOMPARE(link.writtenValue, QVariant(3));
    QCOMPARE(link.readInteger(PatternColumn, 2), 3);
    QCOMPARE(link.readInteger(PatternColumn, 3), 3);
    QCOMPARE(link.index(1, PatternColumn).data().toString(), QStringLiteral("Dotted"));
    QVERIFY(link.readInteger(PatternColumn, 4) != 3);
}

void TestStyleTableView::lineMapTextPopupEditsTheRawName()
{
    QVERIFY(kestrix::hostsim::Host::instance().setCurrentFrame(2));
    LineTestLink link("LINEMAP", {{QStringLiteral("Map\nName"), TestColumn::Type::Text, models::EditorKind_LineMapText,
                                   0, "NAME"}});
    Table table(&link, 1);
    table.selectRows(1, 2);
    QString shownText;
    ModalDialogAnswerer answer([&](QWidget& window) {
        QWidget* popup = &window;
        shownText = lineEditOf(popup)->text();
        QTest::keyClicks(lineEditOf(popup), QStringLiteral("&ZN& probe"));
        QTest::keyClick(lineEditOf(popup), Qt::Key_Return);
    });
    table.rightClick(2, 0);

    QVERIFY(answer.answered());
    QCOMPARE(shownText, QStringLiteral("&ZN&: &DV&"));
    QCOMPARE(link.readText(0, 2), QStringLiteral("&ZN& probe"));
    QCOMPARE(link.readText(0, 3), QStringLiteral("&ZN& probe"));
    QCOMPARE(link.readText(0, 1), QStringLiteral("first"));
}

void TestStyleTableView::popupWriteSkipsRowsDeletedWhileItWasOpen()
{
    QVERIFY(kestrix::hostsim::Host::instance().setCurrentFrame(2));
    LineTestLink link("LINEMAP", {{QStringLiteral("Map\nName"), TestColumn::Type::Text, models::EditorKind_LineMapText,
                                   0, "NAME"}});
    Table table(&link, 1);
    table.selectRows(1, 3);
    ModalDialogAnswerer answer([](QWidget& window) {
        QWidget* popup = &window;
        kestrix::toolbox::Set doomed;
        doomed.add(3);
        doomed.add(4);
        QVERIFY(VexUtilLineMapDelete(doomed.getRef()));
        QTest::keyClicks(lineEditOf(popup), QStringLiteral("kept"));
        QTest::keyClick(lineEditOf(popup), Qt::Key_Return);
    });
    table.rightClick(2, 0);

    QVERIFY(answer.answered());
    QCOMPARE(link.mapCount(), 2);
    QCOMPARE(link.writtenRows, QList<int>{1});
    QCOMPARE(link.readText(0, 1), QStringLiteral("first"));
    QCOMPARE(link.readText(0, 2), QStringLiteral("kept"));
}

void TestStyleTableView::popupWritesNothingWhenTheTableChangedMeanwhile()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    FieldTestLink otherLink("FIELDMAP", fieldColumns());
    Table table(&link, 1);
    table.selectRows(0, 5);
    ModalDialogAnswerer answer([&](QWidget& window) {
        QWidget* popup = &window;
        // An idle refresh of the dialog moves the view to another tab's table.
        table.setModel(&otherLink, 2);
        table.view->selectAll();
        QTest::keyClicks(lineEditOf(popup), QStringLiteral("30"));
        QTest::keyClick(lineEditOf(popup), Qt::Key_Return);
    });
    table.rightClick(0, GroupColumn);

    QVERIFY(answer.answered());
    QCOMPARE(link.writeCount, 0);
    QCOMPARE(otherLink.writeCount, 0);
    QCOMPARE(link.readInteger(GroupColumn, 1), 1);
}

void TestStyleTableView::refusedWriteChangesNothing()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    link.refuseWrites = true;
    Table table(&link, 1);
    table.selectRows(0, 2);
    const QStringList journal = kestrix::hostsim::Host::instance().journal();
    ModalDialogAnswerer answer([](QWidget& window) {
        QWidget* popup = &window;
        QTest::keyClicks(lineEditOf(popup), QStringLiteral("4"));
        QTest::keyClick(lineEditOf(popup), Qt::Key_Return);
    });
    table.rightClick(1, GroupColumn);

    QVERIFY(answer.answered());
    QCOMPARE(link.writeCount, 1);
    QCOMPARE(kestrix::hostsim::Host::instance().journal(), journal);
    QCOMPARE(link.readInteger(GroupColumn, 2), 2);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(table.selectedRows(), rows(0, 2));
}

void TestStyleTableView::rightClickShowsTheColumnMenu_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::newRow("text") << int(models::EditorKind_Text) << int(TestColumn::Type::Integer);
    QTest::newRow("list") << int(models::EditorKind_List) << int(TestColumn::Type::List);
    QTest::newRow("editable list") << int(models::EditorKind_EditableList) << int(TestColumn::Type::List);
    QTest::newRow("boolean") << int(models::EditorKind_Boolean) << int(TestColumn::Type::Boolean);
    QTest::newRow("colour") << int(models::EditorKind_Color) << int(TestColumn::Type::Color);
}

void TestStyleTableView::rightClickShowsTheColumnMenu()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    const char* kw3 = type == int(TestColumn::Type::Integer) ? nullptr
                      : type == int(TestColumn::Type::Boolean) ? "SHOW"
                      : type == int(TestColumn::Type::Color) ? "COLOR"
                                                             : "MESHTYPE";
    FieldTestLink link("FIELDMAP", {{QStringLiteral("Group\nNumber"), TestColumn::Type::Integer,
                                     models::EditorKind_None, 0, "GROUP"},
                                    {QStringLiteral("Tested"), TestColumn::Type(type), kind, 0,
                                     type == int(TestColumn::Type::Integer) ? "GROUP" : "MESH", kw3, meshTypes}});
    QList<QPointer<QAction>> made;
    int askedColumn = -1;
    int selectedWhenAsked = 0;
    int yesTriggered = 0;
    link.columnActionsFactory = [&](QItemSelectionModel* selection, int column) {
        askedColumn = column;
        selectedWhenAsked = SelectedRows::rowCount(SelectedRows::runs(*selection));
        auto* actions = new QList<QAction*>{new QAction(QStringLiteral("Yes")), new QAction(QStringLiteral("No"))};
        QObject::connect(actions->first(), &QAction::triggered, [&yesTriggered]() { ++yesTriggered; });
        for (QAction* action : *actions)
            made.append(action);
        return actions;
    };
    Table table(&link, 3);
    table.selectRows(1, 3);

    QStringList texts;
    ModalDialogAnswerer answer([&](QWidget& window) {
        QWidget* popup = &window;
        auto* menu = qobject_cast<QMenu*>(popup);
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            texts.append(action->text());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().first()).center());
    });
    table.rightClick(2, 1);

    QVERIFY(answer.answered());
    QCOMPARE(texts, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    QCOMPARE(askedColumn, 1);
    QCOMPARE(selectedWhenAsked, 3);
    QCOMPARE(yesTriggered, 1);
    QCOMPARE(made.size(), 2);
    for (const QPointer<QAction>& action : made)
        QVERIFY(action.isNull());
    QCOMPARE(link.writeCount, 0);
}

void TestStyleTableView::doubleClickEditsOnlyTheClickedRow()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    Table table(&link, 1);
    table.selectRows(0, 4);
    QCOMPARE(table.selectedRows(), rows(0, 4));

    table.doubleClick(3, GroupColumn);
    auto* editor = table.view->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTRY_VERIFY(editor->isVisible());
    QCOMPARE(table.selectedRows(), rows(3, 3));
    QCOMPARE(editor->text(), QStringLiteral("2"));

    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("17"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(link.writeCount, 1);
    QCOMPARE(link.writtenRows, QList<int>{3});
    QCOMPARE(link.readInteger(GroupColumn, 4), 17);
    QCOMPARE(link.readInteger(GroupColumn, 3), 1);
    QCOMPARE(table.selectedRows(), rows(3, 3));
    QCOMPARE(table.view->currentIndex().row(), 3);
}

void TestStyleTableView::editKeyEditsOnlyTheCurrentRow()
{
    FieldTestLink link("FIELDMAP", fieldColumns());
    Table table(&link, 1);
    table.click(1, GroupColumn);
    table.click(4, GroupColumn, Qt::ShiftModifier);
    QCOMPARE(table.selectedRows(), rows(1, 4));
    QCOMPARE(table.view->currentIndex(), table.index(4, GroupColumn));

    QTest::keyClick(table.view, Qt::Key_F2);
    auto* editor = table.view->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QCOMPARE(table.selectedRows(), rows(4, 4));
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("23"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(link.writeCount, 1);
    QCOMPARE(link.writtenRows, QList<int>{4});
    QCOMPARE(link.readInteger(GroupColumn, 5), 23);
    QCOMPARE(link.readInteger(GroupColumn, 4), 2);
}

void TestStyleTableView::storedWidthsComeBackAfterAnotherTable()
{
    const int tab = 41;
    FieldTestLink link("FIELDMAP", fieldColumns());
    FieldTestLink otherLink("FIELDMAP", {{QStringLiteral("Other"), TestColumn::Type::Integer,
                                          models::EditorKind_Text, 0, "GROUP"}});
    Table table(&link, tab);
    for (int column = 0; column < link.columnCount(); ++column) {
        QVERIFY(table.view->storedColumnWidth(column) > 0);
        QCOMPARE(table.view->storedColumnWidth(column), table.view->columnWidth(column));
        QVERIFY(table.view->columnWidth(column) >= table.view->horizontalHeader()->sectionSizeHint(column));
    }
    const int widened = table.view->columnWidth(MeshTypeColumn) + 47;
    table.view->horizontalHeader()->resizeSection(MeshTypeColumn, widened);
    QCOMPARE(table.view->storedColumnWidth(MeshTypeColumn), widened);

    table.setModel(&otherLink, tab + 1);
    table.setModel(&link, tab);
    QCOMPARE(table.view->columnWidth(MeshTypeColumn), widened);

    // Another view, as after closing and reopening the dialog.
    Table reopened(&link, tab);
    QCOMPARE(reopened.view->columnWidth(MeshTypeColumn), widened);
}

void TestStyleTableView::widthsAreMeasuredAgainWhenTheFirstRowArrives()
{
    QVERIFY(TestScenes::load(QByteArrayLiteral(R"({ "pages": [ { "frames": [
        { "name": "Empty", "plotType": 3, "variables": ["T", "U"],
          "zones": [ { "name": "probe", "ordered": true, "imax": 5, "jmax": 1, "kmax": 1 } ],
          "lineMaps": [] } ] } ],
      "current": { "page": 1, "frame": 1 } })")));
    const int tab = 52;
    LineTestLink link("LINEMAP", {{QStringLiteral("N"), TestColumn::Type::Text, models::EditorKind_Text, 0, "NAME"}});
    Table table(&link, tab);
    QCOMPARE(link.rowCount(), 0);
    QCOMPARE(table.view->storedColumnWidth(0), 0);
    QCOMPARE(table.view->columnWidth(0), table.view->horizontalHeader()->sectionSizeHint(0));
    table.view->horizontalHeader()->resizeSection(0, 400);
    QCOMPARE(table.view->storedColumnWidth(0), 400);

    QVERIFY(VexUtilLineMapCreate());
    kestrix::toolbox::Set map;
    map.add(1);
    QVERIFY(VexUtilLineMapSetName(map.getRef(), "a name long enough to be wider than its title"));
    link.refresh();
    QCOMPARE(link.rowCount(), 1);
    QCOMPARE(table.view->model()->rowCount(), 1);
    const int measured = table.view->sizeHintForIndex(link.index(0, 0)).width();
    QVERIFY(measured > table.view->horizontalHeader()->sectionSizeHint(0));
    QCOMPARE(table.view->columnWidth(0), measured);
    QCOMPARE(table.view->storedColumnWidth(0), measured);
}

QTEST_MAIN(TestStyleTableView)
#include "tst_styletableview.moc"
