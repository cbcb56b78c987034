#include "dialogs/zonestyle/intern/views/ComboBoxEditor.h"

namespace kestrix {

ComboBoxEditor::ComboBoxEditor(QWidget* parent) : kestrix::ui::ComboBoxAutoFilter(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, &ComboBoxEditor::itemChosen);
}

} // namespace kestrix
