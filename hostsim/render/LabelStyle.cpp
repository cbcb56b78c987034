#include "LabelStyle.h"

#include "FrameSnapshot.h"

#include <kxsdkbase/Enumerations.h>

#include <algorithm>
#include <cmath>

namespace kestrix::hostsim::render {

namespace {

constexpr double PointsPerInch = 72.0;
constexpr double PointsPerScreenPixel = 0.75;
// The axes take this share of the frame's height, as the kernel's unit conversions have it.
constexpr double AxisShareOfFrameHeight = 0.8;

} // namespace

LabelStyle LabelStyle::read(const FrameSnapshot& snapshot)
{
    const auto integer = [&](std::initializer_list<const char*> path, long fallback) {
        return snapshot.integer(path).value_or(fallback);
    };
    LabelStyle style;
    style.showNodes = snapshot.isOn({"GLOBALSCATTER", "DATALABELS", "SHOWNODELABELS"});
    style.showCells = snapshot.isOn({"GLOBALSCATTER", "DATALABELS", "SHOWCELLLABELS"});
    if (!style.isShown())
        return style;
    style.nodeType = static_cast<int>(integer({"GLOBALSCATTER", "DATALABELS", "NODELABELTYPE"}, 0));
    style.cellType = static_cast<int>(integer({"GLOBALSCATTER", "DATALABELS", "CELLLABELTYPE"}, 0));
    style.nodeVariable = static_cast<int>(integer({"GLOBALSCATTER", "DATALABELS", "NODELABELVAR"}, 0));
    style.cellVariable = static_cast<int>(integer({"GLOBALSCATTER", "DATALABELS", "CELLLABELVAR"}, 0));
    style.indexSkip = std::max(1L, integer({"GLOBALSCATTER", "DATALABELS", "INDEXSKIP"}, 1));
    style.includeBox = snapshot.isOn({"GLOBALSCATTER", "DATALABELS", "INCLUDEBOX"});
    style.colorByMap = snapshot.isOn({"GLOBALSCATTER", "DATALABELS", "COLORBYZONEMAP"});
    style.color = static_cast<int>(integer({"GLOBALSCATTER", "DATALABELS", "COLOR"}, 0));
    style.family = QString::fromStdString(
        snapshot.text({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "FONTFAMILY"}).value_or("Helvetica"));
    style.height = snapshot.number({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "HEIGHT"}).value_or(11.0);
    style.sizeUnits = static_cast<int>(integer({"GLOBALSCATTER", "DATALABELS", "TEXTSHAPE", "SIZEUNITS"}, Units_Point));
    style.formatting =
        static_cast<int>(integer({"GLOBALSCATTER", "DATALABELS", "NUMFORMAT", "FORMATTING"}, NumberFormat_BestFloat));
    style.precision = static_cast<int>(integer({"GLOBALSCATTER", "DATALABELS", "NUMFORMAT", "PRECISION"}, 3));
    return style;
}

double LabelStyle::pixelHeight(double frameHeight, double frameInches, double pixelsPerGridUnit) const
{
    const double pixelsPerPoint = frameHeight / (std::max(0.1, frameInches) * PointsPerInch);
    switch (sizeUnits) {
    case Units_Grid:
        return height * pixelsPerGridUnit;
    case Units_Frame:
        return height / 100.0 * frameHeight;
    case Units_Screen:
        return height * PointsPerScreenPixel * pixelsPerPoint;
    case Units_AxisPercentage:
        return height / 100.0 * AxisShareOfFrameHeight * frameHeight;
    default:
        return height * pixelsPerPoint;
    }
}

QString LabelStyle::number(double value) const
{
    switch (formatting) {
    case NumberFormat_Integer:
        return QString::number(std::llround(value));
    case NumberFormat_FixedFloat:
        return QString::number(value, 'f', precision);
    case NumberFormat_Exponential:
        return QString::number(value, 'e', precision);
    default:
        return QString::number(value, 'g', std::max(1, precision));
    }
}

} // namespace kestrix::hostsim::render
