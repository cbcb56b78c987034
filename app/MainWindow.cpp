#include "MainWindow.h"

#include "DialogCatalog.h"
#include "FramePreview.h"
#include "FramesPanel.h"
#include "JournalDock.h"

#include "dialogs/printing/PrintSetupDialog.h"
#include "dialogs/printing/PrintingDialog.h"
#include "hostsim/Host.h"

#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <kxsdkpropertymanager/RelevanceInterface.h>

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>

#include <boost/signals2/connection.hpp>

#include <map>
#include <vector>

namespace kestrix::workbench {

class MainWindow::Private {
public:
    FramesPanel* framesPanel = nullptr;
    FramePreview* preview = nullptr;
    JournalDock* journalDock = nullptr;
    QMenu* viewMenu = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* fileEntriesEnd = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    // Held so that their relevance signals stay alive as long as the menu entries follow them.
    std::vector<std::shared_ptr<const propertymanager::RelevanceInterface>> dialogRelevances;
    std::vector<boost::signals2::scoped_connection> connections;
};

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("workbench_MainWindow"));
    setWindowTitle(tr("Kestrix Workbench"));

    d->preview = new FramePreview(this);
    setCentralWidget(d->preview);
    auto* framesDock = new QDockWidget(tr("Frames"), this);
    framesDock->setObjectName(QStringLiteral("workbench_Frames_Dock"));
    d->framesPanel = new FramesPanel(framesDock);
    framesDock->setWidget(d->framesPanel);
    addDockWidget(Qt::LeftDockWidgetArea, framesDock);
    d->journalDock = new JournalDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, d->journalDock);

    createMenus();
    addDialogEntries();

    hostsim::Host& host = hostsim::Host::instance();
    connect(&host, &hostsim::Host::historyChanged, this, &MainWindow::updateUndoActions);
    connect(&host, &hostsim::Host::sceneChanged, this, &MainWindow::updateUndoActions);
    d->connections.emplace_back(sdk::integration::StateChangeEventObservable::getInstance().connect(
        [this](const toolbox::StateChangeEventInterface&) { updateUndoActions(); }));
    updateUndoActions();

    resize(1100, 700);
    resizeDocks({d->journalDock}, {150}, Qt::Vertical);
    resizeDocks({framesDock}, {330}, Qt::Horizontal);
}

MainWindow::~MainWindow() = default;

bool MainWindow::mayOpen(const DialogEntry& entry) const
{
    if (!entry.relevance)
        return true;
    const auto relevance = entry.relevance();
    return !relevance || relevance->isRelevant();
}

QDialog* MainWindow::openDialog(const DialogEntry& entry)
{
    return mayOpen(entry) ? entry.open(*this) : nullptr;
}

void MainWindow::createMenus()
{
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    QAction* openSceneAction = fileMenu->addAction(tr("&Open Scene..."), this, &MainWindow::openSceneFile);
    openSceneAction->setObjectName(QStringLiteral("workbench_OpenScene_Action"));
    openSceneAction->setShortcut(QKeySequence::Open);
    QAction* demoSceneAction =
        fileMenu->addAction(tr("&Demo Scene"), this, [] { hostsim::Host::instance().loadDemoScene(); });
    demoSceneAction->setObjectName(QStringLiteral("workbench_DemoScene_Action"));
    fileMenu->addSeparator();
    // The library's File entries (export, print) go here, above Quit.
    d->fileEntriesEnd = fileMenu->addSeparator();
    d->fileMenu = fileMenu;
    QAction* quitAction = fileMenu->addAction(tr("&Quit"), this, &QWidget::close);
    quitAction->setShortcut(QKeySequence::Quit);

    QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
    d->undoAction = editMenu->addAction(tr("&Undo"), this, [] { hostsim::Host::instance().undo(); });
    d->undoAction->setObjectName(QStringLiteral("workbench_Undo_Action"));
    d->undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    d->redoAction = editMenu->addAction(tr("&Redo"), this, [] { hostsim::Host::instance().redo(); });
    d->redoAction->setObjectName(QStringLiteral("workbench_Redo_Action"));
    d->redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    // Undo and redo may emit nothing when the stack is empty; the actions follow in any case.
    connect(d->undoAction, &QAction::triggered, this, &MainWindow::updateUndoActions);
    connect(d->redoAction, &QAction::triggered, this, &MainWindow::updateUndoActions);

    d->viewMenu = menuBar()->addMenu(tr("&View"));
    // The picture fits the window, or shows the frame at its size on the page.
    auto* sizes = new QActionGroup(this);
    QAction* fit = d->viewMenu->addAction(tr("&Zoom to Fit"), this, [this] { d->preview->setZoomToFit(true); });
    QAction* actual = d->viewMenu->addAction(tr("&Actual Size"), this, [this] { d->preview->setZoomToFit(false); });
    for (QAction* size : {fit, actual}) {
        size->setCheckable(true);
        sizes->addAction(size);
    }
    fit->setObjectName(QStringLiteral("workbench_ZoomToFit_Action"));
    actual->setObjectName(QStringLiteral("workbench_ActualSize_Action"));
    fit->setChecked(true);
    d->viewMenu->addSeparator();
    d->viewMenu->addAction(d->journalDock->toggleViewAction());
}

void MainWindow::addDialogEntries()
{
    std::map<QString, QMenu*> menus;
    menus[tr("&File")] = d->fileMenu;
    for (const DialogEntry& entry : DialogCatalog::entries()) {
        const QString menuTitle = tr(entry.menuTitle);
        QMenu*& menu = menus[menuTitle];
        if (!menu)
            menu = menuBar()->insertMenu(d->viewMenu->menuAction(), new QMenu(menuTitle, this))->menu();
        auto* action = new QAction(tr(entry.actionText), menu);
        menu->insertAction(menu == d->fileMenu ? d->fileEntriesEnd : nullptr, action);
        action->setObjectName(QStringLiteral("workbench_Open_%1_Action").arg(entry.name));
        connect(action, &QAction::triggered, this, [this, &entry] { openDialog(entry); });
        if (entry.relevance)
            followRelevance(action, entry.relevance());
    }

    // Print Setup works on the Print dialog's printer, so that its choice holds for printing.
    auto* printSetup = new QAction(tr("Print Set&up..."), d->fileMenu);
    d->fileMenu->insertAction(d->fileEntriesEnd, printSetup);
    printSetup->setObjectName(QStringLiteral("workbench_PrintSetup_Action"));
    connect(printSetup, &QAction::triggered, this, [this] {
        sdk::ui::dialogs::PrintSetupDialog(this, sdk::ui::dialogs::PrintingDialog::getInstance(*this).printer()).show();
    });
    followRelevance(printSetup, sdk::ui::dialogs::PrintingDialog::relevance());
}

void MainWindow::followRelevance(QAction* action, std::shared_ptr<const propertymanager::RelevanceInterface> relevance)
{
    if (!relevance)
        return;
    action->setEnabled(relevance->isRelevant());
    const propertymanager::RelevanceInterface* observed = relevance.get();
    d->connections.emplace_back(
        relevance->relevanceChanged().connect([action, observed] { action->setEnabled(observed->isRelevant()); }));
    d->dialogRelevances.push_back(std::move(relevance));
}

void MainWindow::updateUndoActions()
{
    const hostsim::Host& host = hostsim::Host::instance();
    d->undoAction->setEnabled(host.canUndo());
    d->redoAction->setEnabled(host.canRedo());
}

void MainWindow::openSceneFile()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open Scene"), QString(), tr("Scenes (*.json);;All files (*)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!hostsim::Host::instance().loadSceneFile(path, &error))
        QMessageBox::warning(this, tr("Open Scene"), tr("The scene %1 was refused:\n%2").arg(path, error));
}

} // namespace kestrix::workbench
