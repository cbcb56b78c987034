#pragma once

namespace kestrix::sdk::ui::dialogs {

// A number that never leaves its range: construction and the setter refuse any value outside
// minimum..maximum with an InvalidArgumentException.
class RangeLimitedValue {
public:
    // The value 0 in the widest range a style setting takes.
    RangeLimitedValue();
    RangeLimitedValue(double value, double minimum, double maximum);

    bool isInRange(double value) const;
    void setValue(double value);

    double value() const { return m_value; }
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }

private:
    void checkInRange(double value) const;

    double m_minimum;
    double m_maximum;
    double m_value;
};

} // namespace kestrix::sdk::ui::dialogs
