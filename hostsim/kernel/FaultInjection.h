#pragma once

#include <hostsim/Host.h>

namespace kestrix::hostsim::kernel {

// The failures the stand-in host was told to produce: each kind counts down the operations
// still to fail. Everything runs on the user-interface thread.
class FaultInjection {
public:
    static void failNext(Host::Fault fault, int count);
    static int pending(Host::Fault fault);
    static void clear();
    // True when this operation is to fail; counts one pending failure off.
    static bool takeFailure(Host::Fault fault);
};

} // namespace kestrix::hostsim::kernel
