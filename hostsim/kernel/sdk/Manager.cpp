#include <kxsdkintegrationmanager/Manager.h>

namespace kestrix::sdk::integration {

Manager& Manager::getInstance()
{
    static Manager manager;
    return manager;
}

WindowsPrintingManagerInterface* Manager::getPrintingManager() const
{
    return m_printingManager;
}

void Manager::setPrintingManager(WindowsPrintingManagerInterface* manager)
{
    m_printingManager = manager;
}

} // namespace kestrix::sdk::integration
