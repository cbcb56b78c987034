#include "FieldPlotData.h"

#include "FrameSnapshot.h"

#include "hostsim/kernel/Scene.h"

#include <kxsdkbase/Enumerations.h>

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrix::hostsim::render {

namespace {

constexpr double VectorShare = 0.05;

} // namespace

FieldPlotData::FieldPlotData(const FrameSnapshot& snapshot)
    : m_snapshot(snapshot),
      m_threeD(snapshot.plotType() == PlotType_Cartesian3D),
      m_frameStyle(FieldFrameStyle::read(snapshot)),
      m_palette(snapshot, m_frameStyle),
      m_labels(LabelStyle::read(snapshot))
{
    measureBox();
    findVelocity();
    collectZones();
}

void FieldPlotData::measureBox()
{
    const kernel::Frame& frame = m_snapshot.frame();
    const double infinity = std::numeric_limits<double>::infinity();
    m_minimum = {infinity, infinity, infinity};
    m_maximum = {-infinity, -infinity, -infinity};
    for (int zone = 1; zone <= frame.zoneCount(); ++zone) {
        const long nodes = frame.zone(zone)->nodeCount();
        for (int axis = 0; axis < (m_threeD ? 3 : 2); ++axis) {
            const std::vector<double>* values = m_snapshot.values(zone, axis + 1);
            if (!values || static_cast<long>(values->size()) != nodes)
                continue;
            const auto a = static_cast<std::size_t>(axis);
            for (double value : *values) {
                if (std::isfinite(value)) {
                    m_minimum[a] = std::min(m_minimum[a], value);
                    m_maximum[a] = std::max(m_maximum[a], value);
                }
            }
        }
    }
    if (!(m_minimum[2] <= m_maximum[2]))
        m_minimum[2] = m_maximum[2] = 0.0;
}

void FieldPlotData::findVelocity()
{
    const kernel::Frame& frame = m_snapshot.frame();
    for (int variable = 1; variable <= frame.variableCount(); ++variable) {
        const QString name = QString::fromStdString(frame.variables[static_cast<std::size_t>(variable - 1)]).trimmed();
        for (std::size_t axis = 0; axis < 3; ++axis) {
            const char* wanted[3] = {"U", "V", "W"};
            if (m_velocity[axis] == 0 && name.compare(QLatin1String(wanted[axis]), Qt::CaseInsensitive) == 0)
                m_velocity[axis] = variable;
        }
    }
    if (!m_threeD)
        m_velocity[2] = 0;
}

void FieldPlotData::collectZones()
{
    const kernel::Frame& frame = m_snapshot.frame();
    m_mapStyles.resize(static_cast<std::size_t>(frame.fieldMapCount()));
    const std::vector<int> active = m_snapshot.members({"ACTIVEFIELDMAPS"});
    for (int map : active) {
        if (map >= 1 && map <= frame.fieldMapCount())
            m_mapStyles[static_cast<std::size_t>(map - 1)] =
                FieldMapStyle::read(m_snapshot, map, m_frameStyle, m_threeD);
    }
    double fastest = 0.0;
    for (int map : active) {
        if (map < 1 || map > frame.fieldMapCount())
            continue;
        const FieldMapStyle& style = m_mapStyles[static_cast<std::size_t>(map - 1)];
        if (!style.drawsAnything() && !m_labels.isShown())
            continue;
        for (int zone : frame.fieldMaps[static_cast<std::size_t>(map - 1)].zones) {
            const auto z = static_cast<std::size_t>(zone - 1);
            if (z < frame.zoneEnabled.size() && !frame.zoneEnabled[z])
                continue;
            FieldZone fieldZone(m_snapshot, zone, map, style, m_threeD);
            if (!fieldZone.isDrawable())
                continue;
            if (style.vector) {
                const std::array<const std::vector<double>*, 3> speed = velocity(fieldZone);
                for (long n = 0; speed[0] && speed[1] && n < fieldZone.nodeCount(); ++n) {
                    const auto i = static_cast<std::size_t>(n);
                    const double w = speed[2] ? (*speed[2])[i] : 0.0;
                    fastest = std::max(
                        fastest, std::sqrt((*speed[0])[i] * (*speed[0])[i] + (*speed[1])[i] * (*speed[1])[i] + w * w));
                }
            }
            m_zones.push_back(std::move(fieldZone));
        }
    }
    double extent = 0.0;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        if (m_minimum[axis] <= m_maximum[axis])
            extent = std::max(extent, m_maximum[axis] - m_minimum[axis]);
    }
    if (fastest > 0.0 && std::isfinite(fastest))
        m_vectorScale = VectorShare * extent / fastest;
}

std::array<const std::vector<double>*, 3> FieldPlotData::velocity(const FieldZone& zone) const
{
    std::array<const std::vector<double>*, 3> result{};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const std::vector<double>* values = m_snapshot.values(zone.number(), m_velocity[axis]);
        if (values && static_cast<long>(values->size()) == zone.nodeCount())
            result[axis] = values;
    }
    if (!result[0] || !result[1])
        return {};
    return result;
}

} // namespace kestrix::hostsim::render
