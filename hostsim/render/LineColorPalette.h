#pragma once

#include <QColor>

namespace kestrix::hostsim::render {

// The colour a line map draws with for a colour setting: a basic colour as the host defines
// it, or for the multi-colour and RGB settings a colour that changes from map to map.
class LineColorPalette {
public:
    static QColor color(int setting, int map);
};

} // namespace kestrix::hostsim::render
