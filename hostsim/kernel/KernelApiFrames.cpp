// Frames, pages, data sets, zones, variables, field maps, line maps and the pick list.

#include "DynamicText.h"
#include "Kernel.h"
#include "KernelHandles.h"
#include "StyleSchema.h"

#include <kxsdkbase/KernelApi.h>

#include <cstring>
#include <memory>
#include <sstream>

using namespace kestrix::hostsim::kernel;

namespace {

Kernel& kernel()
{
    return Kernel::instance();
}

const Frame* dataFrame(UniqueID_t frameId)
{
    const Frame* frame = kernel().frame(frameId);
    return frame && frame->hasDataSet() ? frame : nullptr;
}

const Frame* currentDataFrame()
{
    const Frame* frame = kernel().currentFrame();
    return frame && frame->hasDataSet() ? frame : nullptr;
}

const FieldMap* fieldMap(const Frame* frame, int map)
{
    if (!frame || map < 1 || map > frame->fieldMapCount())
        return nullptr;
    return &frame->fieldMaps[static_cast<std::size_t>(map - 1)];
}

const LineMap* lineMap(const Frame* frame, int map)
{
    if (!frame || map < 1 || map > frame->lineMapCount())
        return nullptr;
    return &frame->lineMaps[static_cast<std::size_t>(map - 1)];
}

template <typename Predicate>
bool anyZoneOfMap(const Frame* frame, int map, Predicate predicate)
{
    const FieldMap* fm = fieldMap(frame, map);
    if (!fm)
        return false;
    for (int zone : fm->zones) {
        if (const Zone* z = frame->zone(zone); z && predicate(*z))
            return true;
    }
    return false;
}

bool isVolume(const Zone& zone)
{
    return zone.volume;
}

bool isOrdered(const Zone& zone)
{
    return zone.ordered;
}

bool isIJKOrdered(const Zone& zone)
{
    return zone.ordered && zone.iMax > 1 && zone.jMax > 1 && zone.kMax > 1;
}

bool layerIsActive(UniqueID_t frameId, const char* group, const char* layerKeyword)
{
    if (!layerKeyword)
        return false;
    const StyleSchema& schema = StyleSchema::instance();
    const int ids[] = {schema.keywordId(group), schema.keywordId(layerKeyword)};
    StyleRequest request;
    request.entry = schema.find(ids, 2);
    request.frameId = frameId;
    StyleData value;
    if (!request.entry || request.entry->type != StyleType::Boolean || kernel().read(request, value) != GetValue_Ok)
        return false;
    return std::get<long>(value) != 0;
}

Set_pa enabledSet(const std::vector<bool>& enabled)
{
    auto set = std::make_unique<KxKernelSet>();
    for (std::size_t i = 0; i < enabled.size(); ++i) {
        if (enabled[i])
            set->add(static_cast<int>(i) + 1);
    }
    return set.release();
}

bool lineMapName(const Frame* frame, int map, char** name)
{
    if (!name)
        return false;
    *name = nullptr;
    if (!lineMap(frame, map))
        return false;
    static const StyleSchemaEntry* const nameEntry = StyleSchema::instance().find({"LINEMAP", "NAME"});
    const StyleData* stored = frame->lineMaps[static_cast<std::size_t>(map - 1)].style.find(nameEntry->slot);
    const std::string& raw = std::get<std::string>(stored ? *stored : nameEntry->defaultValue);
    *name = strdup(resolveLineMapText(*frame, map, raw).c_str());
    return true;
}

const PickEntry* pickEntry(int pickIndex)
{
    const std::vector<PickEntry>& picks = kernel().scene().pickList;
    if (pickIndex < 1 || pickIndex > static_cast<int>(picks.size()))
        return nullptr;
    return &picks[static_cast<std::size_t>(pickIndex - 1)];
}

} // namespace

// Frames and pages -------------------------------------------------------------------------

PlotType_e VexUtilFrameGetPlotType()
{
    const Frame* frame = kernel().currentFrame();
    return frame ? static_cast<PlotType_e>(frame->plotType) : PlotType_Sketch;
}

PlotType_e VexUtilFrameGetPlotTypeForFrame(UniqueID_t frameId)
{
    const Frame* frame = kernel().frame(frameId);
    return frame ? static_cast<PlotType_e>(frame->plotType) : PlotType_Sketch;
}

UniqueID_t VexUtilFrameGetUniqueID()
{
    const Frame* frame = kernel().currentFrame();
    return frame ? frame->id : 0;
}

int VexUtilFrameGetCount()
{
    const Page* page = kernel().scene().page();
    return page ? static_cast<int>(page->frames.size()) : 0;
}

int VexUtilPageGetCount()
{
    return static_cast<int>(kernel().scene().pages.size());
}

void VexUtilFrameLightweightPopStart()
{
    kernel().lightweightPopStart();
}

bool VexUtilFrameLightweightPopNext()
{
    return kernel().lightweightPopNext();
}

void VexUtilFrameLightweightPopEnd()
{
    kernel().lightweightPopEnd();
}

// Data sets ---------------------------------------------------------------------------------

bool VexUtilDataSetIsAvailable()
{
    return currentDataFrame() != nullptr;
}

bool VexUtilDataSetIsAvailableForFrame(UniqueID_t frameId)
{
    return dataFrame(frameId) != nullptr;
}

// Field maps --------------------------------------------------------------------------------

int VexUtilFieldMapGetCountForFrame(UniqueID_t frameId)
{
    const Frame* frame = dataFrame(frameId);
    return frame ? frame->fieldMapCount() : 0;
}

int VexUtilFieldMapIsActiveForFrame(UniqueID_t frameId, int map)
{
    const FieldMap* fm = fieldMap(dataFrame(frameId), map);
    return fm && fm->active ? 1 : 0;
}

bool VexUtilFieldMapHasVolumeZones(int map)
{
    return anyZoneOfMap(currentDataFrame(), map, isVolume);
}

bool VexUtilFieldMapHasVolumeZonesForFrame(UniqueID_t frameId, int map)
{
    return anyZoneOfMap(dataFrame(frameId), map, isVolume);
}

bool VexUtilFieldMapHasOrderedZonesForFrame(UniqueID_t frameId, int map)
{
    return anyZoneOfMap(dataFrame(frameId), map, isOrdered);
}

bool VexUtilFieldMapHasIJKOrderedZonesForFrame(UniqueID_t frameId, int map)
{
    return anyZoneOfMap(dataFrame(frameId), map, isIJKOrdered);
}

int VexUtilFieldMapGetModeForFrame(UniqueID_t frameId, int map)
{
    const FieldMap* fm = fieldMap(dataFrame(frameId), map);
    return fm ? fm->mode : -1;
}

int VexUtilFieldMapGetCandidateZoneForFrame(UniqueID_t frameId, int map)
{
    const FieldMap* fm = fieldMap(dataFrame(frameId), map);
    return fm ? fm->candidateZone() : 0;
}

bool VexUtilFieldLayerIsActiveForFrame(UniqueID_t frameId, const char* layerKeyword)
{
    return layerIsActive(frameId, "FIELDLAYERS", layerKeyword);
}

bool VexUtilLinePlotLayerIsActiveForFrame(UniqueID_t frameId, const char* layerKeyword)
{
    return layerIsActive(frameId, "LINEPLOTLAYERS", layerKeyword);
}

// Zones and variables -----------------------------------------------------------------------

int VexUtilZoneGetFieldMap(int zone)
{
    const Frame* frame = currentDataFrame();
    return frame ? frame->fieldMapOfZone(zone) : 0;
}

bool VexUtilZoneGetEnabled(Set_pa* enabledZones)
{
    const Frame* frame = currentDataFrame();
    if (!enabledZones || !frame)
        return false;
    *enabledZones = enabledSet(frame->zoneEnabled);
    return true;
}

bool VexUtilVarGetEnabled(Set_pa* enabledVars)
{
    const Frame* frame = currentDataFrame();
    if (!enabledVars || !frame)
        return false;
    *enabledVars = enabledSet(frame->variableEnabled);
    return true;
}

bool VexUtilZoneIsOrderedForFrame(UniqueID_t frameId, int zone)
{
    const Frame* frame = dataFrame(frameId);
    const Zone* z = frame ? frame->zone(zone) : nullptr;
    return z && z->ordered;
}

void VexUtilZoneGetInfoForFrame(UniqueID_t frameId, int zone, LgIndex_t* iMax, LgIndex_t* jMax, LgIndex_t* kMax)
{
    const Frame* frame = dataFrame(frameId);
    const Zone* z = frame ? frame->zone(zone) : nullptr;
    if (iMax)
        *iMax = z ? z->iMax : 0;
    if (jMax)
        *jMax = z ? z->jMax : 0;
    if (kMax)
        *kMax = z ? z->kMax : 0;
}

bool VexUtilZoneGetNameForFrame(UniqueID_t frameId, int zone, char** name)
{
    if (!name)
        return false;
    const Frame* frame = dataFrame(frameId);
    const Zone* z = frame ? frame->zone(zone) : nullptr;
    *name = z ? strdup(z->name.c_str()) : nullptr;
    return z != nullptr;
}

bool VexUtilVarGetNameForFrame(UniqueID_t frameId, int var, char** name)
{
    if (!name)
        return false;
    const Frame* frame = dataFrame(frameId);
    const bool valid = frame && frame->isVariable(var);
    *name = valid ? strdup(frame->variables[static_cast<std::size_t>(var - 1)].c_str()) : nullptr;
    return valid;
}

// Line maps ---------------------------------------------------------------------------------

int VexUtilLineMapGetCount()
{
    const Frame* frame = currentDataFrame();
    return frame ? frame->lineMapCount() : 0;
}

int VexUtilLineMapGetCountForFrame(UniqueID_t frameId)
{
    const Frame* frame = dataFrame(frameId);
    return frame ? frame->lineMapCount() : 0;
}

int VexUtilLineMapIsActiveForFrame(UniqueID_t frameId, int map)
{
    const LineMap* lm = lineMap(dataFrame(frameId), map);
    return lm && lm->active ? 1 : 0;
}

bool VexUtilLineMapGetName(int map, char** name)
{
    return lineMapName(currentDataFrame(), map, name);
}

bool VexUtilLineMapGetNameForFrame(UniqueID_t frameId, int map, char** name)
{
    return lineMapName(dataFrame(frameId), map, name);
}

char* VexUtilLineMapStyleGetArbValueForFrame(UniqueID_t frameId, int map, const char* keyword,
                                             const char* subKeyword1, const char* subKeyword2)
{
    const StyleSchema& schema = StyleSchema::instance();
    int ids[4] = {schema.keywordId("LINEMAP"), -1, -1, -1};
    int count = 1;
    for (const char* part : {keyword, subKeyword1, subKeyword2}) {
        if (part)
            ids[count++] = schema.keywordId(part);
    }
    StyleRequest request;
    request.entry = schema.find(ids, count);
    request.frameId = frameId;
    request.offset1 = map;
    StyleData value;
    if (!request.entry || kernel().read(request, value) != GetValue_Ok)
        return nullptr;
    std::ostringstream text;
    if (const auto* string = std::get_if<std::string>(&value))
        text << *string;
    else if (const auto* number = std::get_if<double>(&value))
        text << *number;
    else
        text << std::get<long>(value);
    return strdup(text.str().c_str());
}

bool VexAppLineMapGetIntermediateName(int map, const char* text, char** result)
{
    if (!result)
        return false;
    *result = nullptr;
    const Frame* frame = currentDataFrame();
    if (!text || !lineMap(frame, map))
        return false;
    *result = strdup(resolveLineMapText(*frame, map, text).c_str());
    return true;
}

bool VexUtilLineMapCreate()
{
    return kernel().lineMapCreate();
}

bool VexUtilLineMapCopy(int sourceMap, int destinationMap)
{
    return kernel().lineMapCopy(sourceMap, destinationMap);
}

bool VexUtilLineMapDelete(Set_pa maps)
{
    return kernel().lineMapDelete(maps);
}

bool VexUtilLineMapShiftToTop(Set_pa maps)
{
    return kernel().lineMapShift(maps, true);
}

bool VexUtilLineMapShiftToBottom(Set_pa maps)
{
    return kernel().lineMapShift(maps, false);
}

bool VexUtilLineMapSetName(Set_pa maps, const char* utf8Name)
{
    return kernel().lineMapSetName(maps, utf8Name);
}

// Pick list ---------------------------------------------------------------------------------

int VexUtilPickListGetCount()
{
    return static_cast<int>(kernel().scene().pickList.size());
}

PickObjects_e VexUtilPickListGetType(int pickIndex)
{
    const PickEntry* entry = pickEntry(pickIndex);
    return entry ? static_cast<PickObjects_e>(entry->type) : PickObjects_None;
}

int VexUtilPickListGetZoneNumber(int pickIndex)
{
    const PickEntry* entry = pickEntry(pickIndex);
    return entry && entry->type == PickObjects_Zone ? entry->number : 0;
}

int VexUtilPickListGetLineMapNumber(int pickIndex)
{
    const PickEntry* entry = pickEntry(pickIndex);
    return entry && entry->type == PickObjects_LineMapping ? entry->number : 0;
}
