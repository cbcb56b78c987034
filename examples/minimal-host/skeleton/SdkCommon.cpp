// The host's SDK functions (kxsdkcommon/SdkCommon.h) as a host without a data set answers them:
// no zones, no variables, no plot layers. What each must do is in docs/integration.md, "The host
// contract".

#include <kxsdkcommon/SdkCommon.h>

namespace kestrix::sdk {

toolbox::Set getActiveZones()
{
    return toolbox::Set();
}

toolbox::Set getEnabledVars()
{
    return toolbox::Set();
}

bool isVolumeZone(int)
{
    return false;
}

bool varIsInvalid(int)
{
    return true;
}

void autoAssignScatterVariable() {}

bool checkRGBChannelVars(const toolbox::StyleValue&)
{
    return false;
}

bool queryToActivateSidebarLayer(const std::string&)
{
    return false;
}

bool queryToEnableSurfacePlotLayer(const std::string&)
{
    // Without volume zones no missing surface hides the layer.
    return true;
}

std::string zoneNameWithIndexFormattedForFrame(UniqueID_t, int)
{
    return {};
}

std::string variableNameFormattedForAliases(int)
{
    return {};
}

std::string variableNameFormattedForAliasesForFrame(UniqueID_t, int)
{
    return {};
}

std::string variableNameWithIndexFormattedForAliasesForFrame(UniqueID_t, int)
{
    return {};
}

} // namespace kestrix::sdk
