#pragma once

#include "dialogs/zonestyle/intern/views/PopupDialogBase.h"

#include <QStringList>

#include <memory>

namespace kestrix::ui {
class ComboBoxAutoFilter;
}

namespace Ui {
class ComboBoxEdit;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// A popup combo box over a list of choices, starting at the current one.
class ComboBoxDialog : public PopupDialogBase {
    Q_OBJECT
public:
    ComboBoxDialog(const QPoint& position, QWidget* parent, const QStringList& items, const QString& current,
                   int width);
    ~ComboBoxDialog() override;

    // The chosen row, -1 if none.
    int currentIndex() const;
    kestrix::ui::ComboBoxAutoFilter* comboBox() const;

private:
    std::unique_ptr<Ui::ComboBoxEdit> m_ui;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
