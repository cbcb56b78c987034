#include "dialogs/zonestyle/intern/actions/MapRenameAction.h"

#include <kxsdkcommon/AppLock.h>
#include <kxtoolbox/Set.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

MapRenameAction::MapRenameAction(const QModelIndexList& indexes, const QString& newName)
    : Action(tr("Rename line map"), indexes, nullptr), m_newName(newName)
{
}

void MapRenameAction::execute()
{
    const toolbox::Set maps = mapSet();
    if (maps.isEmpty())
        return;
    AppLock lock(ImplicitMacroRecording_Off);
    VexUtilLineMapSetName(maps.getRef(), m_newName.toUtf8().constData());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
