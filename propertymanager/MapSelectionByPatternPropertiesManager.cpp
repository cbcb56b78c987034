#include "propertymanager/MapSelectionByPatternPropertiesManager.h"

#include "propertymanager/PropertyDependentRelevance.h"
#include "propertymanager/PropertyPredicateDependentRelevance.h"

#include <kxsdkpropertymanager/BooleanPropertyDependentRelevance.h>
#include <kxsdkpropertymanager/InvertingRelevance.h>
#include <kxsdkpropertymanager/RelevanceExpression.h>

namespace kestrix::sdk::ui::propertymanager {

using kestrix::propertymanager::BooleanPropertyDependentRelevance;
using kestrix::propertymanager::InvertingRelevance;
using kestrix::propertymanager::RelevanceExpression;

MapSelectionByPatternPropertiesManager::MapSelectionByPatternPropertiesManager()
    : m_pattern(std::make_shared<Property<std::string>>(std::string()))
    , m_labelText(std::make_shared<Property<std::string>>(std::string()))
    , m_lastAppliedPattern(std::make_shared<Property<std::string>>(std::string()))
    , m_selectionChanged(std::make_shared<Property<bool>>(false))
{
    // One predicate relevance per property: whichever of the two changes, the expression is
    // asked again.
    const std::shared_ptr<Property<std::string>> pattern = m_pattern;
    const std::shared_ptr<Property<std::string>> lastApplied = m_lastAppliedPattern;
    const auto patternDiffers = std::make_shared<PropertyPredicateDependentRelevance<std::string>>(
        pattern, [lastApplied](const std::string& value) { return value != lastApplied->value(); });
    const auto lastAppliedDiffers = std::make_shared<PropertyPredicateDependentRelevance<std::string>>(
        lastApplied, [pattern](const std::string& value) { return value != pattern->value(); });
    m_applyRelevance = RelevanceExpression(std::make_shared<BooleanPropertyDependentRelevance>(m_selectionChanged))
                           .oor(patternDiffers)
                           .oor(lastAppliedDiffers);

    m_clearRelevance = std::make_shared<InvertingRelevance>(
        std::make_shared<PropertyDependentRelevance<std::string>>(m_pattern, std::string()));
}

MapSelectionByPatternPropertiesManager::~MapSelectionByPatternPropertiesManager() = default;

std::shared_ptr<const kestrix::propertymanager::RelevanceInterface>
MapSelectionByPatternPropertiesManager::applyRelevance() const
{
    return m_applyRelevance;
}

std::shared_ptr<const kestrix::propertymanager::RelevanceInterface>
MapSelectionByPatternPropertiesManager::clearRelevance() const
{
    return m_clearRelevance;
}

std::shared_ptr<Property<std::string>> MapSelectionByPatternPropertiesManager::pattern() const
{
    return m_pattern;
}

std::shared_ptr<Property<std::string>> MapSelectionByPatternPropertiesManager::labelText() const
{
    return m_labelText;
}

std::shared_ptr<Property<std::string>> MapSelectionByPatternPropertiesManager::lastAppliedPattern() const
{
    return m_lastAppliedPattern;
}

std::shared_ptr<Property<bool>> MapSelectionByPatternPropertiesManager::selectionChanged() const
{
    return m_selectionChanged;
}

} // namespace kestrix::sdk::ui::propertymanager
