#pragma once

#include "propertybindings/Property.h"

#include <memory>
#include <string>

namespace kestrix::propertymanager {
class RelevanceInterface;
}

namespace kestrix::sdk::ui::propertymanager {

// The state of the filter row that selects maps by a name pattern.
class MapSelectionByPatternPropertiesManager {
public:
    MapSelectionByPatternPropertiesManager();
    MapSelectionByPatternPropertiesManager(const MapSelectionByPatternPropertiesManager&) = delete;
    MapSelectionByPatternPropertiesManager& operator=(const MapSelectionByPatternPropertiesManager&) = delete;
    ~MapSelectionByPatternPropertiesManager();

    // Applying makes sense while the table selection changed since the last apply, or the
    // pattern differs from the one last applied.
    std::shared_ptr<const kestrix::propertymanager::RelevanceInterface> applyRelevance() const;
    // Clearing makes sense while there is a pattern.
    std::shared_ptr<const kestrix::propertymanager::RelevanceInterface> clearRelevance() const;
    std::shared_ptr<Property<std::string>> pattern() const;
    std::shared_ptr<Property<std::string>> labelText() const;
    std::shared_ptr<Property<std::string>> lastAppliedPattern() const;
    std::shared_ptr<Property<bool>> selectionChanged() const;

private:
    std::shared_ptr<const kestrix::propertymanager::RelevanceInterface> m_applyRelevance;
    std::shared_ptr<const kestrix::propertymanager::RelevanceInterface> m_clearRelevance;
    std::shared_ptr<Property<std::string>> m_pattern;
    std::shared_ptr<Property<std::string>> m_labelText;
    std::shared_ptr<Property<std::string>> m_lastAppliedPattern;
    std::shared_ptr<Property<bool>> m_selectionChanged;
};

} // namespace kestrix::sdk::ui::propertymanager
