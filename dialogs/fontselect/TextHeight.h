#pragma once

#include "dialogs/fontselect/RangeLimitedValue.h"

#include <kxsdkbase/Enumerations.h>

namespace kestrix::sdk::ui::dialogs {

// The height of a text with the units it is measured in: grid units, frame percent, points or
// axis percent. The height always lies in the range of its units. Invalid units or a height
// outside their range are refused with an InvalidArgumentException.
class TextHeight {
public:
    // The default height of the units.
    explicit TextHeight(Units_e units);
    TextHeight(double height, Units_e units);

    Units_e units() const { return m_units; }
    double height() const { return m_height.value(); }
    bool isValidHeight(double height) const;
    void setHeight(double height);
    // Converts the height through the host into the new units and clamps it into their range.
    void changeUnits(Units_e newUnits);

    // One range and one default per units, for every dialog that edits a text height.
    static bool isValidUnits(int units);
    static double minimumHeight(Units_e units);
    static double maximumHeight(Units_e units);
    static double defaultHeight(Units_e units);

private:
    Units_e m_units;
    RangeLimitedValue m_height;
};

} // namespace kestrix::sdk::ui::dialogs
