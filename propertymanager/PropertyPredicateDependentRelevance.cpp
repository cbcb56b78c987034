#include "propertymanager/PropertyPredicateDependentRelevance.h"

#include "propertybindings/PropertyAbstract.h"

#include <string>

namespace kestrix::sdk::ui::propertymanager {

template <typename T>
PropertyPredicateDependentRelevance<T>::PropertyPredicateDependentRelevance(
    std::shared_ptr<const PropertyAbstract<T>> property, Predicate predicate)
    : PropertyDependentRelevanceAbstract<T>(std::move(property))
    , m_predicate(std::move(predicate))
{
}

template <typename T>
bool PropertyPredicateDependentRelevance<T>::isRelevantValue(const T& value) const
{
    return m_predicate(value);
}

template class PropertyPredicateDependentRelevance<std::string>;

} // namespace kestrix::sdk::ui::propertymanager
