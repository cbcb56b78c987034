#include "LineSkipping.h"

#include <kxsdkbase/Enumerations.h>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

std::vector<std::size_t> LineSkipping::select(const std::vector<QPointF>& positions, int mode, double skipping,
                                              double frameHeight)
{
    std::vector<std::size_t> result;
    const auto defined = [&](std::size_t i) {
        return std::isfinite(positions[i].x()) && std::isfinite(positions[i].y());
    };
    if (mode == SkipMode_ByFrameUnits) {
        const double distance = skipping * frameHeight / 100.0;
        const QPointF* last = nullptr;
        for (std::size_t i = 0; i < positions.size(); ++i) {
            if (!defined(i))
                continue;
            if (last && std::hypot(positions[i].x() - last->x(), positions[i].y() - last->y()) < distance)
                continue;
            result.push_back(i);
            last = &positions[i];
        }
        return result;
    }
    const double rounded = std::round(skipping);
    const std::size_t step = rounded > 1.0 ? static_cast<std::size_t>(std::min(rounded, 2147483647.0)) : 1;
    for (std::size_t i = 0; i < positions.size(); i += step) {
        if (defined(i))
            result.push_back(i);
    }
    return result;
}

} // namespace kestrix::hostsim::render
