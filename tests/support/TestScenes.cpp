#include "support/TestScenes.h"

#include "hostsim/Host.h"

#include <QtTest>

namespace kestrix::testing {

QByteArray TestScenes::mixed()
{
    return QByteArrayLiteral(R"({
  "pages": [ { "frames": [
    { "name": "Wing", "plotType": 1,
      "variables": ["X", "Y", "Z", "P"],
      "zones": [
        { "name": "wing 1", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true },
        { "name": "wing 2", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true },
        { "name": "wing 3", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true },
        { "name": "wing 4", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true },
        { "name": "wing 5", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true },
        { "name": "wing 6", "ordered": true, "imax": 4, "jmax": 3, "kmax": 2, "volume": true } ],
      "activeFieldMaps": [1, 2, 4, 5, 6],
      "style": [
        { "path": ["FIELDMAP", "GROUP"], "objects": [1, 3, 5], "value": 1 },
        { "path": ["FIELDMAP", "GROUP"], "objects": [2, 4, 6], "value": 2 } ] },
    { "name": "Lines", "plotType": 3,
      "variables": ["T", "U", "V"],
      "zones": [ { "name": "probe", "ordered": true, "imax": 20, "jmax": 1, "kmax": 1 } ],
      "lineMaps": [
        { "name": "first", "zone": 1, "x": 1, "y": 2 },
        { "name": "second", "zone": 1, "x": 1, "y": 3 },
        { "name": "&ZN&: &DV&", "zone": 1, "x": 1, "y": 2 },
        { "name": "fourth", "zone": 1, "x": 1, "y": 3 } ] },
    { "name": "Polar", "plotType": 5,
      "variables": ["Theta", "R"],
      "zones": [ { "name": "ring", "ordered": true, "imax": 36, "jmax": 1, "kmax": 1 } ],
      "lineMaps": [
        { "name": "inner", "zone": 1, "x": 1, "y": 2 },
        { "name": "outer", "zone": 1, "x": 1, "y": 2 } ] },
    { "name": "Slice", "plotType": 2,
      "variables": ["X", "Y"],
      "zones": [
        { "name": "left", "ordered": true, "imax": 5, "jmax": 5, "kmax": 1 },
        { "name": "right", "ordered": true, "imax": 5, "jmax": 5, "kmax": 1 } ] } ] } ],
  "current": { "page": 1, "frame": 1 } })");
}

QByteArray TestScenes::threeFramesOfDifferentSizes()
{
    return QByteArrayLiteral(R"({ "pages": [ { "frames": [
        { "name": "wide", "width": 9, "height": 6 },
        { "name": "square", "width": 4, "height": 4 },
        { "name": "low", "width": 6, "height": 3 } ] } ] })");
}

QByteArray TestScenes::empty()
{
    return QByteArrayLiteral(R"({ "pages": [ { "frames": [] } ] })");
}

bool TestScenes::load(const QByteArray& json)
{
    QString error;
    const bool loaded = hostsim::Host::instance().loadSceneJson(json, &error);
    if (!loaded)
        qWarning("scene refused: %s", qPrintable(error));
    return loaded;
}

} // namespace kestrix::testing
