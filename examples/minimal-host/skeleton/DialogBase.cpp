// The base of the host's dialogs, their help actions and the table view of their forms
// (kxsdkdialogs_common_qt/). What each must do is in docs/integration.md, "The host contract".
// The library's dialogs derive from QtDialogAbstract, so it is a working dialog here as well.
// A host without help pages answers every help request with a message.

#include <kxsdkdialogs_common_qt/LaunchHelpAction.h>
#include <kxsdkdialogs_common_qt/QtDialogAbstract.h>
#include <kxsdkdialogs_common_qt/TabWidgetLaunchHelpAction.h>
#include <kxsdkdialogs_common_qt/TableViewWithPreferredDimensions.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace kestrix::dialogs::common {

// Dialogs -----------------------------------------------------------------------------------

class QtDialogAbstract::Private {
public:
    std::shared_ptr<const propertymanager::RelevanceInterface> relevance;
    QPointer<QAction> helpAction;
};

QtDialogAbstract::QtDialogAbstract(QWidget& parent,
                                   std::shared_ptr<const propertymanager::RelevanceInterface> relevance)
    : QtDialogAbstract(&parent, std::move(relevance))
{
}

QtDialogAbstract::QtDialogAbstract(QWidget* parent,
                                   std::shared_ptr<const propertymanager::RelevanceInterface> relevance)
    : QDialog(parent), d(std::make_unique<Private>())
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

void QtDialogAbstract::setHelpAction(QAction* helpAction)
{
    if (helpAction == d->helpAction)
        return;
    delete d->helpAction;
    d->helpAction = helpAction;
    if (!helpAction)
        return;
    helpAction->setParent(this);
    helpAction->setShortcut(QKeySequence::HelpContents);
    addAction(helpAction);
}

void QtDialogAbstract::setDefaultButton(QDialogButtonBox& buttonBox, QPushButton* button)
{
    for (QAbstractButton* candidate : buttonBox.buttons()) {
        if (auto* pushButton = qobject_cast<QPushButton*>(candidate)) {
            pushButton->setAutoDefault(pushButton == button);
            pushButton->setDefault(pushButton == button);
        }
    }
    if (button)
        button->setDefault(true);
}

void QtDialogAbstract::showEvent(QShowEvent* event)
{
    // Forms are built after the help action is installed; by now the button box exists.
    auto* buttonBox = findChild<QDialogButtonBox*>();
    if (d->helpAction && buttonBox) {
        QPushButton* helpButton = buttonBox->button(QDialogButtonBox::Help);
        if (!helpButton)
            helpButton = buttonBox->addButton(QDialogButtonBox::Help);
        connect(helpButton, &QPushButton::clicked, d->helpAction, &QAction::trigger, Qt::UniqueConnection);
    }
    QDialog::showEvent(event);
}

void QtDialogAbstract::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
}

// Help --------------------------------------------------------------------------------------

bool showHelpPage(const std::string& helpFileName)
{
    QMessageBox::information(
        QApplication::activeWindow(), QApplication::translate("HostSkeleton", "Help"),
        QApplication::translate("HostSkeleton", "No help for %1").arg(QString::fromStdString(helpFileName)));
    return false;
}

LaunchHelpAction::LaunchHelpAction(const std::string& helpFileName, QObject* parent)
    : QAction(tr("&Help"), parent), m_helpFileName(helpFileName)
{
    setShortcut(QKeySequence::HelpContents);
    connect(this, &QAction::triggered, this, &LaunchHelpAction::launchHelp);
}

void LaunchHelpAction::launchHelp()
{
    showHelpPage(helpFileToShow());
}

TabWidgetLaunchHelpAction::TabWidgetLaunchHelpAction(const std::map<QWidget*, std::string>& pageHelpFiles,
                                                     QTabWidget* tabWidget, QObject* parent)
    : LaunchHelpAction(std::string(), parent), m_pageHelpFiles(pageHelpFiles), m_tabWidget(tabWidget)
{
}

void TabWidgetLaunchHelpAction::setTabWidget(QTabWidget* tabWidget)
{
    m_tabWidget = tabWidget;
}

std::string TabWidgetLaunchHelpAction::currentHelpFileName() const
{
    const auto page = m_tabWidget ? m_pageHelpFiles.find(m_tabWidget->currentWidget()) : m_pageHelpFiles.end();
    return page == m_pageHelpFiles.end() ? std::string() : page->second;
}

// Tables ------------------------------------------------------------------------------------

TableViewWithPreferredDimensions::TableViewWithPreferredDimensions(QWidget* parent) : QTableView(parent) {}

void TableViewWithPreferredDimensions::setPreferredNumberOfRows(int rows)
{
    m_preferredRows = std::max(0, rows);
    updateGeometry();
}

void TableViewWithPreferredDimensions::setPreferredNumberOfColumns(int columns)
{
    m_preferredColumns = std::max(0, columns);
    updateGeometry();
}

QSize TableViewWithPreferredDimensions::sizeHint() const
{
    QSize hint = QTableView::sizeHint();
    const int frame = 2 * frameWidth();
    const int rowHeaderWidth = verticalHeader()->isHidden() ? 0 : verticalHeader()->sizeHint().width();
    const int columnHeaderHeight = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sizeHint().height();
    const int scrollBarWidth =
        verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? verticalScrollBar()->sizeHint().width() : 0;
    const int scrollBarHeight =
        horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? horizontalScrollBar()->sizeHint().height() : 0;
    if (m_preferredColumns > 0)
        hint.setWidth(frame + rowHeaderWidth + scrollBarWidth
                      + m_preferredColumns * horizontalHeader()->defaultSectionSize());
    if (m_preferredRows > 0)
        hint.setHeight(frame + columnHeaderHeight + scrollBarHeight
                       + m_preferredRows * verticalHeader()->defaultSectionSize());
    return hint;
}

} // namespace kestrix::dialogs::common
