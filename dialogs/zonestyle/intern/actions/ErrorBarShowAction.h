#pragma once

#include "dialogs/zonestyle/intern/actions/StyleAction.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Shows or hides the error bars of the maps. Error bars need a variable: when any of the
// maps has none, the user is asked for one first, and it becomes the error-bar variable of
// all of them together with the show flag, as one step to undo. A cancelled question shows
// nothing.
class ErrorBarShowAction : public StyleAction<char> {
public:
    ErrorBarShowAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList, char show);

protected:
    void execute() override;

private:
    bool anyMapLacksVariable() const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
