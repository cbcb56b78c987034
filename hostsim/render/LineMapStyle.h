#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>

#include <string>

namespace kestrix::hostsim::render {

class FrameSnapshot;
class LinePlotLayers;

// How a line map looks: its lines and curve, symbols, error bars and bars. Sizes and thicknesses are percent of the
// frame's height, as the kernel stores them; the pens and brushes come out in device pixels for a frame of a given
// height.
class LineMapStyle {
public:
    struct Lines {
        bool show = false;
        int color = 0;
        double thickness = 0.1;
        int pattern = 0;
        double patternLength = 2.0;
    };
    struct Curves {
        int type = 0;
        int pointCount = 200;
        int polynomialOrder = 3;
        bool useRange = false;
        double rangeMinimum = 0.0;
        double rangeMaximum = 1.0;
        bool clamped = false;
        double startSlope = 0.0;
        double endSlope = 0.0;
        int weightVariable = 0; // 0: every point weighs the same
    };
    struct Symbols {
        bool show = false;
        bool isAscii = false;
        int shape = 0;
        std::string character;
        bool useBaseFont = true;
        int font = 2;
        double size = 2.5;
        double skipping = 1.0;
        int skipMode = 0;
        int color = 0;
        double thickness = 0.1;
        int fillMode = 0;
        int fillColor = 1;
    };
    struct ErrorBars {
        bool show = false;
        int variable = 0;
        int barType = 5;
        double skipping = 1.0;
        int skipMode = 0;
        int color = 0;
        double size = 2.5;
        double thickness = 0.1;
    };
    struct BarCharts {
        bool show = false;
        double size = 2.5;
        int color = 0;
        double thickness = 0.1;
        int fillMode = 1;
        int fillColor = 3;
    };

    // Only what the frame's layers let the map draw is read; the rest stays switched off.
    static LineMapStyle read(const FrameSnapshot& snapshot, int map, const LinePlotLayers& layers);

    QColor color(int setting) const;
    QPen linePen(double frameHeight) const;
    QPen symbolPen(double frameHeight) const;
    QBrush symbolBrush() const;
    QPen errorBarPen(double frameHeight) const;
    QPen barPen(double frameHeight) const;
    QBrush barBrush() const;
    // Percent of the frame's height in pixels.
    static double pixels(double percent, double frameHeight);

    int map = 0;
    Lines lines;
    Curves curves;
    Symbols symbols;
    ErrorBars errorBars;
    BarCharts barCharts;
};

} // namespace kestrix::hostsim::render
