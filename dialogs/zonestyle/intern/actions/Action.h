#pragma once

#include "dialogs/zonestyle/intern/models/EditTarget.h"

#include <QAction>
#include <QList>
#include <QModelIndexList>

class QItemSelectionModel;

namespace kestrix::toolbox {
class Set;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {
class ModelAbstract;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// A change of the host's style for the maps of some table cells (row r is map r + 1).
// Triggering the action executes it. Made either for one context menu (appended to the
// menu's list, which owns it) or for one committed edit (on the stack, triggered at once).
// A menu stays open while the host goes on: when triggered, the action acts only on its
// frame, if that is still current, and only on the cells whose maps still exist and, when
// it follows a selection, are still selected.
class Action : public QAction {
    Q_OBJECT
public:
    Action(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList);
    ~Action() override;

    const QModelIndexList& indexes() const { return m_indexes; }
    // Cells whose rows are not selected any more when the action is triggered are left out.
    void followSelection(const QItemSelectionModel* selection);
    // Every cell of the first index's column whose row is not among the given ones.
    const QModelIndexList& unselectedIndexes() const;
    // The maps of the given cells, in list order.
    toolbox::Set mapSet() const;
    Q_INVOKABLE const kestrix::sdk::ui::dialogs::zonestyle::intern::models::ModelAbstract* model() const;

public slots:
    void invokeAction();

protected:
    virtual void execute() = 0;
    static toolbox::Set mapSetOf(const QModelIndexList& indexes);

private:
    models::EditTarget m_target;
    QModelIndexList m_indexes;
    mutable QModelIndexList m_unselectedIndexes;
    mutable bool m_unselectedComputed = false;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
