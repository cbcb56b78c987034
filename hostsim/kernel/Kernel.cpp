#include "Kernel.h"

#include "DynamicText.h"
#include "FaultInjection.h"
#include "KernelHandles.h"
#include "LineMapListChange.h"
#include "LineMapReorderChange.h"
#include "LineMapReplaceChange.h"
#include "MapStyleChange.h"
#include "SceneFactory.h"
#include "StateChangeEvent.h"

#include <kxsdkintegrationmanager/StateChange.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>

#include <cstdlib>
#include <cstring>

namespace kestrix::hostsim::kernel {

namespace {

using Kind = KxKernelArgList::Kind;

const KxKernelArgList::Entry* findOfKind(const KxKernelArgList& arguments, const char* name, Kind kind)
{
    const KxKernelArgList::Entry* entry = arguments.find(name);
    return entry && entry->kind == kind ? entry : nullptr;
}

StyleRequest decodeRequest(const KxKernelArgList& arguments)
{
    StyleRequest request;
    if (const auto* path = findOfKind(arguments, "PATH", Kind::Array)) {
        const int* ids = arguments.arrayData(*path);
        int count = 0;
        while (count < path->arrayLength && ids[count] != -1)
            ++count;
        request.entry = StyleSchema::instance().find(ids, count);
    }
    if (const auto* entry = findOfKind(arguments, "OFFSET1", Kind::Int))
        request.offset1 = static_cast<int>(entry->intValue);
    if (const auto* entry = findOfKind(arguments, "OFFSET2", Kind::Int))
        request.offset2 = static_cast<int>(entry->intValue);
    if (const auto* entry = findOfKind(arguments, "UNIQUEID", Kind::Int))
        request.frameId = static_cast<UniqueID_t>(entry->intValue);
    if (const auto* entry = findOfKind(arguments, "OBJECTSET", Kind::Set))
        request.objects = &arguments.set(*entry);
    if (const auto* entry = findOfKind(arguments, "ASSIGNOP", Kind::Int))
        request.assignOp = static_cast<int>(entry->intValue);
    if (const auto* entry = findOfKind(arguments, "IVALUE", Kind::Int))
        request.intValue = static_cast<long>(entry->intValue);
    if (const auto* entry = findOfKind(arguments, "DVALUE", Kind::Double))
        request.doubleValue = entry->doubleValue;
    if (const auto* entry = findOfKind(arguments, "SVALUE", Kind::String))
        request.stringValue = arguments.string(*entry).c_str();
    if (const auto* entry = findOfKind(arguments, "SETVALUE", Kind::Set))
        request.setValue = &arguments.set(*entry);
    return request;
}

QString formatDouble(double value)
{
    return QString::number(value, 'g', 15);
}

QString formatValue(const StyleSchemaEntry& entry, const StyleWritePlan& plan)
{
    if (entry.type == StyleType::MapSet)
        return Kernel::formatMembers(plan.members);
    if (const auto* text = std::get_if<std::string>(&plan.value))
        return QLatin1Char('"') + QString::fromStdString(*text) + QLatin1Char('"');
    if (const auto* number = std::get_if<double>(&plan.value))
        return formatDouble(*number);
    return QString::number(std::get<long>(plan.value));
}

} // namespace

Kernel& Kernel::instance()
{
    static Kernel kernel;
    return kernel;
}

Kernel::Kernel() : m_scene(SceneFactory::demo())
{
    m_scene->reindex();
}

void Kernel::replaceScene(std::unique_ptr<Scene> scene)
{
    m_scene = std::move(scene);
    m_scene->reindex();
    m_undo.clear();
    m_pops.clear();
    notify(StateChange_CompleteReset);
    // The frame that was current is gone with its scene: listeners that keep a frame's
    // unique id learn the new one as they would from a frame switch.
    if (currentFrame())
        notify(StateChange_CurrentFrame);
    sceneChanged();
    historyChanged();
}

bool Kernel::setCurrentPage(int page)
{
    if (page < 1 || page > static_cast<int>(m_scene->pages.size()))
        return false;
    if (page == m_scene->currentPage)
        return true;
    m_scene->currentPage = page;
    m_scene->currentFrame = m_scene->pages[static_cast<std::size_t>(page - 1)].frames.empty() ? 0 : 1;
    notify(StateChange_CurrentFrame);
    sceneChanged();
    return true;
}

bool Kernel::setCurrentFrame(int frame)
{
    const Page* page = m_scene->page();
    if (!page || frame < 1 || frame > static_cast<int>(page->frames.size()))
        return false;
    if (frame == m_scene->currentFrame)
        return true;
    m_scene->currentFrame = frame;
    notify(StateChange_CurrentFrame);
    sceneChanged();
    return true;
}

void Kernel::setPickList(std::vector<PickEntry> entries)
{
    m_scene->pickList = std::move(entries);
}

void Kernel::lightweightPopStart()
{
    m_pops.push_back({m_scene->currentPage, m_scene->currentFrame, 0});
    if (const Page* page = m_scene->page(); page && !page->frames.empty())
        m_scene->currentFrame = 1;
}

bool Kernel::lightweightPopNext()
{
    const Page* page = m_scene->page();
    if (m_pops.empty() || !page)
        return false;
    PopState& state = m_pops.back();
    if (state.next >= static_cast<int>(page->frames.size()))
        return false;
    m_scene->currentFrame = ++state.next;
    return true;
}

void Kernel::lightweightPopEnd()
{
    if (m_pops.empty())
        return;
    const PopState state = m_pops.back();
    m_pops.pop_back();
    m_scene->currentPage = state.page;
    m_scene->currentFrame = state.frame;
}

GetValueReturnCode_e Kernel::styleGet(const KxKernelArgList& arguments)
{
    ++m_readCount;
    if (FaultInjection::takeFailure(Host::Fault::StyleRead))
        return GetValue_Invalid;
    const StyleRequest request = decodeRequest(arguments);
    if (!request.entry)
        return GetValue_SyntaxError;
    const StyleType type = request.entry->type;
    const auto* intReceiver = findOfKind(arguments, "IVALUE", Kind::IntPtr);
    const auto* doubleReceiver = findOfKind(arguments, "DVALUE", Kind::DoublePtr);
    const auto* stringReceiver = findOfKind(arguments, "SVALUE", Kind::StringPtr);
    const auto* setReceiver = findOfKind(arguments, "SETVALUE", Kind::SetPtr);
    const bool receiverFits = (type == StyleType::MapSet && setReceiver) || (type == StyleType::String && stringReceiver)
                              || (type == StyleType::Double && doubleReceiver)
                              || (StyleEngine::isIntegral(type) && (intReceiver || doubleReceiver));
    if (!receiverFits)
        return GetValue_ResultTypeError;

    StyleData value;
    std::vector<int> members;
    const GetValueReturnCode_e code =
        StyleEngine::read(*m_scene, request, value, type == StyleType::MapSet ? &members : nullptr);
    if (code != GetValue_Ok)
        return code;

    if (type == StyleType::MapSet) {
        auto set = std::make_unique<KxKernelSet>();
        for (int member : members)
            set->add(member);
        *static_cast<Set_pa*>(setReceiver->receiver) = set.release();
    } else if (type == StyleType::String) {
        *static_cast<char**>(stringReceiver->receiver) = strdup(std::get<std::string>(value).c_str());
    } else if (type == StyleType::Double) {
        *static_cast<double*>(doubleReceiver->receiver) = std::get<double>(value);
    } else if (intReceiver) {
        *static_cast<LgIndex_t*>(intReceiver->receiver) = std::get<long>(value);
    } else {
        *static_cast<double*>(doubleReceiver->receiver) = static_cast<double>(std::get<long>(value));
    }
    return GetValue_Ok;
}

GetValueReturnCode_e Kernel::read(const StyleRequest& request, StyleData& value) const
{
    return StyleEngine::read(*m_scene, request, value, nullptr);
}

SetValueReturnCode_e Kernel::styleSet(const KxKernelArgList& arguments)
{
    ++m_writeCount;
    if (FaultInjection::takeFailure(Host::Fault::StyleWrite))
        return SetValue_InternalMemoryError;
    const StyleRequest request = decodeRequest(arguments);
    StyleWritePlan plan;
    const SetValueReturnCode_e code = StyleEngine::prepareWrite(*m_scene, request, plan);
    if (code != SetValue_Ok)
        return code;
    appendJournal(journalLine(request, plan));
    std::unique_ptr<SceneChange> change = StyleEngine::apply(*m_scene, plan);
    if (!change)
        return SetValue_DuplicateValue;
    record(std::move(change));
    notify(StateChange_Style, plan.entry->keywords);
    return SetValue_Ok;
}

QString Kernel::journalLine(const StyleRequest& request, const StyleWritePlan& plan) const
{
    const StyleSchemaEntry& entry = *plan.entry;
    QString line = QString::fromStdString(entry.text);
    if (request.objects && request.objects->count() > 0)
        line += QLatin1String(" objects=") + formatMembers(request.objects->sortedMembers());
    else if (entry.isPerMap() && plan.allMaps)
        line += QLatin1String(" objects=all");
    if (request.offset1 != -1)
        line += QLatin1String(" offset1=") + QString::number(request.offset1);
    if (request.offset2 != -1)
        line += QLatin1String(" offset2=") + QString::number(request.offset2);
    line += QLatin1String(" op=") + QString::number(request.assignOp);
    line += QLatin1String(" value=") + formatValue(entry, plan);
    return line;
}

QString Kernel::formatMembers(const std::vector<int>& members)
{
    QStringList parts;
    if (members.size() <= 100) {
        for (int member : members)
            parts << QString::number(member);
        return parts.join(QLatin1Char(','));
    }
    std::size_t start = 0;
    while (start < members.size()) {
        std::size_t end = start;
        while (end + 1 < members.size() && members[end + 1] == members[end] + 1)
            ++end;
        if (end == start)
            parts << QString::number(members[start]);
        else
            parts << QString::number(members[start]) + QLatin1Char('-') + QString::number(members[end]);
        start = end + 1;
    }
    return parts.join(QLatin1Char(','));
}

bool Kernel::lineMapMembers(const Frame& frame, const KxKernelSet* maps, std::vector<int>& members)
{
    members.clear();
    if (!maps)
        return true;
    members = maps->sortedMembers();
    return members.empty() || (members.front() >= 1 && members.back() <= frame.lineMapCount());
}

bool Kernel::lineMapCreate()
{
    Frame* frame = currentFrame();
    if (!frame || !frame->hasDataSet() || frame->zones.empty())
        return false;
    LineMap newMap;
    static const StyleSchemaEntry* const yVarEntry = StyleSchema::instance().find({"LINEMAP", "ASSIGN", "YAXISVAR"});
    if (frame->variableCount() < 2)
        newMap.style.set(yVarEntry->slot, 1L);
    std::vector<LineMap> records;
    records.push_back(std::move(newMap));
    auto change = LineMapListChange::insertion(*frame, {frame->lineMapCount()}, std::move(records));
    change->redo();
    record(std::move(change));
    notify(StateChange_LineMapsAdded);
    return true;
}

bool Kernel::lineMapCopy(int sourceMap, int destinationMap)
{
    Frame* frame = currentFrame();
    if (!frame || sourceMap < 1 || sourceMap > frame->lineMapCount() || destinationMap < 1
        || destinationMap > frame->lineMapCount())
        return false;
    if (sourceMap == destinationMap)
        return true;
    LineMap copy = frame->lineMaps[static_cast<std::size_t>(sourceMap - 1)];
    copy.active = frame->lineMaps[static_cast<std::size_t>(destinationMap - 1)].active;
    auto change = std::make_unique<LineMapReplaceChange>(*frame, destinationMap - 1, std::move(copy));
    change->redo();
    record(std::move(change));
    notify(StateChange_LineMapAssignment);
    return true;
}

bool Kernel::lineMapDelete(const KxKernelSet* maps)
{
    Frame* frame = currentFrame();
    std::vector<int> members;
    if (!frame || !lineMapMembers(*frame, maps, members))
        return false;
    if (members.empty())
        return true;
    for (int& member : members)
        --member;
    auto change = LineMapListChange::removal(*frame, std::move(members));
    change->redo();
    record(std::move(change));
    notify(StateChange_LineMapsDeleted);
    return true;
}

bool Kernel::lineMapShift(const KxKernelSet* maps, bool toTop)
{
    Frame* frame = currentFrame();
    std::vector<int> members;
    if (!frame || !lineMapMembers(*frame, maps, members))
        return false;
    const int count = frame->lineMapCount();
    std::vector<int> moved;
    std::vector<int> others;
    moved.reserve(members.size());
    others.reserve(static_cast<std::size_t>(count) - members.size());
    std::size_t next = 0;
    for (int index = 0; index < count; ++index) {
        if (next < members.size() && members[next] == index + 1) {
            moved.push_back(index);
            ++next;
        } else {
            others.push_back(index);
        }
    }
    std::vector<int> order = toTop ? moved : others;
    const std::vector<int>& rest = toTop ? others : moved;
    order.insert(order.end(), rest.begin(), rest.end());
    bool identity = true;
    for (int index = 0; index < count && identity; ++index)
        identity = order[static_cast<std::size_t>(index)] == index;
    if (identity)
        return true;
    auto change = std::make_unique<LineMapReorderChange>(*frame, std::move(order));
    change->redo();
    record(std::move(change));
    notify(StateChange_LineMapsReordered);
    return true;
}

bool Kernel::lineMapSetName(const KxKernelSet* maps, const char* name)
{
    Frame* frame = currentFrame();
    std::vector<int> members;
    if (!frame || !name || !lineMapMembers(*frame, maps, members))
        return false;
    if (members.empty())
        return true;
    static const StyleSchemaEntry* const nameEntry = StyleSchema::instance().find({"LINEMAP", "NAME"});
    std::optional<StyleData> after;
    if (StyleData(std::string(name)) != nameEntry->defaultValue)
        after = std::string(name);
    appendJournal(QLatin1String("LINEMAP NAME objects=") + formatMembers(members) + QLatin1String(" op=255 value=\"")
                  + QString::fromUtf8(name) + QLatin1Char('"'));
    auto change = std::make_unique<MapStyleChange>(*frame, StyleOwner::LineMap, nameEntry->slot, after);
    for (int member : members)
        change->addMap(member);
    if (change->isEmpty())
        return true;
    change->redo();
    record(std::move(change));
    notify(StateChange_LineMapName);
    return true;
}

void Kernel::lockFinish()
{
    if (m_lockDepth > 0)
        --m_lockDepth;
}

void Kernel::undoStateEnd(bool commit)
{
    m_undo.end(commit);
    if (m_undo.depth() == 0)
        historyChanged();
}

bool Kernel::undo()
{
    if (!m_undo.undo())
        return false;
    notify(StateChange_CompleteReset);
    historyChanged();
    return true;
}

bool Kernel::redo()
{
    if (!m_undo.redo())
        return false;
    notify(StateChange_CompleteReset);
    historyChanged();
    return true;
}

void Kernel::waitStateEnd()
{
    if (m_waitDepth > 0)
        --m_waitDepth;
}

void Kernel::overrideCursorPopped()
{
    if (m_cursorDepth > 0)
        --m_cursorDepth;
}

void Kernel::notify(int code, std::vector<std::string> params)
{
    const StateChangeEvent event(code, std::move(params));
    sdk::integration::StateChangeEventObservable::getInstance().notify(event);
}

void Kernel::resetStyleCounts()
{
    m_readCount = 0;
    m_writeCount = 0;
}

void Kernel::record(std::unique_ptr<SceneChange> change)
{
    m_undo.record(std::move(change));
    if (m_undo.depth() == 0)
        historyChanged();
}

void Kernel::appendJournal(const QString& line)
{
    m_journal.append(line);
    if (m_journalListener)
        m_journalListener(line);
}

void Kernel::sceneChanged()
{
    if (m_sceneListener)
        m_sceneListener();
}

void Kernel::historyChanged()
{
    if (m_historyListener)
        m_historyListener();
}

} // namespace kestrix::hostsim::kernel
