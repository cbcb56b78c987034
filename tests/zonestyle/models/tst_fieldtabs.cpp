// The field-plot tabs of the Zone Style dialog, driven as a user drives them: which cells are
// enabled, what menus and popups offer and what they write into the host.

#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"
#include "hostsim/Host.h"
#include "support/ModalDialogAnswerer.h"
#include "support/StyleWrites.h"
#include "support/TableClicks.h"
#include "support/TestScenes.h"

#include <kxsdkdialogs_prompt_qt/ColorChooserDialog.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QAbstractItemModelTester>
#include <QInputDialog>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <memory>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
using kestrix::sdk::ui::dialogs::zonestyle::intern::models::ModelAbstract;
using kestrix::testing::ModalDialogAnswerer;
using kestrix::testing::readMapStyle;
using kestrix::testing::TableClicks;
using kestrix::testing::TestScenes;
using kestrix::testing::writeMapStyle;
using kestrix::testing::writeStyle;

namespace {

const char* const FieldPages[] = {"plotAttr_FDMesh_Page",   "plotAttr_FDCont_Page",     "plotAttr_FDVect_Page",
                                  "plotAttr_FDScat_Page",   "plotAttr_FDShad_Page",     "plotAttr_FDEdge_Page",
                                  "plotAttr_FDPoints_Page", "plotAttr_FDSurfaces_Page", "plotAttr_FDVolume_Page",
                                  "plotAttr_FDEffect_Page"};

// Frame 1: three ordered volume zones and a finite-element surface zone, 3D; frame 2: the
// same as a 2D frame. Contour group 1 has the variable P, the others none.
const QByteArray Scene = QByteArrayLiteral(R"({ "pages": [ { "frames": [
    { "name": "Volume", "plotType": 1, "variables": ["X", "Y", "Z", "P"],
      "zones": [
        { "name": "a", "imax": 3, "jmax": 3, "kmax": 3 },
        { "name": "b", "imax": 3, "jmax": 3, "kmax": 3 },
        { "name": "c", "imax": 3, "jmax": 3, "kmax": 3 },
        { "name": "skin", "ordered": false, "nodes": 10, "elements": 8 } ],
      "style": [ { "path": ["GLOBALCONTOUR", "VAR"], "offset1": 1, "value": 4 } ] },
    { "name": "Flat", "plotType": 2, "variables": ["X", "Y"],
      "zones": [ { "name": "left", "imax": 4, "jmax": 4 }, { "name": "right", "imax": 4, "jmax": 4 } ] } ] } ],
  "current": { "page": 1, "frame": 1 } })");

// Every plot layer on, so that only the rules under test decide.
void switchLayersOn()
{
    for (const char* layer : {"SHOWMESH", "SHOWCONTOUR", "SHOWVECTOR", "SHOWSCATTER", "SHOWSHADE", "SHOWEDGE",
                              "USELIGHTINGEFFECT", "USETRANSLUCENCY"})
        writeStyle({"FIELDLAYERS", layer}, 1);
}

} // namespace

class TestFieldTabs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_mainWindow.show(); }

    void init()
    {
        QVERIFY(TestScenes::load(Scene));
        switchLayersOn();
        m_dialog.reset(
            &ZoneStyleDialog::getInstance(m_mainWindow, kestrix::dialogs::common::DialogInitialization_None));
        m_dialog->launch();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup() { m_dialog.reset(); }

    void everyChainKeepsQtsModelContract()
    {
        for (const char* page : FieldPages) {
            for (int frame : {1, 2}) {
                QVERIFY(Host::instance().setCurrentFrame(frame));
                if (!openTab(page))
                    continue;
                QAbstractItemModelTester tester(view()->model(),
                                                QAbstractItemModelTester::FailureReportingMode::QtTest);
                QVERIFY(Host::instance().setCurrentFrame(3 - frame));
                QVERIFY(Host::instance().setCurrentFrame(frame));
                QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("field3d:7")));
                QVERIFY(TestScenes::load(Scene));
                switchLayersOn();
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    void threeDimensionalFramesHaveTheirOwnColumns()
    {
        openTab("plotAttr_FDCont_Page");
        QCOMPARE(column("Use\nLighting"), 12);
        openTab("plotAttr_FDEffect_Page");
        QCOMPARE(column("Surface\nTranslucency"), 7);
        QVERIFY(Host::instance().setCurrentFrame(2));
        QCOMPARE(view()->model()->columnCount(), 5);
        openTab("plotAttr_FDCont_Page");
        QCOMPARE(column("Use\nLighting"), -1);
        QCOMPARE(view()->model()->columnCount(), 12);
    }

    void anInactiveMapIsDisabledInEveryColumn()
    {
        const kestrix::toolbox::Set active = kestrix::testing::setOf({1, 3, 4});
        QVERIFY(kestrix::toolbox::StyleValue::returnCodeOk(
            kestrix::toolbox::CheckedStyleValue("ACTIVEFIELDMAPS").set(active)));
        for (const char* page : FieldPages) {
            openTab(page);
            for (int column = 4; column < view()->model()->columnCount(); ++column)
                QVERIFY2(!enabled(1, column), qPrintable(QStringLiteral("%1 column %2").arg(page).arg(column)));
        }
    }

    void anUncheckedShowCellDisablesItsRow_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("layer");
        QTest::newRow("mesh") << "plotAttr_FDMesh_Page"
                              << "MESH";
        QTest::newRow("contour") << "plotAttr_FDCont_Page"
                                 << "CONTOUR";
        QTest::newRow("vector") << "plotAttr_FDVect_Page"
                                << "VECTOR";
        QTest::newRow("scatter") << "plotAttr_FDScat_Page"
                                 << "SCATTER";
        QTest::newRow("shade") << "plotAttr_FDShad_Page"
                               << "SHADE";
    }

    void anUncheckedShowCellDisablesItsRow()
    {
        QFETCH(QString, page);
        QFETCH(QString, layer);
        const QByteArray layerKeyword = layer.toLatin1();
        writeMapStyle({"FIELDMAP", layerKeyword.constData(), "SHOW"}, {1, 2}, 1);
        writeMapStyle({"FIELDMAP", layerKeyword.constData(), "SHOW"}, {2}, 0);
        openTab(page.toLatin1().constData());
        QVERIFY(enabled(0, 4));
        QVERIFY(enabled(0, 5));
        // The 3-D lighting columns follow the map and the layer, not the show cell.
        const int lighting = column("Use\nLighting");
        for (int column = 4; column < view()->model()->columnCount(); ++column)
            QVERIFY2(column == lighting || !enabled(1, column), qPrintable(QString::number(column)));
    }

    void aSolidLineHasNoPatternLength()
    {
        for (const char* page : {"plotAttr_FDMesh_Page", "plotAttr_FDCont_Page", "plotAttr_FDVect_Page"}) {
            openTab(page);
            const int patternLength = column("Pattern\nLength");
            writeMapStyle({"FIELDMAP", "MESH", "SHOW"}, {1}, 1);
            writeMapStyle({"FIELDMAP", "CONTOUR", "SHOW"}, {1}, 1);
            writeMapStyle({"FIELDMAP", "CONTOUR", "CONTOURTYPE"}, {1}, 0);
            writeMapStyle({"FIELDMAP", "VECTOR", "SHOW"}, {1}, 1);
            for (const char* layer : {"MESH", "CONTOUR", "VECTOR"})
                writeMapStyle({"FIELDMAP", layer, "LINEPATTERN"}, {1}, 0);
            QVERIFY2(!enabled(0, patternLength), page);
            for (const char* layer : {"MESH", "CONTOUR", "VECTOR"})
                writeMapStyle({"FIELDMAP", layer, "LINEPATTERN"}, {1}, 1);
            QVERIFY2(enabled(0, patternLength), page);
        }
    }

    void theContourTypeDecidesWhatIsDrawn()
    {
        openTab("plotAttr_FDCont_Page");
        writeMapStyle({"FIELDMAP", "CONTOUR", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "CONTOUR", "LINEPATTERN"}, {1}, 1);
        const int floodBy = column("Flood\nBy");
        const int linesBy = column("Lines\nBy");
        const int thickness = column("Line\nThickness");
        struct Expectation {
            int type;
            bool flood;
            bool lines;
        };
        for (const Expectation& expected : {Expectation{0, false, true}, Expectation{1, true, false},
                                            Expectation{2, true, true}, Expectation{3, true, false}}) {
            writeMapStyle({"FIELDMAP", "CONTOUR", "CONTOURTYPE"}, {1}, expected.type);
            QCOMPARE(enabled(0, floodBy), expected.flood);
            QCOMPARE(enabled(0, linesBy), expected.lines);
            QCOMPARE(enabled(0, thickness), expected.lines);
            QCOMPARE(enabled(0, column("Pattern\nLength")), expected.lines);
        }
    }

    void theScatterShapeDecidesSizeOutlineAndFill()
    {
        openTab("plotAttr_FDScat_Page");
        writeMapStyle({"FIELDMAP", "SCATTER", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "SCATTER", "FILLMODE"}, {1}, 1);
        const int size = column("Scatter\nSize");
        const int outline = column("Outline\nColor");
        const int thickness = column("Line\nThickness");
        const int fill = column("Fill\nColor");
        QVERIFY(enabled(0, size) && enabled(0, thickness) && enabled(0, fill));

        writeMapStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "GEOMSHAPE"}, {1}, 10);
        QVERIFY(!enabled(0, size) && !enabled(0, thickness) && !enabled(0, fill));
        QVERIFY(enabled(0, outline));

        writeMapStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "GEOMSHAPE"}, {1}, 8);
        QVERIFY(enabled(0, size) && !enabled(0, thickness) && !enabled(0, fill));

        // A character is drawn whatever the shape says.
        writeMapStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ISASCII"}, {1}, 1);
        QVERIFY(enabled(0, thickness) && enabled(0, fill));
        writeMapStyle({"FIELDMAP", "SCATTER", "FILLMODE"}, {1}, 2);
        QVERIFY(!enabled(0, fill));

        // Solids have an outline and a fill in 2-D.
        QVERIFY(Host::instance().setCurrentFrame(2));
        switchLayersOn();
        writeMapStyle({"FIELDMAP", "SCATTER", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "GEOMSHAPE"}, {1}, 7);
        QVERIFY(enabled(0, thickness));
    }

    void edgeBordersNeedIndexes()
    {
        openTab("plotAttr_FDEdge_Page");
        const int iBorder = column("I-Index\nBorder");
        QVERIFY(enabled(0, iBorder));
        QVERIFY(!enabled(3, iBorder));
        QVERIFY(enabled(3, column("Edge\nType")));
    }

    void planeRangesFollowTheSurfacesDrawn()
    {
        openTab("plotAttr_FDSurfaces_Page");
        const int surfaces = column("Surfaces\nto Plot");
        const int iRange = column("I-Plane\nRange");
        const int jRange = column("J-Plane\nRange");
        const int kRange = column("K-Plane\nRange");
        QVERIFY(enabled(0, surfaces));
        QVERIFY(!enabled(3, surfaces));
        struct Expectation {
            int surfaces;
            bool i, j, k;
        };
        for (const Expectation& expected :
             {Expectation{2, true, false, false}, Expectation{3, false, true, false}, Expectation{6, false, true, true},
              Expectation{9, false, false, false}, Expectation{0, true, true, true}}) {
            writeMapStyle({"FIELDMAP", "SURFACES", "SURFACESTOPLOT"}, {1}, expected.surfaces);
            QCOMPARE(enabled(0, iRange), expected.i);
            QCOMPARE(enabled(0, jRange), expected.j);
            QCOMPARE(enabled(0, kRange), expected.k);
        }
        QCOMPARE(view()->model()->index(0, iRange).data().toString(), QStringLiteral("1,Mx,1"));
    }

    void volumeAndEffectsFollowTheirLayers()
    {
        openTab("plotAttr_FDVolume_Page");
        QVERIFY(enabled(0, 4));
        QVERIFY(!enabled(3, 4));

        openTab("plotAttr_FDEffect_Page");
        const int blanking = column("Use Value\nBlanking");
        QVERIFY(!enabled(0, blanking));
        writeStyle({"BLANKING", "VALUE", "INCLUDE"}, 1);
        writeStyle({"BLANKING", "VALUE", "CONSTRAINT", "INCLUDE"}, 1, 2);
        QVERIFY(enabled(0, blanking));

        const int useTranslucency = column("Use Surface\nTranslucency");
        const int translucency = column("Surface\nTranslucency");
        writeMapStyle({"FIELDMAP", "SHADE", "SHOW"}, {1}, 0);
        writeMapStyle({"FIELDMAP", "MESH", "SHOW"}, {1}, 0);
        writeMapStyle({"FIELDMAP", "CONTOUR", "SHOW"}, {1}, 0);
        QVERIFY(!enabled(0, useTranslucency));
        writeMapStyle({"FIELDMAP", "SHADE", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "EFFECTS", "USETRANSLUCENCY"}, {1}, 0);
        QVERIFY(enabled(0, useTranslucency));
        QVERIFY(!enabled(0, translucency));
        writeMapStyle({"FIELDMAP", "EFFECTS", "USETRANSLUCENCY"}, {1}, 1);
        QVERIFY(enabled(0, translucency));
        writeStyle({"FIELDLAYERS", "USETRANSLUCENCY"}, 0);
        QVERIFY(!enabled(0, translucency));
    }

    void aColourColumnOpensTheChooserAtOnce()
    {
        openTab("plotAttr_FDMesh_Page");
        selectRows({0, 2});
        const int colorColumn = column("Mesh\nColor");
        const double before = readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1);
        {
            ModalDialogAnswerer chooser([](QWidget& window) {
                QVERIFY(qobject_cast<kestrix::dialogs::prompt::ColorChooserDialog*>(&window));
                qobject_cast<QDialog*>(&window)->reject();
            });
            TableClicks::rightClick(view(), 0, colorColumn);
            QCOMPARE(chooser.answered(), 1);
        }
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1), before);
        {
            ModalDialogAnswerer chooser([](QWidget& window) {
                auto* dialog = qobject_cast<kestrix::dialogs::prompt::ColorChooserDialog*>(&window);
                QVERIFY(dialog);
                dialog->setSelectedColor(5);
                dialog->accept();
            });
            TableClicks::rightClick(view(), 0, colorColumn);
            QCOMPARE(chooser.answered(), 1);
        }
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1), 5.0);
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 3), 5.0);
        QVERIFY(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 2) != 5.0);
    }

    void aPromptThatOutlivesItsFrameWritesNothing()
    {
        openTab("plotAttr_FDMesh_Page");
        selectRows({0, 1});
        const double before = readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1);
        ModalDialogAnswerer chooser([](QWidget& window) {
            QVERIFY(Host::instance().setCurrentFrame(2));
            auto* dialog = qobject_cast<kestrix::dialogs::prompt::ColorChooserDialog*>(&window);
            QVERIFY(dialog);
            dialog->setSelectedColor(6);
            dialog->accept();
        });
        TableClicks::rightClick(view(), 0, column("Mesh\nColor"));
        QCOMPARE(chooser.answered(), 1);
        QVERIFY(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1) != 6.0);
        QVERIFY(Host::instance().setCurrentFrame(1));
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1), before);
    }

    void sizeMenusOfferPresetsAndAPromptThatStartsFromTheFirstRow()
    {
        openTab("plotAttr_FDMesh_Page");
        writeMapStyle({"FIELDMAP", "MESH", "LINETHICKNESS"}, {2}, 0.4);
        selectRows({1, 2});
        const int thickness = column("Line\nThickness");
        QStringList entries;
        {
            ModalDialogAnswerer menu([&entries](QWidget& window) {
                for (QAction* action : qobject_cast<QMenu*>(&window)->actions())
                    entries.append(action->isSeparator() ? QStringLiteral("|") : action->text());
                window.close();
            });
            TableClicks::rightClick(view(), 1, thickness);
        }
        QCOMPARE(entries.size(), 7);
        QCOMPARE(entries.at(5), QStringLiteral("|"));
        QCOMPARE(entries.at(6), QStringLiteral("Enter..."));
        for (int i = 0; i < 5; ++i)
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d$")).match(entries.at(i)).hasMatch(),
                     qPrintable(entries.at(i)));

        double shown = 0;
        ModalDialogAnswerer menu(TableClicks::chooseThenAnswer(QStringLiteral("Enter..."), [&shown](QWidget& window) {
            auto* input = qobject_cast<QInputDialog*>(&window);
            QVERIFY(input);
            shown = input->doubleValue();
            input->setDoubleValue(1.25);
            input->accept();
        }));
        TableClicks::rightClick(view(), 1, thickness);
        QCOMPARE(menu.answered(), 1);
        QCOMPARE(shown, 0.4);
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "LINETHICKNESS"}, 2), 1.25);
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "LINETHICKNESS"}, 3), 1.25);
    }

    void aTypedSizeIsANumberWithinTheColumnsLimits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::newRow("decimal") << "2.5" << 2.5;
        QTest::newRow("percent") << "3.5 %" << 3.5;
        QTest::newRow("not a number") << "thick" << 0.1;
        QTest::newRow("above the limit") << "1000" << 0.1;
        QTest::newRow("below the limit") << "0" << 0.1;
    }

    void aTypedSizeIsANumberWithinTheColumnsLimits()
    {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        openTab("plotAttr_FDMesh_Page");
        writeMapStyle({"FIELDMAP", "MESH", "LINETHICKNESS"}, {1}, 0.1);
        const QModelIndex cell = view()->model()->index(0, column("Line\nThickness"));
        QVERIFY(view()->model()->setData(cell, typed, Qt::EditRole) == (stored != 0.1));
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "LINETHICKNESS"}, 1), stored);
    }

    void aListEntryWritesTheValueItStandsFor()
    {
        openTab("plotAttr_FDCont_Page");
        writeMapStyle({"FIELDMAP", "CONTOUR", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "CONTOUR", "CONTOURTYPE"}, {1}, 2);
        selectRows({0});
        chooseInListPopup(0, column("Flood\nBy"), 0);
        QCOMPARE(readMapStyle({"FIELDMAP", "CONTOUR", "FLOODCOLORING"}, 1), 1.0);
        chooseInListPopup(0, column("Lines\nBy"), 7);
        QCOMPARE(readMapStyle({"FIELDMAP", "CONTOUR", "LINECONTOURGROUP"}, 1), 8.0);

        openTab("plotAttr_FDEffect_Page");
        chooseInListPopup(0, column("Surface\nTranslucency"), 2);
        QCOMPARE(readMapStyle({"FIELDMAP", "EFFECTS", "SURFACETRANSLUCENCY"}, 1), 30.0);
    }

    void contourGroupsNameTheirVariables()
    {
        openTab("plotAttr_FDCont_Page");
        const QStringList groups = view()->model()->index(0, column("Flood\nBy")).data(Qt::EditRole).toStringList();
        QCOMPARE(groups.size(), 9);
        QCOMPARE(groups.at(0), QStringLiteral("C1: P"));
        QCOMPARE(groups.at(2), QStringLiteral("C3: unassigned"));
        QCOMPARE(groups.at(8), QStringLiteral("RGB"));
        writeMapStyle({"FIELDMAP", "CONTOUR", "FLOODCOLORING"}, {2}, 3);
        QCOMPARE(view()->model()->index(1, column("Flood\nBy")).data().toString(), QStringLiteral("C3: unassigned"));
    }

    void aCancelledScatterSizePromptKeepsSizingByVariable()
    {
        openTab("plotAttr_FDScat_Page");
        writeMapStyle({"FIELDMAP", "SCATTER", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "SCATTER", "SIZEBYVARIABLE"}, {1}, 1);
        selectRows({0});
        const int size = column("Scatter\nSize");
        QVERIFY(view()->model()->index(0, size).data().toString().startsWith(QStringLiteral("By: ")));
        bool prompted = false;
        {
            ModalDialogAnswerer menu(
                TableClicks::chooseThenAnswer(QStringLiteral("Enter..."), [&prompted](QWidget& window) {
                    prompted = qobject_cast<QInputDialog*>(&window) != nullptr;
                    qobject_cast<QDialog*>(&window)->reject();
                }));
            TableClicks::rightClick(view(), 0, size);
        }
        QVERIFY(prompted);
        QCOMPARE(readMapStyle({"FIELDMAP", "SCATTER", "SIZEBYVARIABLE"}, 1), 1.0);

        // A preset makes the size fixed again.
        const double preset = readMapStyle({"BASICSIZE", "SYMBOLSIZES", "LARGE"}, -1);
        ModalDialogAnswerer menu(TableClicks::choose(QString::asprintf("%.2f", preset)));
        TableClicks::rightClick(view(), 0, size);
        QTRY_COMPARE(readMapStyle({"FIELDMAP", "SCATTER", "SIZEBYVARIABLE"}, 1), 0.0);
        QCOMPARE(readMapStyle({"FIELDMAP", "SCATTER", "FRAMESIZE"}, 1), preset);
    }

    void noSkipIsOneStepToUndo()
    {
        openTab("plotAttr_FDPoints_Page");
        writeMapStyle({"FIELDMAP", "POINTS", "IJKSKIP", "J"}, {1, 2}, 3);
        selectRows({0, 1});
        const int steps = Host::instance().undoStepCount();
        ModalDialogAnswerer menu(TableClicks::choose(QStringLiteral("No skip")));
        TableClicks::rightClick(view(), 0, column("Index\nSkip"));
        QCOMPARE(menu.answered(), 1);
        QCOMPARE(readMapStyle({"FIELDMAP", "POINTS", "IJKSKIP", "J"}, 2), 1.0);
        QCOMPARE(view()->model()->index(1, column("Index\nSkip")).data().toString(), QStringLiteral("1,1,1"));
        QCOMPARE(Host::instance().undoStepCount(), steps + 1);
        QCOMPARE(Host::instance().appLockDepth(), 0);
    }

    void menusOfferTheirEntriesInOrder()
    {
        openTab("plotAttr_FDSurfaces_Page");
        selectRows({0, 2});
        QStringList entries;
        ModalDialogAnswerer menu([&entries](QWidget& window) {
            for (QAction* action : qobject_cast<QMenu*>(&window)->actions())
                entries.append(action->text());
            window.close();
        });
        TableClicks::rightClick(view(), 0, column("Surfaces\nto Plot"));
        QCOMPARE(entries.size(), 11);
        QCOMPARE(entries.first(), QStringLiteral("None"));
        QCOMPARE(entries.at(1), QStringLiteral("Boundary cell faces"));

        openTab("plotAttr_FDMesh_Page");
        ModalDialogAnswerer no(TableClicks::choose(QStringLiteral("No")));
        TableClicks::rightClick(view(), 0, column("Show\nMesh"));
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "SHOW"}, 1), 0.0);
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "SHOW"}, 3), 0.0);
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "SHOW"}, 2), 1.0);
    }

private:
    bool openTab(const char* pageName)
    {
        auto* tabs = m_dialog->findChild<QTabWidget*>(QStringLiteral("plotAttr_FD_PageGroup"));
        auto* page = m_dialog->findChild<QWidget*>(QString::fromLatin1(pageName));
        if (tabs->indexOf(page) < 0)
            return false;
        tabs->setCurrentWidget(page);
        return true;
    }

    QTableView* view() const
    {
        auto* tabs = m_dialog->findChild<QTabWidget*>(QStringLiteral("plotAttr_FD_PageGroup"));
        return tabs->currentWidget()->findChild<QTableView*>();
    }

    int column(const char* title) const
    {
        const QAbstractItemModel* model = view()->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->headerData(column, Qt::Horizontal).toString() == QLatin1String(title))
                return column;
        }
        return -1;
    }

    bool enabled(int row, int column) const
    {
        auto* model = qobject_cast<ModelAbstract*>(view()->model());
        return model && model->isEnabled(model->index(row, column));
    }

    void selectRows(std::initializer_list<int> rows)
    {
        view()->selectionModel()->clearSelection();
        for (int row : rows)
            view()->selectionModel()->select(view()->model()->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    void chooseInListPopup(int row, int column, int entry)
    {
        ModalDialogAnswerer popup([entry](QWidget& window) {
            auto* list = window.findChild<QListWidget*>(QStringLiteral("listBox"));
            QVERIFY(list);
            list->setCurrentRow(entry);
            QTest::keyClick(list, Qt::Key_Return);
        });
        TableClicks::rightClick(view(), row, column);
        QCOMPARE(popup.answered(), 1);
    }

    QMainWindow m_mainWindow;
    std::unique_ptr<ZoneStyleDialog> m_dialog;
};

QTEST_MAIN(TestFieldTabs)
#include "tst_fieldtabs.moc"
