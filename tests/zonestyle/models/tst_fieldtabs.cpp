// The field-plot tabs of the Zone Style dialog, driven as a user drives them: which cells are
// enabled, what menus and popups offer and what they write into the host.

#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"
#include "hostsim/Host.h"
#include "support/ModalDialogAnswerer.h"
#include "support/StyleWrites.h"
#include "support/TableClicks.h"
#include "support/TestScenes.h"
#include "support/ZoneStyleTabs.h"

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
using kestrix::testing::ZoneStyleTabs;

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
                if (!tabs().open(page))
                    continue;
                QAbstractItemModelTester tester(tabs().view()->model(),
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
        tabs().open("plotAttr_FDCont_Page");
        QCOMPARE(tabs().column("Use\nLighting"), 12);
        tabs().open("plotAttr_FDEffect_Page");
        QCOMPARE(tabs().column("Surface\nTranslucency"), 7);
        QVERIFY(Host::instance().setCurrentFrame(2));
        QCOMPARE(tabs().view()->model()->columnCount(), 5);
        tabs().open("plotAttr_FDCont_Page");
        QCOMPARE(tabs().column("Use\nLighting"), -1);
        QCOMPARE(tabs().view()->model()->columnCount(), 12);
    }

    void anInactiveMapIsDisabledInEveryColumn()
    {
        const kestrix::toolbox::Set active = kestrix::testing::setOf({1, 3, 4});
        QVERIFY(kestrix::toolbox::StyleValue::returnCodeOk(
            kestrix::toolbox::CheckedStyleValue("ACTIVEFIELDMAPS").set(active)));
        for (const char* page : FieldPages) {
            tabs().open(page);
            for (int column = 4; column < tabs().view()->model()->columnCount(); ++column)
                QVERIFY2(!tabs().enabled(1, column), qPrintable(QStringLiteral("%1 column %2").arg(page).arg(column)));
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
        tabs().open(page.toLatin1().constData());
        QVERIFY(tabs().enabled(0, 4));
        QVERIFY(tabs().enabled(0, 5));
        // The 3-D lighting columns follow the map and the layer, not the show cell.
        const int lighting = tabs().column("Use\nLighting");
        for (int column = 4; column < tabs().view()->model()->columnCount(); ++column)
            QVERIFY2(column == lighting || !tabs().enabled(1, column), qPrintable(QString::number(column)));
    }

    void aSolidLineHasNoPatternLength()
    {
        for (const char* page : {"plotAttr_FDMesh_Page", "plotAttr_FDCont_Page", "plotAttr_FDVect_Page"}) {
            tabs().open(page);
            const int patternLength = tabs().column("Pattern\nLength");
            writeMapStyle({"FIELDMAP", "MESH", "SHOW"}, {1}, 1);
            writeMapStyle({"FIELDMAP", "CONTOUR", "SHOW"}, {1}, 1);
            writeMapStyle({"FIELDMAP", "CONTOUR", "CONTOURTYPE"}, {1}, 0);
            writeMapStyle({"FIELDMAP", "VECTOR", "SHOW"}, {1}, 1);
            for (const char* layer : {"MESH", "CONTOUR", "VECTOR"})
                writeMapStyle({"FIELDMAP", layer, "LINEPATTERN"}, {1}, 0);
            QVERIFY2(!tabs().enabled(0, patternLength), page);
            for (const char* layer : {"MESH", "CONTOUR", "VECTOR"})
                writeMapStyle({"FIELDMAP", layer, "LINEPATTERN"}, {1}, 1);
            QVERIFY2(tabs().enabled(0, patternLength), page);
        }
    }

    void theContourTypeDecidesWhatIsDrawn()
    {
        tabs().open("plotAttr_FDCont_Page");
        writeMapStyle({"FIELDMAP", "CONTOUR", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "CONTOUR", "LINEPATTERN"}, {1}, 1);
        const int floodBy = tabs().column("Flood\nBy");
        const int linesBy = tabs().column("Lines\nBy");
        const int thickness = tabs().column("Line\nThickness");
        struct Expectation {
            int type;
            bool flood;
            bool lines;
        };
        for (const Expectation& expected : {Expectation{0, false, true}, Expectation{1, true, false},
                                            Expectation{2, true, true}, Expectation{3, true, false}}) {
            writeMapStyle({"FIELDMAP", "CONTOUR", "CONTOURTYPE"}, {1}, expected.type);
            QCOMPARE(tabs().enabled(0, floodBy), expected.flood);
            QCOMPARE(tabs().enabled(0, linesBy), expected.lines);
            QCOMPARE(tabs().enabled(0, thickness), expected.lines);
            QCOMPARE(tabs().enabled(0, tabs().column("Pattern\nLength")), expected.lines);
        }
    }

    void theScatterShapeDecidesSizeOutlineAndFill()
    {
        tabs().open("plotAttr_FDScat_Page");
        writeMapStyle({"FIELDMAP", "SCATTER", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "SCATTER", "FILLMODE"}, {1}, 1);
        const int size = tabs().column("Scatter\nSize");
        const int outline = tabs().column("Outline\nColor");
        const int thickness = tabs().column("Line\nThickness");
        const int fill = tabs().column("Fill\nColor");
        QVERIFY(tabs().enabled(0, size) && tabs().enabled(0, thickness) && tabs().enabled(0, fill));

        writeMapStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "GEOMSHAPE"}, {1}, 10);
        QVERIFY(!tabs().enabled(0, size) && !tabs().enabled(0, thickness) && !tabs().enabled(0, fill));
        QVERIFY(tabs().enabled(0, outline));

        writeMapStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "GEOMSHAPE"}, {1}, 8);
        QVERIFY(tabs().enabled(0, size) && !tabs().enabled(0, thickness) && !tabs().enabled(0, fill));

        // A character is drawn whatever the shape says.
        writeMapStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ISASCII"}, {1}, 1);
        QVERIFY(tabs().enabled(0, thickness) && tabs().enabled(0, fill));
        writeMapStyle({"FIELDMAP", "SCATTER", "FILLMODE"}, {1}, 2);
        QVERIFY(!tabs().enabled(0, fill));

        // Solids have an outline and a fill in 2-D.
        QVERIFY(Host::instance().setCurrentFrame(2));
        switchLayersOn();
        writeMapStyle({"FIELDMAP", "SCATTER", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "SCATTER", "SYMBOLSHAPE", "GEOMSHAPE"}, {1}, 7);
        QVERIFY(tabs().enabled(0, thickness));
    }

    void edgeBordersNeedIndexes()
    {
        tabs().open("plotAttr_FDEdge_Page");
        const int iBorder = tabs().column("I-Index\nBorder");
        QVERIFY(tabs().enabled(0, iBorder));
        QVERIFY(!tabs().enabled(3, iBorder));
        QVERIFY(tabs().enabled(3, tabs().column("Edge\nType")));
    }

    void planeRangesFollowTheSurfacesDrawn()
    {
        tabs().open("plotAttr_FDSurfaces_Page");
        const int surfaces = tabs().column("Surfaces\nto Plot");
        const int iRange = tabs().column("I-Plane\nRange");
        const int jRange = tabs().column("J-Plane\nRange");
        const int kRange = tabs().column("K-Plane\nRange");
        QVERIFY(tabs().enabled(0, surfaces));
        QVERIFY(!tabs().enabled(3, surfaces));
        struct Expectation {
            int surfaces;
            bool i, j, k;
        };
        for (const Expectation& expected :
             {Expectation{2, true, false, false}, Expectation{3, false, true, false}, Expectation{6, false, true, true},
              Expectation{9, false, false, false}, Expectation{0, true, true, true}}) {
            writeMapStyle({"FIELDMAP", "SURFACES", "SURFACESTOPLOT"}, {1}, expected.surfaces);
            QCOMPARE(tabs().enabled(0, iRange), expected.i);
            QCOMPARE(tabs().enabled(0, jRange), expected.j);
            QCOMPARE(tabs().enabled(0, kRange), expected.k);
        }
        QCOMPARE(tabs().view()->model()->index(0, iRange).data().toString(), QStringLiteral("1,Mx,1"));
    }

    void volumeAndEffectsFollowTheirLayers()
    {
        tabs().open("plotAttr_FDVolume_Page");
        QVERIFY(tabs().enabled(0, 4));
        QVERIFY(!tabs().enabled(3, 4));

        tabs().open("plotAttr_FDEffect_Page");
        const int blanking = tabs().column("Use Value\nBlanking");
        QVERIFY(!tabs().enabled(0, blanking));
        writeStyle({"BLANKING", "VALUE", "INCLUDE"}, 1);
        writeStyle({"BLANKING", "VALUE", "CONSTRAINT", "INCLUDE"}, 1, 2);
        QVERIFY(tabs().enabled(0, blanking));

        const int useTranslucency = tabs().column("Use Surface\nTranslucency");
        const int translucency = tabs().column("Surface\nTranslucency");
        writeMapStyle({"FIELDMAP", "SHADE", "SHOW"}, {1}, 0);
        writeMapStyle({"FIELDMAP", "MESH", "SHOW"}, {1}, 0);
        writeMapStyle({"FIELDMAP", "CONTOUR", "SHOW"}, {1}, 0);
        QVERIFY(!tabs().enabled(0, useTranslucency));
        writeMapStyle({"FIELDMAP", "SHADE", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "EFFECTS", "USETRANSLUCENCY"}, {1}, 0);
        QVERIFY(tabs().enabled(0, useTranslucency));
        QVERIFY(!tabs().enabled(0, translucency));
        writeMapStyle({"FIELDMAP", "EFFECTS", "USETRANSLUCENCY"}, {1}, 1);
        QVERIFY(tabs().enabled(0, translucency));
        writeStyle({"FIELDLAYERS", "USETRANSLUCENCY"}, 0);
        QVERIFY(!tabs().enabled(0, translucency));
    }

    void aColourColumnOpensTheChooserAtOnce()
    {
        tabs().open("plotAttr_FDMesh_Page");
        tabs().selectRows({0, 2});
        const int colorColumn = tabs().column("Mesh\nColor");
        const double before = readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1);
        {
            ModalDialogAnswerer chooser([](QWidget& window) {
                QVERIFY(qobject_cast<kestrix::dialogs::prompt::ColorChooserDialog*>(&window));
                qobject_cast<QDialog*>(&window)->reject();
            });
            TableClicks::rightClick(tabs().view(), 0, colorColumn);
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
            TableClicks::rightClick(tabs().view(), 0, colorColumn);
            QCOMPARE(chooser.answered(), 1);
        }
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1), 5.0);
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 3), 5.0);
        QVERIFY(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 2) != 5.0);
    }

    void aPromptThatOutlivesItsFrameWritesNothing()
    {
        tabs().open("plotAttr_FDMesh_Page");
        tabs().selectRows({0, 1});
        const double before = readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1);
        ModalDialogAnswerer chooser([](QWidget& window) {
            QVERIFY(Host::instance().setCurrentFrame(2));
            auto* dialog = qobject_cast<kestrix::dialogs::prompt::ColorChooserDialog*>(&window);
            QVERIFY(dialog);
            dialog->setSelectedColor(6);
            dialog->accept();
        });
        TableClicks::rightClick(tabs().view(), 0, tabs().column("Mesh\nColor"));
        QCOMPARE(chooser.answered(), 1);
        QVERIFY(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1) != 6.0);
        QVERIFY(Host::instance().setCurrentFrame(1));
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "COLOR"}, 1), before);
    }

    void sizeMenusOfferPresetsAndAPromptThatStartsFromTheFirstRow()
    {
        tabs().open("plotAttr_FDMesh_Page");
        writeMapStyle({"FIELDMAP", "MESH", "LINETHICKNESS"}, {2}, 0.4);
        tabs().selectRows({1, 2});
        const int thickness = tabs().column("Line\nThickness");
        QStringList entries;
        {
            ModalDialogAnswerer menu([&entries](QWidget& window) {
                for (QAction* action : qobject_cast<QMenu*>(&window)->actions())
                    entries.append(action->isSeparator() ? QStringLiteral("|") : action->text());
                window.close();
            });
            TableClicks::rightClick(tabs().view(), 1, thickness);
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
        TableClicks::rightClick(tabs().view(), 1, thickness);
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
        tabs().open("plotAttr_FDMesh_Page");
        writeMapStyle({"FIELDMAP", "MESH", "LINETHICKNESS"}, {1}, 0.1);
        const QModelIndex cell = tabs().view()->model()->index(0, tabs().column("Line\nThickness"));
        QVERIFY(tabs().view()->model()->setData(cell, typed, Qt::EditRole) == (stored != 0.1));
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "LINETHICKNESS"}, 1), stored);
    }

    void aListEntryWritesTheValueItStandsFor()
    {
        tabs().open("plotAttr_FDCont_Page");
        writeMapStyle({"FIELDMAP", "CONTOUR", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "CONTOUR", "CONTOURTYPE"}, {1}, 2);
        tabs().selectRows({0});
        tabs().chooseInListPopup(0, tabs().column("Flood\nBy"), 0);
        QCOMPARE(readMapStyle({"FIELDMAP", "CONTOUR", "FLOODCOLORING"}, 1), 1.0);
        tabs().chooseInListPopup(0, tabs().column("Lines\nBy"), 7);
        QCOMPARE(readMapStyle({"FIELDMAP", "CONTOUR", "LINECONTOURGROUP"}, 1), 8.0);

        tabs().open("plotAttr_FDEffect_Page");
        tabs().chooseInListPopup(0, tabs().column("Surface\nTranslucency"), 2);
        QCOMPARE(readMapStyle({"FIELDMAP", "EFFECTS", "SURFACETRANSLUCENCY"}, 1), 30.0);
    }

    void contourGroupsNameTheirVariables()
    {
        tabs().open("plotAttr_FDCont_Page");
        const QStringList groups = tabs().view()->model()->index(0, tabs().column("Flood\nBy")).data(Qt::EditRole).toStringList();
        QCOMPARE(groups.size(), 9);
        QCOMPARE(groups.at(0), QStringLiteral("C1: P"));
        QCOMPARE(groups.at(2), QStringLiteral("C3: unassigned"));
        QCOMPARE(groups.at(8), QStringLiteral("RGB"));
        writeMapStyle({"FIELDMAP", "CONTOUR", "FLOODCOLORING"}, {2}, 3);
        QCOMPARE(tabs().view()->model()->index(1, tabs().column("Flood\nBy")).data().toString(), QStringLiteral("C3: unassigned"));
    }

    void aCancelledScatterSizePromptKeepsSizingByVariable()
    {
        tabs().open("plotAttr_FDScat_Page");
        writeMapStyle({"FIELDMAP", "SCATTER", "SHOW"}, {1}, 1);
        writeMapStyle({"FIELDMAP", "SCATTER", "SIZEBYVARIABLE"}, {1}, 1);
        tabs().selectRows({0});
        const int size = tabs().column("Scatter\nSize");
        QVERIFY(tabs().view()->model()->index(0, size).data().toString().startsWith(QStringLiteral("By: ")));
        bool prompted = false;
        {
            ModalDialogAnswerer menu(
                TableClicks::chooseThenAnswer(QStringLiteral("Enter..."), [&prompted](QWidget& window) {
                    prompted = qobject_cast<QInputDialog*>(&window) != nullptr;
                    qobject_cast<QDialog*>(&window)->reject();
                }));
            TableClicks::rightClick(tabs().view(), 0, size);
        }
        QVERIFY(prompted);
        QCOMPARE(readMapStyle({"FIELDMAP", "SCATTER", "SIZEBYVARIABLE"}, 1), 1.0);

        // A preset makes the size fixed again.
        const double preset = readMapStyle({"BASICSIZE", "SYMBOLSIZES", "LARGE"}, -1);
        ModalDialogAnswerer menu(TableClicks::choose(QString::asprintf("%.2f", preset)));
        TableClicks::rightClick(tabs().view(), 0, size);
        QTRY_COMPARE(readMapStyle({"FIELDMAP", "SCATTER", "SIZEBYVARIABLE"}, 1), 0.0);
        QCOMPARE(readMapStyle({"FIELDMAP", "SCATTER", "FRAMESIZE"}, 1), preset);
    }

    void noSkipIsOneStepToUndo()
    {
        tabs().open("plotAttr_FDPoints_Page");
        writeMapStyle({"FIELDMAP", "POINTS", "IJKSKIP", "J"}, {1, 2}, 3);
        tabs().selectRows({0, 1});
        const int steps = Host::instance().undoStepCount();
        ModalDialogAnswerer menu(TableClicks::choose(QStringLiteral("No skip")));
        TableClicks::rightClick(tabs().view(), 0, tabs().column("Index\nSkip"));
        QCOMPARE(menu.answered(), 1);
        QCOMPARE(readMapStyle({"FIELDMAP", "POINTS", "IJKSKIP", "J"}, 2), 1.0);
        QCOMPARE(tabs().view()->model()->index(1, tabs().column("Index\nSkip")).data().toString(), QStringLiteral("1,1,1"));
        QCOMPARE(Host::instance().undoStepCount(), steps + 1);
        QCOMPARE(Host::instance().appLockDepth(), 0);
    }

    void menusOfferTheirEntriesInOrder()
    {
        tabs().open("plotAttr_FDSurfaces_Page");
        tabs().selectRows({0, 2});
        QStringList entries;
        ModalDialogAnswerer menu([&entries](QWidget& window) {
            for (QAction* action : qobject_cast<QMenu*>(&window)->actions())
                entries.append(action->text());
            window.close();
        });
        TableClicks::rightClick(tabs().view(), 0, tabs().column("Surfaces\nto Plot"));
        QCOMPARE(entries.size(), 11);
        QCOMPARE(entries.first(), QStringLiteral("None"));
        QCOMPARE(entries.at(1), QStringLiteral("Boundary cell faces"));

        tabs().open("plotAttr_FDMesh_Page");
        ModalDialogAnswerer no(TableClicks::choose(QStringLiteral("No")));
        TableClicks::rightClick(tabs().view(), 0, tabs().column("Show\nMesh"));
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "SHOW"}, 1), 0.0);
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "SHOW"}, 3), 0.0);
        QCOMPARE(readMapStyle({"FIELDMAP", "MESH", "SHOW"}, 2), 1.0);
    }

private:
    ZoneStyleTabs tabs() const { return ZoneStyleTabs(*m_dialog, "plotAttr_FD_PageGroup"); }

    QMainWindow m_mainWindow;
    std::unique_ptr<ZoneStyleDialog> m_dialog;
};

QTEST_MAIN(TestFieldTabs)
#include "tst_fieldtabs.moc"
