#pragma once

#include <QString>

namespace kestrix::hostsim::render {

class FrameSnapshot;

// The node and cell labels of a field plot ("GLOBALSCATTER" "DATALABELS"): which are shown,
// what they say (the index, or a variable's value in the number format), how often, in which
// colour and font, and how high.
struct LabelStyle {
    static LabelStyle read(const FrameSnapshot& snapshot);

    bool isShown() const { return showNodes || showCells; }
    // The text height in pixels: "HEIGHT" in its "SIZEUNITS" for a frame `frameHeight` pixels
    // high that stands for `frameInches` inches, with `pixelsPerGridUnit` pixels to one unit
    // of the Y axis.
    double pixelHeight(double frameHeight, double frameInches, double pixelsPerGridUnit) const;
    // A value in "NUMFORMAT" "FORMATTING" (integer, fixed, exponent; otherwise the shorter of
    // fixed and exponent) with "PRECISION" digits.
    QString number(double value) const;

    bool showNodes = false;
    bool showCells = false;
    // 0 the index, 1 the variable's value.
    int nodeType = 0;
    int cellType = 0;
    int nodeVariable = 0;
    int cellVariable = 0;
    long indexSkip = 1;
    bool includeBox = false;
    bool colorByMap = false;
    int color = 0;
    QString family;
    double height = 11.0;
    int sizeUnits = 2;
    int formatting = 3;
    int precision = 3;
};

} // namespace kestrix::hostsim::render
