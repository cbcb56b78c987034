#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace kestrix::sdk::ui::dialogs::fontselect::intern {

// A line edit with a validator finishes editing only on input the validator accepts; this
// reports the other case, the field losing the focus with input the validator does not accept
// (empty, a lone sign, a number too large to hold), so that the field can be reset.
class UnacceptableInputWatcher : public QObject {
    Q_OBJECT
public:
    explicit UnacceptableInputWatcher(QLineEdit& lineEdit);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void leftWithUnacceptableInput();

private:
    QLineEdit& m_lineEdit;
    QWidget& m_focusHolder;
};

} // namespace kestrix::sdk::ui::dialogs::fontselect::intern
