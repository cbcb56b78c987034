#pragma once

#include "dialogs/zonestyle/intern/actions/StyleAction.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Asks for a zone, starting from that of the first cell's map, and assigns it to every map.
class ZoneSelectAction : public StyleAction<int> {
public:
    ZoneSelectAction(const QModelIndexList& indexes, QList<QAction*>* menuList);

protected:
    void execute() override;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
