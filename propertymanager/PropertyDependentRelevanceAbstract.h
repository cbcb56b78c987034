#pragma once

#include <kxsdkpropertymanager/RelevanceInterface.h>
#include <signals/SignalConnectionCollection.h>

#include <memory>

namespace kestrix {
template <typename T>
class PropertyAbstract;
template <typename T>
class UIStylePropertyAbstract;
} // namespace kestrix

namespace kestrix::sdk::ui::propertymanager {

// A relevance that follows the value of one property: every change of the value announces a
// possible change of relevance. Made from a style property with includeStyleProperty set, it
// is relevant only while that style property is also available and uniform, and follows
// those two states as well.
//
// The library instantiates it for bool and std::string.
template <typename T>
class PropertyDependentRelevanceAbstract : public virtual kestrix::propertymanager::RelevanceInterface {
public:
    // The property must outlive the relevance.
    explicit PropertyDependentRelevanceAbstract(const PropertyAbstract<T>& property);
    explicit PropertyDependentRelevanceAbstract(std::shared_ptr<const PropertyAbstract<T>> property);
    PropertyDependentRelevanceAbstract(UIStylePropertyAbstract<T>& styleProperty, bool includeStyleProperty);
    PropertyDependentRelevanceAbstract(const PropertyDependentRelevanceAbstract&) = delete;
    PropertyDependentRelevanceAbstract& operator=(const PropertyDependentRelevanceAbstract&) = delete;
    ~PropertyDependentRelevanceAbstract() override;

    bool isRelevant() const override;
    virtual bool isRelevantValue(const T& value) const = 0;

private:
    void observeProperty();

    const PropertyAbstract<T>* m_property;
    std::shared_ptr<const PropertyAbstract<T>> m_propertyKeeper;
    const UIStylePropertyAbstract<T>* m_styleProperty = nullptr;
    bool m_includeStyleProperty = false;
    kestrix::signalling::SignalConnectionCollection m_connections;
};

} // namespace kestrix::sdk::ui::propertymanager
