#pragma once

#include "dialogs/zonestyle/intern/actions/Action.h"

#include <string>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Adds maps to or removes them from the host's active-map set ("ACTIVEFIELDMAPS" or
// "ACTIVELINEMAPS").
class MapActivateAction : public Action {
    Q_OBJECT
public:
    enum Mode_e { Mode_Activate = 0, Mode_Deactivate = 1, Mode_ShowSelectedOnly = 2, Mode_Invert = 3 };

    MapActivateAction(const QModelIndexList& indexes, QList<QAction*>* menuList, int mode,
                      const std::string& activeSetKeyword);

    static QString textForMode(int mode);
    // The context menu of a show column: "Activate", "Deactivate", "Show selected only", "Invert".
    // The caller owns the list and its actions.
    static QList<QAction*>* createMenu(const QModelIndexList& indexes, const std::string& activeSetKeyword);
    // A show cell's check box was set (Qt::Checked) or cleared for these cells.
    static void applyCheckState(const QModelIndexList& indexes, const QVariant& checkState,
                                const std::string& activeSetKeyword);

protected:
    void execute() override;

private:
    void write(const QModelIndexList& indexes, bool activate) const;

    int m_mode;
    std::string m_keyword;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
