// Times the Zone Style dialog at 1,000, 10,000 and 100,000 maps next to a plain QTableView
// over a trivial model of the same shape (the toolkit's floor), and counts the host reads of
// one refresh. Prints one table; exits 1 when an operation grows from 10,000 to 100,000 maps
// more than 1.5 times as much as linear growth or as the floor in the same run (whichever is
// more: a loaded machine slows both), or a refresh reads more than 10% more at 100,000 than
// at 1,000.
//
// The field tabs are measured on a 3D frame: opening every tab; "show selected only",
// "invert", a Yes/No write and a size preset, each chosen in a menu with every other row
// selected (their floor is that of "menu write"); the style reads of one repaint of every tab
// must not grow with the maps, and the host writes per menu action are printed. The line tabs
// the same way on an x-y frame, with a refresh after a state change, a Yes/No write and a skip
// choice; there, every map starts with a skipping of 0 by index, and the maps repaired when
// the symbols tab is first shown must be the visible ones only.
//
// "select all" and "menu write" start with every other row selected. Qt's own selection path
// compares the old and the new selection range by range there, so the floor of "select all"
// is the plain view selecting all from no selection, and the floor of "menu write" writes the
// same rows into memory and announces the change.

#include "dialogs/uicontrols/SelectedRows.h"
#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "hostsim/Host.h"

#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>
#include <kxtoolbox/StateChangeEventInterface.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
using kestrix::sdk::ui::dialogs::uicontrols::SelectedRows;

namespace {

const std::vector<int> Sizes{1000, 10000, 100000};
const char* const Operations[] = {
    "open",         "refresh",     "tab switch",      "select by pattern",  "trim selection",
    "select all",   "menu write",  "open field tabs", "show selected only", "invert",
    "yes/no write", "size preset", "open line tabs",  "line refresh",       "line yes/no write",
    "skip choice"};
// The menu writes of the field tabs: the tab, the column's title, the entries chosen in turn.
struct MenuWrite {
    const char* operation;
    const char* page;
    const char* column;
    const char* entries[2];
};
const MenuWrite FieldMenuWrites[] = {
    {"show selected only", "plotAttr_FDMesh_Page", "Show\nZone", {"Show selected only", "Activate"}},
    {"invert", "plotAttr_FDMesh_Page", "Show\nZone", {"Invert", "Invert"}},
    {"yes/no write", "plotAttr_FDMesh_Page", "Show\nMesh", {"No", "Yes"}},
    {"size preset", "plotAttr_FDMesh_Page", "Line\nThickness", {nullptr, nullptr}},
};
const std::vector<const char*> FieldPages{
    "plotAttr_FDMesh_Page",   "plotAttr_FDCont_Page",  "plotAttr_FDVect_Page",   "plotAttr_FDScat_Page",
    "plotAttr_FDShad_Page",   "plotAttr_FDEdge_Page",  "plotAttr_FDPoints_Page", "plotAttr_FDSurfaces_Page",
    "plotAttr_FDVolume_Page", "plotAttr_FDEffect_Page"};
const MenuWrite LineMenuWrites[] = {
    {"line yes/no write", "plotAttr_LPLine_Page", "Show\nLines", {"No", "Yes"}},
    {"skip choice", "plotAttr_LPSymb_Page", "Symbol\nSpacing", {"I skip=2", "Distance=2"}},
};
const std::vector<const char*> LinePages{"plotAttr_LPDefn_Page", "plotAttr_LPLine_Page", "plotAttr_LPCurv_Page",
                                         "plotAttr_LPSymb_Page", "plotAttr_LPEBar_Page", "plotAttr_LPBars_Page",
                                         "plotAttr_LPIndx_Page"};

// The tabs of one kind of plot and what is measured on them.
struct TabSet {
    const char* name;
    const char* scene;
    const char* tabWidget;
    const std::vector<const char*>& pages;
    std::vector<MenuWrite> menuWrites;
    const char* openOperation;
    // Measured only where named.
    const char* refreshOperation;
};
const TabSet FieldTabs{"field",
                       "field3d:%1",
                       "plotAttr_FD_PageGroup",
                       FieldPages,
                       std::vector<MenuWrite>(std::begin(FieldMenuWrites), std::end(FieldMenuWrites)),
                       "open field tabs",
                       nullptr};
const TabSet LineTabs{"line",
                      "xy:%1",
                      "plotAttr_LP_PageGroup",
                      LinePages,
                      std::vector<MenuWrite>(std::begin(LineMenuWrites), std::end(LineMenuWrites)),
                      "open line tabs",
                      "line refresh"};

class BenchEvent : public kestrix::toolbox::StateChangeEventInterface {
public:
    explicit BenchEvent(int code) : m_code(code) {}
    int getStateChange() const override { return m_code; }
    int getParamCount() const override { return 0; }
    std::string getParamString(int) const override { return {}; }

private:
    int m_code;
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

double elapsedMs(const std::function<void()>& operation)
{
    QElapsedTimer timer;
    timer.start();
    operation();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The median of several runs, each prepared by `setup` outside the timing.
double medianMs(int runs, const std::function<void()>& setup, const std::function<void()>& operation)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        setup();
        settle();
        times.push_back(elapsedMs(operation));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int runsFor(int maps)
{
    return maps >= 100000 ? 3 : 5;
}

SelectedRows::Runs everyOtherRow(int rows)
{
    SelectedRows::Runs runs;
    for (int row = 0; row < rows; row += 2)
        runs.append(SelectedRows::Run{row, row});
    return runs;
}

void generate(const QString& sceneRequest)
{
    QString error;
    if (!Host::instance().loadGeneratedScene(sceneRequest, &error)) {
        std::fprintf(stderr, "cannot generate %s: %s\n", qPrintable(sceneRequest), qPrintable(error));
        std::exit(2);
    }
}

// Chooses an entry of the context menu that the right click at `cell` opens, as a user would.
void chooseFromMenu(QTableView& view, const QModelIndex& cell, const QString& entry)
{
    QTimer::singleShot(0, [entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == entry)
                menu->setActiveAction(action);
        }
        QKeyEvent choose(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &choose);
    });
    const QPoint position = view.visualRect(cell).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, position, view.viewport()->mapToGlobal(position));
    QCoreApplication::sendEvent(view.viewport(), &click);
}

// The floor: a plain table view over a model that answers every cell from memory.
class TrivialModel : public QAbstractTableModel {
public:
    explicit TrivialModel(int rows) : m_rows(rows) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        const int number = index.row() + 1;
        if (index.column() == 1)
            return QString::fromLatin1(number % 2 == 1 ? "inlet %1" : "outlet %1").arg(number);
        return number;
    }
    void refresh()
    {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
    void deactivate(const SelectedRows::Runs& runs)
    {
        m_active.resize(m_rows, true);
        for (const SelectedRows::Run& run : runs)
            std::fill(m_active.begin() + run.first, m_active.begin() + run.last + 1, false);
        refresh();
    }
    void removeLastRows(int count)
    {
        beginRemoveRows(QModelIndex(), m_rows - count, m_rows - 1);
        m_rows -= count;
        endRemoveRows();
    }

private:
    int m_rows;
    std::vector<bool> m_active;
};

struct Measurements {
    std::map<std::string, std::map<int, double>> dialogMs;
    std::map<std::string, std::map<int, double>> floorMs;
    std::map<int, quint64> readsPerRefresh;
    // Style reads of one repaint of every tab of a kind, and host writes per menu action.
    std::map<std::string, std::map<int, quint64>> readsPerRepaint;
    std::map<std::string, std::map<int, int>> writesPerAction;
    // Maps whose skipping the symbols tab repaired when first shown.
    std::map<int, int> skipsRepaired;
};

QTableView* dialogView(ZoneStyleDialog& dialog)
{
    for (QTableView* view : dialog.findChildren<QTableView*>()) {
        if (view->isVisible())
            return view;
    }
    return nullptr;
}

int columnTitled(const QAbstractItemModel& model, const char* title)
{
    for (int column = 0; column < model.columnCount(); ++column) {
        if (model.headerData(column, Qt::Horizontal).toString() == QLatin1String(title))
            return column;
    }
    return -1;
}

QString sizePresetText()
{
    double size = 0;
    kestrix::toolbox::CheckedStyleValue("BASICSIZE", "LINETHICKNESSES", "LARGE").get(size);
    return QString::asprintf("%.2f", size);
}

// The maps named by the journal's writes of a setting: "objects=1-30,32" counts 31.
int mapsWritten(const QString& settingPrefix)
{
    int maps = 0;
    for (const QString& line : Host::instance().journal()) {
        if (!line.startsWith(settingPrefix))
            continue;
        const QString objects = line.section(QStringLiteral("objects="), 1).section(QLatin1Char(' '), 0, 0);
        for (const QString& member : objects.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList bounds = member.split(QLatin1Char('-'));
            maps += bounds.size() == 2 ? bounds.at(1).toInt() - bounds.at(0).toInt() + 1 : 1;
        }
    }
    return maps;
}

void measureTabs(const TabSet& tabSet, QWidget& mainWindow, int maps, Measurements& results)
{
    const int runs = runsFor(maps);
    generate(QString::fromLatin1(tabSet.scene).arg(maps));
    const bool linePlot = &tabSet == &LineTabs;
    if (linePlot) {
        kestrix::toolbox::Set all;
        for (int map = 1; map <= maps; ++map)
            all.add(map);
        kestrix::toolbox::CheckedStyleValue("LINEMAP", "SYMBOLS", "SKIPPING").set(0.0, &all);
        for (const char* layer : {"SHOWLINES", "SHOWSYMBOLS", "SHOWERRORBARS", "SHOWBARCHARTS"})
            kestrix::toolbox::CheckedStyleValue("LINEPLOTLAYERS", layer).set(true);
        Host::instance().clearJournal();
    }
    std::unique_ptr<ZoneStyleDialog> dialog(
        &ZoneStyleDialog::getInstance(mainWindow, kestrix::dialogs::common::DialogInitialization_None));
    dialog->launch();
    settle();
    auto* tabs = dialog->findChild<QTabWidget*>(QString::fromLatin1(tabSet.tabWidget));
    const auto show = [&](const char* page) {
        tabs->setCurrentWidget(dialog->findChild<QWidget*>(QString::fromLatin1(page)));
    };
    const auto openEveryTab = [&] {
        for (const char* page : tabSet.pages) {
            show(page);
            settle();
            dialogView(*dialog)->viewport()->repaint();
        }
    };
    results.dialogMs[tabSet.openOperation][maps] = medianMs(
        runs, [] {}, openEveryTab);
    if (linePlot)
        results.skipsRepaired[maps] = mapsWritten(QStringLiteral("LINEMAP SYMBOLS SKIPPING "));
    // Every tab has been shown once: what a repaint reads is the visible cells' values and rules.
    Host::instance().resetStyleCounts();
    for (const char* page : tabSet.pages) {
        show(page);
        dialogView(*dialog)->viewport()->repaint();
    }
    results.readsPerRepaint[tabSet.name][maps] = Host::instance().styleReadCount();

    if (tabSet.refreshOperation) {
        QTableView* view = dialogView(*dialog);
        results.dialogMs[tabSet.refreshOperation][maps] = medianMs(
            runs, [] {},
            [&] {
                kestrix::sdk::integration::StateChangeEventObservable::getInstance().notify(
                    BenchEvent(StateChange_VarName));
                settle();
                view->viewport()->repaint();
            });
    }

    for (const MenuWrite& write : tabSet.menuWrites) {
        show(write.page);
        settle();
        QTableView* view = dialogView(*dialog);
        const int column = columnTitled(*view->model(), write.column);
        int turn = 0;
        int journalLines = 0;
        results.dialogMs[write.operation][maps] = medianMs(
            runs, [&] { SelectedRows::replaceSelection(*view->selectionModel(), everyOtherRow(maps)); },
            [&] {
                const char* entry = write.entries[turn++ % 2];
                const int linesBefore = Host::instance().journal().size();
                chooseFromMenu(*view, view->model()->index(0, column),
                               entry ? QString::fromLatin1(entry) : sizePresetText());
                journalLines = Host::instance().journal().size() - linesBefore;
                settle();
                view->viewport()->repaint();
            });
        results.writesPerAction[write.operation][maps] = journalLines;
        Host::instance().clearJournal();
    }
    dialog.reset();
}

void measureDialog(QWidget& mainWindow, int maps, Measurements& results)
{
    const int runs = runsFor(maps);
    generate(QStringLiteral("field3d:%1").arg(maps));
    std::unique_ptr<ZoneStyleDialog> dialog;

    results.dialogMs["open"][maps] = medianMs(
        runs, [&] { dialog.reset(); },
        [&] {
            dialog.reset(
                &ZoneStyleDialog::getInstance(mainWindow, kestrix::dialogs::common::DialogInitialization_None));
            dialog->launch();
            settle();
            dialog->repaint();
        });

    QTableView* view = dialogView(*dialog);
    const quint64 readsBefore = Host::instance().styleReadCount();
    results.dialogMs["refresh"][maps] = medianMs(
        runs, [] {},
        [&] {
            kestrix::sdk::integration::StateChangeEventObservable::getInstance().notify(
                BenchEvent(StateChange_VarName));
            settle();
            view->viewport()->repaint();
        });
    results.readsPerRefresh[maps] = (Host::instance().styleReadCount() - readsBefore) / static_cast<quint64>(runs);

    auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("plotAttr_FD_PageGroup"));
    int targetTab = 1;
    results.dialogMs["tab switch"][maps] = medianMs(
        runs,
        [&] {
            view = dialogView(*dialog);
            SelectedRows::replaceSelection(*view->selectionModel(), everyOtherRow(maps));
            targetTab = tabs->currentIndex() == 0 ? 1 : 0;
        },
        [&] {
            tabs->setCurrentIndex(targetTab);
            settle();
            dialogView(*dialog)->viewport()->repaint();
        });
    view = dialogView(*dialog);
    if (SelectedRows::rowCount(SelectedRows::runs(*view->selectionModel())) != (maps + 1) / 2)
        std::fprintf(stderr, "tab switch lost the selection at %d maps\n", maps);

    auto* pattern = dialog->findChild<QLineEdit*>(QStringLiteral("mapSelectionByPattern_pattern_lineEdit"));
    auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("mapSelectionByPattern_apply_button"));
    results.dialogMs["select by pattern"][maps] = medianMs(
        runs,
        [&] {
            // A selection change by the user makes applying the same pattern again worthwhile.
            pattern->setText(QStringLiteral("inlet"));
            emit pattern->editingFinished();
            view->selectionModel()->clearSelection();
            view->selectionModel()->select(view->model()->index(0, 0), QItemSelectionModel::Select);
        },
        [&] {
            apply->click();
            settle();
            view->viewport()->repaint();
        });
    if (SelectedRows::rowCount(SelectedRows::runs(*view->selectionModel())) != (maps + 1) / 2)
        std::fprintf(stderr, "the pattern did not select every other row at %d maps\n", maps);

    results.dialogMs["select all"][maps] = medianMs(
        runs, [&] { SelectedRows::replaceSelection(*view->selectionModel(), everyOtherRow(maps)); },
        [&] {
            view->setFocus();
            QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
            QCoreApplication::sendEvent(view, &selectAll);
            settle();
            view->viewport()->repaint();
        });
    if (SelectedRows::rowCount(SelectedRows::runs(*view->selectionModel())) != maps)
        std::fprintf(stderr, "Ctrl+A did not select all rows at %d maps\n", maps);

    const int showColumn = 3;
    bool activate = false;
    results.dialogMs["menu write"][maps] = medianMs(
        runs,
        [&] {
            SelectedRows::replaceSelection(*view->selectionModel(), everyOtherRow(maps));
            activate = !activate;
        },
        [&] {
            chooseFromMenu(*view, view->model()->index(0, showColumn),
                           activate ? QStringLiteral("Activate") : QStringLiteral("Deactivate"));
            settle();
            view->viewport()->repaint();
        });
    if (VexUtilFieldMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 1) != (activate ? 1 : 0)
        || VexUtilFieldMapIsActiveForFrame(VexUtilFrameGetUniqueID(), 2) != 1)
        std::fprintf(stderr, "the menu did not write every other map at %d maps\n", maps);
    dialog.reset();

    // Deleting maps is a line-plot tool: the trim is measured on an x-y frame of as many line maps.
    std::vector<double> trims;
    for (int run = 0; run < runs; ++run) {
        generate(QStringLiteral("xy:%1").arg(maps));
        dialog.reset(&ZoneStyleDialog::getInstance(mainWindow, kestrix::dialogs::common::DialogInitialization_None));
        dialog->launch();
        settle();
        QTableView* lineView = dialogView(*dialog);
        SelectedRows::replaceSelection(*lineView->selectionModel(), everyOtherRow(maps));
        kestrix::toolbox::Set lastHalf;
        for (int map = maps / 2 + 1; map <= maps; ++map)
            lastHalf.add(map);
        VexUtilLineMapDelete(lastHalf.getRef());
        trims.push_back(elapsedMs([&] {
            settle();
            lineView->viewport()->repaint();
        }));
        if (SelectedRows::rowCount(SelectedRows::runs(*lineView->selectionModel())) != maps / 4)
            std::fprintf(stderr, "the selection was not trimmed at %d maps\n", maps);
        dialog.reset();
    }
    std::sort(trims.begin(), trims.end());
    results.dialogMs["trim selection"][maps] = trims[trims.size() / 2];
}

void measureFloor(int maps, Measurements& results)
{
    const int runs = runsFor(maps);
    std::unique_ptr<TrivialModel> model;
    std::unique_ptr<QTableView> view;

    results.floorMs["open"][maps] = medianMs(
        runs,
        [&] {
            view.reset();
            model = std::make_unique<TrivialModel>(maps);
        },
        [&] {
            view = std::make_unique<QTableView>();
            view->setModel(model.get());
            view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            view->show();
            settle();
            view->repaint();
        });

    results.floorMs["refresh"][maps] = medianMs(
        runs, [] {},
        [&] {
            model->refresh();
            settle();
            view->viewport()->repaint();
        });

    TrivialModel otherModel(maps);
    QItemSelectionModel otherSelection(&otherModel);
    results.floorMs["tab switch"][maps] = medianMs(
        runs,
        [&] {
            view->setModel(model.get());
            SelectedRows::replaceSelection(*view->selectionModel(), everyOtherRow(maps));
        },
        [&] {
            const QItemSelection kept = view->selectionModel()->selection();
            view->setModel(&otherModel);
            view->setSelectionModel(&otherSelection);
            otherSelection.clearSelection();
            otherSelection.select(kept, QItemSelectionModel::Select);
            settle();
            view->viewport()->repaint();
        });
    view->setModel(model.get());

    results.floorMs["select by pattern"][maps] = medianMs(
        runs, [&] { view->selectionModel()->clearSelection(); },
        [&] {
            const QModelIndexList hits =
                model->match(model->index(0, 1), Qt::DisplayRole, QStringLiteral("^.*inlet.*$"), -1,
                             Qt::MatchRegularExpression | Qt::MatchWrap);
            QItemSelection rows;
            for (const QModelIndex& hit : hits)
                rows.append(QItemSelectionRange(model->index(hit.row(), 0), model->index(hit.row(), 3)));
            view->selectionModel()->select(rows, QItemSelectionModel::Select);
            settle();
            view->viewport()->repaint();
        });

    results.floorMs["select all"][maps] = medianMs(
        runs, [&] { view->selectionModel()->clearSelection(); },
        [&] {
            view->selectAll();
            settle();
            view->viewport()->repaint();
        });

    results.floorMs["menu write"][maps] = medianMs(
        runs, [&] { SelectedRows::replaceSelection(*view->selectionModel(), everyOtherRow(maps)); },
        [&] {
            model->deactivate(SelectedRows::runs(*view->selectionModel()));
            settle();
            view->viewport()->repaint();
        });

    TrivialModel tabModels[2]{TrivialModel(maps), TrivialModel(maps)};
    for (const TabSet* tabSet : {&FieldTabs, &LineTabs}) {
        const int tabCount = static_cast<int>(tabSet->pages.size());
        results.floorMs[tabSet->openOperation][maps] = medianMs(
            runs, [] {},
            [&] {
                for (int tab = 0; tab < tabCount; ++tab) {
                    view->setModel(&tabModels[tab % 2]);
                    settle();
                    view->viewport()->repaint();
                }
            });
        for (const MenuWrite& write : tabSet->menuWrites)
            results.floorMs[write.operation][maps] = results.floorMs["menu write"][maps];
    }
    view->setModel(model.get());
    results.floorMs["line refresh"][maps] = results.floorMs["refresh"][maps];

    results.floorMs["trim selection"][maps] = medianMs(
        runs,
        [&] {
            model = std::make_unique<TrivialModel>(maps);
            view->setModel(model.get());
            SelectedRows::replaceSelection(*view->selectionModel(), everyOtherRow(maps));
        },
        [&] {
            model->removeLastRows(maps / 2);
            settle();
            view->viewport()->repaint();
        });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QMainWindow mainWindow;
    mainWindow.resize(1200, 900);
    mainWindow.show();

    Measurements results;
    for (int maps : Sizes) {
        measureDialog(mainWindow, maps, results);
        measureTabs(FieldTabs, mainWindow, maps, results);
        measureTabs(LineTabs, mainWindow, maps, results);
        measureFloor(maps, results);
    }

    std::printf("Zone Style dialog, 3D field maps (trim: x-y line maps); median times in ms\n");
    std::printf("%-18s %8s %12s %12s %10s\n", "operation", "maps", "dialog", "QTableView", "ratio");
    bool withinLimits = true;
    for (const char* operation : Operations) {
        for (int maps : Sizes) {
            const double dialogMs = results.dialogMs[operation][maps];
            const double floorMs = results.floorMs[operation][maps];
            std::printf("%-18s %8d %12.2f %12.2f %10.2f\n", operation, maps, dialogMs, floorMs,
                        floorMs > 0 ? dialogMs / floorMs : 0.0);
        }
        const auto growthOf = [operation](std::map<std::string, std::map<int, double>>& times) {
            return times[operation][100000] / std::max(times[operation][10000], 0.001);
        };
        const double growth = growthOf(results.dialogMs);
        const double floorGrowth = growthOf(results.floorMs);
        const double limit = 1.5 * std::max(10.0, floorGrowth);
        std::printf("%-18s growth from 10,000 to 100,000 maps: %.2f (QTableView %.2f, limit %.1f)\n", operation, growth,
                    floorGrowth, limit);
        withinLimits = withinLimits && growth < limit;
    }
    std::printf("style reads per refresh:");
    for (int maps : Sizes)
        std::printf("  %d maps: %llu", maps, static_cast<unsigned long long>(results.readsPerRefresh[maps]));
    std::printf("\n");
    const double readGrowth = static_cast<double>(results.readsPerRefresh[100000])
                              / std::max<double>(1.0, static_cast<double>(results.readsPerRefresh[1000]));
    std::printf("read growth from 1,000 to 100,000 maps: %.3f (limit 1.10)\n", readGrowth);
    withinLimits = withinLimits && readGrowth <= 1.10;
    for (const TabSet* tabSet : {&FieldTabs, &LineTabs}) {
        std::map<int, quint64>& reads = results.readsPerRepaint[tabSet->name];
        std::printf("style reads of one repaint of every %s tab:", tabSet->name);
        for (int maps : Sizes)
            std::printf("  %d maps: %llu", maps, static_cast<unsigned long long>(reads[maps]));
        std::printf("\n");
        const double repaintGrowth =
            static_cast<double>(reads[100000]) / std::max<double>(1.0, static_cast<double>(reads[1000]));
        std::printf("%s repaint read growth from 1,000 to 100,000 maps: %.3f (limit 1.10)\n", tabSet->name,
                    repaintGrowth);
        withinLimits = withinLimits && repaintGrowth <= 1.10;
    }
    std::printf("host writes per menu action at 1,000 / 10,000 / 100,000 maps:\n");
    for (const TabSet* tabSet : {&FieldTabs, &LineTabs}) {
        for (const MenuWrite& write : tabSet->menuWrites) {
            std::printf("  %-20s", write.operation);
            for (int maps : Sizes)
                std::printf(" %d", results.writesPerAction[write.operation][maps]);
            std::printf("\n");
        }
    }
    std::printf("maps whose skipping of 0 was repaired when the symbols tab was first shown:");
    for (int maps : Sizes)
        std::printf("  %d maps: %d", maps, results.skipsRepaired[maps]);
    std::printf("\n");
    withinLimits = withinLimits && results.skipsRepaired[100000] <= results.skipsRepaired[1000];
    return withinLimits ? 0 : 1;
}
