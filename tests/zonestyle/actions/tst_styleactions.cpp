#include "dialogs/zonestyle/intern/actions/MapActivateAction.h"
#include "dialogs/zonestyle/intern/actions/MapRenameAction.h"
#include "dialogs/zonestyle/intern/actions/StyleAction.h"
#include "dialogs/zonestyle/intern/models/FieldStaticAreaModel.h"
#include "dialogs/zonestyle/intern/models/LineStaticAreaModel.h"
#include "hostsim/Host.h"
#include "support/ModalDialogAnswerer.h"
#include "support/TestScenes.h"

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/FrameStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace kestrix::sdk::ui::dialogs::zonestyle::intern;
using kestrix::hostsim::Host;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::TestScenes;
using kestrix::toolbox::CheckedStyleValue;

namespace {

QModelIndexList cells(const QAbstractItemModel& model, const QList<int>& rows, int column)
{
    QModelIndexList result;
    for (int row : rows)
        result.append(model.index(row, column));
    return result;
}

bool isActive(int map)
{
    return VexUtilFieldMapIsActiveForFrame(VexUtilFrameGetUniqueID(), map) == 1;
}

ModalDialogAnswerer::Answer pressButton(QMessageBox::StandardButton which)
{
    return [which](QWidget& window) {
        auto* box = qobject_cast<QMessageBox*>(&window);
        QVERIFY(box);
        box->button(which)->click();
    };
}

int readInt(const char* kw1, const char* kw2, const char* kw3, int map)
{
    int value = -1000;
    CheckedStyleValue(kw1, kw2, kw3).get(value, map);
    return value;
}

void setForAllMaps(const char* kw1, const char* kw2, const char* kw3, int value)
{
    kestrix::toolbox::Set maps;
    for (int map = 1; map <= VexUtilFieldMapGetCountForFrame(VexUtilFrameGetUniqueID()); ++map)
        maps.add(map);
    QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue(kw1, kw2, kw3).set(value, &maps)));
}

} // namespace

class TestStyleActions : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Host::instance().clearFailures();
        QVERIFY(TestScenes::load(TestScenes::mixed()));
        Host::instance().clearJournal();
    }

    void styleActionWritesAllMapsInOneAssignment()
    {
        models::FieldStaticAreaModel model(nullptr);
        actions::StyleAction<int> action(QString(), cells(model, {0, 2, 4}, 2), nullptr, 9, "FIELDMAP", "GROUP");
        action.trigger();
        QCOMPARE(Host::instance().journal().size(), 1);
        for (int map : {1, 3, 5})
            QCOMPARE(readInt("FIELDMAP", "GROUP", nullptr, map), 9);
        QCOMPARE(readInt("FIELDMAP", "GROUP", nullptr, 2), 2);

        actions::StyleAction<int>(QString(), {}, nullptr, 4, "FIELDMAP", "GROUP").trigger();
        QCOMPARE(Host::instance().journal().size(), 1);
    }

    void menuActionsJoinTheirList()
    {
        models::FieldStaticAreaModel model(nullptr);
        QList<QAction*> menu;
        new actions::StyleAction<double>(QStringLiteral("0.10"), cells(model, {0}, 0), &menu, 0.1, "FIELDMAP", "MESH",
                                         "LINETHICKNESS");
        new actions::MapActivateAction(cells(model, {0}, 3), &menu, actions::MapActivateAction::Mode_Invert,
                                       "ACTIVEFIELDMAPS");
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu.at(1)->text(), QStringLiteral("Invert"));
        menu.first()->trigger();
        double thickness = 0;
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("FIELDMAP", "MESH", "LINETHICKNESS").get(thickness, 1)));
        QCOMPARE(thickness, 0.1);
        qDeleteAll(menu);
    }

    void activationModes()
    {
        models::FieldStaticAreaModel model(nullptr);
        const int show = models::FieldStaticAreaModel::Column_Show;

        actions::MapActivateAction(cells(model, {0, 1}, show), nullptr, actions::MapActivateAction::Mode_Deactivate,
                                   "ACTIVEFIELDMAPS").trigger();
        QVERIFY(!isActive(1) && !isActive(2) && isActive(4));
        actions::MapActivateAction(cells(model, {0, 2}, show), nullptr, actions::MapActivateAction::Mode_Activate,
                                   "ACTIVEFIELDMAPS").trigger();
        QVERIFY(isActive(1) && !isActive(2) && isActive(3));

        Host::instance().clearJournal();
        actions::MapActivateAction(cells(model, {1, 3}, show), nullptr, actions::MapActivateAction::Mode_ShowSelectedOnly,
                                   "ACTIVEFIELDMAPS").trigger();
        QCOMPARE(Host::instance().journal().size(), 2);
        for (int map = 1; map <= 6; ++map)
            QCOMPARE(isActive(map), map == 2 || map == 4);
    }

    void showSelectedOnlyWithEveryRowOnlyActivates()
    {
        models::FieldStaticAreaModel model(nullptr);
        actions::MapActivateAction action(cells(model, {0, 1, 2, 3, 4, 5}, models::FieldStaticAreaModel::Column_Show),
                                          nullptr, actions::MapActivateAction::Mode_ShowSelectedOnly, "ACTIVEFIELDMAPS");
        QVERIFY(action.unselectedIndexes().isEmpty());
        action.trigger();
        QCOMPARE(Host::instance().journal().size(), 1);
        QVERIFY(Host::instance().journal().first().contains(QStringLiteral("op=1")));
        QVERIFY(isActive(3));
    }

    void invertActivatesTheUncheckedFirst()
    {
        models::FieldStaticAreaModel model(nullptr);
        // Map 3 is inactive; maps 1 and 2 are active.
        actions::MapActivateAction(cells(model, {0, 1, 2}, models::FieldStaticAreaModel::Column_Show), nullptr,
                                   actions::MapActivateAction::Mode_Invert, "ACTIVEFIELDMAPS").trigger();
        const QStringList journal = Host::instance().journal();
        QCOMPARE(journal.size(), 2);
        QVERIFY(journal.at(0).contains(QStringLiteral("op=1")));
        QVERIFY(journal.at(1).contains(QStringLiteral("op=2")));
        QVERIFY(isActive(3) && !isActive(1) && !isActive(2) && isActive(4));
    }

    void unselectedIndexesAreTheOtherRowsOfTheColumn()
    {
        models::FieldStaticAreaModel model(nullptr);
        actions::MapActivateAction action(cells(model, {4, 1}, 3), nullptr, 2, "ACTIVEFIELDMAPS");
        QList<int> rows;
        for (const QModelIndex& index : action.unselectedIndexes()) {
            QCOMPARE(index.column(), 3);
            rows.append(index.row());
        }
        QCOMPARE(rows, (QList<int>{0, 2, 3, 5}));
    }

    void switchingALayerOnOffersTheLayerAndTheSurfaces()
    {
        setForAllMaps("FIELDMAP", "SURFACES", "SURFACESTOPLOT", SurfacesToPlot_None);
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWMESH").set(false)));
        models::FieldStaticAreaModel model(nullptr);

        ModalDialogAnswerer layerQuestion(pressButton(QMessageBox::Yes), QStringLiteral("queryLayerActivation"));
        ModalDialogAnswerer surfaceQuestion(pressButton(QMessageBox::No), QStringLiteral("querySurfaceLayer"));
        actions::StyleAction<char>(QString(), cells(model, {0, 1}, 0), nullptr, 1, "FIELDMAP", "MESH", "SHOW").trigger();
        QCOMPARE(layerQuestion.answered(), 1);
        QCOMPARE(surfaceQuestion.answered(), 1);
        QVERIFY(VexUtilFieldLayerIsActiveForFrame(VexUtilFrameGetUniqueID(), "SHOWMESH"));
        QCOMPARE(readInt("FIELDMAP", "MESH", "SHOW", 2), 1);
        QCOMPARE(Host::instance().appLockDepth(), 0);
        QCOMPARE(Host::instance().overrideCursorDepth(), 0);
    }

    void edgesOnlyOfferTheLayer()
    {
        setForAllMaps("FIELDMAP", "SURFACES", "SURFACESTOPLOT", SurfacesToPlot_None);
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWEDGE").set(false)));
        models::FieldStaticAreaModel model(nullptr);

        ModalDialogAnswerer layerQuestion(pressButton(QMessageBox::Yes), QStringLiteral("queryLayerActivation"));
        ModalDialogAnswerer surfaceQuestion(pressButton(QMessageBox::No), QStringLiteral("querySurfaceLayer"));
        actions::StyleAction<char>(QString(), cells(model, {0}, 0), nullptr, 1, "FIELDMAP", "EDGELAYER", "SHOW").trigger();
        QCOMPARE(layerQuestion.answered(), 1);
        QCOMPARE(surfaceQuestion.answered(), 0);
    }

    void noQuestionForSurfaceZonesOrWhenSwitchingOff()
    {
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWMESH").set(false)));
        models::FieldStaticAreaModel model(nullptr);
        ModalDialogAnswerer anyQuestion(pressButton(QMessageBox::No));
        actions::StyleAction<char>(QString(), cells(model, {0}, 0), nullptr, 0, "FIELDMAP", "MESH", "SHOW").trigger();
        QCOMPARE(anyQuestion.answered(), 0);

        // Frame 4 holds only surface zones: nothing to offer.
        QVERIFY(Host::instance().setCurrentFrame(4));
        QVERIFY(CheckedStyleValue::returnCodeOk(CheckedStyleValue("FIELDLAYERS", "SHOWMESH").set(false)));
        models::FieldStaticAreaModel sliceModel(nullptr);
        actions::StyleAction<char>(QString(), cells(sliceModel, {0}, 0), nullptr, 1, "FIELDMAP", "MESH", "SHOW").trigger();
        QCOMPARE(anyQuestion.answered(), 0);
        QCOMPARE(readInt("FIELDMAP", "MESH", "SHOW", 1), 1);
    }

    void renameGivesEveryMapTheName()
    {
        QVERIFY(Host::instance().setCurrentFrame(2));
        models::LineStaticAreaModel model(nullptr);
        actions::MapRenameAction(cells(model, {0, 3}, 1), QStringLiteral("&M#&: é")).trigger();
        QCOMPARE(model.data(model.index(0, 1), Qt::EditRole).toString(), QStringLiteral("&M#&: é"));
        QCOMPARE(model.data(model.index(3, 1)).toString(), QStringLiteral("4: é"));
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("second"));
        QCOMPARE(Host::instance().appLockDepth(), 0);
    }

    // The host refusing a write, or failing to make the set of maps to write, changes nothing;
    // a set that lost maps is never written to part of the selection, nor to every map.
    void hostFailuresWriteNothing_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("count");
        QTest::newRow("refused write") << int(Host::Fault::StyleWrite) << 1;
        for (int count = 1; count <= 4; ++count)
            QTest::addRow("%d failed set allocations", count) << int(Host::Fault::SetAllocation) << count;
    }

    void hostFailuresWriteNothing()
    {
        QFETCH(int, fault);
        QFETCH(int, count);
        models::FieldStaticAreaModel model(nullptr);
        Host::instance().failNext(static_cast<Host::Fault>(fault), count);
        actions::StyleAction<int> action(QString(), cells(model, {0, 2, 4}, 2), nullptr, 9, "FIELDMAP", "GROUP");
        QSignalSpy applied(&action, &actions::Action::applied);
        action.trigger();
        Host::instance().clearFailures();

        const bool written = readInt("FIELDMAP", "GROUP", nullptr, 1) == 9;
        QCOMPARE(applied.size(), written ? 1 : 0);
        for (int map : {3, 5})
            QCOMPARE(readInt("FIELDMAP", "GROUP", nullptr, map) == 9, written);
        for (int map : {2, 4, 6})
            QVERIFY(readInt("FIELDMAP", "GROUP", nullptr, map) != 9);
        QCOMPARE(Host::instance().journal().size(), written ? 1 : 0);
        QCOMPARE(Host::instance().appLockDepth(), 0);
        QCOMPARE(Host::instance().undoDepth(), 0);
    }

    void failedReadShowsAnEmptyCell()
    {
        models::FieldStaticAreaModel model(nullptr);
        const QModelIndex group = model.index(0, models::FieldStaticAreaModel::Column_Group);
        const QString shown = model.data(group).toString();
        QVERIFY(!shown.isEmpty());
        Host::instance().failNext(Host::Fault::StyleRead, 1);
        QCOMPARE(model.data(group).toString(), QString());
        QCOMPARE(model.data(group).toString(), shown);
    }
};

QTEST_MAIN(TestStyleActions)
#include "tst_styleactions.moc"
