#pragma once

#include "dialogs/zonestyle/intern/views/PopupDialogBase.h"

#include <memory>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// The popup editor of a line-map name: a line edit, the list of dynamic codes the host
// resolves when it shows the name, and a button that puts the chosen code in place of the
// selected part of the name (or at the cursor). The line edit's tooltip shows the name as the
// host resolves it for the edited map.
class DynamicLineMapTextEditDialog : public PopupDialogBase {
    Q_OBJECT
public:
    // position: the global position of the right click; lineMap: the number of the edited map.
    DynamicLineMapTextEditDialog(const QPoint& position, const QString& text, int lineMap, QWidget* parent);
    ~DynamicLineMapTextEditDialog() override;

    QString text() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

public Q_SLOTS:
    void cursorPositionChanged(int oldPosition, int newPosition);
    void selectionChanged();
    void dynamicTextChanged(const QString& text);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
