#pragma once

#include "dialogs/zonestyle/intern/actions/Action.h"

#include <kxtoolbox/CheckedStyleValue.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Asks for a symbol character and its font, and makes it the symbol of every map.
class EnterASCIICharacterAction : public Action {
    Q_OBJECT
public:
    // kw1 kw2 lead to the maps' "SYMBOLSHAPE" group ("FIELDMAP" "SCATTER", "LINEMAP" "SYMBOLS").
    EnterASCIICharacterAction(const char* kw1, const char* kw2, const QModelIndexList& indexes,
                              QList<QAction*>* menuList);

protected:
    void execute() override;

private:
    toolbox::CheckedStyleValue m_useBaseFont;
    toolbox::CheckedStyleValue m_character;
    toolbox::CheckedStyleValue m_fontOverride;
    toolbox::CheckedStyleValue m_isAscii;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
