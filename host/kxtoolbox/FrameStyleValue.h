#pragma once

#include <kxtoolbox/CheckedStyleValue.h>

namespace kestrix::toolbox {

// A style value of one frame, named by its unique id, whatever frame is current.
class FrameStyleValue : public CheckedStyleValue {
public:
    FrameStyleValue(UniqueID_t frameId, const char* kw1, const char* kw2 = nullptr, const char* kw3 = nullptr,
                    const char* kw4 = nullptr, const char* kw5 = nullptr, const char* kw6 = nullptr,
                    const char* kw7 = nullptr);
    FrameStyleValue(const FrameStyleValue& base, const char* extra1, const char* extra2 = nullptr,
                    const char* extra3 = nullptr);

    UniqueID_t frameId() const { return m_frameId; }

protected:
    GetValueReturnCode_e styleGetLowLevel(ArgList& argList) const override;
    SetValueReturnCode_e styleSetLowLevel(ArgList& argList) const override;

private:
    UniqueID_t m_frameId;
};

} // namespace kestrix::toolbox
