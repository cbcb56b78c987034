#pragma once

namespace kestrix::propertybindings {

class BindingInterface {
public:
    virtual ~BindingInterface() = default;
};

// A binding between one widget and one property.
class PropertyBindingInterface : public virtual BindingInterface {
public:
    // Shows the property's value in the widget again (after the widget's text was refused).
    virtual void updateWidgetFromProperty() = 0;
};

} // namespace kestrix::propertybindings
