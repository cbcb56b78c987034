#pragma once

#include <QLineEdit>

namespace kestrix::sdk::ui::dialogs::uicontrols {

// A line edit that keeps Return and Enter to itself: they still emit returnPressed() and
// editingFinished(), but never reach the enclosing dialog, whose default button would
// otherwise be pressed as well.
class EnterKeySwallowingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit EnterKeySwallowingLineEdit(QWidget* parent = nullptr);
    ~EnterKeySwallowingLineEdit() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kestrix::sdk::ui::dialogs::uicontrols
