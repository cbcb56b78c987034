#include "dialogs/fontselect/TextHeight.h"

#include <exception/ExceptionBase.h>
#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/AppLock.h>

#include <algorithm>
#include <cmath>

namespace kestrix::sdk::ui::dialogs {

namespace {

struct UnitsLimits {
    double minimum;
    double maximum;
    double defaultHeight;
};

const char* const InvalidUnitsMessage = "Invalid units parameter passed to TextHeight";
const char* const InvalidHeightMessage = "Invalid height parameter passed to TextHeight";

// The host converts heights in points counted in hundredths.
constexpr double PointsConversionFactor = 100.0;

UnitsLimits limitsOf(Units_e units)
{
    switch (units) {
    case Units_Grid:
        return {1e-150, 1e150, 1.0};
    case Units_Frame:
    case Units_AxisPercentage:
        return {1e-150, 200.0, 3.0};
    case Units_Point:
        return {0.5, 2500.0, 11.0};
    default:
        throw InvalidArgumentException(InvalidUnitsMessage);
    }
}

RangeLimitedValue heightInRange(double height, Units_e units)
{
    const UnitsLimits limits = limitsOf(units);
    if (!(height >= limits.minimum && height <= limits.maximum))
        throw InvalidArgumentException(InvalidHeightMessage);
    return RangeLimitedValue(height, limits.minimum, limits.maximum);
}

} // namespace

TextHeight::TextHeight(Units_e units) : TextHeight(defaultHeight(units), units) {}

TextHeight::TextHeight(double height, Units_e units) : m_units(units), m_height(heightInRange(height, units)) {}

bool TextHeight::isValidHeight(double height) const
{
    return m_height.isInRange(height);
}

void TextHeight::setHeight(double height)
{
    m_height.setValue(height);
}

void TextHeight::changeUnits(Units_e newUnits)
{
    const UnitsLimits limits = limitsOf(newUnits);
    if (newUnits == m_units)
        return;
    double height = m_height.value();
    if (m_units == Units_Point)
        height *= PointsConversionFactor;
    {
        AppLock lock(ImplicitMacroRecording_Off);
        height = VexUtilConvertUnits(m_units, newUnits, height);
    }
    if (newUnits == Units_Point)
        height /= PointsConversionFactor;
    // A conversion the host cannot make leaves no height to clamp.
    const double converted =
        std::isnan(height) ? limits.defaultHeight : std::clamp(height, limits.minimum, limits.maximum);
    m_height = RangeLimitedValue(converted, limits.minimum, limits.maximum);
    m_units = newUnits;
}

bool TextHeight::isValidUnits(int units)
{
    return units == Units_Grid || units == Units_Frame || units == Units_Point || units == Units_AxisPercentage;
}

double TextHeight::minimumHeight(Units_e units)
{
    return limitsOf(units).minimum;
}

double TextHeight::maximumHeight(Units_e units)
{
    return limitsOf(units).maximum;
}

double TextHeight::defaultHeight(Units_e units)
{
    return limitsOf(units).defaultHeight;
}

} // namespace kestrix::sdk::ui::dialogs
