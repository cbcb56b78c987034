#pragma once

#include <QDoubleSpinBox>

namespace kestrix::ui {

// A double spin box that shows very large and very small values in exponent notation and
// accepts exponent input ("1e-5").
class QScientificSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit QScientificSpinBox(QWidget* parent = nullptr);

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;
};

} // namespace kestrix::ui
