#pragma once

enum GetValueReturnCode_e {
    GetValue_Ok = 0,
    GetValue_ResultTypeError = 1,
    GetValue_SyntaxError = 2,
    GetValue_ContextError = 3,
    GetValue_DeferredError = 4,
    GetValue_Invalid = -1
};

enum SetValueReturnCode_e {
    SetValue_Ok = 0,
    SetValue_DuplicateValue = 1,
    SetValue_InvalidCommandOption = 2,
    SetValue_NoAttachedDatasetError = 3,
    SetValue_NoAttachedFrameError = 4,
    SetValue_NotAllowedInConfigError = 5,
    SetValue_ValueRangeError = 6,
    SetValue_ValueSyntaxError = 7,
    SetValue_AssignOpError = 8,
    SetValue_InvalidVarOrZone = 9,
    SetValue_InternalMemoryError = 10,
    SetValue_ContextError1 = 11,
    SetValue_ContextError2 = 12,
    SetValue_OnlyAllowedInConfigError = 13,
    SetValue_FeatureNotAvailable = 14,
    SetValue_Invalid = -1
};
