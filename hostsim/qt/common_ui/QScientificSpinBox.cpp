#include <common_ui_qt/QScientificSpinBox.h>

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace kestrix::ui {

namespace {

// Values at least this large are written with an exponent; smaller ones in fixed notation.
constexpr double ExponentThreshold = 1e6;

QString trimTrailingZeros(QString text, QChar decimalPoint)
{
    const int exponent = text.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    QString mantissa = exponent < 0 ? text : text.left(exponent);
    const QString suffix = exponent < 0 ? QString() : text.mid(exponent);
    if (mantissa.contains(decimalPoint)) {
        while (mantissa.endsWith(QLatin1Char('0')))
            mantissa.chop(1);
        if (mantissa.endsWith(decimalPoint))
            mantissa.chop(1);
    }
    return mantissa + suffix;
}

} // namespace

QScientificSpinBox::QScientificSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{
}

QString QScientificSpinBox::textFromValue(double value) const
{
    QLocale numberLocale = locale();
    numberLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    const bool useExponent = std::isfinite(value) && std::fabs(value) >= ExponentThreshold;
    const QString text = useExponent ? numberLocale.toString(value, 'e', decimals())
                                     : numberLocale.toString(value, 'f', decimals());
    return trimTrailingZeros(text, numberLocale.decimalPoint().at(0));
}

double QScientificSpinBox::valueFromText(const QString& text) const
{
    QString number = text;
    if (!prefix().isEmpty() && number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    number = number.trimmed();
    bool ok = false;
    double value = locale().toDouble(number, &ok);
    if (!ok)
        value = QLocale::c().toDouble(number, &ok);
    return ok ? value : this->value();
}

QValidator::State QScientificSpinBox::validate(QString& text, int& position) const
{
    Q_UNUSED(position)
    QString number = text;
    if (!prefix().isEmpty() && number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    number = number.trimmed();
    if (number.isEmpty())
        return QValidator::Intermediate;

    const QString point = QRegularExpression::escape(locale().decimalPoint());
    static const QString partialPattern =
        QStringLiteral("^[+-]?(\\d*(%1|\\.)?\\d*)([eE][+-]?\\d*)?$");
    const QRegularExpression partial(partialPattern.arg(point));
    if (!partial.match(number).hasMatch())
        return QValidator::Invalid;

    bool ok = false;
    double value = locale().toDouble(number, &ok);
    if (!ok)
        value = QLocale::c().toDouble(number, &ok);
    if (!ok)
        return QValidator::Intermediate;
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

} // namespace kestrix::ui
