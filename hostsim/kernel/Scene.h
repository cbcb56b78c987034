#pragma once

#include "StyleValueData.h"

#include <kxsdkbase/KernelApi.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kestrix::hostsim::kernel {

struct Zone {
    std::string name;
    bool ordered = true;
    // Ordered zones: the I, J and K maxima. Finite-element zones: nodes, elements and nodes
    // per element.
    long iMax = 1;
    long jMax = 1;
    long kMax = 1;
    bool volume = false;
    // Node values per variable, in variable order; empty when the scene gives none.
    std::vector<std::vector<double>> values;
    // Finite-element zones: the 0-based node numbers of each element, kMax of them per
    // element, element after element; empty when the scene gives none. A triangle among
    // quadrilaterals repeats its last node, as the kernel's element types do.
    std::vector<int> connectivity;

    long nodeCount() const { return ordered ? iMax * jMax * kMax : iMax; }
    bool hasConnectivity() const { return !ordered && !connectivity.empty(); }
};

struct FieldMap {
    std::vector<int> zones; // 1-based, ascending
    int mode = 1;           // 0 when the map groups several zones
    bool active = true;
    SparseStyleValues style;

    int candidateZone() const { return zones.empty() ? 0 : zones.front(); }
};

struct LineMap {
    bool active = true;
    SparseStyleValues style;
};

// Per-frame and per-application style values keyed by slot and offsets; defaults are not
// stored.
class StyleTable {
public:
    static std::uint64_t key(std::uint16_t slot, int offset1, int offset2);

    std::optional<StyleData> get(std::uint64_t key) const;
    void assign(std::uint64_t key, const std::optional<StyleData>& value);
    void clear() { m_values.clear(); }

private:
    std::unordered_map<std::uint64_t, StyleData> m_values;
};

struct AxisRange {
    double minimum = 0.0;
    double maximum = 1.0;
};

struct Frame {
    UniqueID_t id = 0;
    std::string name;
    int plotType = PlotType_Cartesian3D;
    std::vector<std::string> variables;
    std::vector<Zone> zones;
    std::vector<bool> zoneEnabled;
    std::vector<bool> variableEnabled;
    std::vector<FieldMap> fieldMaps;
    std::vector<LineMap> lineMaps;
    StyleTable style;
    // Axis ranges by axis letter ('X', 'Y') and number; unset axes read as 0 to 1.
    std::map<std::pair<char, int>, AxisRange> axes;
    // The frame's size on the page.
    double widthInches = 9.0;
    double heightInches = 6.0;

    bool hasDataSet() const { return !variables.empty(); }
    int zoneCount() const { return static_cast<int>(zones.size()); }
    int variableCount() const { return static_cast<int>(variables.size()); }
    int fieldMapCount() const { return static_cast<int>(fieldMaps.size()); }
    int lineMapCount() const { return static_cast<int>(lineMaps.size()); }
    bool isZone(int zone) const { return zone >= 1 && zone <= zoneCount(); }
    bool isVariable(int var) const { return var >= 1 && var <= variableCount(); }
    const Zone* zone(int number) const
    {
        return isZone(number) ? &zones[static_cast<std::size_t>(number - 1)] : nullptr;
    }
    // The field map holding a zone; 0 when none. Valid after indexZones().
    int fieldMapOfZone(int zone) const;
    // Rebuilds the zone-to-field-map index; called whenever field maps change.
    void indexZones();
    AxisRange axisRange(char axis, int number) const;

private:
    std::vector<int> m_fieldMapOfZone;
};

struct Page {
    std::string name;
    std::vector<std::unique_ptr<Frame>> frames;
};

struct PickEntry {
    int type = 0;
    int number = 0;
};

struct Scene {
    std::vector<Page> pages;
    int currentPage = 0;  // 1-based; 0 when there is no page
    int currentFrame = 0; // 1-based within the current page; 0 when there is no frame
    StyleTable application;
    std::vector<PickEntry> pickList;

    Frame* current() const;
    Frame* frame(UniqueID_t id) const;
    const Page* page() const;
    // Rebuilds the index of frames by unique id; called whenever frames are added.
    void reindex();
    // Adds one frame to that index, so that building a scene frame by frame stays linear.
    void index(Frame& frame);

private:
    std::unordered_map<UniqueID_t, Frame*> m_frameById;
};

// A frame id never handed out before, also across scenes.
UniqueID_t nextFrameId();

} // namespace kestrix::hostsim::kernel
