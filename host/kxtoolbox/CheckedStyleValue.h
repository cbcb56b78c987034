#pragma once

#include <kxtoolbox/StyleValue.h>

namespace kestrix::toolbox {

// A style value whose reads and writes are checked by the kernel against its schema
// before they are carried out (an unknown path or a value of the wrong type fails).
class CheckedStyleValue : public StyleValue {
public:
    explicit CheckedStyleValue(const char* kw1, const char* kw2 = nullptr, const char* kw3 = nullptr,
                               const char* kw4 = nullptr, const char* kw5 = nullptr, const char* kw6 = nullptr,
                               const char* kw7 = nullptr);
    explicit CheckedStyleValue(const StringList& keywords);
    explicit CheckedStyleValue(const StyleValue& value);
    CheckedStyleValue(const StyleValue& base, const char* extra1, const char* extra2 = nullptr,
                      const char* extra3 = nullptr);

protected:
    GetValueReturnCode_e styleGetLowLevel(ArgList& argList) const override;
    SetValueReturnCode_e styleSetLowLevel(ArgList& argList) const override;
};

} // namespace kestrix::toolbox
