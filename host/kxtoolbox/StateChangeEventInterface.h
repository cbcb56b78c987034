#pragma once

#include <string>

namespace kestrix::toolbox {

// One notification of the host: a state-change code and, for style changes, the keywords
// of the changed setting by 1-based index.
class StateChangeEventInterface {
public:
    virtual ~StateChangeEventInterface() = default;
    virtual int getStateChange() const = 0;
    virtual int getParamCount() const = 0;
    // Empty for an index out of range.
    virtual std::string getParamString(int index) const = 0;
};

} // namespace kestrix::toolbox
