#pragma once

#include <QDialog>

class QEventLoop;

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// A small frameless popup that edits one value at the mouse position. It starts accepted:
// Return, Enter, Tab and clicking elsewhere keep the value; Escape and the Cancel key
// reject it.
class PopupDialogBase : public QDialog {
    Q_OBJECT
public:
    PopupDialogBase(const QPoint& position, QWidget* parent);
    ~PopupDialogBase() override;

    // Shows the popup and returns its result once it has been hidden.
    virtual int run();

protected:
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    // Gives the popup's editing widget its drop shadow.
    static void addDropShadow(QWidget& widget);

private:
    QEventLoop* m_eventLoop = nullptr;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
