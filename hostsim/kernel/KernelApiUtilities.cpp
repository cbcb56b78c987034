// Locks, undo states, colours, axes, units, export sizes, fonts and kernel strings.

#include "Kernel.h"
#include "KernelHandles.h"

#include "hostsim/export/PageLayout.h"

#include <kxsdkbase/KernelApi.h>

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using kestrix::hostsim::kernel::Kernel;

namespace {

constexpr double PointsPerInch = 72.0;
constexpr double PointsPerScreenPixel = 0.75;
// The axes take this share of the frame's height: axis percent and grid units measure along
// the Y axis, frame percent along the whole frame.
constexpr double AxisShareOfFrameHeight = 0.8;

double frameHeightInPoints()
{
    const auto* frame = Kernel::instance().currentFrame();
    return (frame ? frame->heightInches : 6.0) * PointsPerInch;
}

// Grid units per frame percent: the Y range spans the axis's share of the frame.
double gridUnitsPerFramePercent()
{
    double minimum = 0.0;
    double maximum = 1.0;
    VexUtilAxisGetRange('Y', 1, &minimum, &maximum);
    const double span = maximum - minimum;
    return span > 0.0 ? span / (100.0 * AxisShareOfFrameHeight) : 1.0;
}

// Text heights in points are passed in hundredths of a point.
double toFramePercent(Units_e units, double value)
{
    switch (units) {
    case Units_Frame:
        return value;
    case Units_AxisPercentage:
        return value * AxisShareOfFrameHeight;
    case Units_Point:
        return value / 100.0 * 100.0 / frameHeightInPoints();
    case Units_Screen:
        return value * PointsPerScreenPixel * 100.0 / frameHeightInPoints();
    case Units_Grid:
        return value / gridUnitsPerFramePercent();
    default:
        return value;
    }
}

double fromFramePercent(Units_e units, double value)
{
    switch (units) {
    case Units_Frame:
        return value;
    case Units_AxisPercentage:
        return value / AxisShareOfFrameHeight;
    case Units_Point:
        return value * frameHeightInPoints();
    case Units_Screen:
        return value * frameHeightInPoints() / 100.0 / PointsPerScreenPixel;
    case Units_Grid:
        return value * gridUnitsPerFramePercent();
    default:
        return value;
    }
}

QColor basicColor(int index)
{
    static const QColor named[16] = {
        QColor(0, 0, 0),     QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),
        QColor(0, 255, 255), QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255),
        QColor(128, 128, 128), QColor(128, 0, 0), QColor(0, 128, 0),   QColor(0, 0, 128),
        QColor(0, 128, 128), QColor(128, 128, 0), QColor(128, 0, 128), QColor(192, 192, 192),
    };
    if (index < 16)
        return named[index];
    // The custom colours run around the hue circle in three brightness levels.
    const int custom = index - 16;
    const int hue = (custom % 16) * 360 / 16;
    const int value = 255 - (custom / 16) * 64;
    return QColor::fromHsv(hue, 200, value);
}

} // namespace

void VexUtilLockStart(ImplicitMacroRecording_e)
{
    Kernel::instance().lockStart();
}

void VexUtilLockFinish()
{
    Kernel::instance().lockFinish();
}

void VexUtilUndoStateBegin(int)
{
    Kernel::instance().undoStateBegin();
}

void VexUtilUndoStateEnd(bool, bool doCommit)
{
    Kernel::instance().undoStateEnd(doCommit);
}

bool VexUtilColorMapGetBasicColorRGB(int basicColor, unsigned char* red, unsigned char* green, unsigned char* blue)
{
    if (basicColor < 0 || basicColor > 63)
        return false;
    const QColor color = ::basicColor(basicColor);
    if (red)
        *red = static_cast<unsigned char>(color.red());
    if (green)
        *green = static_cast<unsigned char>(color.green());
    if (blue)
        *blue = static_cast<unsigned char>(color.blue());
    return true;
}

void VexUtilAxisGetRange(char axis, int axisNumber, double* minimum, double* maximum)
{
    const auto* frame = Kernel::instance().currentFrame();
    const auto range = frame ? frame->axisRange(axis, axisNumber) : kestrix::hostsim::kernel::AxisRange{};
    if (minimum)
        *minimum = range.minimum;
    if (maximum)
        *maximum = range.maximum;
}

double VexUtilConvertUnits(Units_e oldUnits, Units_e newUnits, double value)
{
    if (oldUnits == newUnits)
        return value;
    return fromFramePercent(newUnits, toFramePercent(oldUnits, value));
}

int VexUtilGetDefaultExportImageWidth(ExportFormat_e, int exportRegion)
{
    // The region's width at 100 pixels per inch, within the range the image width takes.
    constexpr double PixelsPerInch = 100.0;
    constexpr double LargestImageWidth = 100000.0;
    if (exportRegion < 0 || exportRegion > 2)
        return 0;
    const auto layout = kestrix::hostsim::exporting::PageLayout::ofCurrentPage(exportRegion);
    if (layout.isNull())
        return 0;
    const double width = std::round(layout.sizeInches().width() * PixelsPerInch);
    return static_cast<int>(std::clamp(width, 1.0, LargestImageWidth));
}

void VexAppGetFontNameList(StringList_pa fontNames)
{
    if (!fontNames)
        return;
    for (const char* name : {"Times New Roman", "Helvetica", "Courier New", "Arial", "DejaVu Sans", "Symbol"})
        fontNames->strings.emplace_back(name);
}

bool VexAppGetDefaultFontFamily(char** family)
{
    if (!family)
        return false;
    *family = strdup("Helvetica");
    return true;
}

void VexUtilStringDealloc(char** string)
{
    if (!string)
        return;
    std::free(*string);
    *string = nullptr;
}
