#include "LineLabelFormat.h"

#include "FrameSnapshot.h"

#include <kxsdkbase/Enumerations.h>

#include <cmath>

namespace kestrix::hostsim::render {

LineLabelFormat LineLabelFormat::read(const FrameSnapshot& snapshot)
{
    const auto integer = [&](const char* keyword, long fallback) {
        return static_cast<int>(
            snapshot.integer({"GLOBALLINEPLOT", "DATALABELS", "NUMFORMAT", keyword}).value_or(fallback));
    };
    const auto text = [&](const char* keyword) {
        return QString::fromStdString(
            snapshot.text({"GLOBALLINEPLOT", "DATALABELS", "NUMFORMAT", keyword}).value_or(std::string()));
    };
    LineLabelFormat format;
    format.m_formatting = integer("FORMATTING", NumberFormat_BestFloat);
    format.m_precision = integer("PRECISION", 3);
    format.m_decimalsOnWholeNumbers = integer("SHOWDECIMALSONWHOLENUMBERS", 0) != 0;
    format.m_removeLeadingZeros = integer("REMOVELEADINGZEROS", 0) != 0;
    format.m_showNegativeSign = integer("SHOWNEGATIVESIGN", 1) != 0;
    format.m_positivePrefix = text("POSITIVEPREFIX");
    format.m_positiveSuffix = text("POSITIVESUFFIX");
    format.m_zeroPrefix = text("ZEROPREFIX");
    format.m_zeroSuffix = text("ZEROSUFFIX");
    format.m_negativePrefix = text("NEGATIVEPREFIX");
    format.m_negativeSuffix = text("NEGATIVESUFFIX");
    return format;
}

QString LineLabelFormat::text(double value) const
{
    if (!std::isfinite(value))
        return QString::number(value);
    const double magnitude = std::abs(value);
    QString digits;
    switch (m_formatting) {
    case NumberFormat_Integer:
        digits = QString::number(std::round(magnitude), 'f', 0);
        break;
    case NumberFormat_FixedFloat:
        digits = QString::number(magnitude, 'f', m_precision);
        break;
    case NumberFormat_Exponential:
    case NumberFormat_SuperScript:
        digits = QString::number(magnitude, 'e', m_precision);
        break;
    default:
        digits = QString::number(magnitude, 'g', std::max(1, m_precision));
        if (m_decimalsOnWholeNumbers && magnitude == std::floor(magnitude) && !digits.contains(QLatin1Char('e')))
            digits += QLatin1String(".0");
        break;
    }
    if (m_removeLeadingZeros && digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    const bool zero = value == 0.0 || digits.count(QLatin1Char('0')) + digits.count(QLatin1Char('.')) == digits.size();
    if (zero)
        return m_zeroPrefix + digits + m_zeroSuffix;
    if (value < 0.0)
        return m_negativePrefix + (m_showNegativeSign ? QStringLiteral("-") : QString()) + digits + m_negativeSuffix;
    return m_positivePrefix + digits + m_positiveSuffix;
}

} // namespace kestrix::hostsim::render
