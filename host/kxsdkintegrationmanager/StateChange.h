#pragma once

// State-change codes of the host's notifications. Code 7 carries the keywords of the
// changed setting as parameters.
enum StateChange_e {
    StateChange_VarsAltered = 0,        // variable values changed
    StateChange_VarsAdded = 1,
    StateChange_ZonesDeleted = 2,
    StateChange_ZonesAdded = 3,
    StateChange_FramesCreated = 4,
    StateChange_NodeMapsAltered = 5,    // connectivity of zones changed
    StateChange_FrameDeleted = 6,
    StateChange_Style = 7,
    StateChange_DataSetReset = 8,       // a data set replaced the frame's data
    StateChange_NewLayout = 9,          // a new layout was loaded
    StateChange_CompleteReset = 10,     // everything may have changed (scene loaded, undo, redo)
    StateChange_LineMapAssignment = 11, // a line map's zone or variables changed
    StateChange_ContourLevels = 12,
    StateChange_ModalDialogLaunch = 13,
    StateChange_ZoneName = 14,
    StateChange_PageDeleted = 15,
    StateChange_VarName = 16,
    StateChange_LineMapName = 17,
    StateChange_ZonesAltered = 18,
    StateChange_LineMapsAdded = 19,
    StateChange_FrameReordered = 20,
    StateChange_LineMapsDeleted = 21,
    StateChange_LineMapsReordered = 22,
    StateChange_FieldMapsAltered = 29,  // the zones of field maps changed
    StateChange_FieldMapsAdded = 44,
    StateChange_CurrentFrame = 51,
    StateChange_FieldMapsDeleted = 56
};
