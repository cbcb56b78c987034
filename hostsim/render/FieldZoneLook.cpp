#include "FieldZoneLook.h"

#include "FieldMapStyle.h"
#include "FieldPalette.h"
#include "FieldPen.h"
#include "FieldZone.h"
#include "FrameSnapshot.h"

#include <kxsdkbase/Enumerations.h>

namespace kestrix::hostsim::render {

namespace {

QPen penFor(const FieldColoring& coloring, const FieldLineStyle& line, double pixelsPerPercent)
{
    return FieldPen::make(coloring.uniform(), line, pixelsPerPercent);
}

} // namespace

FieldZoneLook FieldZoneLook::make(const FieldZone& zone, const FieldPalette& palette, const FrameSnapshot& snapshot,
                                  double pixelsPerPercent, bool lighting)
{
    const FieldMapStyle& style = zone.style();
    const int number = zone.number();
    const auto colorFor = [&](int color) { return FieldColoring::forColor(palette, snapshot, number, color); };
    FieldZoneLook look;
    look.opacity = style.translucent ? (255 * (100 - style.translucency)) / 100 : 255;
    if (style.contour) {
        look.contourType = style.contourType;
        if (style.contourType != ContourType_Lines) {
            const FieldColoring flood = FieldColoring::forFlood(palette, snapshot, number, style.floodColoring);
            if (flood.isValid())
                look.flood = flood;
            look.floodLighting = lighting && style.contourLighting;
        }
        if (style.contourType == ContourType_Lines || style.contourType == ContourType_Overlay) {
            const std::vector<double>* values = snapshot.values(number, palette.groupVariable(style.lineGroup));
            if (values && static_cast<long>(values->size()) == zone.nodeCount()) {
                look.lineValues = values;
                look.levels = palette.groupLevels(style.lineGroup);
                look.lineMap = palette.groupMap(style.lineGroup);
            }
            // A multi-colour line takes the colour of its level.
            look.linesByLevel = FieldPalette::groupOfColor(style.contourLine.color) >= 0;
            look.contourLine = colorFor(look.linesByLevel ? 0 : style.contourLine.color);
            look.contourPen = penFor(*look.contourLine, style.contourLine, pixelsPerPercent);
        }
    }
    if (style.shade) {
        look.shade = colorFor(style.shadeColor);
        look.shadeLighting = lighting && style.shadeLighting;
    }
    if (style.mesh) {
        look.mesh = colorFor(style.meshLine.color);
        look.meshPen = penFor(*look.mesh, style.meshLine, pixelsPerPercent);
        look.hiddenLine = style.meshType == MeshType_HiddenLine;
    }
    if (style.vector) {
        look.vector = colorFor(style.vectorLine.color);
        look.vectorPen = penFor(*look.vector, style.vectorLine, pixelsPerPercent);
    }
    if (style.scatter) {
        look.scatter = colorFor(style.scatterColor);
        FieldLineStyle outline;
        outline.thickness = style.scatterThickness;
        look.scatterPen = penFor(*look.scatter, outline, pixelsPerPercent);
    }
    if (style.edge) {
        look.edge = colorFor(style.edgeLine.color);
        look.edgePen = penFor(*look.edge, style.edgeLine, pixelsPerPercent);
    }

    const long middle = zone.nodeCount() / 2;
    if (look.flood)
        look.dot = look.flood->at(middle);
    else if (look.shade)
        look.dot = look.shade->at(middle);
    else if (look.mesh)
        look.dot = look.mesh->at(middle);
    else if (look.lineValues && look.contourLine)
        look.dot = look.contourLine->at(middle);
    else if (look.edge)
        look.dot = look.edge->at(middle);
    else if (look.scatter)
        look.dot = look.scatter->at(middle);
    else if (look.vector)
        look.dot = look.vector->at(middle);
    return look;
}

} // namespace kestrix::hostsim::render
