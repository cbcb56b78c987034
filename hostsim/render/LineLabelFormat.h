#pragma once

#include <QString>

namespace kestrix::hostsim::render {

class FrameSnapshot;

// How the point labels of a line frame write numbers ("GLOBALLINEPLOT" "DATALABELS"
// "NUMFORMAT"): integer, fixed, exponential or best float with its precision, the sign, and
// the prefix and suffix of positive, zero and negative values. The other formats (superscript,
// custom, dynamic, date) are written as best float.
class LineLabelFormat {
public:
    static LineLabelFormat read(const FrameSnapshot& snapshot);

    QString text(double value) const;

private:
    int m_formatting = 3;
    int m_precision = 3;
    bool m_decimalsOnWholeNumbers = false;
    bool m_removeLeadingZeros = false;
    bool m_showNegativeSign = true;
    QString m_positivePrefix;
    QString m_positiveSuffix;
    QString m_zeroPrefix;
    QString m_zeroSuffix;
    QString m_negativePrefix;
    QString m_negativeSuffix;
};

} // namespace kestrix::hostsim::render
