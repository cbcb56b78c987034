#include "propertybindings/models/PremappedListModel.h"

namespace kestrix::sdk::ui::dialogs::propertybindings::models {

template class PremappedListModel<std::string>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings::models
