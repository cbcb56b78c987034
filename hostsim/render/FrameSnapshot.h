#pragma once

#include <kxsdkbase/KernelApi.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrix::hostsim::kernel {
struct Frame;
struct Zone;
} // namespace kestrix::hostsim::kernel

namespace kestrix::hostsim::render {

// Everything a frame's picture is drawn from, copied out of the kernel: the frame with its
// zones, maps and style, and the application's settings. Reading a snapshot needs no kernel,
// so a picture can be drawn on any thread while the kernel goes on.
class FrameSnapshot {
public:
    // The frame with this unique id, or the current frame for 0; null when there is none.
    static std::shared_ptr<const FrameSnapshot> capture(UniqueID_t frameId = 0);
    // The same frame drawing only what belongs to one zone (1-based), as a movie's step through
    // the zones shows it: of a field frame the zone alone, of a line frame the line maps that
    // plot the zone, or the whole frame when none does. The other zones still count for the
    // field frame's extent, so that every step keeps the same scale. Null when there is no such
    // frame or zone.
    static std::shared_ptr<const FrameSnapshot> captureShowingZone(UniqueID_t frameId, int zone);

    ~FrameSnapshot();
    FrameSnapshot(const FrameSnapshot&) = delete;
    FrameSnapshot& operator=(const FrameSnapshot&) = delete;

    const kernel::Frame& frame() const;
    int plotType() const;
    // Size on the page, in inches.
    double widthInches() const;
    double heightInches() const;

    // Style values as the kernel reads them, defaults included, by the keyword paths the
    // dialogs write ("LINEMAP" "LINES" "COLOR" with the map as offset1). Nothing for a path
    // the kernel does not know or an object that does not exist.
    std::optional<long> integer(std::initializer_list<const char*> path, int offset1 = -1, int offset2 = -1) const;
    std::optional<double> number(std::initializer_list<const char*> path, int offset1 = -1, int offset2 = -1) const;
    std::optional<std::string> text(std::initializer_list<const char*> path, int offset1 = -1, int offset2 = -1) const;
    bool isOn(std::initializer_list<const char*> path, int offset1 = -1, int offset2 = -1) const;
    // The members of a set-valued setting ("ACTIVELINEMAPS").
    std::vector<int> members(std::initializer_list<const char*> path) const;

    // The zone (1-based), or null.
    const kernel::Zone* zone(int zone) const;
    // The node values of a zone's variable (both 1-based); null when the scene gives none.
    const std::vector<double>* values(int zone, int variable) const;
    // Whether any zone of the frame carries node values.
    bool hasValues() const;
    // A line map's name with its dynamic codes resolved.
    std::string lineMapName(int map) const;
    // An RGB colour of the host's basic colours (0 to 63); black for anything else.
    static unsigned int basicColorRgb(int color);

private:
    FrameSnapshot();
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::hostsim::render
