#include "propertybindings/ValidatorInterface.h"

#include <set>
#include <string>

namespace kestrix {

template class ValidatorInterface<int>;
template class ValidatorInterface<bool>;
template class ValidatorInterface<std::string>;
template class ValidatorInterface<std::set<std::string>>;

} // namespace kestrix
