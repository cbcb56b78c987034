#pragma once

#include "propertymanager/PropertyDependentRelevanceAbstract.h"

#include <set>

namespace kestrix::sdk::ui::propertymanager {

// Relevant while the property holds one of the relevant values.
//
// The library instantiates it for bool and std::string.
template <typename T>
class PropertyDependentRelevance : public PropertyDependentRelevanceAbstract<T> {
public:
    PropertyDependentRelevance(const PropertyAbstract<T>& property, const T& relevantValue);
    PropertyDependentRelevance(std::shared_ptr<const PropertyAbstract<T>> property, const T& relevantValue);
    PropertyDependentRelevance(UIStylePropertyAbstract<T>& styleProperty, const T& relevantValue,
                               bool includeStyleProperty);

    void addRelevantValue(const T& value);
    bool isRelevantValue(const T& value) const override;

private:
    std::set<T> m_relevantValues;
};

} // namespace kestrix::sdk::ui::propertymanager
