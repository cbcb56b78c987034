#include "dialogs/export/intern/NumberField.h"

#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace kestrix::sdk::ui::dialogs::exporting::intern {

std::optional<int> NumberField::integer(const QLineEdit& field, int minimum, int maximum)
{
    bool ok = false;
    const int value = QLocale().toInt(field.text().trimmed(), &ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<double> NumberField::positiveNumber(const QLineEdit& field)
{
    bool ok = false;
    const double value = QLocale().toDouble(field.text().trimmed(), &ok);
    if (!ok || !std::isfinite(value) || value <= 0.0)
        return std::nullopt;
    return value;
}

QString NumberField::integerText(int value)
{
    return QString::number(value);
}

QString NumberField::numberText(double value)
{
    return QLocale().toString(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace kestrix::sdk::ui::dialogs::exporting::intern
