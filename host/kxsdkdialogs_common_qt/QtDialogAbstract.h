#pragma once

#include <kxsdkdialogs_common_qt/DialogInterface.h>

#include <QDialog>

#include <memory>

class QAction;
class QDialogButtonBox;
class QPushButton;

namespace kestrix::propertymanager {
class RelevanceInterface;
}

namespace kestrix::dialogs::common {

// Base of every dialog of the host's dialog libraries. The relevance (may be empty) tells
// when the host may offer the dialog.
class QtDialogAbstract : public QDialog, public DialogInterface {
    Q_OBJECT
public:
    QtDialogAbstract(QWidget& parent, std::shared_ptr<const propertymanager::RelevanceInterface> relevance);
    QtDialogAbstract(QWidget* parent, std::shared_ptr<const propertymanager::RelevanceInterface> relevance);
    ~QtDialogAbstract() override;

    void launch() override;
    void drop() override;
    void done(int result) override;

    std::shared_ptr<const propertymanager::RelevanceInterface> dialogRelevance() const;
    // Installs the action that opens the dialog's help page: F1, and a Help button in the
    // dialog's button box when it has one. The dialog takes ownership of the action.
    void setHelpAction(QAction* helpAction);
    QAction* helpAction() const;

    static void setDefaultButton(QDialogButtonBox& buttonBox, QPushButton* button);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::dialogs::common
