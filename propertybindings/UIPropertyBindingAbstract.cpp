#include "propertybindings/UIPropertyBindingAbstract.h"

#include <exception/ExceptionBase.h>

#include <string>

namespace kestrix::sdk::ui::dialogs::propertybindings {

template <typename T>
UIPropertyBindingAbstract<T>::UIPropertyBindingAbstract(std::shared_ptr<PropertyAbstract<T>> property)
    : m_property(std::move(property))
{
    if (!m_property)
        throw InvalidArgumentException("A binding needs a property");
}

template <typename T>
UIPropertyBindingAbstract<T>::~UIPropertyBindingAbstract() = default;

template <typename T>
void UIPropertyBindingAbstract<T>::observeProperty()
{
    m_connections.add(m_property->valueChanged().connect([this](const T&) { updateWidgetFromProperty(); }));
    m_connections.add(m_property->itemStateChanged().connect([this] { updateWidgetState(); }));
}

template <typename T>
void UIPropertyBindingAbstract<T>::stopObservingProperty()
{
    m_connections.disconnectAll();
}

template class UIPropertyBindingAbstract<std::string>;
template class UIPropertyBindingAbstract<int>;
template class UIPropertyBindingAbstract<double>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings
