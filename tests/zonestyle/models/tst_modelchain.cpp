#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"
#include "dialogs/zonestyle/intern/models/FieldStaticAreaModel.h"
#include "dialogs/zonestyle/intern/models/LineStaticAreaModel.h"
#include "dialogs/zonestyle/intern/models/ModelForPageMap.h"
#include "hostsim/Host.h"
#include "support/TestScenes.h"

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QAbstractItemModelTester>
#include <QColor>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

using namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models;
using kestrix::hostsim::Host;
using kestrix::testing::TestScenes;

namespace {

// A link whose cells name their link and own column, and which records what it is asked to write.
class NamedLink : public FieldModelAbstract {
public:
    NamedLink(const QString& name, int columns, ModelAbstract* subModel)
        : FieldModelAbstract(subModel), m_name(name), m_columns(columns)
    {
    }

    QList<int> writtenColumns;
    QList<int> writtenRows;
    QVariant writtenValue;

protected:
    int ownColumnCount(const QModelIndex&) const override { return m_columns; }
    QVariant ownHeaderData(int section) const override { return QStringLiteral("%1%2").arg(m_name).arg(section); }
    QVariant ownData(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return QStringLiteral("%1:%2:%3").arg(m_name).arg(index.row()).arg(index.column());
    }
    bool ownSetData(const QModelIndexList& indexes, const QVariant& value, int) override
    {
        for (const QModelIndex& index : indexes) {
            writtenColumns.append(index.column());
            writtenRows.append(index.row());
        }
        writtenValue = value;
        return true;
    }
    QBrush ownHeaderBackground(int) const override { return m_name == QLatin1String("C") ? secondGroupBrush() : firstGroupBrush(); }
    QList<QAction*>* ownColumnActions(QItemSelectionModel*, int) override { return nullptr; }
    int ownEditorKind(int column) const override { return column + 1; }

private:
    QString m_name;
    int m_columns;
};

// Reads cells through the shared helpers of the model base.
class HelperLink : public FieldModelAbstract {
public:
    HelperLink() : FieldModelAbstract(nullptr) {}
    using ModelAbstract::getColorData;
    using ModelAbstract::getIndexRangeText;
    using ModelAbstract::getSymbolShapeText;

protected:
    int ownColumnCount(const QModelIndex&) const override { return 1; }
    QVariant ownHeaderData(int) const override { return {}; }
    QVariant ownData(const QModelIndex&, int) const override { return {}; }
    QBrush ownHeaderBackground(int) const override { return {}; }
    QList<QAction*>* ownColumnActions(QItemSelectionModel*, int) override { return nullptr; }
};

void setStyle(std::initializer_list<const char*> path, int map, int value)
{
    auto keywords = path.begin();
    kestrix::toolbox::CheckedStyleValue style(keywords[0], path.size() > 1 ? keywords[1] : nullptr,
                                              path.size() > 2 ? keywords[2] : nullptr,
                                              path.size() > 3 ? keywords[3] : nullptr,
                                              path.size() > 4 ? keywords[4] : nullptr);
    kestrix::toolbox::Set maps;
    maps.add(map);
    QVERIFY(kestrix::toolbox::StyleValue::returnCodeOk(style.set(value, &maps)));
}

} // namespace

class TestModelChain : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(TestScenes::load(TestScenes::mixed())); }

    void columnsAreDispatchedToTheOwningLink()
    {
        auto* third = new NamedLink(QStringLiteral("C"), 2, nullptr);
        auto* second = new NamedLink(QStringLiteral("B"), 5, third);
        NamedLink first(QStringLiteral("A"), 4, second);

        QCOMPARE(first.columnCount(), 11);
        QCOMPARE(first.rowCount(), 6);
        QCOMPARE(first.headerData(9, Qt::Horizontal).toString(), QStringLiteral("C0"));
        QCOMPARE(first.headerData(6, Qt::Horizontal).toString(), QStringLiteral("B2"));
        QCOMPARE(first.headerData(3, Qt::Horizontal).toString(), QStringLiteral("A3"));
        QCOMPARE(first.data(first.index(4, 10)).toString(), QStringLiteral("C:4:1"));
        QCOMPARE(first.data(first.index(2, 4)).toString(), QStringLiteral("B:2:0"));
        QCOMPARE(first.editorKind(9), 1);
        QCOMPARE(first.editorKind(6), 3);
        QCOMPARE(first.headerData(9, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(QStringLiteral("#C24809")));
        QCOMPARE(first.headerData(0, Qt::Vertical, Qt::SizeHintRole).toSize(), QSize(0, 0));
        QVERIFY(!first.headerData(0, Qt::Vertical, Qt::DisplayRole).isValid());
    }

    void manyRowWritesReachTheOwningLinkWithItsOwnColumn()
    {
        auto* third = new NamedLink(QStringLiteral("C"), 2, nullptr);
        auto* second = new NamedLink(QStringLiteral("B"), 5, third);
        NamedLink first(QStringLiteral("A"), 4, second);

        const QModelIndexList cells{first.index(0, 6), first.index(2, 6), first.index(5, 6)};
        QVERIFY(first.setDataForIndexes(cells, QStringLiteral("x"), Qt::EditRole));
        QCOMPARE(second->writtenColumns, (QList<int>{2, 2, 2}));
        QCOMPARE(second->writtenRows, (QList<int>{0, 2, 5}));
        QVERIFY(first.writtenColumns.isEmpty());
        QVERIFY(third->writtenColumns.isEmpty());
        QVERIFY(!first.setDataForIndexes({}, 1, Qt::EditRole));

        QVERIFY(first.setData(first.index(1, 10), 7, Qt::EditRole));
        QCOMPARE(third->writtenColumns, (QList<int>{1}));
        QCOMPARE(third->writtenValue.toInt(), 7);
    }

    void outOfRangeIndexesGiveNothing()
    {
        NamedLink link(QStringLiteral("A"), 2, nullptr);
        QVERIFY(!link.index(6, 0).isValid());
        QVERIFY(!link.index(-1, 0).isValid());
        QVERIFY(!link.index(0, 2).isValid());
        QVERIFY(!link.data(QModelIndex()).isValid());
    }

    void inactiveMapsAreDisabledInEveryColumn()
    {
        auto* second = new NamedLink(QStringLiteral("B"), 2, nullptr);
        NamedLink first(QStringLiteral("A"), 3, second);
        for (int column = 0; column < first.columnCount(); ++column) {
            QVERIFY(!first.isEnabled(first.index(2, column)));
            QVERIFY(first.isEnabled(first.index(1, column)));
        }
    }

    void indexTexts()
    {
        QCOMPARE(ModelAbstract::indexText(0), QStringLiteral("Mx"));
        QCOMPARE(ModelAbstract::indexText(-2), QStringLiteral("Mx-2"));
        QCOMPARE(ModelAbstract::indexText(5), QStringLiteral("5"));
        QCOMPARE(ModelAbstract::linePatternText(5), QStringLiteral("Dash dot dot"));
        QCOMPARE(ModelAbstract::fillModeText(4), QString());
        QCOMPARE(ModelAbstract::geomShapeText(255), QStringLiteral("Character"));
    }

    void colourCells()
    {
        HelperLink link;
        setStyle({"FIELDMAP", "MESH", "COLOR"}, 1, 2);
        setStyle({"FIELDMAP", "MESH", "COLOR"}, 2, -1);
        setStyle({"FIELDMAP", "MESH", "COLOR"}, 3, -6);
        setStyle({"FIELDMAP", "MESH", "COLOR"}, 4, -10);
        unsigned char red = 0, green = 0, blue = 0;
        QVERIFY(VexUtilColorMapGetBasicColorRGB(2, &red, &green, &blue));
        QCOMPARE(link.getColorData(1, "FIELDMAP", "MESH", "COLOR").value<QColor>(), QColor(red, green, blue));
        QCOMPARE(link.getColorData(2, "FIELDMAP", "MESH", "COLOR").toString(), QStringLiteral("MultiC1"));
        QCOMPARE(link.getColorData(3, "FIELDMAP", "MESH", "COLOR").toString(), QStringLiteral("RGB"));
        QCOMPARE(link.getColorData(4, "FIELDMAP", "MESH", "COLOR").toString(), QStringLiteral("MultiC8"));
        QVERIFY(!link.getColorData(1, "FIELDMAP", "MESH", "NOSUCHCOLOR").isValid());
        QVERIFY(!link.getColorData(99, "FIELDMAP", "MESH", "COLOR").isValid());
    }

    void indexRangeAndSymbolTexts()
    {
        HelperLink link;
        setStyle({"FIELDMAP", "SURFACES", "IRANGE", "MIN"}, 2, 1);
        setStyle({"FIELDMAP", "SURFACES", "IRANGE", "MAX"}, 2, -1);
        setStyle({"FIELDMAP", "SURFACES", "IRANGE", "SKIP"}, 2, 3);
        QCOMPARE(link.getIndexRangeText(2, "FIELDMAP", "SURFACES", "IRANGE"), QStringLiteral("1,Mx-1,3"));

        kestrix::toolbox::Set map;
        map.add(1);
        using kestrix::toolbox::CheckedStyleValue;
        QVERIFY(CheckedStyleValue::returnCodeOk(
            CheckedStyleValue("FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ISASCII").set(true, &map)));
        QVERIFY(CheckedStyleValue::returnCodeOk(
            CheckedStyleValue("FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ASCIISHAPE", "ASCIICHAR").set("\\A", &map)));
        QVERIFY(CheckedStyleValue::returnCodeOk(
            CheckedStyleValue("FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ASCIISHAPE", "USEBASEFONT").set(false, &map)));
        setStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ASCIISHAPE", "FONTOVERRIDE"}, 1, Font_Greek);
        QCOMPARE(link.getSymbolShapeText(1, "FIELDMAP", "SCATTER"), QStringLiteral("\"A\"(Greek)"));
        setStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "GEOMSHAPE"}, 2, GeomShape_Diamond);
        QCOMPARE(link.getSymbolShapeText(2, "FIELDMAP", "SCATTER"), QStringLiteral("Diamond"));
    }

    void modelKeepsDescribingItsFrameUntilTheCurrentFrameChanges()
    {
        FieldStaticAreaModel model(nullptr);
        const UniqueID_t wing = VexUtilFrameGetUniqueID();
        QCOMPARE(model.frameId(), wing);
        QCOMPARE(model.rowCount(), 6);
        QVERIFY(Host::instance().setCurrentFrame(4));
        QVERIFY(model.frameId() != wing);
        QCOMPARE(model.frameId(), VexUtilFrameGetUniqueID());
        // The rows change when the table announces them.
        QCOMPARE(model.rowCount(), 6);
        model.refresh();
        QCOMPARE(model.rowCount(), 2);
    }

    void refreshAnnouncesRowsThatCameOrWentOnceForTheChain()
    {
        auto* second = new NamedLink(QStringLiteral("B"), 2, nullptr);
        NamedLink first(QStringLiteral("A"), 3, second);
        QAbstractItemModelTester tester(&first, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy removed(&first, &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(&first, &QAbstractItemModel::rowsInserted);
        QSignalSpy layout(&first, &QAbstractItemModel::layoutChanged);
        QCOMPARE(first.rowCount(), 6);

        QVERIFY(Host::instance().setCurrentFrame(4));
        // The host has changed, the table has not said so yet.
        QCOMPARE(first.mapCount(), 2);
        QCOMPARE(first.rowCount(), 6);
        first.refresh();
        QCOMPARE(first.rowCount(), 2);
        QCOMPARE(second->rowCount(), 2);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), 2);
        QCOMPARE(removed.at(0).at(2).toInt(), 5);
        QCOMPARE(layout.count(), 1);
        QCOMPARE(first.data(first.index(1, 4)).toString(), QStringLiteral("B:1:1"));

        QVERIFY(Host::instance().setCurrentFrame(1));
        first.refresh();
        QCOMPARE(first.rowCount(), 6);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 2);
        QCOMPARE(inserted.at(0).at(2).toInt(), 5);
        QCOMPARE(removed.count(), 1);

        // Nothing came or went: only the layout is announced.
        first.refresh();
        QCOMPARE(inserted.count() + removed.count(), 2);
        QCOMPARE(layout.count(), 3);
    }

    void followingAFrameMovesEveryLink()
    {
        auto* second = new NamedLink(QStringLiteral("B"), 2, nullptr);
        NamedLink first(QStringLiteral("A"), 3, second);
        QVERIFY(Host::instance().setCurrentFrame(4));
        const UniqueID_t slice = VexUtilFrameGetUniqueID();
        QVERIFY(TestScenes::load(TestScenes::mixed()));
        first.followFrame(slice);
        QCOMPARE(first.frameId(), slice);
        QCOMPARE(second->frameId(), slice);
        // A frame of a replaced scene has no maps.
        QCOMPARE(first.mapCount(), 0);
        first.followFrame(VexUtilFrameGetUniqueID());
        QCOMPARE(second->frameId(), VexUtilFrameGetUniqueID());
        QCOMPARE(first.mapCount(), 6);
    }

    void staticAreaColumns()
    {
        FieldStaticAreaModel model(nullptr);
        QCOMPARE(model.columnCount(), 4);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Zone\nNumber"));
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("wing 2"));
        QCOMPARE(model.data(model.index(1, 2)).toString(), QStringLiteral("2"));
        QCOMPARE(model.data(model.index(2, 3), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(model.data(model.index(0, 3), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(model.flags(model.index(0, 2)) & Qt::ItemIsEditable);
        QVERIFY(model.flags(model.index(0, 3)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));

        // A group that is not a number is refused instead of becoming group 0.
        Host::instance().clearJournal();
        QVERIFY(!model.setDataForIndexes({model.index(0, 2)}, QStringLiteral("four"), Qt::EditRole));
        QVERIFY(Host::instance().journal().isEmpty());
        QVERIFY(model.setDataForIndexes({model.index(0, 2), model.index(3, 2)}, QStringLiteral("7"), Qt::EditRole));
        QCOMPARE(model.data(model.index(3, 2)).toString(), QStringLiteral("7"));
        QCOMPARE(Host::instance().journal().size(), 1);

        QVERIFY(model.setData(model.index(2, 3), int(Qt::Checked), Qt::CheckStateRole));
        QCOMPARE(VexUtilFieldMapIsActiveForFrame(model.frameId(), 3), 1);
    }

    void lineTableWithoutFrameIsEmpty()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        LineStaticAreaModel model(nullptr);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.data(model.index(2, 1), Qt::EditRole).toString(), QStringLiteral("&ZN&: &DV&"));
        QCOMPARE(model.data(model.index(2, 1), Qt::DisplayRole).toString(), QStringLiteral("probe: U"));
        QCOMPARE(model.data(model.index(3, 0)).toInt(), 4);
        QVERIFY(TestScenes::load(TestScenes::empty()));
        model.refresh();
        QCOMPARE(model.rowCount(), 0);
    }

    void pageMapPrefersModelsForEveryPlotType()
    {
        QWidget meshPage;
        QWidget definitionsPage;
        ModelForPageMap table;
        auto* shared = new FieldStaticAreaModel(nullptr);
        auto* threeD = new FieldStaticAreaModel(nullptr);
        auto* xy = new LineStaticAreaModel(nullptr);
        table.setModelForPage(&meshPage, shared, ModelForPageMap::AnyPlotType);
        table.setModelForPage(&meshPage, threeD, PlotType_Cartesian3D);
        table.setModelForPage(&definitionsPage, xy, PlotType_XYLine);
        QCOMPARE(table.getModelForPage(&meshPage), shared);
        QCOMPARE(table.getModelForPage(&definitionsPage), nullptr);
        QVERIFY(Host::instance().setCurrentFrame(2));
        QCOMPARE(table.getModelForPage(&definitionsPage), xy);
        table.deleteAllModels();
        QCOMPARE(table.getModelForPage(&meshPage), nullptr);
    }
};

QTEST_MAIN(TestModelChain)
#include "tst_modelchain.moc"
