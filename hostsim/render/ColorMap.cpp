#include "ColorMap.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kestrix::hostsim::render {

ColorMap::ColorMap(double minimum, double maximum)
    : m_minimum(std::min(minimum, maximum)),
      m_maximum(std::max(minimum, maximum))
{
}

double ColorMap::fraction(double value) const
{
    const double span = m_maximum - m_minimum;
    if (!(span > 0.0) || std::isnan(value))
        return 0.5;
    return std::clamp((value - m_minimum) / span, 0.0, 1.0);
}

QColor ColorMap::color(double value) const
{
    return colorAt(fraction(value));
}

QColor ColorMap::colorAt(double fraction)
{
    static const std::array<std::array<double, 3>, 5> stops = {{
        {0.0, 0.0, 255.0},
        {0.0, 255.0, 255.0},
        {0.0, 255.0, 0.0},
        {255.0, 255.0, 0.0},
        {255.0, 0.0, 0.0},
    }};
    const double at = std::clamp(std::isnan(fraction) ? 0.5 : fraction, 0.0, 1.0) * (stops.size() - 1);
    const auto lower = std::min(static_cast<std::size_t>(at), stops.size() - 2);
    const double t = at - static_cast<double>(lower);
    const auto channel = [&](std::size_t c) {
        return static_cast<int>(std::lround(stops[lower][c] + (stops[lower + 1][c] - stops[lower][c]) * t));
    };
    return QColor(channel(0), channel(1), channel(2));
}

} // namespace kestrix::hostsim::render
