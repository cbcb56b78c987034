#pragma once

#include "propertymanager/PropertyDependentRelevanceAbstract.h"

#include <functional>

namespace kestrix::sdk::ui::propertymanager {

// Relevant while the predicate holds for the property's value. The predicate may read other
// state too; the relevance announces changes of its own property only.
//
// The library instantiates it for std::string.
template <typename T>
class PropertyPredicateDependentRelevance : public PropertyDependentRelevanceAbstract<T> {
public:
    using Predicate = std::function<bool(const T&)>;

    PropertyPredicateDependentRelevance(std::shared_ptr<const PropertyAbstract<T>> property, Predicate predicate);

    // Throws std::bad_function_call when the predicate is empty.
    bool isRelevantValue(const T& value) const override;

private:
    Predicate m_predicate;
};

} // namespace kestrix::sdk::ui::propertymanager
