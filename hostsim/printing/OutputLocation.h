#pragma once

#include <QString>

namespace kestrix::hostsim::printing {

// Where a print to file goes.
class OutputLocation {
public:
    // True when a file can be made under this name: its folder exists and the name is not a
    // folder's. Otherwise false with the reason in `error`.
    static bool check(const QString& fileName, QString* error);
};

} // namespace kestrix::hostsim::printing
