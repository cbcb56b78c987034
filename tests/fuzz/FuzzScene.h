#pragma once

#include "FuzzCheck.h"
#include "QtFuzzApplication.h"

#include "hostsim/Host.h"

#include <QByteArray>
#include <QString>

namespace kestrix::fuzzing {

// Starts the application and loads the scene a target's inputs act on. A scene the host
// refuses ends the run before any input, since every input would then test nothing.
inline void startQtApplicationOnScene(int* argc, char*** argv, const QByteArray& scene)
{
    startQtApplication(argc, argv);
    QString error;
    KX_FUZZ_CHECK(hostsim::Host::instance().loadSceneJson(scene, &error), "the fuzzer's scene was refused: %s",
                  qPrintable(error));
}

} // namespace kestrix::fuzzing
