#pragma once

#include <kxsdkbase/KernelApi.h>
#include <kxtoolbox/Set.h>

#include <string>

namespace kestrix::toolbox {
class StyleValue;
}

namespace kestrix::sdk {

toolbox::Set getActiveZones();
toolbox::Set getEnabledVars();
bool isVolumeZone(int zone);
bool varIsInvalid(int var);
// Lets the host choose a scatter-size variable when none is set.
void autoAssignScatterVariable();
// True when the RGB channel variables of the given "GLOBALRGB" setting are usable.
bool checkRGBChannelVars(const toolbox::StyleValue& globalRgb);
// When the plot layer a style change affects is off, asks the user whether to switch it
// on; true when the layer is on afterwards.
bool queryToActivateSidebarLayer(const std::string& layerKeyword);
// The same question for the surface layer of volume zones.
bool queryToEnableSurfacePlotLayer(const std::string& layerKeyword);

// Display names, UTF-8.
std::string zoneNameWithIndexFormattedForFrame(UniqueID_t frameId, int zone);
std::string variableNameFormattedForAliases(int var);
std::string variableNameFormattedForAliasesForFrame(UniqueID_t frameId, int var);
std::string variableNameWithIndexFormattedForAliasesForFrame(UniqueID_t frameId, int var);

} // namespace kestrix::sdk
