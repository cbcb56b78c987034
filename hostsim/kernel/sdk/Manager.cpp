#include <kxsdkintegrationmanager/Manager.h>

#include <hostsim/printing/PrintingManager.h>

namespace kestrix::sdk::integration {

Manager& Manager::getInstance()
{
    // The host offers its printing manager from the start; tests take it away and give it back.
    static Manager& manager = []() -> Manager& {
        static Manager instance;
        instance.setPrintingManager(&hostsim::printing::PrintingManager::instance());
        return instance;
    }();
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
