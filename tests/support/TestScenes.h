#pragma once

#include <QByteArray>

namespace kestrix::testing {

// Small scenes for tests, in the stand-in host's scene format. Loading one makes its first
// frame current.
class TestScenes {
public:
    // Page 1: frame 1 "Wing", 3D, six ordered volume zones "wing 1" .. "wing 6", one field map
    // each, map 3 inactive, groups 1, 2, 1, 2, 1, 2; frame 2 "Lines", x-y, four line maps;
    // frame 3 "Polar", polar, two line maps; frame 4 "Slice", 2D, two zones.
    static QByteArray mixed();
    // One page of three frames of different sizes: the current frame "wide" is 9 x 6 inches,
    // all frames tile to 13 x 9 inches (9 + 4 wide, 6 + 3 high) and the work area is the
    // 11 x 8.5 inch paper.
    static QByteArray threeFramesOfDifferentSizes();
    // A scene without any frame.
    static QByteArray empty();
    // Loads a scene into the stand-in host; false (with a test failure message) when refused.
    static bool load(const QByteArray& json);
};

} // namespace kestrix::testing
