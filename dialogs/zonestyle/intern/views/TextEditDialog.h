#pragma once

#include "dialogs/zonestyle/intern/views/PopupDialogBase.h"

#include <memory>

namespace Ui {
class TextEdit;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// A one-line text popup that starts with the whole text selected.
class TextEditDialog : public PopupDialogBase {
    Q_OBJECT
public:
    TextEditDialog(const QPoint& position, QWidget* parent, const QString& text);
    ~TextEditDialog() override;

    QString text() const;

private:
    std::unique_ptr<Ui::TextEdit> m_ui;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
