#pragma once

#include "propertybindings/Property.h"
#include "propertybindings/models/PremappedListModel.h"

#include <memory>
#include <set>
#include <string>

namespace kestrix::sdk::ui::propertymanager {

// The state of the line-map name editor: the name (UTF-8), the part of it that an inserted
// code replaces, the code chosen in the list and the list of codes the host resolves.
class DynamicLineMapTextEditPropertiesManager {
public:
    using CodeListModel = dialogs::propertybindings::models::PremappedListModel<std::string>;

    explicit DynamicLineMapTextEditPropertiesManager(const std::string& text);
    DynamicLineMapTextEditPropertiesManager(const DynamicLineMapTextEditPropertiesManager&) = delete;
    DynamicLineMapTextEditPropertiesManager& operator=(const DynamicLineMapTextEditPropertiesManager&) = delete;
    ~DynamicLineMapTextEditPropertiesManager();

    std::shared_ptr<Property<std::string>> text() const;
    // Start and length count characters of the text, as the line edit counts them.
    std::shared_ptr<Property<int>> selectionStart() const;
    std::shared_ptr<Property<int>> selectionLength() const;
    std::shared_ptr<Property<std::set<std::string>>> selectedCodes() const;
    std::shared_ptr<CodeListModel> codeList() const;

    // Replaces the remembered part of the text by the chosen code; afterwards nothing is
    // selected and the position is right after the code. Without a chosen code nothing
    // changes. True when a code was inserted.
    bool insertCode();

private:
    std::shared_ptr<Property<std::string>> m_text;
    std::shared_ptr<Property<int>> m_selectionStart;
    std::shared_ptr<Property<int>> m_selectionLength;
    std::shared_ptr<Property<std::set<std::string>>> m_selectedCodes;
    std::shared_ptr<CodeListModel> m_codeList;
};

} // namespace kestrix::sdk::ui::propertymanager
