#pragma once

#include <string>
#include <string_view>

namespace kestrix::hostsim::kernel {

struct Frame;

// Replaces the dynamic codes of a line-map text for one map of a frame: &ZN& zone name,
// &Z#& zone number, &DV& dependent (y) variable name, &D#& its number, &IV& independent (x)
// variable name, &I#& its number, &M#& map number, &X#& x-axis number, &Y#& y-axis number.
// Unknown codes stay as they are.
std::string resolveLineMapText(const Frame& frame, int map, std::string_view text);

} // namespace kestrix::hostsim::kernel
