#pragma once

#include <QString>

namespace kestrix::workbench {

// What the command line asks of the workbench. An empty scene file and scene generator
// mean the built-in demo scene.
struct WorkbenchOptions {
    bool help = false;
    bool offscreen = false;
    QString sceneFile;
    QString sceneGenerator;
    QString dialogToOpen;
    QString screenshotFile;
};

} // namespace kestrix::workbench
