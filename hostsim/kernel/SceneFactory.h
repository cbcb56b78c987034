#pragma once

#include "Scene.h"

#include <memory>
#include <string>

namespace kestrix::hostsim::kernel {

// Scenes built in code: the empty scene, the demo scene and generated scenes of many maps.
class SceneFactory {
public:
    static std::unique_ptr<Scene> empty();
    // Page 1: a 3D frame "Wing", a 2D frame "Section", an x-y line frame "Pressure" and a
    // polar line frame "Polar".
    static std::unique_ptr<Scene> demo();
    // "field3d:N", "field2d:N", "xy:N" or "polar:N": one frame with N maps. Null with a
    // message for anything else.
    static std::unique_ptr<Scene> generated(const std::string& description, std::string* error);
};

} // namespace kestrix::hostsim::kernel
