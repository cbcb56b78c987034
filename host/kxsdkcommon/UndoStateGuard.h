#pragma once

#include <kxsdkbase/KernelApi.h>

namespace kestrix::sdk {

// Everything written while the guard lives is one undo step of the given category
// (6 for map edits, 11 for dialog settings). The step is ended also when an exception passes.
class UndoStateGuard {
public:
    explicit UndoStateGuard(int category) { VexUtilUndoStateBegin(category); }
    UndoStateGuard(const UndoStateGuard&) = delete;
    UndoStateGuard& operator=(const UndoStateGuard&) = delete;
    ~UndoStateGuard() { VexUtilUndoStateEnd(false, true); }
};

} // namespace kestrix::sdk
