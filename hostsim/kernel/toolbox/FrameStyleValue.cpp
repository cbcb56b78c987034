#include <kxtoolbox/FrameStyleValue.h>

#include <kxtoolbox/ArgList.h>

namespace kestrix::toolbox {

FrameStyleValue::FrameStyleValue(UniqueID_t frameId, const char* kw1, const char* kw2, const char* kw3,
                                 const char* kw4, const char* kw5, const char* kw6, const char* kw7)
    : CheckedStyleValue(kw1, kw2, kw3, kw4, kw5, kw6, kw7), m_frameId(frameId)
{
}

FrameStyleValue::FrameStyleValue(const FrameStyleValue& base, const char* extra1, const char* extra2,
                                 const char* extra3)
    : CheckedStyleValue(base, extra1, extra2, extra3), m_frameId(base.m_frameId)
{
}

GetValueReturnCode_e FrameStyleValue::styleGetLowLevel(ArgList& argList) const
{
    argList.appendInt("UNIQUEID", m_frameId);
    return CheckedStyleValue::styleGetLowLevel(argList);
}

SetValueReturnCode_e FrameStyleValue::styleSetLowLevel(ArgList& argList) const
{
    argList.appendInt("UNIQUEID", m_frameId);
    return CheckedStyleValue::styleSetLowLevel(argList);
}

} // namespace kestrix::toolbox
