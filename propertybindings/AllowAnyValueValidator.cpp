#include "propertybindings/AllowAnyValueValidator.h"

#include <set>
#include <string>

namespace kestrix {

template class AllowAnyValueValidator<int>;
template class AllowAnyValueValidator<bool>;
template class AllowAnyValueValidator<std::string>;
template class AllowAnyValueValidator<std::set<std::string>>;

} // namespace kestrix
