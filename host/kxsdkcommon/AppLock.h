#pragma once

#include <kxsdkbase/KernelApi.h>

namespace kestrix::sdk {

// The host's application lock for the life of the object; locks nest.
class AppLock {
public:
    explicit AppLock(ImplicitMacroRecording_e recording = ImplicitMacroRecording_Off) { VexUtilLockStart(recording); }
    explicit AppLock(int recording) : AppLock(static_cast<ImplicitMacroRecording_e>(recording)) {}
    AppLock(const AppLock&) = delete;
    AppLock& operator=(const AppLock&) = delete;
    ~AppLock() { VexUtilLockFinish(); }
};

} // namespace kestrix::sdk
