#include "LinePlotLayers.h"

#include "FrameSnapshot.h"

namespace kestrix::hostsim::render {

LinePlotLayers LinePlotLayers::read(const FrameSnapshot& snapshot)
{
    LinePlotLayers layers;
    layers.lines = snapshot.isOn({"LINEPLOTLAYERS", "SHOWLINES"});
    layers.symbols = snapshot.isOn({"LINEPLOTLAYERS", "SHOWSYMBOLS"});
    layers.errorBars = snapshot.isOn({"LINEPLOTLAYERS", "SHOWERRORBARS"});
    layers.barCharts = snapshot.isOn({"LINEPLOTLAYERS", "SHOWBARCHARTS"});
    return layers;
}

} // namespace kestrix::hostsim::render
