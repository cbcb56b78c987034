#pragma once

#include "SurfaceSet.h"

namespace kestrix::hostsim::kernel {
struct Zone;
}

namespace kestrix::hostsim::render {

struct FieldMapStyle;

// Which surfaces of a zone are drawn. A zone with one or two index ranges above 1 is its own
// line or surface. A volume zone shows what "SURFACES" "SURFACESTOPLOT" selects: its boundary
// (also for "exposed cell faces", as nothing is blanked), the I-, J- or K-planes of the
// "IRANGE", "JRANGE" and "KRANGE", every plane, or nothing. Finite-element zones are drawn
// from their connectivity: surface zones show their elements, volume zones the faces that
// only one element has (the faces of all elements for "all surfaces"; planes, which such
// zones do not have, show the boundary too). A zone without connectivity has no surfaces.
class SurfaceExtractor {
public:
    static SurfaceSet extract(const kernel::Zone& zone, const FieldMapStyle& style);
};

} // namespace kestrix::hostsim::render
