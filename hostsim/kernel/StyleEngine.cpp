#include "StyleEngine.h"

#include "ActiveMapsChange.h"
#include "KernelHandles.h"
#include "MapStyleChange.h"
#include "PlotTypeChange.h"
#include "Scene.h"
#include "TableStyleChange.h"

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::kernel {

namespace {

Frame* resolveFrame(const Scene& scene, const StyleRequest& request)
{
    return request.frameId ? scene.frame(*request.frameId) : scene.current();
}

int mapCount(const Frame& frame, StyleOwner owner)
{
    if (owner == StyleOwner::FieldMap)
        return frame.fieldMapCount();
    return frame.lineMapCount();
}

StyleOwner mapOwnerOf(const StyleSchemaEntry& entry)
{
    return entry.storage == StyleStorage::ActiveFieldMaps ? StyleOwner::FieldMap : StyleOwner::LineMap;
}

bool offsetsValid(const StyleSchemaEntry& entry, int offset1, int offset2)
{
    if (offset2 != -1)
        return false;
    if (entry.takesOffset())
        return offset1 >= entry.offsetMin && offset1 <= entry.offsetMax;
    return offset1 == -1;
}

bool needsDataSet(const StyleSchemaEntry& entry)
{
    return entry.isPerMap() || entry.type == StyleType::MapSet || entry.type == StyleType::Variable
           || entry.type == StyleType::Zone;
}

bool isColor(long value)
{
    return (value >= 0 && value <= 63) || value == -1 || (value <= -3 && value >= -10);
}

const SparseStyleValues& mapStyle(const Frame& frame, StyleOwner owner, int map)
{
    const auto index = static_cast<std::size_t>(map - 1);
    return owner == StyleOwner::FieldMap ? frame.fieldMaps[index].style : frame.lineMaps[index].style;
}

SetValueReturnCode_e validateValue(const StyleSchemaEntry& entry, const Frame* frame, const StyleRequest& request,
                                   StyleWritePlan& plan)
{
    if (StyleEngine::isIntegral(entry.type)) {
        if (!request.intValue)
            return SetValue_ValueSyntaxError;
        const long value = *request.intValue;
        switch (entry.type) {
        case StyleType::Boolean:
        case StyleType::Integer:
            if (value < entry.minInteger || value > entry.maxInteger)
                return SetValue_ValueRangeError;
            break;
        case StyleType::Enumeration:
            if (std::find(entry.enumerationValues.begin(), entry.enumerationValues.end(), value)
                == entry.enumerationValues.end())
                return SetValue_ValueRangeError;
            break;
        case StyleType::Color:
            if (!isColor(value))
                return SetValue_ValueRangeError;
            break;
        case StyleType::Variable:
            if (!(value == 0 && entry.allowNone) && !(frame && frame->isVariable(static_cast<int>(value))))
                return SetValue_InvalidVarOrZone;
            break;
        case StyleType::Zone:
            if (!(frame && frame->isZone(static_cast<int>(value))))
                return SetValue_InvalidVarOrZone;
            break;
        default:
            break;
        }
        plan.value = value;
        return SetValue_Ok;
    }

    switch (entry.type) {
    case StyleType::Double: {
        double value = 0.0;
        if (request.doubleValue)
            value = *request.doubleValue;
        else if (request.intValue)
            value = static_cast<double>(*request.intValue);
        else
            return SetValue_ValueSyntaxError;
        if (!std::isfinite(value) || value < entry.minDouble || value > entry.maxDouble)
            return SetValue_ValueRangeError;
        plan.value = value;
        return SetValue_Ok;
    }
    case StyleType::String:
        if (!request.stringValue)
            return SetValue_ValueSyntaxError;
        plan.value = std::string(request.stringValue);
        return SetValue_Ok;
    case StyleType::MapSet: {
        if (!request.setValue)
            return SetValue_ValueSyntaxError;
        const int count = mapCount(*frame, mapOwnerOf(entry));
        const std::vector<int>& members = request.setValue->sortedMembers();
        if (!members.empty() && (members.front() < 1 || members.back() > count))
            return SetValue_InvalidVarOrZone;
        plan.members = members;
        return SetValue_Ok;
    }
    default:
        return SetValue_ValueSyntaxError;
    }
}

} // namespace

bool StyleEngine::isIntegral(StyleType type)
{
    switch (type) {
    case StyleType::Boolean:
    case StyleType::Integer:
    case StyleType::Enumeration:
    case StyleType::Color:
    case StyleType::Variable:
    case StyleType::Zone:
        return true;
    default:
        return false;
    }
}

GetValueReturnCode_e StyleEngine::read(const Scene& scene, const StyleRequest& request, StyleData& value,
                                       std::vector<int>* members)
{
    const StyleSchemaEntry* entry = request.entry;
    if (!entry)
        return GetValue_SyntaxError;
    const Frame* frame = nullptr;
    if (entry->owner != StyleOwner::Application) {
        frame = resolveFrame(scene, request);
        if (!frame)
            return GetValue_ContextError;
    }

    if (entry->isPerMap()) {
        if (request.offset1 < 1 || request.offset1 > mapCount(*frame, entry->owner) || request.offset2 != -1)
            return GetValue_ContextError;
        const StyleData* stored = mapStyle(*frame, entry->owner, request.offset1).find(entry->slot);
        value = stored ? *stored : entry->defaultValue;
        return GetValue_Ok;
    }

    if (!offsetsValid(*entry, request.offset1, request.offset2))
        return GetValue_ContextError;

    switch (entry->storage) {
    case StyleStorage::PlotType:
        value = static_cast<long>(frame->plotType);
        return GetValue_Ok;
    case StyleStorage::ActiveFieldMaps:
    case StyleStorage::ActiveLineMaps: {
        if (!members)
            return GetValue_ResultTypeError;
        members->clear();
        if (entry->storage == StyleStorage::ActiveFieldMaps) {
            for (std::size_t i = 0; i < frame->fieldMaps.size(); ++i) {
                if (frame->fieldMaps[i].active)
                    members->push_back(static_cast<int>(i) + 1);
            }
        } else {
            for (std::size_t i = 0; i < frame->lineMaps.size(); ++i) {
                if (frame->lineMaps[i].active)
                    members->push_back(static_cast<int>(i) + 1);
            }
        }
        return GetValue_Ok;
    }
    case StyleStorage::Table: {
        const StyleTable& table = entry->owner == StyleOwner::Application ? scene.application : frame->style;
        std::optional<StyleData> stored = table.get(StyleTable::key(entry->slot, request.offset1, request.offset2));
        value = stored ? std::move(*stored) : entry->defaultValue;
        return GetValue_Ok;
    }
    }
    return GetValue_SyntaxError;
}

SetValueReturnCode_e StyleEngine::prepareWrite(const Scene& scene, const StyleRequest& request, StyleWritePlan& plan)
{
    const StyleSchemaEntry* entry = request.entry;
    if (!entry)
        return SetValue_InvalidCommandOption;
    plan.entry = entry;

    Frame* frame = nullptr;
    if (entry->owner != StyleOwner::Application) {
        frame = resolveFrame(scene, request);
        if (!frame)
            return SetValue_NoAttachedFrameError;
        if (needsDataSet(*entry) && !frame->hasDataSet())
            return SetValue_NoAttachedDatasetError;
    }
    plan.frame = frame;

    if (entry->type == StyleType::MapSet) {
        if (request.assignOp != AssignOp_Equals && request.assignOp != AssignOp_PlusEquals
            && request.assignOp != AssignOp_MinusEquals)
            return SetValue_AssignOpError;
    } else if (request.assignOp != AssignOp_Equals) {
        return SetValue_AssignOpError;
    }
    plan.assignOp = request.assignOp;

    const bool objectsNamed = request.objects && request.objects->count() > 0;
    if (entry->isPerMap()) {
        if (request.offset2 != -1)
            return SetValue_ContextError1;
        const int count = mapCount(*frame, entry->owner);
        plan.maps.clear();
        plan.allMaps = false;
        if (objectsNamed) {
            const std::vector<int>& members = request.objects->sortedMembers();
            if (members.front() < 1 || members.back() > count)
                return SetValue_InvalidVarOrZone;
            plan.maps = members;
        } else if (request.offset1 != -1) {
            if (request.offset1 < 1 || request.offset1 > count)
                return SetValue_InvalidVarOrZone;
            plan.maps.push_back(request.offset1);
        } else {
            plan.allMaps = true;
            plan.maps.resize(static_cast<std::size_t>(count));
            for (int map = 1; map <= count; ++map)
                plan.maps[static_cast<std::size_t>(map - 1)] = map;
        }
    } else {
        if (objectsNamed)
            return SetValue_InvalidCommandOption;
        if (!offsetsValid(*entry, request.offset1, request.offset2))
            return SetValue_ContextError1;
        plan.offset1 = request.offset1;
        plan.offset2 = request.offset2;
    }

    return validateValue(*entry, frame, request, plan);
}

SetValueReturnCode_e StyleEngine::assign(Scene& scene, const StyleRequest& request)
{
    StyleWritePlan plan;
    const SetValueReturnCode_e code = prepareWrite(scene, request, plan);
    if (code != SetValue_Ok)
        return code;
    apply(scene, plan);
    return SetValue_Ok;
}

std::unique_ptr<SceneChange> StyleEngine::apply(Scene& scene, const StyleWritePlan& plan)
{
    const StyleSchemaEntry& entry = *plan.entry;
    std::optional<StyleData> after;
    if (plan.value != entry.defaultValue)
        after = plan.value;

    if (entry.isPerMap()) {
        auto change = std::make_unique<MapStyleChange>(*plan.frame, entry.owner, entry.slot, after);
        for (int map : plan.maps)
            change->addMap(map);
        if (change->isEmpty())
            return nullptr;
        change->redo();
        return change;
    }

    switch (entry.storage) {
    case StyleStorage::PlotType: {
        const int newType = static_cast<int>(std::get<long>(plan.value));
        if (plan.frame->plotType == newType)
            return nullptr;
        auto change = std::make_unique<PlotTypeChange>(*plan.frame, plan.frame->plotType, newType);
        change->redo();
        return change;
    }
    case StyleStorage::ActiveFieldMaps:
    case StyleStorage::ActiveLineMaps: {
        const StyleOwner owner = mapOwnerOf(entry);
        auto change = std::make_unique<ActiveMapsChange>(*plan.frame, owner);
        if (plan.assignOp == AssignOp_Equals) {
            const int count = mapCount(*plan.frame, owner);
            std::size_t next = 0;
            for (int map = 1; map <= count; ++map) {
                const bool member = next < plan.members.size() && plan.members[next] == map;
                if (member)
                    ++next;
                change->setActive(map, member);
            }
        } else {
            const bool active = plan.assignOp == AssignOp_PlusEquals;
            for (int map : plan.members)
                change->setActive(map, active);
        }
        if (change->isEmpty())
            return nullptr;
        change->redo();
        return change;
    }
    case StyleStorage::Table: {
        StyleTable& table = entry.owner == StyleOwner::Application ? scene.application : plan.frame->style;
        const std::uint64_t key = StyleTable::key(entry.slot, plan.offset1, plan.offset2);
        std::optional<StyleData> before = table.get(key);
        if (before == after)
            return nullptr;
        auto change = std::make_unique<TableStyleChange>(table, key, std::move(before), std::move(after));
        change->redo();
        return change;
    }
    }
    return nullptr;
}

} // namespace kestrix::hostsim::kernel
