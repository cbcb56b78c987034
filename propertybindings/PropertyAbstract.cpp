#include "propertybindings/PropertyAbstract.h"

#include <set>
#include <string>

namespace kestrix {

template class PropertyAbstract<int>;
template class PropertyAbstract<bool>;
template class PropertyAbstract<std::string>;
template class PropertyAbstract<std::set<std::string>>;

} // namespace kestrix
