#pragma once

class QImage;

namespace kestrix::testing {

// Counts and comparisons of drawn pictures, for tests that read back what was written.
class PictureMeasures {
public:
    // Pixels darker than the white background.
    static int drawnPixels(const QImage& image);
    // Pixels whose red, green and blue differ: anything but white, black and greys.
    static int nonGreyPixels(const QImage& image);
    // The mean absolute difference of two pictures of one size, per colour channel, 0 to 255.
    static double meanDifference(const QImage& a, const QImage& b);
};

} // namespace kestrix::testing
