#pragma once

#include "WindowPicture.h"

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
    WindowPicture::Part screenshotPart = WindowPicture::Part::WindowAndDialogs;
    // Drawing one frame into a picture file, without a window.
    QString exportFile;
    int exportWidth = 1200;
    // 1-based on the current page; 0 for the current frame.
    int exportFrame = 0;
    // The language of the dialogs' texts and of Qt's own; empty for English, as written.
    QString language;
};

} // namespace kestrix::workbench
