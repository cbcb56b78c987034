#include "dialogs/zonestyle/intern/views/ListBoxDialog.h"

#include "ui_ListBox.h"

#include <QResizeEvent>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

namespace {

// The list keeps the margins that the form gives it when the popup grows to its minimum size.
const QMargins listMargins(5, 5, 3, 3);

} // namespace

ListBoxDialog::ListBoxDialog(const QPoint& position, QWidget* parent, const QStringList& items,
                             const QString& current, int width)
    : PopupDialogBase(position, parent), m_ui(std::make_unique<Ui::ListBox>())
{
    m_ui->setupUi(this);
    addDropShadow(*m_ui->listBox);
    m_ui->listBox->addItems(items);
    setMinimumWidth(width + 5);
    setMinimumHeight(m_ui->listBox->sizeHintForColumn(0));
    const QList<QListWidgetItem*> matches = m_ui->listBox->findItems(current, Qt::MatchExactly);
    if (!matches.isEmpty())
        m_ui->listBox->setCurrentItem(matches.first());
    m_ui->listBox->setFocus();
    connect(m_ui->listBox, &QListWidget::itemClicked, this, &ListBoxDialog::itemClicked);
}

ListBoxDialog::~ListBoxDialog() = default;

int ListBoxDialog::currentRow() const
{
    return m_ui->listBox->currentRow();
}

kestrix::ListBoxWidget* ListBoxDialog::listBox() const
{
    return m_ui->listBox;
}

void ListBoxDialog::resizeEvent(QResizeEvent* event)
{
    PopupDialogBase::resizeEvent(event);
    m_ui->formLayoutWidget->setGeometry(rect().marginsRemoved(listMargins));
}

void ListBoxDialog::itemClicked(QListWidgetItem* item)
{
    m_ui->listBox->setCurrentItem(item);
    accept();
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
