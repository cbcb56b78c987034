#pragma once

// The host's kernel function API. Numbers of frames, zones, maps and variables are
// 1-based. Strings handed out are released by the receiver with VexUtilStringDealloc;
// kernel sets and argument lists are released with their own Dealloc calls.

#include <kxsdkbase/Enumerations.h>
#include <kxsdkbase/StyleReturnCodes.h>

#include <cstdint>

using UniqueID_t = std::int64_t;
using LgIndex_t = long;

struct KxKernelSet;
using Set_pa = KxKernelSet*;
struct KxKernelArgList;
using ArgList_pa = KxKernelArgList*;
struct KxKernelStringList;
using StringList_pa = KxKernelStringList*;

// Frames and pages -------------------------------------------------------------------
PlotType_e VexUtilFrameGetPlotType();
PlotType_e VexUtilFrameGetPlotTypeForFrame(UniqueID_t frameId);
UniqueID_t VexUtilFrameGetUniqueID();
int VexUtilFrameGetCount();
int VexUtilPageGetCount();
// Visit each frame of the current page as the current frame in turn. PopNext returns
// false after the last frame; PopEnd restores the frame that was current at PopStart.
void VexUtilFrameLightweightPopStart();
bool VexUtilFrameLightweightPopNext();
void VexUtilFrameLightweightPopEnd();

// Data sets -----------------------------------------------------------------------------
bool VexUtilDataSetIsAvailable();
bool VexUtilDataSetIsAvailableForFrame(UniqueID_t frameId);

// Field maps ----------------------------------------------------------------------------
int VexUtilFieldMapGetCountForFrame(UniqueID_t frameId);
int VexUtilFieldMapIsActiveForFrame(UniqueID_t frameId, int map);
bool VexUtilFieldMapHasVolumeZones(int map);
bool VexUtilFieldMapHasVolumeZonesForFrame(UniqueID_t frameId, int map);
bool VexUtilFieldMapHasOrderedZonesForFrame(UniqueID_t frameId, int map);
bool VexUtilFieldMapHasIJKOrderedZonesForFrame(UniqueID_t frameId, int map);
int VexUtilFieldMapGetModeForFrame(UniqueID_t frameId, int map);
int VexUtilFieldMapGetCandidateZoneForFrame(UniqueID_t frameId, int map);
bool VexUtilFieldLayerIsActiveForFrame(UniqueID_t frameId, const char* layerKeyword);
bool VexUtilLinePlotLayerIsActiveForFrame(UniqueID_t frameId, const char* layerKeyword);

// Zones and variables -------------------------------------------------------------------
int VexUtilZoneGetFieldMap(int zone);
// Allocate *set (caller releases it with VexUtilSetDealloc); false when it cannot be made.
bool VexUtilZoneGetEnabled(Set_pa* enabledZones);
bool VexUtilVarGetEnabled(Set_pa* enabledVars);
bool VexUtilZoneIsOrderedForFrame(UniqueID_t frameId, int zone);
void VexUtilZoneGetInfoForFrame(UniqueID_t frameId, int zone, LgIndex_t* iMax, LgIndex_t* jMax, LgIndex_t* kMax);
bool VexUtilZoneGetNameForFrame(UniqueID_t frameId, int zone, char** name);
bool VexUtilVarGetNameForFrame(UniqueID_t frameId, int var, char** name);

// Line maps -----------------------------------------------------------------------------
int VexUtilLineMapGetCount();
int VexUtilLineMapGetCountForFrame(UniqueID_t frameId);
int VexUtilLineMapIsActiveForFrame(UniqueID_t frameId, int map);
bool VexUtilLineMapGetName(int map, char** name);
bool VexUtilLineMapGetNameForFrame(UniqueID_t frameId, int map, char** name);
// Reads an arbitrary-valued line-map setting; for "NAME" the raw text with its dynamic codes.
// Returns a kernel string (released with VexUtilStringDealloc) or null.
char* VexUtilLineMapStyleGetArbValueForFrame(UniqueID_t frameId, int map, const char* keyword, const char* subKeyword1,
                                             const char* subKeyword2);
bool VexAppLineMapGetIntermediateName(int map, const char* text, char** result);
bool VexUtilLineMapCreate();
bool VexUtilLineMapCopy(int sourceMap, int destinationMap);
bool VexUtilLineMapDelete(Set_pa maps);
bool VexUtilLineMapShiftToTop(Set_pa maps);
bool VexUtilLineMapShiftToBottom(Set_pa maps);
bool VexUtilLineMapSetName(Set_pa maps, const char* utf8Name);

// Pick list -----------------------------------------------------------------------------
int VexUtilPickListGetCount();
PickObjects_e VexUtilPickListGetType(int pickIndex);
int VexUtilPickListGetZoneNumber(int pickIndex);
int VexUtilPickListGetLineMapNumber(int pickIndex);

// Locks and undo ------------------------------------------------------------------------
void VexUtilLockStart(ImplicitMacroRecording_e recording);
void VexUtilLockFinish();
void VexUtilUndoStateBegin(int category);
void VexUtilUndoStateEnd(bool doInvalidate, bool doCommit);

// Colours, axes, units, export, fonts, messages -----------------------------------------
bool VexUtilColorMapGetBasicColorRGB(int basicColor, unsigned char* red, unsigned char* green, unsigned char* blue);
void VexUtilAxisGetRange(char axis, int axisNumber, double* minimum, double* maximum);
double VexUtilConvertUnits(Units_e oldUnits, Units_e newUnits, double value);
int VexUtilGetDefaultExportImageWidth(ExportFormat_e format, int exportRegion);
bool VexUtilExport(int append);
void VexAppGetFontNameList(StringList_pa fontNames);
bool VexAppGetDefaultFontFamily(char** family);
void VexUtilDialogMessageBox(const char* message, int messageBoxType);

// Strings -------------------------------------------------------------------------------
void VexUtilStringDealloc(char** string);

// Kernel sets ---------------------------------------------------------------------------
Set_pa VexUtilSetAlloc(bool showErrors);
void VexUtilSetDealloc(Set_pa* set);
bool VexUtilSetAddMember(Set_pa set, int member, bool showErrors);
bool VexUtilSetRemoveMember(Set_pa set, int member);
bool VexUtilSetIsMember(Set_pa set, int member);
int VexUtilSetGetMemberCount(Set_pa set);
int VexUtilSetGetMember(Set_pa set, int position);
int VexUtilSetGetPosition(Set_pa set, int member);
// Next member after `previous` (start with 0); 0 ends the walk.
int VexUtilSetGetNextMember(Set_pa set, int previous);
Set_pa VexUtilSetCopy(Set_pa set);

// Kernel string lists -------------------------------------------------------------------
StringList_pa VexUtilStringListAlloc();
void VexUtilStringListDealloc(StringList_pa* list);
bool VexUtilStringListAppendString(StringList_pa list, const char* string);
int VexUtilStringListGetCount(StringList_pa list);
// 1-based; the returned string belongs to the list.
const char* VexUtilStringListGetStringRef(StringList_pa list, int index);
// A null comparator sorts in ascending byte order.
void VexUtilStringListSort(StringList_pa list, int (*comparator)(const char*, const char*, void*), void* clientData);

// Named argument lists (style reads and writes) -----------------------------------------
ArgList_pa VexUtilArgListAlloc();
void VexUtilArgListDealloc(ArgList_pa* argList);
bool VexUtilArgListAppendInt(ArgList_pa argList, const char* name, LgIndex_t value);
bool VexUtilArgListAppendDouble(ArgList_pa argList, const char* name, double value);
bool VexUtilArgListAppendString(ArgList_pa argList, const char* name, const char* value);
bool VexUtilArgListAppendSet(ArgList_pa argList, const char* name, Set_pa value);
bool VexUtilArgListAppendArray(ArgList_pa argList, const char* name, const int* values, int count);
// Receiving addresses of a read: an integer, a double, a kernel string (released by the
// caller) or a kernel set (released by the caller).
bool VexUtilArgListAppendIntPtr(ArgList_pa argList, const char* name, LgIndex_t* receiver);
bool VexUtilArgListAppendDoublePtr(ArgList_pa argList, const char* name, double* receiver);
bool VexUtilArgListAppendStringPtr(ArgList_pa argList, const char* name, char** receiver);
bool VexUtilArgListAppendSetPtr(ArgList_pa argList, const char* name, Set_pa* receiver);

// Style values --------------------------------------------------------------------------
// Keywords of the style language are addressed by macro identifiers; an unknown keyword
// gives -1, which makes every read and write through it fail.
int VexStyleKeywordToId(const char* keyword);
const char* VexStyleIdToKeyword(int id);
// The argument list holds: "PATH" (array of identifiers closed by -1), "OFFSET1", "OFFSET2",
// optionally "UNIQUEID" (a frame id, else the current frame), for reads the receiver under
// "IVALUE", "DVALUE", "SVALUE" or "SETVALUE"; for writes "OBJECTSET" (optional),
// "ASSIGNOP" and the value under "IVALUE" (with "DVALUE"), "DVALUE", "SVALUE" or "SETVALUE".
GetValueReturnCode_e VexStyleGetLowLevelX(ArgList_pa argList);
SetValueReturnCode_e VexStyleSetLowLevelX(ArgList_pa argList);
