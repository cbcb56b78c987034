#pragma once

#include "dialogs/zonestyle/intern/actions/Action.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Edits the fit or spline settings of the maps' curves. Offered only when every map has
// the same curve type and that type has settings.
class CurveFitSettingsAction : public Action {
    Q_OBJECT
public:
    CurveFitSettingsAction(const QModelIndexList& indexes, QList<QAction*>* menuList);

protected:
    void execute() override;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
