#include "dialogs/export/intern/PageWithFramesRelevance.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/AppLock.h>
#include <kxsdkpropertymanager/StateChangeDependantRelevance.h>

namespace kestrix::sdk::ui::dialogs::exporting::intern {

std::shared_ptr<const propertymanager::RelevanceInterface> makePageWithFramesRelevance()
{
    return std::make_shared<propertymanager::StateChangeDependantRelevance>([] {
        AppLock lock(0);
        return VexUtilPageGetCount() > 0 && VexUtilFrameGetCount() > 0;
    });
}

} // namespace kestrix::sdk::ui::dialogs::exporting::intern
