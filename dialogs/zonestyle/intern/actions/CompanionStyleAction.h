#pragma once

#include "dialogs/zonestyle/intern/actions/StyleAction.h"
#include "dialogs/zonestyle/intern/actions/StyleKeywords.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Writes its value and, as the same step to undo, a second setting that goes with it: a
// geometric symbol shape ends the character symbol, a linear fit is a polynomial of order 1.
class CompanionStyleAction : public StyleAction<int> {
public:
    CompanionStyleAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList, int value,
                         const StyleKeywords& keywords, int companionValue, const StyleKeywords& companion);

protected:
    void execute() override;

private:
    toolbox::CheckedStyleValue m_companion;
    int m_companionValue;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
