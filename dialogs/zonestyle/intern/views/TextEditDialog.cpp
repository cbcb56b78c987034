#include "dialogs/zonestyle/intern/views/TextEditDialog.h"

#include "ui_TextEdit.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

TextEditDialog::TextEditDialog(const QPoint& position, QWidget* parent, const QString& text)
    : PopupDialogBase(position, parent), m_ui(std::make_unique<Ui::TextEdit>())
{
    m_ui->setupUi(this);
    addDropShadow(*m_ui->lineEdit);
    m_ui->lineEdit->setText(text);
    m_ui->lineEdit->selectAll();
    m_ui->lineEdit->setFocus();
}

TextEditDialog::~TextEditDialog() = default;

QString TextEditDialog::text() const
{
    return m_ui->lineEdit->text();
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
