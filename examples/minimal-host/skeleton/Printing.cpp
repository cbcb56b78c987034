// The host's printing hooks (kxsdkintegrationmanager/Manager.h and PrinterTransfer.h). What each
// must do is in docs/integration.md, "The host contract". A host without frames has nothing to
// print: it registers no printing manager and keeps no printer settings.

#include <kxsdkintegrationmanager/Manager.h>
#include <kxsdkintegrationmanager/PrinterTransfer.h>

#include <exception/ExceptionBase.h>

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

void UpdatePrinterFromKernel(QPrinter&) {}

void UpdateKernelFromPrinter(QPrinter&)
{
    // The library shows the message of what this throws.
    throw ExceptionBase("This host keeps no printer settings.");
}

} // namespace kestrix::sdk::integration
