#include "FieldView3D.h"

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

namespace {

constexpr double Azimuth = 30.0 * 3.14159265358979323846 / 180.0;
constexpr double Elevation = 25.0 * 3.14159265358979323846 / 180.0;
// Share of the picture that the data's box may fill.
constexpr double Fill = 0.84;

double dot(const FieldView3D::Vector& a, double x, double y, double z)
{
    return a[0] * x + a[1] * y + a[2] * z;
}

} // namespace

FieldView3D::FieldView3D(const QRectF& rect, const Vector& minimum, const Vector& maximum)
{
    m_eye = {std::sin(Azimuth) * std::cos(Elevation), -std::cos(Azimuth) * std::cos(Elevation), std::sin(Elevation)};
    m_right = {std::cos(Azimuth), std::sin(Azimuth), 0.0};
    m_up = {-std::sin(Elevation) * std::sin(Azimuth), std::sin(Elevation) * std::cos(Azimuth), std::cos(Elevation)};
    for (std::size_t d = 0; d < 3; ++d)
        m_centre[d] = std::isfinite(minimum[d] + maximum[d]) ? (minimum[d] + maximum[d]) / 2.0 : 0.0;
    double width = 0.0;
    double height = 0.0;
    for (int corner = 0; corner < 8; ++corner) {
        const double x = ((corner & 1) ? maximum[0] : minimum[0]) - m_centre[0];
        const double y = ((corner & 2) ? maximum[1] : minimum[1]) - m_centre[1];
        const double z = ((corner & 4) ? maximum[2] : minimum[2]) - m_centre[2];
        width = std::max(width, 2.0 * std::abs(dot(m_right, x, y, z)));
        height = std::max(height, 2.0 * std::abs(dot(m_up, x, y, z)));
    }
    const double horizontal = width > 0.0 && std::isfinite(width) ? rect.width() * Fill / width : 0.0;
    const double vertical = height > 0.0 && std::isfinite(height) ? rect.height() * Fill / height : 0.0;
    if (horizontal > 0.0 && vertical > 0.0)
        m_scale = std::min(horizontal, vertical);
    else
        m_scale = std::max({horizontal, vertical, 1.0});
    m_origin = rect.center();
}

QPointF FieldView3D::map(double x, double y, double z) const
{
    x -= m_centre[0];
    y -= m_centre[1];
    z -= m_centre[2];
    return {m_origin.x() + m_scale * dot(m_right, x, y, z), m_origin.y() - m_scale * dot(m_up, x, y, z)};
}

double FieldView3D::depth(double x, double y, double z) const
{
    return dot(m_eye, x - m_centre[0], y - m_centre[1], z - m_centre[2]);
}

QPointF FieldView3D::screenDirection(int axis) const
{
    const auto a = static_cast<std::size_t>(std::clamp(axis, 0, 2));
    return {m_right[a], -m_up[a]};
}

} // namespace kestrix::hostsim::render
