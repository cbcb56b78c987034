#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>

#include <kxsdkpropertymanager/RelevanceInterface.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>

namespace kestrix::dialogs::common {

class QtDialogAbstract::Private {
public:
    void connectHelpButton(QDialog& dialog);

    std::shared_ptr<const propertymanager::RelevanceInterface> relevance;
    QPointer<QAction> helpAction;
    QPointer<QPushButton> helpButton;
    bool helpButtonAdded = false;
    QMetaObject::Connection helpButtonConnection;
};

void QtDialogAbstract::Private::connectHelpButton(QDialog& dialog)
{
    QObject::disconnect(helpButtonConnection);
    if (!helpAction) {
        if (helpButtonAdded)
            delete helpButton.data();
        helpButtonAdded = false;
        return;
    }
    if (!helpButton) {
        auto* buttonBox = dialog.findChild<QDialogButtonBox*>();
        if (!buttonBox)
            return;
        helpButton = buttonBox->button(QDialogButtonBox::Help);
        helpButtonAdded = !helpButton;
        if (helpButtonAdded) {
            helpButton = buttonBox->addButton(QDialogButtonBox::Help);
            helpButton->setObjectName(QStringLiteral("dialog_Help_Button"));
        }
        helpButton->setAutoDefault(false);
    }
    helpButtonConnection = QObject::connect(helpButton, &QPushButton::clicked, helpAction, &QAction::trigger);
}

QtDialogAbstract::QtDialogAbstract(QWidget& parent,
                                   std::shared_ptr<const propertymanager::RelevanceInterface> relevance)
    : QtDialogAbstract(&parent, std::move(relevance))
{
}

QtDialogAbstract::QtDialogAbstract(QWidget* parent,
                                   std::shared_ptr<const propertymanager::RelevanceInterface> relevance)
    : QDialog(parent)
    , d(std::make_unique<Private>())
{
    d->relevance = std::move(relevance);
}

QtDialogAbstract::~QtDialogAbstract() = default;

void QtDialogAbstract::launch()
{
    if (isModal()) {
        exec();
        return;
    }
    show();
    raise();
    activateWindow();
}

void QtDialogAbstract::drop()
{
    if (isVisible())
        reject();
}

void QtDialogAbstract::done(int result)
{
    QDialog::done(result);
}

std::shared_ptr<const propertymanager::RelevanceInterface> QtDialogAbstract::dialogRelevance() const
{
    return d->relevance;
}

void QtDialogAbstract::setHelpAction(QAction* helpAction)
{
    if (d->helpAction == helpAction)
        return;
    if (d->helpAction) {
        removeAction(d->helpAction);
        delete d->helpAction.data();
    }
    d->helpAction = helpAction;
    if (helpAction) {
        helpAction->setParent(this);
        if (helpAction->shortcut().isEmpty())
            helpAction->setShortcut(QKeySequence::HelpContents);
        helpAction->setShortcutContext(Qt::WindowShortcut);
        addAction(helpAction);
    }
    d->connectHelpButton(*this);
}

QAction* QtDialogAbstract::helpAction() const
{
    return d->helpAction;
}

void QtDialogAbstract::setDefaultButton(QDialogButtonBox& buttonBox, QPushButton* button)
{
    // A push button elsewhere in the dialog may still claim the default; only the box's own
    // buttons are ours to change.
    const QList<QAbstractButton*> buttons = buttonBox.buttons();
    for (QAbstractButton* candidate : buttons) {
        if (auto* pushButton = qobject_cast<QPushButton*>(candidate)) {
            const bool isDefault = pushButton == button;
            pushButton->setAutoDefault(isDefault);
            pushButton->setDefault(isDefault);
        }
    }
    if (button && !buttons.contains(button)) {
        button->setAutoDefault(true);
        button->setDefault(true);
    }
}

void QtDialogAbstract::showEvent(QShowEvent* event)
{
    // Forms are often built after the help action is installed; the button box exists by now.
    d->connectHelpButton(*this);
    QDialog::showEvent(event);
}

void QtDialogAbstract::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
}

} // namespace kestrix::dialogs::common
