#pragma once

namespace kestrix::sdk::ui::dialogs::propertybindings {

// Keeps a widget and a property equal, in either direction on request.
class WidgetPropertySynchronizerInterface {
public:
    virtual ~WidgetPropertySynchronizerInterface() = default;
    // Property to widget.
    virtual void updateWidget() = 0;
    // Widget to property.
    virtual void updateProperty() = 0;
};

} // namespace kestrix::sdk::ui::dialogs::propertybindings
