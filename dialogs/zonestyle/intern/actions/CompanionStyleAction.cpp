#include "dialogs/zonestyle/intern/actions/CompanionStyleAction.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxtoolbox/Set.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

CompanionStyleAction::CompanionStyleAction(const QString& text, const QModelIndexList& indexes,
                                           QList<QAction*>* menuList, int value, const StyleKeywords& keywords,
                                           int companionValue, const StyleKeywords& companion)
    : StyleAction<int>(text, indexes, menuList, value, keywords.kw1, keywords.kw2, keywords.kw3, keywords.kw4),
      m_companion(companion.kw1, companion.kw2, companion.kw3, companion.kw4),
      m_companionValue(companionValue)
{
}

void CompanionStyleAction::execute()
{
    const toolbox::Set maps = mapSet();
    if (maps.isEmpty())
        return;
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(6);
    m_companion.set(m_companionValue, &maps);
    applyValue(value());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
