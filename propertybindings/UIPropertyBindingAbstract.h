#pragma once

#include "propertybindings/PropertyAbstract.h"

#include <kxsdkpropertybindings_qt/BindingInterface.h>
#include <signals/SignalConnectionCollection.h>

#include <memory>

namespace kestrix::sdk::ui::dialogs::propertybindings {

// A binding of one widget to one property: the widget follows every change of the
// property's value and of its visibility and enabled states.
template <typename T>
class UIPropertyBindingAbstract : public virtual kestrix::propertybindings::PropertyBindingInterface {
public:
    explicit UIPropertyBindingAbstract(std::shared_ptr<PropertyAbstract<T>> property);
    UIPropertyBindingAbstract(const UIPropertyBindingAbstract&) = delete;
    UIPropertyBindingAbstract& operator=(const UIPropertyBindingAbstract&) = delete;
    ~UIPropertyBindingAbstract() override;

    const std::shared_ptr<PropertyAbstract<T>>& property() const { return m_property; }

protected:
    // Mirrors the property's visibility and enabled states onto the widget.
    virtual void updateWidgetState() = 0;
    // Derived classes start following the property once their widget is set up, and stop
    // before they tear it down.
    void observeProperty();
    void stopObservingProperty();

private:
    std::shared_ptr<PropertyAbstract<T>> m_property;
    kestrix::signalling::SignalConnectionCollection m_connections;
};

extern template class UIPropertyBindingAbstract<std::string>;
extern template class UIPropertyBindingAbstract<int>;
extern template class UIPropertyBindingAbstract<double>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings
