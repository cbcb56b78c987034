#include "propertybindings/Property.h"

#include <set>
#include <string>

namespace kestrix {

template class Property<int>;
template class Property<bool>;
template class Property<std::string>;
template class Property<std::set<std::string>>;

} // namespace kestrix
