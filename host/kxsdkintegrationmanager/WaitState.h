#pragma once

namespace kestrix::sdk::integration {

// The host's busy state for the life of the object; nests.
class WaitState {
public:
    WaitState();
    WaitState(const WaitState&) = delete;
    WaitState& operator=(const WaitState&) = delete;
    ~WaitState();
};

} // namespace kestrix::sdk::integration
