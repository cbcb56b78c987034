// A seeded chaos run of the workbench's dialogs: random steps of a user and of the host, with
// the dialogs' invariants checked after every step. The seed is printed first; a failure names
// the step, so that KESTRIX_CHAOS_SEED=S KESTRIX_CHAOS_STEPS=N replays the run up to it.

#include "DialogCatalog.h"
#include "MainWindow.h"

#include "dialogs/labelpoints/LabelPointsDialog.h"
#include "dialogs/zonestyle/ZoneStyleDialog.h"
#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"
#include "hostsim/Host.h"
#include "support/RandomUserAnswers.h"
#include "support/TableClicks.h"
#include "support/TestScenes.h"
#include "support/TestStateChangeEvent.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkintegrationmanager/StateChange.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <utility>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using kestrix::hostsim::Host;
using kestrix::sdk::ui::dialogs::LabelPointsDialog;
using kestrix::sdk::ui::dialogs::ZoneStyleDialog;
using kestrix::sdk::ui::dialogs::zonestyle::intern::models::FieldModelAbstract;
using kestrix::sdk::ui::dialogs::zonestyle::intern::models::ModelAbstract;
using kestrix::testing::RandomUserAnswers;
using kestrix::testing::TableClicks;
using kestrix::testing::TestScenes;
using kestrix::testing::TestStateChangeEvent;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::workbench::DialogCatalog;
using kestrix::workbench::MainWindow;

namespace {

constexpr int DefaultSteps = 1000;
constexpr int RememberedSteps = 20;
// A step that runs longer has hung in an event loop nobody answers.
constexpr qint64 StepTimeLimitMs = 60000;
// Dialogs made on first use (one instance each) and Qt's own windows; more means that windows
// shown once are kept.
constexpr int WindowsThatMayCome = 40;

quint64 environmentNumber(const char* name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

bool isLinePlot(int plotType)
{
    return plotType == PlotType_XYLine || plotType == PlotType_PolarLine;
}

bool isFieldPlot(int plotType)
{
    return plotType == PlotType_Cartesian2D || plotType == PlotType_Cartesian3D;
}

// The numbers a run draws, all from its seed.
class ChaosRandom {
public:
    explicit ChaosRandom(quint64 seed) : m_engine(seed) {}
    // 0 .. n - 1; 0 when n is not positive.
    int below(int n) { return n > 0 ? int(std::uniform_int_distribution<int>(0, n - 1)(m_engine)) : 0; }
    // 1 .. n.
    int upTo(int n) { return below(n) + 1; }
    bool oneIn(int n) { return below(n) == 0; }
    template <typename T> const T& of(const std::vector<T>& choices)
    {
        return choices.at(size_t(below(int(choices.size()))));
    }

private:
    std::mt19937_64 m_engine;
};

// The last steps of the run as text that a crash can still print: a signal handler or the
// sanitizers' death callback writes it as it stands.
class CrashNote {
public:
    static void install()
    {
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(&CrashNote::write);
#else
        for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
            std::signal(signal, &CrashNote::onSignal);
#endif
    }
    static void update(const QByteArray& text)
    {
        const size_t length = std::min(size_t(text.size()), s_text.size() - 1);
        std::memcpy(s_text.data(), text.constData(), length);
        s_length = length;
    }

    static void print()
    {
        write();
    }

private:
    static void write()
    {
        const ssize_t written = ::write(STDERR_FILENO, s_text.data(), s_length);
        (void)written;
    }
    static void onSignal(int signal)
    {
        write();
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }

    static inline std::array<char, 16384> s_text{};
    static inline volatile size_t s_length = 0;
};

// Warnings of QAbstractItemModelTester, collected for the next check.
class ModelTestWarnings {
public:
    static void install() { s_previous = qInstallMessageHandler(&ModelTestWarnings::handle); }
    static QStringList take()
    {
        QStringList taken;
        taken.swap(s_warnings);
        return taken;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (context.category && qstrcmp(context.category, "qt.modeltest") == 0 && type != QtDebugMsg)
            s_warnings.append(message);
        if (s_previous)
            s_previous(type, context, message);
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QStringList s_warnings;
};

class ChaosRun {
public:
    ChaosRun(quint64 seed, int steps);
    // Empty when every step kept the invariants; else what broke, where, and how to replay.
    QString run();
    double stepsPerSecond() const { return m_seconds > 0 ? m_stepsRun / m_seconds : 0.0; }
    int stepsRun() const { return m_stepsRun; }

private:
    struct Step {
        int weight;
        void (ChaosRun::*act)();
    };

    void describe(const QString& text) { m_description = text; }
    void note(const QString& text) { m_description += QStringLiteral("; ") + text; }
    void settle();
    QString checkInvariants();
    QString failureReport(const QString& failure) const;
    void remember();

    // Host and kernel side.
    void switchFrame();
    void switchPlotType();
    void changeMapsThroughTheKernel();
    QString kernelChange();
    QString changeLineMaps();
    QString changeFieldMaps();
    void undoOrRedo();
    void loadScene();
    void injectFault();
    void sendNotification();
    void waitForIdleWork();
    // The workbench's menus.
    void openDialog();
    void openZoneStyleWithPicks();
    void closeDialog();
    // Zone Style.
    void openZoneStyleTab();
    void selectByPattern();
    void clickRows();
    void openCellMenu();
    void editCell();
    void toggleCheckBox();
    void useMapTool();
    // Label Points.
    void switchLabels();
    void useLabelPointsControl();
    // What the host may do with the dialogs themselves.
    void destroyDialog();
    void offerMappingTabs();
    QString destroyADialog();

    ZoneStyleDialog* zoneStyle() const;
    LabelPointsDialog* labelPoints() const;
    QTableView* styleTable() const;
    // The tabs of Zone Style's tab widget for the current plot.
    int shownTabs() const;
    // Opens Zone Style through the menu when it is not shown; false when it could not be.
    bool ensureZoneStyle();
    bool ensureLabelPoints();
    bool triggerMenuEntry(const QString& objectName);
    void watchModel(QAbstractItemModel* model);
    Host::FrameInfo currentFrameInfo() const;
    static int pendingStyleFaults();
    kestrix::toolbox::Set randomMaps(int count);
    QPoint scrolledTo(QTableView* table, int row, int column);
    // A random cell of the table among its first `columnLimit` columns; none, with the step
    // described, when the table is empty.
    std::optional<std::pair<int, int>> randomCell(QTableView* table, const QString& action,
                                                  int columnLimit = std::numeric_limits<int>::max());

    quint64 m_seed;
    int m_steps;
    // KESTRIX_CHAOS_VERBOSE=1 prints every step as it ends.
    bool m_verbose = qEnvironmentVariableIntValue("KESTRIX_CHAOS_VERBOSE") != 0;
    ChaosRandom m_random;
    QTemporaryDir m_scratch;
    MainWindow m_window;
    std::unique_ptr<RandomUserAnswers> m_answers;
    QString m_description;
    std::deque<QString> m_history;
    int m_step = 0;
    int m_stepsRun = 0;
    double m_seconds = 0.0;
    QElapsedTimer m_stepClock;
    QTimer m_watchdog;
    int m_windowsAtStart = -1;
    // The dialogs write per-map settings to the maps they name; a write naming none reaches
    // every map. The run's own host changes may do so when a set could not be made.
    bool m_inKernelChange = false;
    QStringList m_writesToEveryMap;
    // Label Points shows what it last read; after a step in which a read or write was refused
    // it may show something else until it reads everything again, as a step that sets
    // m_labelsReread makes it do.
    bool m_labelsMayBeStale = false;
    bool m_labelsReread = false;
    std::map<QAbstractItemModel*, std::unique_ptr<QAbstractItemModelTester>> m_modelTesters;
};

ChaosRun::ChaosRun(quint64 seed, int steps) : m_seed(seed), m_steps(steps), m_random(seed)
{
    m_answers = std::make_unique<RandomUserAnswers>([this](int n) { return m_random.below(n); }, m_scratch.path());
    m_answers->setInterruption([this] { return kernelChange(); });
    // Runs inside every event loop a step may be stuck in.
    m_watchdog.setInterval(1000);
    QObject::connect(&m_watchdog, &QTimer::timeout, [this] {
        if (!m_stepClock.isValid() || m_stepClock.elapsed() <= StepTimeLimitMs)
            return;
        CrashNote::print();
        qFatal("step %d ran longer than %lld ms", m_step, StepTimeLimitMs);
    });
    m_watchdog.start();
    QObject::connect(&Host::instance(), &Host::journalAppended, &m_window, [this](const QString& line) {
        const bool perMap = line.startsWith(QLatin1String("FIELDMAP ")) || line.startsWith(QLatin1String("LINEMAP "));
        if (!m_inKernelChange && perMap && line.contains(QLatin1String(" objects=all ")))
            m_writesToEveryMap.append(line);
    });
}

QString ChaosRun::run()
{
    Host::instance().clearFailures();
    Host::instance().loadDemoScene();
    m_window.show();
    if (!QTest::qWaitForWindowExposed(&m_window))
        return QStringLiteral("the workbench's window was not shown");
    settle();

    using Run = ChaosRun;
    const std::vector<Step> steps{
        {8, &Run::switchFrame},
        {3, &Run::switchPlotType},
        {8, &Run::changeMapsThroughTheKernel},
        {5, &Run::undoOrRedo},
        {3, &Run::loadScene},
        {3, &Run::injectFault},
        {2, &Run::sendNotification},
        {1, &Run::waitForIdleWork},
        {5, &Run::openDialog},
        {2, &Run::openZoneStyleWithPicks},
        {3, &Run::closeDialog},
        {6, &Run::openZoneStyleTab},
        {5, &Run::selectByPattern},
        {8, &Run::clickRows},
        {8, &Run::openCellMenu},
        {6, &Run::editCell},
        {6, &Run::toggleCheckBox},
        {6, &Run::useMapTool},
        {4, &Run::switchLabels},
        {5, &Run::useLabelPointsControl},
        {1, &Run::destroyDialog},
        {1, &Run::offerMappingTabs},
    };
    int totalWeight = 0;
    for (const Step& step : steps)
        totalWeight += step.weight;

    QElapsedTimer clock;
    clock.start();
    for (m_step = 1; m_step <= m_steps; ++m_step) {
        int drawn = m_random.below(totalWeight);
        const Step* chosen = &steps.front();
        for (const Step& step : steps) {
            if (drawn < step.weight) {
                chosen = &step;
                break;
            }
            drawn -= step.weight;
        }
        m_description.clear();
        remember();
        m_stepClock.start();
        m_labelsReread = false;
        const int pendingStyleFaults = this->pendingStyleFaults();
        (this->*(chosen->act))();
        settle();
        if (this->pendingStyleFaults() < pendingStyleFaults)
            m_labelsMayBeStale = true;
        else if (m_labelsReread)
            m_labelsMayBeStale = false;
        const QStringList answers = m_answers->takeLog();
        if (!answers.isEmpty())
            note(answers.join(QStringLiteral("; ")));
        remember();
        if (m_verbose) {
            std::printf("%s\n", qPrintable(m_history.back()));
            std::fflush(stdout);
        }
        m_stepsRun = m_step;
        const QString failure = checkInvariants();
        if (!failure.isEmpty()) {
            m_seconds = clock.elapsed() / 1000.0;
            return failureReport(failure);
        }
    }
    m_seconds = clock.elapsed() / 1000.0;
    Host::instance().clearFailures();
    return {};
}

// Pending events and idle work run, and idle work that those schedule runs too.
void ChaosRun::settle()
{
    for (int turn = 0; turn < 3; ++turn) {
        QCoreApplication::processEvents();
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QCoreApplication::processEvents();
}

void ChaosRun::remember()
{
    if (!m_history.empty() && m_history.back().startsWith(QStringLiteral("%1: ").arg(m_step)))
        m_history.back() = QStringLiteral("%1: %2").arg(m_step).arg(m_description);
    else
        m_history.push_back(QStringLiteral("%1: %2").arg(m_step).arg(m_description));
    while (m_history.size() > RememberedSteps)
        m_history.pop_front();
    QString note =
        QStringLiteral("\nchaos run stopped in step %1 of seed %2; the last steps:\n").arg(m_step).arg(m_seed);
    for (const QString& line : m_history)
        note += QStringLiteral("  ") + line + QLatin1Char('\n');
    note += QStringLiteral("replay: KESTRIX_CHAOS_SEED=%1 KESTRIX_CHAOS_STEPS=%2\n").arg(m_seed).arg(m_step);
    CrashNote::update(note.toUtf8());
}

QString ChaosRun::failureReport(const QString& failure) const
{
    QString report =
        QStringLiteral("seed %1, step %2 (%3): %4\nlast steps:\n").arg(m_seed).arg(m_step).arg(m_description, failure);
    for (const QString& line : m_history)
        report += QStringLiteral("  ") + line + QLatin1Char('\n');
    report += QStringLiteral("replay: KESTRIX_CHAOS_SEED=%1 KESTRIX_CHAOS_STEPS=%2").arg(m_seed).arg(m_step);
    return report;
}

QString ChaosRun::checkInvariants()
{
    const Host& host = Host::instance();
    const std::pair<const char*, int> depths[] = {{"application lock", host.appLockDepth()},
                                                  {"undo state", host.undoDepth()},
                                                  {"wait state", host.waitStateDepth()},
                                                  {"override cursor", host.overrideCursorDepth()}};
    for (const auto& [what, depth] : depths) {
        if (depth != 0)
            return QStringLiteral("the host's %1 depth is %2 at rest").arg(QLatin1String(what)).arg(depth);
    }
    if (QApplication::overrideCursor())
        return QStringLiteral("an override cursor is set at rest");
    if (QWidget* popup = QApplication::activePopupWidget())
        return QStringLiteral("a popup is still open: %1").arg(QLatin1String(popup->metaObject()->className()));
    if (QWidget* modal = QApplication::activeModalWidget())
        return QStringLiteral("a modal window is still open: %1").arg(modal->windowTitle());
    const int windows = int(QApplication::topLevelWidgets().size());
    if (m_windowsAtStart < 0)
        m_windowsAtStart = windows;
    if (windows > m_windowsAtStart + WindowsThatMayCome)
        return QStringLiteral("%1 windows exist, %2 did at the start: popups or prompts pile up")
            .arg(windows)
            .arg(m_windowsAtStart);
    if (!m_writesToEveryMap.isEmpty())
        return QStringLiteral("a dialog wrote to every map: ") + m_writesToEveryMap.join(QStringLiteral(" | "));
    const QStringList modelWarnings = ModelTestWarnings::take();
    if (!modelWarnings.isEmpty())
        return QStringLiteral("the model tester warned: ") + modelWarnings.join(QStringLiteral(" | "));

    const int plotType = VexUtilFrameGetPlotType();
    const Host::FrameInfo frame = currentFrameInfo();
    // Both dialogs close at the next state change when the current frame has no plot they
    // show; opened for such a frame, they stay until then.
    if (!isFieldPlot(plotType) && !isLinePlot(plotType))
        return {};
    // The host may offer only mapping tabs that the plot does not show: then there is no table.
    if (ZoneStyleDialog* dialog = zoneStyle(); dialog && dialog->isVisible() && shownTabs() > 0) {
        QTableView* table = styleTable();
        if (!table)
            return QStringLiteral("Zone Style shows no table");
        auto* model = qobject_cast<ModelAbstract*>(table->model());
        if (!model)
            return QStringLiteral("Zone Style's table has no style model");
        watchModel(model);
        if (model->frameId() != VexUtilFrameGetUniqueID())
            return QStringLiteral("Zone Style's table shows frame %1, the current frame is %2")
                .arg(model->frameId())
                .arg(VexUtilFrameGetUniqueID());
        const bool fieldTable = qobject_cast<FieldModelAbstract*>(model) != nullptr;
        if (fieldTable != isFieldPlot(plotType))
            return QStringLiteral("Zone Style shows a %1 table for plot type %2")
                .arg(fieldTable ? QStringLiteral("field") : QStringLiteral("line"))
                .arg(plotType);
        const int maps = fieldTable ? frame.fieldMapCount : frame.lineMapCount;
        if (model->rowCount() != maps)
            return QStringLiteral("Zone Style's table has %1 rows, the frame %2 maps").arg(model->rowCount()).arg(maps);
        QItemSelectionModel* selection = table->selectionModel();
        if (!selection || selection->model() != model)
            return QStringLiteral("Zone Style's selection belongs to another model");
        for (const QModelIndex& index : selection->selectedIndexes()) {
            if (index.model() != model || index.row() >= model->rowCount())
                return QStringLiteral("Zone Style selects row %1 of %2").arg(index.row()).arg(model->rowCount());
        }
        const QModelIndex current = selection->currentIndex();
        if (current.isValid() && (current.model() != model || current.row() >= model->rowCount()))
            return QStringLiteral("Zone Style's current row %1 is not among its %2 rows")
                .arg(current.row())
                .arg(model->rowCount());
        const auto* pages = dialog->findChild<QStackedWidget*>(QStringLiteral("plotTypeStackedWidget"));
        const QString expectedPage = fieldTable ? QStringLiteral("fieldMapPage") : QStringLiteral("lineMapPage");
        if (!pages || !pages->currentWidget() || pages->currentWidget()->objectName() != expectedPage)
            return QStringLiteral("Zone Style does not show its %1").arg(expectedPage);
    }

    if (LabelPointsDialog* dialog = labelPoints(); dialog && dialog->isVisible()) {
        const auto* forms = dialog->findChild<QStackedWidget*>(QStringLiteral("dataLabels_Show_Marker"));
        const QString expectedForm = isLinePlot(plotType) ? QStringLiteral("dataLabels_ShowXY_Form")
                                                          : QStringLiteral("dataLabels_ShowField_Form");
        if (!forms || !forms->currentWidget() || forms->currentWidget()->objectName() != expectedForm)
            return QStringLiteral("Label Points does not show %1").arg(expectedForm);
        if (!m_labelsMayBeStale) {
            const QString group =
                isLinePlot(plotType) ? QStringLiteral("GLOBALLINEPLOT") : QStringLiteral("GLOBALSCATTER");
            const bool shown = Host::instance()
                                   .styleValue({group, QStringLiteral("DATALABELS"), QStringLiteral("SHOWNODELABELS")})
                                   .toInt()
                               != 0;
            const char* toggleName = isLinePlot(plotType) ? "dataLabels_ShowXYNodeLabels_ToggleButton"
                                                          : "dataLabels_ShowFieldNodeLabels_ToggleButton";
            const auto* toggle = dialog->findChild<QCheckBox*>(QLatin1String(toggleName));
            if (!toggle || toggle->isChecked() != shown)
                return QStringLiteral("Label Points shows the labels %1, the frame has them %2")
                    .arg(toggle && toggle->isChecked() ? QStringLiteral("on") : QStringLiteral("off"),
                         shown ? QStringLiteral("on") : QStringLiteral("off"));
        }
    }
    return {};
}

void ChaosRun::watchModel(QAbstractItemModel* model)
{
    // A dialog made anew may have its models where a destroyed one had them.
    const auto tester = m_modelTesters.find(model);
    if (tester == m_modelTesters.end() || tester->second->model() != model)
        m_modelTesters[model] =
            std::make_unique<QAbstractItemModelTester>(model, QAbstractItemModelTester::FailureReportingMode::Warning);
}

Host::FrameInfo ChaosRun::currentFrameInfo() const
{
    const QList<Host::FrameInfo> frames = Host::instance().framesOfCurrentPage();
    const int current = Host::instance().currentFrame();
    return current >= 1 && current <= frames.size() ? frames.at(current - 1) : Host::FrameInfo{};
}

// Clearing them counts as using them: the run cannot tell which were used.
int ChaosRun::pendingStyleFaults()
{
    const Host& host = Host::instance();
    return host.pendingFailures(Host::Fault::StyleRead) + host.pendingFailures(Host::Fault::StyleWrite);
}

ZoneStyleDialog* ChaosRun::zoneStyle() const
{
    return m_window.findChild<ZoneStyleDialog*>(QString(), Qt::FindDirectChildrenOnly);
}

LabelPointsDialog* ChaosRun::labelPoints() const
{
    return m_window.findChild<LabelPointsDialog*>(QString(), Qt::FindDirectChildrenOnly);
}

QTableView* ChaosRun::styleTable() const
{
    ZoneStyleDialog* dialog = zoneStyle();
    if (!dialog)
        return nullptr;
    for (QTableView* table : dialog->findChildren<QTableView*>()) {
        if (table->isVisible())
            return table;
    }
    return nullptr;
}

int ChaosRun::shownTabs() const
{
    for (QTabWidget* tabs : zoneStyle()->findChildren<QTabWidget*>()) {
        if (tabs->isVisible())
            return tabs->count();
    }
    return 0;
}

bool ChaosRun::triggerMenuEntry(const QString& objectName)
{
    auto* action = m_window.findChild<QAction*>(objectName);
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

bool ChaosRun::ensureZoneStyle()
{
    if (zoneStyle() && zoneStyle()->isVisible() && styleTable() && styleTable()->model())
        return true;
    describe(QStringLiteral("open Zone Style"));
    triggerMenuEntry(QStringLiteral("workbench_Open_zonestyle_Action"));
    return false;
}

bool ChaosRun::ensureLabelPoints()
{
    if (labelPoints() && labelPoints()->isVisible())
        return true;
    describe(QStringLiteral("open Label Points"));
    m_labelsReread = true;
    triggerMenuEntry(QStringLiteral("workbench_Open_labelpoints_Action"));
    return false;
}

kestrix::toolbox::Set ChaosRun::randomMaps(int count)
{
    kestrix::toolbox::Set maps;
    const int members = m_random.upTo(3);
    for (int member = 0; member < members && count > 0; ++member)
        maps.add(m_random.upTo(count + (m_random.oneIn(8) ? 2 : 0)));
    return maps;
}

QString describeSet(const kestrix::toolbox::Set& set)
{
    QStringList members;
    for (int member = set.getNextMember(0); member != 0; member = set.getNextMember(member))
        members.append(QString::number(member));
    return QStringLiteral("{%1}").arg(members.join(QLatin1Char(',')));
}

void ChaosRun::switchFrame()
{
    Host& host = Host::instance();
    if (host.pageCount() > 1 && m_random.oneIn(4)) {
        const int page = m_random.upTo(host.pageCount());
        describe(QStringLiteral("switch to page %1").arg(page));
        const UniqueID_t before = VexUtilFrameGetUniqueID();
        host.setCurrentPage(page);
        m_labelsReread = VexUtilFrameGetUniqueID() != before;
        return;
    }
    const int frames = int(host.framesOfCurrentPage().size());
    const int frame = m_random.upTo(std::max(frames, 1));
    describe(QStringLiteral("switch to frame %1 of %2").arg(frame).arg(frames));
    const UniqueID_t before = VexUtilFrameGetUniqueID();
    host.setCurrentFrame(frame);
    m_labelsReread = VexUtilFrameGetUniqueID() != before;
}

void ChaosRun::switchPlotType()
{
    const std::vector<int> plotTypes{PlotType_Cartesian3D, PlotType_Cartesian2D, PlotType_XYLine, PlotType_PolarLine,
                                     PlotType_Sketch};
    const int plotType = m_random.oneIn(10) ? PlotType_Sketch : m_random.of(plotTypes);
    const auto code = CheckedStyleValue("PLOTTYPE").set(plotType);
    describe(QStringLiteral("set the plot type to %1 (code %2)").arg(plotType).arg(int(code)));
}

void ChaosRun::changeMapsThroughTheKernel()
{
    describe(QStringLiteral("kernel: ") + kernelChange());
}

// What another part of the host may do at any moment, also while a dialog waits for its user.
QString ChaosRun::kernelChange()
{
    const QScopedValueRollback<bool> inKernelChange(m_inKernelChange, true);
    switch (m_random.below(10)) {
    case 0: {
        const QString scene = m_random.oneIn(4) ? QStringLiteral("field2d:2") : QStringLiteral("xy:3");
        return QStringLiteral("load the generated scene %1: %2")
            .arg(scene)
            .arg(Host::instance().loadGeneratedScene(scene));
    }
    case 1: {
        if (m_random.oneIn(4))
            return destroyADialog();
        const int code =
            m_random.of(std::vector<int>{StateChange_VarName, StateChange_CompleteReset, StateChange_CurrentFrame});
        TestStateChangeEvent::send(code);
        return QStringLiteral("notify state change %1").arg(code);
    }
    case 2: {
        const int frames = int(Host::instance().framesOfCurrentPage().size());
        const int frame = m_random.upTo(std::max(frames, 1));
        return QStringLiteral("switch to frame %1: %2").arg(frame).arg(Host::instance().setCurrentFrame(frame));
    }
    case 3: {
        const bool undone = m_random.oneIn(2);
        const bool done = undone ? Host::instance().undo() : Host::instance().redo();
        return QStringLiteral("%1: %2").arg(undone ? QStringLiteral("undo") : QStringLiteral("redo")).arg(done);
    }
    case 4: {
        const int plotType = m_random.of(
            std::vector<int>{PlotType_Cartesian3D, PlotType_Cartesian2D, PlotType_XYLine, PlotType_PolarLine});
        return QStringLiteral("plot type %1: code %2")
            .arg(plotType)
            .arg(int(CheckedStyleValue("PLOTTYPE").set(plotType)));
    }
    default: return isLinePlot(VexUtilFrameGetPlotType()) ? changeLineMaps() : changeFieldMaps();
    }
}

QString ChaosRun::changeLineMaps()
{
    const int count = VexUtilLineMapGetCount();
    switch (m_random.below(7)) {
    case 0: return QStringLiteral("create a line map: %1").arg(VexUtilLineMapCreate());
    case 1: {
        const int source = m_random.upTo(std::max(count, 1));
        const bool created = VexUtilLineMapCreate();
        const bool copied = created && VexUtilLineMapCopy(source, VexUtilLineMapGetCount());
        return QStringLiteral("copy line map %1 to a new one: %2").arg(source).arg(copied);
    }
    case 2: {
        const kestrix::toolbox::Set maps = randomMaps(count);
        return QStringLiteral("delete line maps %1: %2")
            .arg(describeSet(maps))
            .arg(VexUtilLineMapDelete(maps.getRef()));
    }
    case 3: {
        const kestrix::toolbox::Set maps = randomMaps(count);
        const bool top = m_random.oneIn(2);
        const bool shifted = top ? VexUtilLineMapShiftToTop(maps.getRef()) : VexUtilLineMapShiftToBottom(maps.getRef());
        return QStringLiteral("shift line maps %1 to the %2: %3")
            .arg(describeSet(maps), top ? QStringLiteral("top") : QStringLiteral("bottom"))
            .arg(shifted);
    }
    case 4: {
        const kestrix::toolbox::Set maps = randomMaps(count);
        return QStringLiteral("rename line maps %1: %2")
            .arg(describeSet(maps))
            .arg(VexUtilLineMapSetName(maps.getRef(), "kernel &ZN&"));
    }
    case 5: {
        const kestrix::toolbox::Set maps = randomMaps(count);
        const bool add = m_random.oneIn(2);
        const auto code = CheckedStyleValue("ACTIVELINEMAPS")
                              .set(maps, nullptr, -1, -1, add ? AssignOp_PlusEquals : AssignOp_MinusEquals);
        return QStringLiteral("%1 line maps %2: code %3")
            .arg(add ? QStringLiteral("activate") : QStringLiteral("deactivate"), describeSet(maps))
            .arg(int(code));
    }
    default: {
        const kestrix::toolbox::Set maps = randomMaps(count);
        const int pattern = m_random.below(4);
        const auto code = CheckedStyleValue("LINEMAP", "LINES", "LINEPATTERN").set(pattern, &maps);
        return QStringLiteral("line pattern %1 for line maps %2: code %3")
            .arg(pattern)
            .arg(describeSet(maps))
            .arg(int(code));
    }
    }
}

QString ChaosRun::changeFieldMaps()
{
    const int count = VexUtilFieldMapGetCountForFrame(VexUtilFrameGetUniqueID());
    const kestrix::toolbox::Set maps = randomMaps(count);
    switch (m_random.below(3)) {
    case 0: {
        const bool add = m_random.oneIn(2);
        const auto code = CheckedStyleValue("ACTIVEFIELDMAPS")
                              .set(maps, nullptr, -1, -1, add ? AssignOp_PlusEquals : AssignOp_MinusEquals);
        return QStringLiteral("%1 field maps %2: code %3")
            .arg(add ? QStringLiteral("activate") : QStringLiteral("deactivate"), describeSet(maps))
            .arg(int(code));
    }
    case 1: {
        const int group = m_random.upTo(3);
        const auto code = CheckedStyleValue("FIELDMAP", "GROUP").set(group, &maps);
        return QStringLiteral("group %1 for field maps %2: code %3").arg(group).arg(describeSet(maps)).arg(int(code));
    }
    default: {
        const bool show = m_random.oneIn(2);
        const auto code = CheckedStyleValue("FIELDMAP", "MESH", "SHOW").set(show, &maps);
        return QStringLiteral("mesh %1 for field maps %2: code %3")
            .arg(show ? QStringLiteral("on") : QStringLiteral("off"), describeSet(maps))
            .arg(int(code));
    }
    }
}

void ChaosRun::undoOrRedo()
{
    const bool undo = m_random.below(3) != 0;
    describe(undo ? QStringLiteral("Edit > Undo") : QStringLiteral("Edit > Redo"));
    if (!triggerMenuEntry(undo ? QStringLiteral("workbench_Undo_Action") : QStringLiteral("workbench_Redo_Action")))
        note(QStringLiteral("not enabled"));
    else
        m_labelsReread = true;
}

void ChaosRun::loadScene()
{
    const int choice = m_random.below(10);
    if (choice == 0) {
        describe(QStringLiteral("File > Demo Scene"));
        triggerMenuEntry(QStringLiteral("workbench_DemoScene_Action"));
    } else if (choice <= 3) {
        describe(QStringLiteral("load the mixed test scene"));
        TestScenes::load(TestScenes::mixed());
    } else if (choice == 2) {
        describe(QStringLiteral("load a scene without frames"));
        TestScenes::load(TestScenes::empty());
    } else {
        const QString kind = m_random.of(std::vector<QString>{QStringLiteral("field3d"), QStringLiteral("field2d"),
                                                              QStringLiteral("xy"), QStringLiteral("polar")});
        const QString description = QStringLiteral("%1:%2").arg(kind).arg(m_random.upTo(8));
        describe(QStringLiteral("load the generated scene %1").arg(description));
        Host::instance().loadGeneratedScene(description);
    }
    // A new scene is read afresh by every dialog, unless the reads fail.
    m_labelsReread = true;
}

void ChaosRun::injectFault()
{
    if (m_random.oneIn(3)) {
        describe(QStringLiteral("clear the host's faults"));
        Host::instance().clearFailures();
        return;
    }
    const std::vector<std::pair<Host::Fault, QString>> faults{
        {Host::Fault::StyleRead, QStringLiteral("style read")},
        {Host::Fault::StyleWrite, QStringLiteral("style write")},
        {Host::Fault::SetAllocation, QStringLiteral("set allocation")},
        {Host::Fault::Export, QStringLiteral("export")},
        {Host::Fault::Print, QStringLiteral("print")}};
    const auto& [fault, name] = m_random.of(faults);
    const int count = m_random.upTo(3);
    describe(QStringLiteral("fail the next %1 %2s").arg(count).arg(name));
    Host::instance().failNext(fault, count);
}

void ChaosRun::sendNotification()
{
    const int code =
        m_random.of(std::vector<int>{StateChange_VarsAltered, StateChange_CompleteReset, StateChange_ContourLevels,
                                     StateChange_VarName, StateChange_LineMapName, StateChange_CurrentFrame});
    describe(QStringLiteral("notify state change %1").arg(code));
    TestStateChangeEvent::send(code);
}

void ChaosRun::waitForIdleWork()
{
    const int milliseconds = m_random.upTo(20);
    describe(QStringLiteral("wait %1 ms").arg(milliseconds));
    QTest::qWait(milliseconds);
}

void ChaosRun::openDialog()
{
    QStringList names = DialogCatalog::names();
    names.append(QStringLiteral("printsetup"));
    const QString name = names.at(m_random.below(int(names.size())));
    describe(QStringLiteral("open %1 from the menu").arg(name));
    m_labelsReread = name == QLatin1String("labelpoints") && !(labelPoints() && labelPoints()->isVisible());
    const QString action = name == QLatin1String("printsetup") ? QStringLiteral("workbench_PrintSetup_Action")
                                                               : QStringLiteral("workbench_Open_%1_Action").arg(name);
    if (!triggerMenuEntry(action))
        note(QStringLiteral("not enabled"));
}

void ChaosRun::openZoneStyleWithPicks()
{
    QList<QPair<int, int>> picks;
    const int count = m_random.below(4);
    QStringList described;
    for (int pick = 0; pick < count; ++pick) {
        const bool zone = m_random.oneIn(2);
        const int number = m_random.upTo(10);
        picks.append({zone ? PickObjects_Zone : PickObjects_LineMapping, number});
        described.append(
            QStringLiteral("%1 %2").arg(zone ? QStringLiteral("zone") : QStringLiteral("line map")).arg(number));
    }
    Host::instance().setPickList(picks);
    describe(QStringLiteral("pick [%1], open Zone Style").arg(described.join(QStringLiteral(", "))));
    if (!triggerMenuEntry(QStringLiteral("workbench_Open_zonestyle_Action")))
        note(QStringLiteral("not enabled"));
}

void ChaosRun::closeDialog()
{
    std::vector<QDialog*> open;
    for (QDialog* dialog : {static_cast<QDialog*>(zoneStyle()), static_cast<QDialog*>(labelPoints())}) {
        if (dialog && dialog->isVisible())
            open.push_back(dialog);
    }
    if (open.empty()) {
        describe(QStringLiteral("close a dialog: none is open"));
        return;
    }
    QDialog* dialog = m_random.of(open);
    switch (m_random.below(3)) {
    case 0: {
        describe(QStringLiteral("close %1 with its Close button").arg(dialog->windowTitle()));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QAbstractButton* close = buttons ? buttons->button(QDialogButtonBox::Close) : nullptr;
        if (close && close->isVisible())
            QTest::mouseClick(close, Qt::LeftButton);
        else
            note(QStringLiteral("it has none"));
        break;
    }
    case 1:
        describe(QStringLiteral("press Escape in %1").arg(dialog->windowTitle()));
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
        break;
    default:
        describe(QStringLiteral("close %1's window").arg(dialog->windowTitle()));
        dialog->close();
        break;
    }
}

QPoint ChaosRun::scrolledTo(QTableView* table, int row, int column)
{
    table->scrollTo(table->model()->index(row, column));
    return TableClicks::cell(table, row, column);
}

void ChaosRun::openZoneStyleTab()
{
    if (!ensureZoneStyle())
        return;
    QTabWidget* tabs = nullptr;
    for (QTabWidget* candidate : zoneStyle()->findChildren<QTabWidget*>()) {
        if (candidate->isVisible())
            tabs = candidate;
    }
    if (!tabs || tabs->count() == 0) {
        describe(QStringLiteral("open a Zone Style tab: no tabs shown"));
        return;
    }
    const int index = m_random.below(tabs->count());
    describe(QStringLiteral("open Zone Style's tab \"%1\"").arg(tabs->tabText(index)));
    QTabBar* bar = tabs->tabBar();
    const QRect tab = bar->tabRect(index);
    if (bar->rect().contains(tab.center()))
        QTest::mouseClick(bar, Qt::LeftButton, {}, tab.center());
    else
        tabs->setCurrentIndex(index);
}

void ChaosRun::selectByPattern()
{
    if (!ensureZoneStyle())
        return;
    ZoneStyleDialog* dialog = zoneStyle();
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("mapSelectionByPattern_pattern_lineEdit"));
    const std::vector<QString> buttons{QStringLiteral("mapSelectionByPattern_apply_button"),
                                       QStringLiteral("mapSelectionByPattern_groups_button"),
                                       QStringLiteral("mapSelectionByPattern_clear_button")};
    const QString buttonName = m_random.of(buttons);
    auto* button = dialog->findChild<QPushButton*>(buttonName);
    const QString pattern = m_random.of(std::vector<QString>{
        QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("inlet"), QStringLiteral("outlet"),
        QStringLiteral("wing [3-5]"), QStringLiteral("^z"), QStringLiteral("("), QString(), QStringLiteral("*"),
        QStringLiteral("zone 1$"), QStringLiteral(".*"), QStringLiteral("kernel")});
    describe(QStringLiteral("type \"%1\" into the pattern, press %2").arg(pattern, buttonName));
    if (!edit || !button) {
        note(QStringLiteral("no pattern field"));
        return;
    }
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, pattern);
    QTest::keyClick(edit, Qt::Key_Tab);
    if (button->isVisible() && button->isEnabled())
        QTest::mouseClick(button, Qt::LeftButton);
    else
        note(QStringLiteral("the button is not offered"));
}

void ChaosRun::clickRows()
{
    if (!ensureZoneStyle())
        return;
    QTableView* table = styleTable();
    const int rows = table->model()->rowCount();
    if (m_random.oneIn(8)) {
        describe(QStringLiteral("Ctrl+A in the table"));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
        return;
    }
    const auto cell = randomCell(table, QStringLiteral("click a row"), 2);
    if (!cell)
        return;
    const auto [row, column] = *cell;
    const std::vector<std::pair<Qt::KeyboardModifiers, QString>> modifiers{
        {Qt::NoModifier, QStringLiteral("click")},
        {Qt::ControlModifier, QStringLiteral("Ctrl-click")},
        {Qt::ShiftModifier, QStringLiteral("Shift-click")}};
    const auto& [modifier, name] = m_random.of(modifiers);
    describe(QStringLiteral("%1 row %2 column %3 of %4 rows").arg(name).arg(row).arg(column).arg(rows));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifier, scrolledTo(table, row, column));
}

std::optional<std::pair<int, int>> ChaosRun::randomCell(QTableView* table, const QString& action, int columnLimit)
{
    const int rows = table->model()->rowCount();
    const int columns = table->model()->columnCount();
    if (rows == 0 || columns == 0) {
        describe(action + QStringLiteral(": the table has no rows"));
        return std::nullopt;
    }
    const int row = m_random.below(rows);
    return std::pair{row, m_random.below(std::min(columns, columnLimit))};
}

void ChaosRun::openCellMenu()
{
    if (!ensureZoneStyle())
        return;
    QTableView* table = styleTable();
    const auto cell = randomCell(table, QStringLiteral("open a cell's menu"));
    if (!cell)
        return;
    const auto [row, column] = *cell;
    const bool byKey = m_random.oneIn(4);
    describe(QStringLiteral("%1 row %2 column %3 (\"%4\")")
                 .arg(byKey ? QStringLiteral("menu key on") : QStringLiteral("right-click"))
                 .arg(row)
                 .arg(column)
                 .arg(table->model()
                          ->headerData(column, Qt::Horizontal)
                          .toString()
                          .replace(QLatin1Char('\n'), QLatin1Char(' '))));
    scrolledTo(table, row, column);
    if (byKey)
        TableClicks::menuKey(table, row, column);
    else
        TableClicks::rightClick(table, row, column);
}

void ChaosRun::editCell()
{
    if (!ensureZoneStyle())
        return;
    QTableView* table = styleTable();
    const auto cell = randomCell(table, QStringLiteral("edit a cell"));
    if (!cell)
        return;
    const auto [row, column] = *cell;
    describe(QStringLiteral("double-click row %1 column %2").arg(row).arg(column));
    const QPointer<QTableView> guard(table);
    TableClicks::doubleClick(table, scrolledTo(table, row, column));
    QCoreApplication::processEvents();
    if (!guard)
        return;
    QLineEdit* editor = TableClicks::openEditor(table);
    if (!editor) {
        if (QWidget* focus = QApplication::focusWidget(); focus && table->viewport()->isAncestorOf(focus)) {
            note(QStringLiteral("Escape in the editor"));
            QTest::keyClick(focus, Qt::Key_Escape);
        }
        return;
    }
    if (m_random.oneIn(4))
        note(QStringLiteral("meanwhile ") + kernelChange());
    const QPointer<QLineEdit> editorGuard(editor);
    const QString text = m_random.of(std::vector<QString>{QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("7"),
                                                          QStringLiteral("-2"), QStringLiteral("abc"), QString()});
    if (!editorGuard) {
        note(QStringLiteral("the editor went"));
        return;
    }
    editor->selectAll();
    QTest::keyClicks(editor, text);
    const bool commit = !m_random.oneIn(3);
    note(QStringLiteral("type \"%1\", %2").arg(text, commit ? QStringLiteral("Return") : QStringLiteral("Escape")));
    QTest::keyClick(editor, commit ? Qt::Key_Return : Qt::Key_Escape);
}

void ChaosRun::toggleCheckBox()
{
    if (!ensureZoneStyle())
        return;
    QTableView* table = styleTable();
    QAbstractItemModel* model = table->model();
    const int rows = model->rowCount();
    if (rows == 0) {
        describe(QStringLiteral("toggle a check box: the table has no rows"));
        return;
    }
    const int row = m_random.below(rows);
    std::vector<int> checkable;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->flags(model->index(row, column)).testFlag(Qt::ItemIsUserCheckable))
            checkable.push_back(column);
    }
    if (checkable.empty()) {
        describe(QStringLiteral("toggle a check box: this tab has none"));
        return;
    }
    const int column = m_random.of(checkable);
    scrolledTo(table, row, column);
    const QPoint box = TableClicks::checkBox(table, row, column);
    if (m_random.oneIn(4)) {
        describe(QStringLiteral("press the check box of row %1 column %2").arg(row).arg(column));
        const QPointer<QTableView> guard(table);
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, box);
        note(QStringLiteral("meanwhile ") + kernelChange());
        if (guard)
            QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, box);
        return;
    }
    describe(QStringLiteral("click the check box of row %1 column %2").arg(row).arg(column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box);
}

void ChaosRun::useMapTool()
{
    if (!ensureZoneStyle())
        return;
    const std::vector<QString> tools{
        QStringLiteral("plotAttr_MaptoolsCreateMap_Button"), QStringLiteral("plotAttr_MaptoolsCopyMap_Button"),
        QStringLiteral("plotAttr_MaptoolsDeleteMap_Button"), QStringLiteral("plotAttr_MaptoolsMoveToTop_Button"),
        QStringLiteral("plotAttr_MaptoolsMoveToBottom_Button")};
    const QString tool = m_random.of(tools);
    auto* button = zoneStyle()->findChild<QPushButton*>(tool);
    describe(QStringLiteral("press %1").arg(tool));
    if (!button || !button->isVisible() || !button->isEnabled()) {
        note(QStringLiteral("not offered"));
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

void ChaosRun::switchLabels()
{
    if (!ensureLabelPoints())
        return;
    std::vector<QCheckBox*> toggles;
    for (const char* name : {"dataLabels_ShowXYNodeLabels_ToggleButton", "dataLabels_ShowFieldNodeLabels_ToggleButton",
                             "dataLabels_ShowFieldCellLabels_ToggleButton"}) {
        auto* toggle = labelPoints()->findChild<QCheckBox*>(QLatin1String(name));
        if (toggle && toggle->isVisible() && toggle->isEnabled())
            toggles.push_back(toggle);
    }
    if (toggles.empty()) {
        describe(QStringLiteral("switch labels: no switch is offered"));
        return;
    }
    QCheckBox* toggle = m_random.of(toggles);
    describe(QStringLiteral("click %1 (%2)")
                 .arg(toggle->objectName(), toggle->isChecked() ? QStringLiteral("on") : QStringLiteral("off")));
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(4, toggle->height() / 2));
}

void ChaosRun::destroyDialog()
{
    describe(destroyADialog());
}

// The owner destroys a dialog as Qt owners do, once control is back in the event loop that
// asked; the next opening makes a new one.
QString ChaosRun::destroyADialog()
{
    QDialog* dialog = m_random.oneIn(2) ? static_cast<QDialog*>(zoneStyle()) : static_cast<QDialog*>(labelPoints());
    if (!dialog)
        return QStringLiteral("destroy a dialog: it was not made");
    const QString name = QString::fromLatin1(dialog->metaObject()->className());
    dialog->deleteLater();
    return QStringLiteral("destroy %1").arg(name);
}

void ChaosRun::offerMappingTabs()
{
    std::set<kestrix::sdk::ui::dialogs::MappingStyleTab_e> tabs;
    if (m_random.oneIn(3)) {
        tabs = ZoneStyleDialog::defaultAvailableMappingTabs();
    } else {
        for (int tab = kestrix::sdk::ui::dialogs::MappingStyleTab_Definitions;
             tab <= kestrix::sdk::ui::dialogs::MappingStyleTab_Indices; ++tab) {
            if (m_random.oneIn(2))
                tabs.insert(static_cast<kestrix::sdk::ui::dialogs::MappingStyleTab_e>(tab));
        }
        if (tabs.empty())
            tabs.insert(static_cast<kestrix::sdk::ui::dialogs::MappingStyleTab_e>(m_random.below(7)));
    }
    QStringList names;
    for (const auto tab : tabs)
        names.append(QString::number(int(tab)));
    describe(QStringLiteral("offer the mapping tabs {%1}").arg(names.join(QLatin1Char(','))));
    ZoneStyleDialog::setAvailableMappingStyleTabs(tabs);
}

// Any control of Label Points a user can reach: buttons (some open the font, number format
// or colour prompts), fields, spin boxes and lists.
void ChaosRun::useLabelPointsControl()
{
    if (!ensureLabelPoints())
        return;
    LabelPointsDialog* dialog = labelPoints();
    std::vector<QWidget*> controls;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != dialog)
            continue;
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* box = button ? qobject_cast<QDialogButtonBox*>(button->parentWidget()) : nullptr;
        if (box && box->buttonRole(button) == QDialogButtonBox::HelpRole)
            continue;
        const bool lineEdit = qobject_cast<QLineEdit*>(widget)
                              && !qobject_cast<QAbstractSpinBox*>(widget->parentWidget())
                              && !qobject_cast<QComboBox*>(widget->parentWidget());
        if (button || lineEdit || qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget))
            controls.push_back(widget);
    }
    if (controls.empty()) {
        describe(QStringLiteral("use a Label Points control: none is offered"));
        return;
    }
    QWidget* control = m_random.of(controls);
    const QString name = control->objectName();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        describe(QStringLiteral("click %1").arg(name.isEmpty() ? button->text() : name));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        const QString text =
            m_random.of(std::vector<QString>{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("0"),
                                             QStringLiteral("12.5"), QStringLiteral("100000000000")});
        const bool tab = m_random.oneIn(2);
        describe(QStringLiteral("type \"%1\" into %2, %3")
                     .arg(text, name, tab ? QStringLiteral("Tab") : QStringLiteral("Return")));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, tab ? Qt::Key_Tab : Qt::Key_Return);
    } else {
        const Qt::Key key = m_random.of(std::vector<Qt::Key>{Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_End});
        describe(QStringLiteral("press key %1 in %2").arg(int(key), 0, 16).arg(name));
        control->setFocus();
        QTest::keyClick(control, key);
    }
}

} // namespace

class TestChaos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ModelTestWarnings::install();
        CrashNote::install();
    }

    void randomStepsKeepTheInvariants()
    {
        const quint64 seed =
            environmentNumber("KESTRIX_CHAOS_SEED", std::random_device{}() * 65536ULL + std::random_device{}());
        const int steps = int(environmentNumber("KESTRIX_CHAOS_STEPS", DefaultSteps));
        std::printf("chaos seed %llu, %d steps (replay: KESTRIX_CHAOS_SEED=%llu KESTRIX_CHAOS_STEPS=%d)\n",
                    static_cast<unsigned long long>(seed), steps, static_cast<unsigned long long>(seed), steps);
        std::fflush(stdout);
        ChaosRun run(seed, steps);
        const QString failure = run.run();
        std::printf("chaos seed %llu: %d steps run, %.1f steps per second\n", static_cast<unsigned long long>(seed),
                    run.stepsRun(), run.stepsPerSecond());
        std::fflush(stdout);
        if (!failure.isEmpty())
            QFAIL(qPrintable(failure));
    }
};

QTEST_MAIN(TestChaos)
#include "tst_chaos.moc"
