#pragma once

#include <kxsdkpropertymanager/RelevanceInterface.h>
#include <signals/SignalConnectionCollection.h>

#include <memory>

namespace kestrix {
template <typename T>
class PropertyAbstract;
}

namespace kestrix::propertymanager {

// Relevant while a boolean property is true.
class BooleanPropertyDependentRelevance : public virtual RelevanceInterface {
public:
    explicit BooleanPropertyDependentRelevance(std::shared_ptr<const PropertyAbstract<bool>> property);
    bool isRelevant() const override;

private:
    std::shared_ptr<const PropertyAbstract<bool>> m_property;
    signalling::SignalConnectionCollection m_connections;
};

} // namespace kestrix::propertymanager
