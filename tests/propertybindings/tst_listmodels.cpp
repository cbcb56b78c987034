// List models, their Qt adapter, and the synchronizer between a list view's selection and a
// set-valued property.

#include "propertybindings/ListViewPropertySynchronizer.h"
#include "propertybindings/Property.h"
#include "propertybindings/models/PremappedListModel.h"
#include "propertybindings/models/QListModel.h"

#include <QListView>
#include <QPointer>
#include <QtTest>

#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace kestrix::sdk::ui::dialogs::propertybindings;
using kestrix::Property;
using Codes = std::set<std::string>;

namespace {

const models::PremappedListModel<std::string>::Entry codeTable[] = {
    {"Zone name", "&ZN&"}, {"Zone number", "&Z#&"}, {"Map number", "&M#&"}, {"Zone name again", "&ZN&"}};

// An editable list whose items can be inserted and changed, announcing it as a model does.
class EditableList : public models::ListModelAbstract<std::string> {
public:
    explicit EditableList(std::vector<std::string> items) : m_items(std::move(items)) {}
    int size() const override { return int(m_items.size()); }
    std::string get(int index) const override { return m_items.at(index); }
    std::string getStr(int index) const override { return "<" + m_items.at(index) + ">"; }
    std::string getStrForEdit(int index) const override { return m_items.at(index); }
    bool isEditable() const override { return true; }
    bool setEditedItem(const std::string& text, int index) const override
    {
        edits.emplace_back(index, text);
        return !text.empty();
    }
    void insert(int index, const std::string& item)
    {
        m_items.insert(m_items.begin() + index, item);
        notifyItemsInserted(index, index);
    }
    void change(int index, const std::string& item)
    {
        m_items.at(index) = item;
        notifyItemChanged(index);
    }
    mutable std::vector<std::pair<int, std::string>> edits;

private:
    std::vector<std::string> m_items;
};

std::vector<int> selectedRows(const QAbstractItemView& view)
{
    std::vector<int> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

class TestListModels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void premappedListIsAReadOnlyTable();
    void qListModelOverAReadOnlyList();
    void qListModelOverAnEditableList();
    void synchronizerShowsThePropertyWithoutWritingItBack();
    void userSelectionSetsThePropertyOnce();
    void propertyChangeReselectsOnIdleWithoutEcho();
    void insertedItemsRebuildTheViewAndKeepTheSelection();
    void changedItemUnderTheSelectionChangesTheProperty();
};

void TestListModels::premappedListIsAReadOnlyTable()
{
    models::PremappedListModel<std::string> list(codeTable, 4);
    QCOMPARE(list.size(), 4);
    QCOMPARE(list.get(2), std::string("&M#&"));
    QCOMPARE(list.getStr(2), std::string("Map number"));
    QCOMPARE(list.getStrForEdit(1), std::string("Zone number"));
    QCOMPARE(list.indexOf("&ZN&"), 0);
    QCOMPARE(list.indexOf("&Y#&"), -1);
    QVERIFY(!list.isEditable());
    QVERIFY(!list.setEditedItem("x", 0));
    QVERIFY_THROWS_EXCEPTION(kestrix::InvalidArgumentException, list.get(4));
    QCOMPARE(models::PremappedListModel<std::string>(codeTable, 0).indexOf("&ZN&"), -1);
}

void TestListModels::qListModelOverAReadOnlyList()
{
    models::QListModel<std::string> model(std::make_shared<models::PremappedListModel<std::string>>(codeTable, 3));
    QCOMPARE(model.rowCount(), 3);
    QVERIFY(!model.index(3, 0).isValid());
    QVERIFY(!model.index(0, 1).isValid());
    const QModelIndex first = model.index(0, 0);
    QCOMPARE(model.data(first, Qt::DisplayRole).toString(), QStringLiteral("Zone name"));
    QCOMPARE(model.data(first, Qt::EditRole).toString(), QStringLiteral("Zone name"));
    QVERIFY(!model.data(first, Qt::ToolTipRole).isValid());
    QVERIFY(!(model.flags(first) & Qt::ItemIsEditable));
    QVERIFY(model.flags(first) & Qt::ItemIsSelectable);
    QVERIFY(!model.setData(first, QStringLiteral("&M#&")));
    QCOMPARE(model.data(first).toString(), QStringLiteral("Zone name"));
}

void TestListModels::qListModelOverAnEditableList()
{
    auto list = std::make_shared<EditableList>(std::vector<std::string>{"a", "b"});
    models::QListModel<std::string> model(list);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    const QModelIndex second = model.index(1, 0);
    QCOMPARE(model.data(second, Qt::DisplayRole).toString(), QStringLiteral("<b>"));
    QCOMPARE(model.data(second, Qt::EditRole).toString(), QStringLiteral("b"));
    QVERIFY(model.flags(second) & Qt::ItemIsEditable);
    QVERIFY(!(model.flags(QModelIndex()) & Qt::ItemIsEditable));

    QVERIFY(model.setData(second, QStringLiteral("b\u00e9")));
    QVERIFY(!model.setData(second, QString()));
    QCOMPARE(list->edits, (std::vector<std::pair<int, std::string>>{{1, "b\u00e9"}, {1, ""}}));

    changed.clear();
    list->change(0, "z");
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 0);
    list->insert(0, "new");
    QCOMPARE(reset.size(), 1);
    QCOMPARE(model.rowCount(), 3);
}

void TestListModels::synchronizerShowsThePropertyWithoutWritingItBack()
{
    QListView view;
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto property = std::make_shared<Property<Codes>>(Codes{"&M#&", "&ZN&", "&X#&"});
    int emissions = 0;
    property->valueChanged().connect([&emissions](const Codes&) { ++emissions; });

    ListViewPropertySynchronizer<Codes> synchronizer(
        view, property, std::make_shared<models::PremappedListModel<std::string>>(codeTable, 4));
    QCOMPARE(view.model()->rowCount(), 4);
    // "&X#&" is not in the list and selects nothing; "&ZN&" selects its first row.
    QCOMPARE(selectedRows(view), (std::vector<int>{0, 2}));
    QCOMPARE(emissions, 0);
    QCOMPARE(property->value(), (Codes{"&M#&", "&ZN&", "&X#&"}));
}

void TestListModels::userSelectionSetsThePropertyOnce()
{
    QListView view;
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto property = std::make_shared<Property<Codes>>();
    ListViewPropertySynchronizer<Codes> synchronizer(
        view, property, std::make_shared<models::PremappedListModel<std::string>>(codeTable, 4));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QPointer<QAbstractItemModel> model = view.model();
    int emissions = 0;
    property->valueChanged().connect([&emissions](const Codes&) { ++emissions; });

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(model->index(1, 0)).center());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      view.visualRect(model->index(2, 0)).center());
    QCOMPARE(property->value(), (Codes{"&Z#&", "&M#&"}));
    QCOMPARE(emissions, 2);

    // The view already shows the selection: no rebuild, no reselection follows.
    QCoreApplication::processEvents();
    QCOMPARE(view.model(), model.data());
    QCOMPARE(selectedRows(view), (std::vector<int>{1, 2}));

    // The same rows once more, and another row with the same value: the set stays the same.
    QItemSelection same;
    same.select(model->index(1, 0), model->index(2, 0));
    view.selectionModel()->select(same, QItemSelectionModel::ClearAndSelect);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(model->index(3, 0)).center());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(model->index(0, 0)).center());
    QCOMPARE(property->value(), (Codes{"&ZN&"}));
    QCOMPARE(emissions, 3);
}

void TestListModels::propertyChangeReselectsOnIdleWithoutEcho()
{
    QListView view;
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto property = std::make_shared<Property<Codes>>();
    ListViewPropertySynchronizer<Codes> synchronizer(
        view, property, std::make_shared<models::PremappedListModel<std::string>>(codeTable, 4));
    std::vector<Codes> seen;
    property->valueChanged().connect([&seen](const Codes& codes) { seen.push_back(codes); });

    property->setValue({"&Z#&"});
    property->setValue({"&M#&", "&Z#&"});
    QCoreApplication::processEvents();
    QCOMPARE(selectedRows(view), (std::vector<int>{1, 2}));
    QCOMPARE(seen.size(), std::size_t(2));
    QCOMPARE(property->value(), (Codes{"&M#&", "&Z#&"}));
}

void TestListModels::insertedItemsRebuildTheViewAndKeepTheSelection()
{
    QListView view;
    auto list = std::make_shared<EditableList>(std::vector<std::string>{"a", "b", "c"});
    auto property = std::make_shared<Property<Codes>>(Codes{"c"});
    ListViewPropertySynchronizer<Codes> synchronizer(view, property, list);
    const QPointer<QAbstractItemModel> firstModel = view.model();
    QCOMPARE(selectedRows(view), (std::vector<int>{2}));

    list->insert(0, "new");
    list->insert(0, "newer");
    QCoreApplication::processEvents();
    QVERIFY(firstModel.isNull());
    QCOMPARE(view.model()->rowCount(), 5);
    QCOMPARE(selectedRows(view), (std::vector<int>{4}));
    QCOMPARE(property->value(), (Codes{"c"}));
}

void TestListModels::changedItemUnderTheSelectionChangesTheProperty()
{
    QListView view;
    auto list = std::make_shared<EditableList>(std::vector<std::string>{"a", "b"});
    auto property = std::make_shared<Property<Codes>>(Codes{"b"});
    ListViewPropertySynchronizer<Codes> synchronizer(view, property, list);

    list->change(1, "B");
    QCOMPARE(property->value(), (Codes{"B"}));
    list->change(0, "A");
    QCOMPARE(property->value(), (Codes{"B"}));
    QCoreApplication::processEvents();
    QCOMPARE(selectedRows(view), (std::vector<int>{1}));
}

QTEST_MAIN(TestListModels)
#include "tst_listmodels.moc"
