#include "propertymanager/PropertyDependentRelevance.h"

#include "propertybindings/PropertyAbstract.h"

#include <styleproperties/UIStylePropertyAbstract.h>

#include <string>

namespace kestrix::sdk::ui::propertymanager {

template <typename T>
PropertyDependentRelevance<T>::PropertyDependentRelevance(const PropertyAbstract<T>& property, const T& relevantValue)
    : PropertyDependentRelevanceAbstract<T>(property)
    , m_relevantValues{relevantValue}
{
}

template <typename T>
PropertyDependentRelevance<T>::PropertyDependentRelevance(std::shared_ptr<const PropertyAbstract<T>> property,
                                                          const T& relevantValue)
    : PropertyDependentRelevanceAbstract<T>(std::move(property))
    , m_relevantValues{relevantValue}
{
}

template <typename T>
PropertyDependentRelevance<T>::PropertyDependentRelevance(UIStylePropertyAbstract<T>& styleProperty,
                                                          const T& relevantValue, bool includeStyleProperty)
    : PropertyDependentRelevanceAbstract<T>(styleProperty, includeStyleProperty)
    , m_relevantValues{relevantValue}
{
}

template <typename T>
void PropertyDependentRelevance<T>::addRelevantValue(const T& value)
{
    if (m_relevantValues.insert(value).second)
        this->notifyRelevanceChanged();
}

template <typename T>
bool PropertyDependentRelevance<T>::isRelevantValue(const T& value) const
{
    return m_relevantValues.count(value) > 0;
}

template class PropertyDependentRelevance<bool>;
template class PropertyDependentRelevance<std::string>;

} // namespace kestrix::sdk::ui::propertymanager
