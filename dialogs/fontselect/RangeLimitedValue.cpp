#include "dialogs/fontselect/RangeLimitedValue.h"

#include <exception/ExceptionBase.h>

#include <sstream>

namespace kestrix::sdk::ui::dialogs {

RangeLimitedValue::RangeLimitedValue() : RangeLimitedValue(0.0, -1e150, 1e150) {}

RangeLimitedValue::RangeLimitedValue(double value, double minimum, double maximum)
    : m_minimum(minimum),
      m_maximum(maximum),
      m_value(value)
{
    // Written as a negation so that a NaN bound is refused as well.
    if (!(minimum <= maximum))
        throw InvalidArgumentException("Error creating RangeLimitedValue. Min must be less than Max.");
    checkInRange(value);
}

bool RangeLimitedValue::isInRange(double value) const
{
    return value >= m_minimum && value <= m_maximum;
}

void RangeLimitedValue::setValue(double value)
{
    checkInRange(value);
    m_value = value;
}

void RangeLimitedValue::checkInRange(double value) const
{
    if (isInRange(value))
        return;
    std::ostringstream message;
    message << "The value " << value << " is out of range.\nValue must be between: " << m_minimum << " and "
            << m_maximum;
    throw InvalidArgumentException(message.str());
}

} // namespace kestrix::sdk::ui::dialogs
