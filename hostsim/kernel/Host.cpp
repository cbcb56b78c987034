#include <hostsim/Host.h>

#include "FaultInjection.h"
#include "Kernel.h"
#include "SceneFactory.h"
#include "SceneLoader.h"
#include "StyleEngine.h"

#include "hostsim/export/ExportStatus.h"

#include <QFile>

namespace kestrix::hostsim {

using kernel::Kernel;

namespace {

Kernel& kernelInstance()
{
    return Kernel::instance();
}

} // namespace

Host& Host::instance()
{
    static Host host;
    return host;
}

Host::Host()
{
    kernelInstance().setJournalListener([this](const QString& line) { emit journalAppended(line); });
    kernelInstance().setSceneListener([this]() { emit sceneChanged(); });
    kernelInstance().setHistoryListener([this]() { emit historyChanged(); });
}

Host::~Host()
{
    kernelInstance().setJournalListener({});
    kernelInstance().setSceneListener({});
    kernelInstance().setHistoryListener({});
}

bool Host::loadSceneFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QLatin1String(": ") + file.errorString();
        return false;
    }
    return loadSceneJson(file.readAll(), error);
}

bool Host::loadSceneJson(const QByteArray& json, QString* error)
{
    std::unique_ptr<kernel::Scene> scene = kernel::SceneLoader::load(json, error);
    if (!scene)
        return false;
    kernelInstance().replaceScene(std::move(scene));
    return true;
}

void Host::loadDemoScene()
{
    kernelInstance().replaceScene(kernel::SceneFactory::demo());
}

bool Host::loadGeneratedScene(const QString& description, QString* error)
{
    std::string message;
    std::unique_ptr<kernel::Scene> scene = kernel::SceneFactory::generated(description.toStdString(), &message);
    if (!scene) {
        if (error)
            *error = QString::fromStdString(message);
        return false;
    }
    kernelInstance().replaceScene(std::move(scene));
    return true;
}

void Host::clearScene()
{
    kernelInstance().replaceScene(kernel::SceneFactory::empty());
}

int Host::pageCount() const
{
    return static_cast<int>(kernelInstance().scene().pages.size());
}

int Host::currentPage() const
{
    return kernelInstance().scene().currentPage;
}

bool Host::setCurrentPage(int page)
{
    return kernelInstance().setCurrentPage(page);
}

QList<Host::FrameInfo> Host::framesOfCurrentPage() const
{
    QList<FrameInfo> frames;
    const kernel::Page* page = kernelInstance().scene().page();
    if (!page)
        return frames;
    for (const auto& frame : page->frames) {
        FrameInfo info;
        info.name = QString::fromStdString(frame->name);
        info.plotType = frame->plotType;
        info.uniqueId = static_cast<quint64>(frame->id);
        info.zoneCount = frame->zoneCount();
        info.variableCount = frame->variableCount();
        info.fieldMapCount = frame->fieldMapCount();
        info.lineMapCount = frame->lineMapCount();
        frames.append(info);
    }
    return frames;
}

int Host::currentFrame() const
{
    return kernelInstance().scene().currentFrame;
}

bool Host::setCurrentFrame(int frame)
{
    return kernelInstance().setCurrentFrame(frame);
}

void Host::setPickList(const QList<QPair<int, int>>& entries)
{
    std::vector<kernel::PickEntry> picks;
    picks.reserve(static_cast<std::size_t>(entries.size()));
    for (const auto& entry : entries)
        picks.push_back({entry.first, entry.second});
    kernelInstance().setPickList(std::move(picks));
}

QVariant Host::styleValue(const QStringList& path, int offset1, int offset2, quint64 frameId) const
{
    const kernel::StyleSchema& schema = kernel::StyleSchema::instance();
    std::vector<int> ids;
    for (const QString& keyword : path)
        ids.push_back(schema.keywordId(keyword.toStdString()));
    kernel::StyleRequest request;
    request.entry = schema.find(ids.data(), static_cast<int>(ids.size()));
    request.offset1 = offset1;
    request.offset2 = offset2;
    if (frameId != 0)
        request.frameId = static_cast<UniqueID_t>(frameId);
    kernel::StyleData value;
    std::vector<int> members;
    const bool isSet = request.entry && request.entry->type == kernel::StyleType::MapSet;
    if (kernel::StyleEngine::read(kernelInstance().scene(), request, value, isSet ? &members : nullptr) != GetValue_Ok)
        return {};
    if (isSet) {
        QVariantList list;
        for (int member : members)
            list << member;
        return list;
    }
    if (const auto* text = std::get_if<std::string>(&value))
        return QString::fromStdString(*text);
    if (const auto* number = std::get_if<double>(&value))
        return *number;
    return static_cast<int>(std::get<long>(value));
}

quint64 Host::styleReadCount() const
{
    return kernelInstance().styleReadCount();
}

quint64 Host::styleWriteCount() const
{
    return kernelInstance().styleWriteCount();
}

void Host::resetStyleCounts()
{
    kernelInstance().resetStyleCounts();
}

int Host::appLockDepth() const
{
    return kernelInstance().lockDepth();
}

int Host::waitStateDepth() const
{
    return kernelInstance().waitDepth();
}

int Host::undoDepth() const
{
    return kernelInstance().undoStack().depth();
}

int Host::overrideCursorDepth() const
{
    return kernelInstance().overrideCursorDepth();
}

QStringList Host::journal() const
{
    return kernelInstance().journal();
}

void Host::clearJournal()
{
    kernelInstance().clearJournal();
}

bool Host::undo()
{
    return kernelInstance().undo();
}

bool Host::redo()
{
    return kernelInstance().redo();
}

bool Host::canUndo() const
{
    return kernelInstance().undoStack().canUndo();
}

bool Host::canRedo() const
{
    return kernelInstance().undoStack().canRedo();
}

int Host::undoStepCount() const
{
    return kernelInstance().undoStack().undoStepCount();
}

int Host::redoStepCount() const
{
    return kernelInstance().undoStack().redoStepCount();
}

QString Host::lastExportError() const
{
    return exporting::ExportStatus::lastError();
}

void Host::failNext(Fault fault, int count)
{
    kernel::FaultInjection::failNext(fault, count);
}

int Host::pendingFailures(Fault fault) const
{
    return kernel::FaultInjection::pending(fault);
}

void Host::clearFailures()
{
    kernel::FaultInjection::clear();
}

} // namespace kestrix::hostsim
