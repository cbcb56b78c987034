#include "FrameSnapshot.h"

#include "hostsim/kernel/DynamicText.h"
#include "hostsim/kernel/Kernel.h"
#include "hostsim/kernel/Scene.h"
#include "hostsim/kernel/StyleEngine.h"

#include <kxsdkbase/Enumerations.h>

#include <algorithm>

namespace kestrix::hostsim::render {

// The snapshot is a scene of its own with one page holding a copy of the frame, so that the
// kernel's style engine reads it exactly as it reads the live scene.
class FrameSnapshot::Private {
public:
    std::optional<kernel::StyleData> read(std::initializer_list<const char*> path, int offset1, int offset2,
                                          std::vector<int>* members = nullptr) const
    {
        kernel::StyleRequest request;
        request.entry = kernel::StyleSchema::instance().find(path);
        if (!request.entry)
            return std::nullopt;
        request.offset1 = offset1;
        request.offset2 = offset2;
        kernel::StyleData value;
        if (kernel::StyleEngine::read(scene, request, value, members) != GetValue_Ok)
            return std::nullopt;
        return value;
    }

    kernel::Scene scene;
};

FrameSnapshot::FrameSnapshot() : d(std::make_unique<Private>()) {}

FrameSnapshot::~FrameSnapshot() = default;

std::shared_ptr<const FrameSnapshot> FrameSnapshot::capture(UniqueID_t frameId)
{
    const kernel::Scene& live = kernel::Kernel::instance().scene();
    const kernel::Frame* frame = frameId == 0 ? live.current() : live.frame(frameId);
    if (!frame)
        return nullptr;
    std::shared_ptr<FrameSnapshot> snapshot(new FrameSnapshot());
    kernel::Scene& scene = snapshot->d->scene;
    scene.pages.emplace_back();
    scene.pages.back().frames.push_back(std::make_unique<kernel::Frame>(*frame));
    scene.currentPage = 1;
    scene.currentFrame = 1;
    scene.application = live.application;
    scene.reindex();
    return snapshot;
}

std::shared_ptr<const FrameSnapshot> FrameSnapshot::captureShowingZone(UniqueID_t frameId, int zone)
{
    std::shared_ptr<const FrameSnapshot> snapshot = capture(frameId);
    if (!snapshot || !snapshot->frame().isZone(zone))
        return nullptr;
    // The copy belongs to this snapshot alone and nobody shares it yet, so it may still change.
    kernel::Frame& copy = *snapshot->d->scene.current();
    if (snapshot->plotType() == PlotType_XYLine || snapshot->plotType() == PlotType_PolarLine) {
        std::vector<bool> plotsZone(copy.lineMaps.size());
        for (std::size_t map = 0; map < copy.lineMaps.size(); ++map)
            plotsZone[map] = snapshot->integer({"LINEMAP", "ASSIGN", "ZONE"}, static_cast<int>(map) + 1) == zone;
        if (std::find(plotsZone.begin(), plotsZone.end(), true) != plotsZone.end()) {
            for (std::size_t map = 0; map < copy.lineMaps.size(); ++map)
                copy.lineMaps[map].active = copy.lineMaps[map].active && plotsZone[map];
        }
    } else {
        copy.zoneEnabled.resize(copy.zones.size(), true);
        for (std::size_t z = 0; z < copy.zoneEnabled.size(); ++z)
            copy.zoneEnabled[z] = copy.zoneEnabled[z] && static_cast<int>(z) + 1 == zone;
    }
    return snapshot;
}

const kernel::Frame& FrameSnapshot::frame() const
{
    return *d->scene.current();
}

int FrameSnapshot::plotType() const
{
    return frame().plotType;
}

double FrameSnapshot::widthInches() const
{
    return frame().widthInches;
}

double FrameSnapshot::heightInches() const
{
    return frame().heightInches;
}

std::optional<long> FrameSnapshot::integer(std::initializer_list<const char*> path, int offset1, int offset2) const
{
    const std::optional<kernel::StyleData> value = d->read(path, offset1, offset2);
    if (!value)
        return std::nullopt;
    if (const auto* number = std::get_if<long>(&*value))
        return *number;
    if (const auto* real = std::get_if<double>(&*value))
        return static_cast<long>(*real);
    return std::nullopt;
}

std::optional<double> FrameSnapshot::number(std::initializer_list<const char*> path, int offset1, int offset2) const
{
    const std::optional<kernel::StyleData> value = d->read(path, offset1, offset2);
    if (!value)
        return std::nullopt;
    if (const auto* real = std::get_if<double>(&*value))
        return *real;
    if (const auto* number = std::get_if<long>(&*value))
        return static_cast<double>(*number);
    return std::nullopt;
}

std::optional<std::string> FrameSnapshot::text(std::initializer_list<const char*> path, int offset1, int offset2) const
{
    const std::optional<kernel::StyleData> value = d->read(path, offset1, offset2);
    if (!value)
        return std::nullopt;
    if (const auto* string = std::get_if<std::string>(&*value))
        return *string;
    return std::nullopt;
}

bool FrameSnapshot::isOn(std::initializer_list<const char*> path, int offset1, int offset2) const
{
    return integer(path, offset1, offset2).value_or(0) != 0;
}

std::vector<int> FrameSnapshot::members(std::initializer_list<const char*> path) const
{
    std::vector<int> result;
    d->read(path, -1, -1, &result);
    return result;
}

const kernel::Zone* FrameSnapshot::zone(int zone) const
{
    return frame().zone(zone);
}

const std::vector<double>* FrameSnapshot::values(int zone, int variable) const
{
    const kernel::Zone* z = this->zone(zone);
    if (!z || variable < 1 || variable > static_cast<int>(z->values.size()))
        return nullptr;
    const std::vector<double>& values = z->values[static_cast<std::size_t>(variable - 1)];
    return values.empty() ? nullptr : &values;
}

bool FrameSnapshot::hasValues() const
{
    for (const kernel::Zone& zone : frame().zones) {
        for (const std::vector<double>& values : zone.values) {
            if (!values.empty())
                return true;
        }
    }
    return false;
}

std::string FrameSnapshot::lineMapName(int map) const
{
    const std::optional<std::string> name = text({"LINEMAP", "NAME"}, map);
    return kernel::resolveLineMapText(frame(), map, name.value_or(std::string()));
}

unsigned int FrameSnapshot::basicColorRgb(int color)
{
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    if (!VexUtilColorMapGetBasicColorRGB(color, &red, &green, &blue))
        return 0;
    return (static_cast<unsigned int>(red) << 16) | (static_cast<unsigned int>(green) << 8) | blue;
}

} // namespace kestrix::hostsim::render
