#include <kxsdkintegrationmanager/WaitState.h>

#include <hostsim/kernel/Kernel.h>

namespace kestrix::sdk::integration {

WaitState::WaitState()
{
    hostsim::kernel::Kernel::instance().waitStateBegin();
}

WaitState::~WaitState()
{
    hostsim::kernel::Kernel::instance().waitStateEnd();
}

} // namespace kestrix::sdk::integration
