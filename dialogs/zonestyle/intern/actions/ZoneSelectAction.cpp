#include "dialogs/zonestyle/intern/actions/ZoneSelectAction.h"

#include <kxsdkdialogs_prompt_qt/ZoneSelectDialog.h>

#include <QCoreApplication>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

ZoneSelectAction::ZoneSelectAction(const QModelIndexList& indexes, QList<QAction*>* menuList)
    : StyleAction<int>(QCoreApplication::translate("StyleMenu", "Select Zone..."), indexes, menuList, 0, "LINEMAP",
                       "ASSIGN", "ZONE")
{
}

void ZoneSelectAction::execute()
{
    int zone = 0;
    styleValue().get(zone, indexes().first().row() + 1);
    auto& dialog = kestrix::dialogs::prompt::ZoneSelectDialog::getInstance(promptParent(), zone);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setAccepted(true);
    applyValue(dialog.selectedZone());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
