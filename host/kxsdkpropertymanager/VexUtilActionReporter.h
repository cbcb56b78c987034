#pragma once

#include <string>

namespace kestrix::propertymanager {

// Reports the result of a host action to the user: nothing on success, a message box
// with the failure message (and the second text, when not empty) on failure.
class VexUtilActionReporter {
public:
    void reportResult(bool ok, const std::string& failureMessage, const std::string& secondText) const;
};

} // namespace kestrix::propertymanager
