#include "dialogs/zonestyle/intern/actions/ThreeValueAction.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxtoolbox/Set.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

ThreeValueAction::ThreeValueAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList,
                                   const Values& values, const Keys& keys, const StyleKeywords& keywords)
    : StyleAction<int>(text, indexes, menuList, values[0], keywords.kw1, keywords.kw2, keywords.kw3, keywords.kw4),
      m_values(values),
      m_keys(keys),
      m_keywords(keywords)
{
}

void ThreeValueAction::execute()
{
    const toolbox::Set maps = mapSet();
    if (maps.isEmpty())
        return;
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(11);
    bool written = false;
    for (size_t i = 0; i < m_keys.size(); ++i) {
        const toolbox::CheckedStyleValue value(styleValue(), m_keys[i]);
        written = toolbox::StyleValue::returnCodeOk(value.set(m_values[i], &maps)) || written;
    }
    if (written)
        emit applied();
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
