#include "dialogs/zonestyle/intern/views/ComboBoxDialog.h"

#include "ui_ComboBoxEdit.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

ComboBoxDialog::ComboBoxDialog(const QPoint& position, QWidget* parent, const QStringList& items,
                               const QString& current, int width)
    : PopupDialogBase(position, parent), m_ui(std::make_unique<Ui::ComboBoxEdit>())
{
    m_ui->setupUi(this);
    addDropShadow(*m_ui->comboBox);
    // A typed text chooses among the given items; it never becomes an item of its own.
    m_ui->comboBox->setInsertPolicy(QComboBox::NoInsert);
    m_ui->comboBox->resize(width + 15, m_ui->comboBox->height());
    resize(width + 20, m_ui->comboBox->height() + 6);
    m_ui->comboBox->setList(items);
    // Without a choice of its own the popup would report the first item for a cell that shows another.
    const int currentRow = items.indexOf(current);
    if (currentRow >= 0)
        m_ui->comboBox->setCurrentIndex(currentRow);
    m_ui->comboBox->setFocus();
}

ComboBoxDialog::~ComboBoxDialog() = default;

int ComboBoxDialog::currentIndex() const
{
    return m_ui->comboBox->currentIndex();
}

kestrix::ui::ComboBoxAutoFilter* ComboBoxDialog::comboBox() const
{
    return m_ui->comboBox;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
