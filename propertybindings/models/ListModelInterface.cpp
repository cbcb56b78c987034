#include "propertybindings/models/ListModelInterface.h"

namespace kestrix::sdk::ui::dialogs::propertybindings::models {

template class ListModelInterface<int>;
template class ListModelInterface<double>;
template class ListModelInterface<std::string>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings::models
