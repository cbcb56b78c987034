#pragma once

#include <QSpinBox>

namespace kestrix::ui {

class IntegralSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit IntegralSpinBox(QWidget* parent = nullptr);
};

} // namespace kestrix::ui
