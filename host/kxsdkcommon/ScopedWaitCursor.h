#pragma once

namespace kestrix::sdk {

// Shows the wait cursor (an application override cursor) for the life of the object.
class ScopedWaitCursor {
public:
    ScopedWaitCursor();
    ScopedWaitCursor(const ScopedWaitCursor&) = delete;
    ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;
    ~ScopedWaitCursor();
};

} // namespace kestrix::sdk
