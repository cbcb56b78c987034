#pragma once

#include "Scene.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace kestrix::hostsim::kernel {

// Builds a scene from its JSON text (docs/scene-format.md). The scene is built aside; a
// refused scene gives null and a message naming the place and the problem, e.g.
// "pages[0].frames[1].zones[2].imax: expected an integer from 1 to 100000000, got 0".
class SceneLoader {
public:
    static std::unique_ptr<Scene> load(const QByteArray& json, QString* error);
};

} // namespace kestrix::hostsim::kernel
