#include <kxtoolbox/CheckedStyleValue.h>

#include <kxtoolbox/ArgList.h>

namespace kestrix::toolbox {

CheckedStyleValue::CheckedStyleValue(const char* kw1, const char* kw2, const char* kw3, const char* kw4,
                                     const char* kw5, const char* kw6, const char* kw7)
    : StyleValue(kw1, kw2, kw3, kw4, kw5, kw6, kw7)
{
}

CheckedStyleValue::CheckedStyleValue(const StringList& keywords) : StyleValue(keywords)
{
}

CheckedStyleValue::CheckedStyleValue(const StyleValue& value) : StyleValue(value)
{
}

CheckedStyleValue::CheckedStyleValue(const StyleValue& base, const char* extra1, const char* extra2,
                                     const char* extra3)
    : StyleValue(base, extra1, extra2, extra3)
{
}

// The kernel validates every access against its schema; the checked value goes the same
// way and exists so that callers say which accesses must be validated.
GetValueReturnCode_e CheckedStyleValue::styleGetLowLevel(ArgList& argList) const
{
    return VexStyleGetLowLevelX(argList.getRef());
}

SetValueReturnCode_e CheckedStyleValue::styleSetLowLevel(ArgList& argList) const
{
    return VexStyleSetLowLevelX(argList.getRef());
}

} // namespace kestrix::toolbox
