#include "LineColorPalette.h"

#include "FrameSnapshot.h"

#include <array>

namespace kestrix::hostsim::render {

namespace {

// Line maps have no contour variable to colour by, so a multi-colour setting gives each map
// one colour of this cycle, by map number: map 1 takes the first colour, map 2 the second,
// and so on, starting over after the last. Multi-colour k (MultiC1 is -1, MultiC2 to MultiC4
// are -3 to -5, MultiC5 to MultiC8 are -7 to -10) starts the cycle k - 1 places later, so
// that maps set to different multi-colours differ; RGB (-6) cycles like MultiC1. The cycle
// holds basic colours that stand out on white: red, blue, green, purple, cyan, dark red,
// navy, dark green, olive, dark purple, teal.
constexpr std::array<int, 11> cycle = {1, 3, 2, 6, 4, 9, 11, 10, 13, 14, 12};

int multiColorStart(int setting)
{
    if (setting == -1 || setting == -6)
        return 0;
    if (setting >= -5)
        return -setting - 2;
    return -setting - 3;
}

} // namespace

QColor LineColorPalette::color(int setting, int map)
{
    if (setting >= 0)
        return QColor::fromRgb(FrameSnapshot::basicColorRgb(setting));
    const int count = static_cast<int>(cycle.size());
    const int place = ((map - 1 + multiColorStart(setting)) % count + count) % count;
    return QColor::fromRgb(FrameSnapshot::basicColorRgb(cycle[static_cast<std::size_t>(place)]));
}

} // namespace kestrix::hostsim::render
