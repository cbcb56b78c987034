#pragma once

#include <memory>

namespace kestrix::propertymanager {
class RelevanceInterface;
}

namespace kestrix::sdk::ui::dialogs::exporting::intern {

// A new relevance that holds while the host has a page with at least one frame, the condition
// for anything to export or print. Checked under the application lock.
std::shared_ptr<const propertymanager::RelevanceInterface> makePageWithFramesRelevance();

} // namespace kestrix::sdk::ui::dialogs::exporting::intern
