#include "support/StyleTestLink.h"

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/intern/views/ComboBoxEditor.h"
#include "dialogs/zonestyle/intern/views/StyleTableView.h"
#include "dialogs/zonestyle/intern/views/TextItemDelegate.h"
#include "support/StyleTestTable.h"
#include "support/TestScenes.h"

#include <kxtoolbox/Set.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyle>
#include <QtTest>

using namespace kestrix::sdk::ui::dialogs::zonestyle::intern;
using kestrix::sdk::ui::dialogs::uicontrols::SelectedRows;
using kestrix::testing::FieldTestLink;
using kestrix::testing::TestColumn;
using kestrix::testing::TestScenes;
using views::StyleTableView;

namespace {

enum Column { ShowColumn, ColorColumn, MeshTypeColumn, PatternColumn };

const QStringList meshTypes{QStringLiteral("Wire frame"), QStringLiteral("Overlay"), QStringLiteral("Hidden line")};
const QStringList linePatterns{QStringLiteral("Solid"),     QStringLiteral("Dashed"),    QStringLiteral("Dash dot"),
                               QStringLiteral("Dotted"),    QStringLiteral("Long dash"), QStringLiteral("Dash dot dot")};

QVector<TestColumn> columns()
{
    return {
        {QStringLiteral("Show\nMesh"), TestColumn::Type::Boolean, models::EditorKind_Boolean, 0, "MESH", "SHOW"},
        {QStringLiteral("Mesh\nColor"), TestColumn::Type::Color, models::EditorKind_Color, 0, "MESH", "COLOR"},
        {QStringLiteral("Mesh\nType"), TestColumn::Type::List, models::EditorKind_List, 1, "MESH", "MESHTYPE",
         meshTypes},
        {QStringLiteral("Line\nPattern"), TestColumn::Type::List, models::EditorKind_EditableList, 0, "MESH",
         "LINEPATTERN", linePatterns},
    };
}

void writeStyle(const char* kw2, const char* kw3, std::initializer_list<int> maps, int value)
{
    kestrix::toolbox::Set set;
    for (int map : maps)
        set.add(map);
    QVERIFY(kestrix::toolbox::StyleValue::returnCodeOk(
        kestrix::toolbox::CheckedStyleValue("FIELDMAP", kw2, kw3).set(value, &set)));
}

void writeShow(std::initializer_list<int> maps, bool show)
{
    kestrix::toolbox::Set set;
    for (int map : maps)
        set.add(map);
    QVERIFY(kestrix::toolbox::StyleValue::returnCodeOk(
        kestrix::toolbox::CheckedStyleValue("FIELDMAP", "MESH", "SHOW").set(show, &set)));
}

using Table = kestrix::testing::StyleTestTable;

SelectedRows::Runs rows(int first, int last)
{
    return SelectedRows::Runs{SelectedRows::Run{first, last}};
}

QColor washed(const QColor& color)
{
    const auto wash = [](int channel) { return (channel - 127) / 2 + 127; };
    return QColor(wash(color.red()), wash(color.green()), wash(color.blue()));
}

// The colours found in the middle half of a cell's picture.
QSet<QRgb> coloursInside(const QImage& image, const QRect& cell)
{
    QSet<QRgb> colours;
    const QRect middle(cell.left() + cell.width() / 4, cell.top() + cell.height() / 4, cell.width() / 2,
                       cell.height() / 2);
    for (int y = middle.top(); y <= middle.bottom(); ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    }
    return colours;
}

} // namespace

class TestItemDelegates : public QObject {
    Q_OBJECT

private slots:
    void init();

    void checkBoxOfASelectedRowSetsEverySelectedRow();
    void checkBoxOfAnUnselectedRowTogglesOnlyItsCell();
    void clickBesideTheCheckBoxTogglesNothing();
    void disabledColourCellIsWashedTowardsGrey();
    void listCellIsEditedInPlaceWithItsChoices();
    void editableListCellTakesATypedChoice();
    void textWidthClassesCapLongTexts_data();
    void textWidthClassesCapLongTexts();
};

void TestItemDelegates::init()
{
    QVERIFY(TestScenes::load(TestScenes::mixed()));
}

void TestItemDelegates::checkBoxOfASelectedRowSetsEverySelectedRow()
{
    FieldTestLink link("FIELDMAP", columns());
    writeShow({1, 3, 4, 5, 6}, false);
    writeShow({2}, true);
    Table table(&link, 20);
    table.selectRows(0, 4, MeshTypeColumn);

    table.click(table.checkBox(1, ShowColumn));
    QCOMPARE(link.writeCount, 1);
    QCOMPARE(link.writtenRole, int(Qt::CheckStateRole));
    QCOMPARE(link.writtenRows, (QList<int>{0, 1, 2, 3, 4}));
    for (int map = 1; map <= 5; ++map)
        QVERIFY(!link.readBoolean(ShowColumn, map));
    QCOMPARE(table.selectedRows(), rows(0, 4));

    // Now every selected cell is unchecked: a click checks them all.
    table.click(table.checkBox(3, ShowColumn));
    for (int map = 1; map <= 5; ++map)
        QVERIFY(link.readBoolean(ShowColumn, map));
    QVERIFY(!link.readBoolean(ShowColumn, 6));
    QCOMPARE(table.selectedRows(), rows(0, 4));
    QCOMPARE(table.view->currentIndex(), table.index(3, ShowColumn));
}

void TestItemDelegates::checkBoxOfAnUnselectedRowTogglesOnlyItsCell()
{
    FieldTestLink link("FIELDMAP", columns());
    writeShow({1, 2, 3, 4, 5, 6}, true);
    Table table(&link, 20);
    table.selectRows(0, 2, MeshTypeColumn);

    table.click(table.checkBox(4, ShowColumn));
    QCOMPARE(link.writtenRows, QList<int>{4});
    QVERIFY(!link.readBoolean(ShowColumn, 5));
    for (int map : {1, 2, 3, 4, 6})
        QVERIFY(link.readBoolean(ShowColumn, map));
    QCOMPARE(table.selectedRows(), rows(4, 4));
    QCOMPARE(table.view->currentIndex(), table.index(4, ShowColumn));
}

void TestItemDelegates::clickBesideTheCheckBoxTogglesNothing()
{
    FieldTestLink link("FIELDMAP", columns());
    writeShow({1, 2, 3, 4, 5, 6}, true);
    Table table(&link, 20);
    table.selectRows(0, 2, MeshTypeColumn);
    table.view->setColumnWidth(ShowColumn, 80);
    const QRect cell = table.rect(1, ShowColumn);

    table.click(QPoint(cell.right() - 3, cell.center().y()));
    QCOMPARE(link.writeCount, 0);
    QVERIFY(link.readBoolean(ShowColumn, 2));
}

void TestItemDelegates::disabledColourCellIsWashedTowardsGrey()
{
    FieldTestLink link("FIELDMAP", columns());
    writeStyle("MESH", "COLOR", {2, 3}, 1);
    Table table(&link, 20);
    table.view->setColumnWidth(ColorColumn, 60);
    QVERIFY(QTest::qWaitForWindowExposed(&table.page));
    QVERIFY(link.isEnabled(table.index(1, ColorColumn)));
    QVERIFY(!link.isEnabled(table.index(2, ColorColumn)));
    const QColor color = qvariant_cast<QColor>(table.index(2, ColorColumn).data());
    QVERIFY(color.isValid());
    QVERIFY(color != washed(color));

    const QImage image = table.view->viewport()->grab().toImage();
    const QSet<QRgb> enabledColours = coloursInside(image, table.rect(1, ColorColumn));
    QCOMPARE(enabledColours, QSet<QRgb>{color.rgb() & 0xFFFFFF});
    const QSet<QRgb> disabledColours = coloursInside(image, table.rect(2, ColorColumn));
    QVERIFY(disabledColours.contains(washed(color).rgb() & 0xFFFFFF));
    QVERIFY(!disabledColours.contains(color.rgb() & 0xFFFFFF));
}

void TestItemDelegates::listCellIsEditedInPlaceWithItsChoices()
{
    FieldTestLink link("FIELDMAP", columns());
    writeStyle("MESH", "MESHTYPE", {1, 2, 3, 4, 5, 6}, 1);
    Table table(&link, 20);
    table.selectRows(0, 3, MeshTypeColumn);

    table.doubleClick(2, MeshTypeColumn);
    auto* editor = table.view->viewport()->findChild<kestrix::ComboBoxEditor*>();
    QVERIFY(editor);
    QCOMPARE(editor->list(), meshTypes);
    QCOMPARE(editor->currentText(), QStringLiteral("Overlay"));
    QVERIFY(!editor->isEditable());
    QCOMPARE(table.selectedRows(), rows(2, 2));

    // The list opens by itself; the user clicks a choice in it.
    QTRY_VERIFY(QApplication::activePopupWidget());
    QAbstractItemView* list = editor->view();
    const QRect item = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());

    QTRY_COMPARE(link.writeCount, 1);
    QCOMPARE(link.writtenRole, int(Qt::EditRole));
    QCOMPARE(link.writtenValue.typeId(), int(QMetaType::Int));
    QCOMPARE(link.writtenValue.toInt(), 2);
    QCOMPARE(link.writtenRows, QList<int>{2});
    QCOMPARE(link.readInteger(MeshTypeColumn, 3), 2);
    QCOMPARE(link.readInteger(MeshTypeColumn, 2), 1);
    QTRY_VERIFY(!table.view->viewport()->findChild<kestrix::ComboBoxEditor*>());
}

void TestItemDelegates::editableListCellTakesATypedChoice()
{
    FieldTestLink link("FIELDMAP", columns());
    writeStyle("MESH", "LINEPATTERN", {1, 2, 3, 4, 5, 6}, 1);
    Table table(&link, 20);

    table.doubleClick(4, PatternColumn);
    auto* editor = table.view->viewport()->findChild<kestrix::ComboBoxEditor*>();
    QVERIFY(editor);
    QVERIFY(editor->isEditable());
    QCOMPARE(editor->currentText(), QStringLiteral("Dashed"));
    QCOMPARE(editor->lineEdit()->selectedText(), QStringLiteral("Dashed"));

    QTest::keyClicks(editor->lineEdit(), QStringLiteral("dott"));
    QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
    QTRY_COMPARE(link.writeCount, 1);
    QCOMPARE(link.writtenValue.toInt(), 3);
    QCOMPARE(link.readInteger(PatternColumn, 5), 3);
    QCOMPARE(link.index(4, PatternColumn).data().toString(), QStringLiteral("Dotted"));
}

void TestItemDelegates::textWidthClassesCapLongTexts_data()
{
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("letters");
    QTest::newRow("uncapped") << 0 << 0;
    QTest::newRow("twenty letters") << 2 << 20;
    QTest::newRow("ten letters") << 3 << 10;
}

void TestItemDelegates::textWidthClassesCapLongTexts()
{
    QFETCH(int, parameter);
    QFETCH(int, letters);
    StyleTableView view;
    views::TextItemDelegate delegate(&view, parameter);
    QStandardItemModel model(2, 1);
    model.setData(model.index(0, 0), QString(80, QLatin1Char('w')));
    model.setData(model.index(1, 0), QStringLiteral("ab"));
    QStyleOptionViewItem option;
    option.font = view.font();
    option.fontMetrics = QFontMetrics(option.font);

    const int uncapped = QItemDelegate().sizeHint(option, model.index(0, 0)).width();
    const QSize hint = delegate.sizeHint(option, model.index(0, 0));
    const int cap = QFontMetrics(option.font).boundingRect(QString(letters, QLatin1Char('m'))).width() + 11;
    QCOMPARE(hint.width(), letters == 0 ? uncapped : cap);
    QVERIFY(hint.width() <= uncapped);
    // The column keeps its width whatever the other cells hold.
    QCOMPARE(delegate.sizeHint(option, model.index(1, 0)).width(), hint.width());
}

QTEST_MAIN(TestItemDelegates)
#include "tst_itemdelegates.moc"
