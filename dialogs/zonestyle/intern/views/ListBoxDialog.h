#pragma once

#include "dialogs/zonestyle/intern/views/PopupDialogBase.h"

#include <QStringList>

#include <memory>

class QListWidgetItem;

namespace kestrix {
class ListBoxWidget;
}

namespace Ui {
class ListBox;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// A popup list of choices; clicking a choice takes it at once.
class ListBoxDialog : public PopupDialogBase {
    Q_OBJECT
public:
    ListBoxDialog(const QPoint& position, QWidget* parent, const QStringList& items, const QString& current,
                  int width);
    ~ListBoxDialog() override;

    // The chosen row, -1 if none.
    int currentRow() const;
    kestrix::ListBoxWidget* listBox() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void itemClicked(QListWidgetItem* item);

private:
    std::unique_ptr<Ui::ListBox> m_ui;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
