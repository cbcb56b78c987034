#include "FaultInjection.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace kestrix::hostsim::kernel {

namespace {

constexpr std::size_t FaultKindCount = static_cast<std::size_t>(Host::Fault::Print) + 1;

std::array<int, FaultKindCount>& pendingFailures()
{
    static std::array<int, FaultKindCount> failures{};
    return failures;
}

int& pendingOf(Host::Fault fault)
{
    return pendingFailures()[static_cast<std::size_t>(fault)];
}

} // namespace

void FaultInjection::failNext(Host::Fault fault, int count)
{
    pendingOf(fault) = std::max(count, 0);
}

int FaultInjection::pending(Host::Fault fault)
{
    return pendingOf(fault);
}

void FaultInjection::clear()
{
    pendingFailures().fill(0);
}

bool FaultInjection::takeFailure(Host::Fault fault)
{
    int& pending = pendingOf(fault);
    if (pending == 0)
        return false;
    --pending;
    return true;
}

} // namespace kestrix::hostsim::kernel
