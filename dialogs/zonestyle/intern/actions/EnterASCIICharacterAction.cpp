#include "dialogs/zonestyle/intern/actions/EnterASCIICharacterAction.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxsdkdialogs_prompt_qt/EnterASCIICharacterDialog.h>
#include <kxtoolbox/Set.h>

#include <string>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

EnterASCIICharacterAction::EnterASCIICharacterAction(const char* kw1, const char* kw2, const QModelIndexList& indexes,
                                                     QList<QAction*>* menuList)
    : Action(tr("&Character..."), indexes, menuList),
      m_useBaseFont(kw1, kw2, "SYMBOLSHAPE", "ASCIISHAPE", "USEBASEFONT"),
      m_character(kw1, kw2, "SYMBOLSHAPE", "ASCIISHAPE", "ASCIICHAR"),
      m_fontOverride(kw1, kw2, "SYMBOLSHAPE", "ASCIISHAPE", "FONTOVERRIDE"),
      m_isAscii(kw1, kw2, "SYMBOLSHAPE", "ISASCII")
{
}

void EnterASCIICharacterAction::execute()
{
    const int map = indexes().first().row() + 1;
    std::string character;
    m_character.get(character, map);
    bool useBaseFont = true;
    m_useBaseFont.get(useBaseFont, map);
    Font_e fontOverride = Font_Invalid;
    m_fontOverride.get(fontOverride, map);
    if (!character.empty() && character.front() == '\\')
        character.erase(0, 1);

    auto& dialog = kestrix::dialogs::prompt::EnterASCIICharacterDialog::getInstance(
        promptParent(), QString::fromUtf8(character.c_str()), useBaseFont, fontOverride);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setAccepted(true);
    const toolbox::Set maps = mapSet();
    if (maps.isEmpty())
        return;
    const bool baseFont = dialog.useBaseFont();
    // The four settings of the symbol change together, as one step to undo.
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(6);
    m_isAscii.set(true, &maps);
    m_character.set(std::string("\\") + dialog.selectedChar().toUtf8().toStdString(), &maps);
    m_useBaseFont.set(baseFont, &maps);
    if (!baseFont)
        m_fontOverride.set(dialog.typeFaceOverride(), &maps);
    emit applied();
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
