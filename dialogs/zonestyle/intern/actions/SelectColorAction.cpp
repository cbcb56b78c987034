#include "dialogs/zonestyle/intern/actions/SelectColorAction.h"

#include <kxsdkdialogs_prompt_qt/ColorChooserDialog.h>

#include <QApplication>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

SelectColorAction::SelectColorAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList,
                                     const char* kw1, const char* kw2, const char* kw3)
    : StyleAction<short>(text, indexes, menuList, 0, kw1, kw2, kw3)
{
}

void SelectColorAction::execute()
{
    QWidget* parent = promptParent() ? promptParent() : QApplication::activeWindow();
    auto& chooser = kestrix::dialogs::prompt::ColorChooserDialog::getInstance(parent, true);
    short current = 0;
    if (toolbox::StyleValue::returnCodeOk(styleValue().get(current, indexes().first().row() + 1)))
        chooser.setSelectedColor(current);
    if (chooser.exec() != QDialog::Accepted)
        return;
    setAccepted(true);
    applyValue(chooser.selectedColor());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
