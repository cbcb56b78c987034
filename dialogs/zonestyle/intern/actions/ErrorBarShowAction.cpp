#include "dialogs/zonestyle/intern/actions/ErrorBarShowAction.h"

#include "dialogs/zonestyle/intern/actions/VariableSelectAction.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxtoolbox/Set.h>

#include <QCoreApplication>

#include <optional>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

ErrorBarShowAction::ErrorBarShowAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList,
                                       char show)
    : StyleAction<char>(text, indexes, menuList, show, "LINEMAP", "ERRORBARS", "SHOW")
{
}

bool ErrorBarShowAction::anyMapLacksVariable() const
{
    const toolbox::CheckedStyleValue variable("LINEMAP", "ERRORBARS", "VAR");
    const toolbox::Set maps = mapSet();
    for (int map = maps.getNextMember(0); map != 0; map = maps.getNextMember(map)) {
        int number = 0;
        if (!toolbox::StyleValue::returnCodeOk(variable.get(number, map)) || number <= 0 || varIsInvalid(number))
            return true;
    }
    return false;
}

void ErrorBarShowAction::execute()
{
    if (value() == 0 || !anyMapLacksVariable()) {
        applyValue(value());
        return;
    }
    const QString question = QCoreApplication::translate("StyleMenu", "Select the error bar variable");
    VariableSelectAction chooser(QString(), cellsToWrite(), question, question);
    const std::optional<int> variable = chooser.chooseVariable();
    if (!variable)
        return;
    setAccepted(true);
    const toolbox::Set maps = mapSet();
    if (maps.isEmpty())
        return;
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(6);
    chooser.styleValue().set(*variable, &maps);
    applyValue(value());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
