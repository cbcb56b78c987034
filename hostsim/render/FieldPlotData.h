#pragma once

#include "FieldFrameStyle.h"
#include "FieldMapStyle.h"
#include "FieldPalette.h"
#include "FieldZone.h"
#include "LabelStyle.h"

#include <array>
#include <vector>

namespace kestrix::hostsim::render {

class FrameSnapshot;

// What a field plot is drawn from, read once from the snapshot: the frame's and the active
// maps' settings, the zones to draw (the enabled zones of the active maps that show a layer
// and have X and Y values), the colours, the labels, the velocity variables and the box of
// all the frame's coordinates. The box takes in the zones of inactive maps too, so that the
// view stays where it is when a map is switched off.
class FieldPlotData {
public:
    explicit FieldPlotData(const FrameSnapshot& snapshot);
    FieldPlotData(const FieldPlotData&) = delete;
    FieldPlotData& operator=(const FieldPlotData&) = delete;

    const FrameSnapshot& snapshot() const { return m_snapshot; }
    bool isThreeD() const { return m_threeD; }
    const FieldFrameStyle& frameStyle() const { return m_frameStyle; }
    const FieldPalette& palette() const { return m_palette; }
    const LabelStyle& labels() const { return m_labels; }
    std::vector<FieldZone>& zones() { return m_zones; }
    const std::array<double, 3>& minimum() const { return m_minimum; }
    const std::array<double, 3>& maximum() const { return m_maximum; }
    bool hasBox() const { return m_minimum[0] <= m_maximum[0] && m_minimum[1] <= m_maximum[1]; }

    // A zone's values of the variables named U, V and W; vectors need at least U and V, and
    // a frame without them shows none.
    std::array<const std::vector<double>*, 3> velocity(const FieldZone& zone) const;
    // The data length of a unit velocity: the fastest vector shown spans 5 % of the box.
    double vectorScale() const { return m_vectorScale; }

private:
    void measureBox();
    void findVelocity();
    // The zones to draw, and the vectors' scale from the fastest velocity among them.
    void collectZones();

    const FrameSnapshot& m_snapshot;
    bool m_threeD;
    FieldFrameStyle m_frameStyle;
    FieldPalette m_palette;
    LabelStyle m_labels;
    std::vector<FieldMapStyle> m_mapStyles;
    std::vector<FieldZone> m_zones;
    std::array<int, 3> m_velocity{};
    std::array<double, 3> m_minimum;
    std::array<double, 3> m_maximum;
    double m_vectorScale = 0.0;
};

} // namespace kestrix::hostsim::render
