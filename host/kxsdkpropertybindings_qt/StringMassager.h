#pragma once

#include <string>

namespace kestrix::propertybindings {

// Adjusts text on its way between a widget and a property; the default leaves it as it is.
class StringMassager {
public:
    virtual ~StringMassager() = default;
    virtual std::string massage(const std::string& text) const { return text; }
};

} // namespace kestrix::propertybindings
