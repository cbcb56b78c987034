#include "propertybindings/models/ListModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::propertybindings::models {

template class ListModelAbstract<int>;
template class ListModelAbstract<double>;
template class ListModelAbstract<std::string>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings::models
