// The host's kernel function API (kxsdkbase/KernelApi.h) as a host without pages, frames or a
// data set answers it. What each function must do is in docs/integration.md, "The host
// contract". The lock and undo functions are in Guards.cpp.

#include <kxsdkbase/KernelApi.h>

#include <cstdlib>
#include <initializer_list>
#include <limits>

namespace {

// Names of objects that the empty host does not have.
bool noName(char** name)
{
    if (name)
        *name = nullptr;
    return false;
}

} // namespace

// Frames and pages -------------------------------------------------------------------------

// A sketch frame stands for no frame: open dialogs close on it.
PlotType_e VexUtilFrameGetPlotType()
{
    return PlotType_Sketch;
}

PlotType_e VexUtilFrameGetPlotTypeForFrame(UniqueID_t)
{
    return PlotType_Sketch;
}

UniqueID_t VexUtilFrameGetUniqueID()
{
    return 0;
}

int VexUtilFrameGetCount()
{
    return 0;
}

int VexUtilPageGetCount()
{
    return 0;
}

void VexUtilFrameLightweightPopStart() {}

bool VexUtilFrameLightweightPopNext()
{
    return false;
}

void VexUtilFrameLightweightPopEnd() {}

// Data sets ---------------------------------------------------------------------------------

bool VexUtilDataSetIsAvailable()
{
    return false;
}

bool VexUtilDataSetIsAvailableForFrame(UniqueID_t)
{
    return false;
}

// Field maps --------------------------------------------------------------------------------

int VexUtilFieldMapGetCountForFrame(UniqueID_t)
{
    return 0;
}

int VexUtilFieldMapIsActiveForFrame(UniqueID_t, int)
{
    return 0;
}

bool VexUtilFieldMapHasVolumeZonesForFrame(UniqueID_t, int)
{
    return false;
}

bool VexUtilFieldMapHasOrderedZonesForFrame(UniqueID_t, int)
{
    return false;
}

bool VexUtilFieldMapHasIJKOrderedZonesForFrame(UniqueID_t, int)
{
    return false;
}

int VexUtilFieldMapGetModeForFrame(UniqueID_t, int)
{
    return -1;
}

int VexUtilFieldMapGetCandidateZoneForFrame(UniqueID_t, int)
{
    return 0;
}

bool VexUtilFieldLayerIsActiveForFrame(UniqueID_t, const char*)
{
    return false;
}

bool VexUtilLinePlotLayerIsActiveForFrame(UniqueID_t, const char*)
{
    return false;
}

// Zones and variables -----------------------------------------------------------------------

int VexUtilZoneGetFieldMap(int)
{
    return 0;
}

bool VexUtilZoneGetEnabled(Set_pa* enabledZones)
{
    if (enabledZones)
        *enabledZones = nullptr;
    return false;
}

bool VexUtilVarGetEnabled(Set_pa* enabledVars)
{
    if (enabledVars)
        *enabledVars = nullptr;
    return false;
}

bool VexUtilZoneIsOrderedForFrame(UniqueID_t, int)
{
    return false;
}

void VexUtilZoneGetInfoForFrame(UniqueID_t, int, LgIndex_t* iMax, LgIndex_t* jMax, LgIndex_t* kMax)
{
    for (LgIndex_t* dimension : {iMax, jMax, kMax}) {
        if (dimension)
            *dimension = 0;
    }
}

bool VexUtilZoneGetNameForFrame(UniqueID_t, int, char** name)
{
    return noName(name);
}

// Line maps ---------------------------------------------------------------------------------

int VexUtilLineMapGetCount()
{
    return 0;
}

int VexUtilLineMapGetCountForFrame(UniqueID_t)
{
    return 0;
}

int VexUtilLineMapIsActiveForFrame(UniqueID_t, int)
{
    return 0;
}

bool VexUtilLineMapGetName(int, char** name)
{
    return noName(name);
}

bool VexUtilLineMapGetNameForFrame(UniqueID_t, int, char** name)
{
    return noName(name);
}

char* VexUtilLineMapStyleGetArbValueForFrame(UniqueID_t, int, const char*, const char*, const char*)
{
    return nullptr;
}

bool VexAppLineMapGetIntermediateName(int, const char*, char** result)
{
    return noName(result);
}

bool VexUtilLineMapCreate()
{
    return false;
}

bool VexUtilLineMapCopy(int, int)
{
    return false;
}

bool VexUtilLineMapDelete(Set_pa)
{
    return false;
}

bool VexUtilLineMapShiftToTop(Set_pa)
{
    return false;
}

bool VexUtilLineMapShiftToBottom(Set_pa)
{
    return false;
}

bool VexUtilLineMapSetName(Set_pa, const char*)
{
    return false;
}

// Pick list ---------------------------------------------------------------------------------

int VexUtilPickListGetCount()
{
    return 0;
}

PickObjects_e VexUtilPickListGetType(int)
{
    return PickObjects_None;
}

int VexUtilPickListGetZoneNumber(int)
{
    return 0;
}

int VexUtilPickListGetLineMapNumber(int)
{
    return 0;
}

// Colours, axes, units, export, fonts -------------------------------------------------------

bool VexUtilColorMapGetBasicColorRGB(int, unsigned char*, unsigned char*, unsigned char*)
{
    return false;
}

void VexUtilAxisGetRange(char, int, double* minimum, double* maximum)
{
    if (minimum)
        *minimum = 0.0;
    if (maximum)
        *maximum = 0.0;
}

double VexUtilConvertUnits(Units_e oldUnits, Units_e newUnits, double value)
{
    // Units convert through the current frame's size; without a frame they cannot.
    return oldUnits == newUnits ? value : std::numeric_limits<double>::quiet_NaN();
}

int VexUtilGetDefaultExportImageWidth(ExportFormat_e, int)
{
    return 0;
}

bool VexUtilExport(int)
{
    return false;
}

void VexAppGetFontNameList(StringList_pa) {}

bool VexAppGetDefaultFontFamily(char** family)
{
    return noName(family);
}

// Strings -----------------------------------------------------------------------------------

// The host hands out strings made with malloc (strdup).
void VexUtilStringDealloc(char** string)
{
    if (!string)
        return;
    std::free(*string);
    *string = nullptr;
}
