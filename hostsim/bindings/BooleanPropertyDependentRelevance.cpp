#include <kxsdkpropertymanager/BooleanPropertyDependentRelevance.h>

#include <exception/ExceptionBase.h>
#include <propertybindings/PropertyAbstract.h>

namespace kestrix::propertymanager {

BooleanPropertyDependentRelevance::BooleanPropertyDependentRelevance(
    std::shared_ptr<const PropertyAbstract<bool>> property)
    : m_property(std::move(property))
{
    if (!m_property)
        throw InvalidArgumentException("A boolean property dependent relevance needs a property");
    m_connections.add(m_property->valueChanged().connect([this](bool) { notifyRelevanceChanged(); }));
}

bool BooleanPropertyDependentRelevance::isRelevant() const
{
    return m_property->value();
}

} // namespace kestrix::propertymanager
