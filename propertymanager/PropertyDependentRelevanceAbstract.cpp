#include "propertymanager/PropertyDependentRelevanceAbstract.h"

#include "propertybindings/PropertyAbstract.h"

#include <exception/ExceptionBase.h>
#include <styleproperties/UIStylePropertyAbstract.h>

#include <string>

namespace kestrix::sdk::ui::propertymanager {

template <typename T>
PropertyDependentRelevanceAbstract<T>::PropertyDependentRelevanceAbstract(const PropertyAbstract<T>& property)
    : m_property(&property)
{
    observeProperty();
}

template <typename T>
PropertyDependentRelevanceAbstract<T>::PropertyDependentRelevanceAbstract(
    std::shared_ptr<const PropertyAbstract<T>> property)
    : m_property(property.get())
    , m_propertyKeeper(std::move(property))
{
    if (!m_property)
        throw InvalidArgumentException("A property dependent relevance needs a property");
    observeProperty();
}

template <typename T>
PropertyDependentRelevanceAbstract<T>::PropertyDependentRelevanceAbstract(UIStylePropertyAbstract<T>& styleProperty,
                                                                          bool includeStyleProperty)
    : m_property(&styleProperty)
    , m_styleProperty(&styleProperty)
    , m_includeStyleProperty(includeStyleProperty)
{
    observeProperty();
    if (m_includeStyleProperty) {
        m_connections.add(styleProperty.availabilityChanged().connect([this] { notifyRelevanceChanged(); }));
        m_connections.add(styleProperty.uniformityChanged().connect([this] { notifyRelevanceChanged(); }));
    }
}

template <typename T>
PropertyDependentRelevanceAbstract<T>::~PropertyDependentRelevanceAbstract() = default;

template <typename T>
bool PropertyDependentRelevanceAbstract<T>::isRelevant() const
{
    if (!isRelevantValue(m_property->value()))
        return false;
    if (m_styleProperty && m_includeStyleProperty)
        return m_styleProperty->isAvailable() && m_styleProperty->isUniform();
    return true;
}

template <typename T>
void PropertyDependentRelevanceAbstract<T>::observeProperty()
{
    m_connections.add(m_property->valueChanged().connect([this](const T&) { notifyRelevanceChanged(); }));
}

template class PropertyDependentRelevanceAbstract<bool>;
template class PropertyDependentRelevanceAbstract<std::string>;

} // namespace kestrix::sdk::ui::propertymanager
