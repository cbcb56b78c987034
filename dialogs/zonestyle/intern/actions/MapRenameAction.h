#pragma once

#include "dialogs/zonestyle/intern/actions/Action.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Gives every line map of its cells the same name (which may hold dynamic-text codes).
class MapRenameAction : public Action {
    Q_OBJECT
public:
    MapRenameAction(const QModelIndexList& indexes, const QString& newName);

protected:
    void execute() override;

private:
    QString m_newName;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
