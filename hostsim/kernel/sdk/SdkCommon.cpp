#include <kxsdkcommon/SdkCommon.h>

#include <hostsim/kernel/Kernel.h>

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/FrameStyleValue.h>

#include <memory>

namespace kestrix::sdk {

namespace {

std::string kernelString(char* string)
{
    std::string result = string ? string : "";
    VexUtilStringDealloc(&string);
    return result;
}

std::string variableName(UniqueID_t frameId, int var)
{
    char* name = nullptr;
    VexUtilVarGetNameForFrame(frameId, var, &name);
    return kernelString(name);
}

// A style value of the same path, bound to the frame of `value` when it names one.
std::unique_ptr<toolbox::StyleValue> extended(const toolbox::StyleValue& value, const char* keyword)
{
    if (const auto* frameValue = dynamic_cast<const toolbox::FrameStyleValue*>(&value))
        return std::make_unique<toolbox::FrameStyleValue>(*frameValue, keyword);
    return std::make_unique<toolbox::CheckedStyleValue>(value, keyword);
}

UniqueID_t frameOf(const toolbox::StyleValue& value)
{
    if (const auto* frameValue = dynamic_cast<const toolbox::FrameStyleValue*>(&value))
        return frameValue->frameId();
    return VexUtilFrameGetUniqueID();
}

} // namespace

toolbox::Set getActiveZones()
{
    toolbox::Set zones;
    const hostsim::kernel::Frame* frame = hostsim::kernel::Kernel::instance().currentFrame();
    if (!frame)
        return zones;
    for (const hostsim::kernel::FieldMap& map : frame->fieldMaps) {
        if (!map.active)
            continue;
        for (int zone : map.zones) {
            if (frame->isZone(zone) && frame->zoneEnabled[static_cast<std::size_t>(zone - 1)])
                zones.add(zone);
        }
    }
    return zones;
}

toolbox::Set getEnabledVars()
{
    Set_pa enabled = nullptr;
    if (!VexUtilVarGetEnabled(&enabled))
        return toolbox::Set();
    return toolbox::Set(enabled);
}

bool isVolumeZone(int zone)
{
    const hostsim::kernel::Frame* frame = hostsim::kernel::Kernel::instance().currentFrame();
    const hostsim::kernel::Zone* z = frame ? frame->zone(zone) : nullptr;
    return z && z->volume;
}

bool varIsInvalid(int var)
{
    const hostsim::kernel::Frame* frame = hostsim::kernel::Kernel::instance().currentFrame();
    return !frame || !frame->isVariable(var);
}

void autoAssignScatterVariable()
{
    const toolbox::CheckedStyleValue scatterVar("GLOBALSCATTER", "VAR");
    LgIndex_t current = 0;
    if (!toolbox::StyleValue::returnCodeOk(scatterVar.getInteger(current)) || !varIsInvalid(static_cast<int>(current)))
        return;
    const toolbox::Set enabled = getEnabledVars();
    const int first = enabled.getNextMember(0);
    if (first > 0)
        scatterVar.setInteger(first);
}

bool checkRGBChannelVars(const toolbox::StyleValue& globalRgb)
{
    const UniqueID_t frameId = frameOf(globalRgb);
    for (const char* channel : {"REDCHANNELVAR", "GREENCHANNELVAR", "BLUECHANNELVAR"}) {
        LgIndex_t var = 0;
        if (!toolbox::StyleValue::returnCodeOk(extended(globalRgb, channel)->getInteger(var)))
            return false;
        char* name = nullptr;
        const bool valid = VexUtilVarGetNameForFrame(frameId, static_cast<int>(var), &name);
        VexUtilStringDealloc(&name);
        if (!valid)
            return false;
    }
    return true;
}

std::string zoneNameWithIndexFormattedForFrame(UniqueID_t frameId, int zone)
{
    char* name = nullptr;
    if (!VexUtilZoneGetNameForFrame(frameId, zone, &name))
        return {};
    return std::to_string(zone) + ": " + kernelString(name);
}

std::string variableNameFormattedForAliases(int var)
{
    return variableName(VexUtilFrameGetUniqueID(), var);
}

std::string variableNameFormattedForAliasesForFrame(UniqueID_t frameId, int var)
{
    return variableName(frameId, var);
}

std::string variableNameWithIndexFormattedForAliasesForFrame(UniqueID_t frameId, int var)
{
    const std::string name = variableName(frameId, var);
    if (name.empty())
        return {};
    return std::to_string(var) + ": " + name;
}

} // namespace kestrix::sdk
