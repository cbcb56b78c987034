#include "FieldFrameStyle.h"

#include "FrameSnapshot.h"

namespace kestrix::hostsim::render {

FieldFrameStyle FieldFrameStyle::read(const FrameSnapshot& snapshot)
{
    FieldFrameStyle style;
    style.showMesh = snapshot.isOn({"FIELDLAYERS", "SHOWMESH"});
    style.showContour = snapshot.isOn({"FIELDLAYERS", "SHOWCONTOUR"});
    style.showVector = snapshot.isOn({"FIELDLAYERS", "SHOWVECTOR"});
    style.showScatter = snapshot.isOn({"FIELDLAYERS", "SHOWSCATTER"});
    style.showShade = snapshot.isOn({"FIELDLAYERS", "SHOWSHADE"});
    style.showEdge = snapshot.isOn({"FIELDLAYERS", "SHOWEDGE"});
    style.useLighting = snapshot.isOn({"FIELDLAYERS", "USELIGHTINGEFFECT"});
    style.useTranslucency = snapshot.isOn({"FIELDLAYERS", "USETRANSLUCENCY"});
    for (int group = 1; group <= 8; ++group)
        style.contourVariable[static_cast<std::size_t>(group)] =
            static_cast<int>(snapshot.integer({"GLOBALCONTOUR", "VAR"}, group).value_or(0));
    style.rgbVariable[0] = static_cast<int>(snapshot.integer({"GLOBALRGB", "REDCHANNELVAR"}).value_or(0));
    style.rgbVariable[1] = static_cast<int>(snapshot.integer({"GLOBALRGB", "GREENCHANNELVAR"}).value_or(0));
    style.rgbVariable[2] = static_cast<int>(snapshot.integer({"GLOBALRGB", "BLUECHANNELVAR"}).value_or(0));
    return style;
}

} // namespace kestrix::hostsim::render
