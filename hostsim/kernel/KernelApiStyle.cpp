// Style values through the kernel's low-level get and set.

#include "Kernel.h"
#include "KernelHandles.h"
#include "StyleSchema.h"

#include <kxsdkbase/KernelApi.h>

using kestrix::hostsim::kernel::Kernel;
using kestrix::hostsim::kernel::StyleSchema;

int VexStyleKeywordToId(const char* keyword)
{
    return keyword ? StyleSchema::instance().keywordId(keyword) : -1;
}

const char* VexStyleIdToKeyword(int id)
{
    return StyleSchema::instance().keyword(id);
}

GetValueReturnCode_e VexStyleGetLowLevelX(ArgList_pa argList)
{
    if (!argList)
        return GetValue_SyntaxError;
    return Kernel::instance().styleGet(*argList);
}

SetValueReturnCode_e VexStyleSetLowLevelX(ArgList_pa argList)
{
    if (!argList)
        return SetValue_InvalidCommandOption;
    return Kernel::instance().styleSet(*argList);
}
