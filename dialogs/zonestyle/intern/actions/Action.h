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
//
// Menus and prompts run event loops in which the host goes on. An action therefore writes
// only to its frame while that frame is still current, and only the maps that still exist
// and, when it follows a selection, are still selected, as they are at the moment of
// writing: `mapSet()` and `cellsToWrite()` answer for that moment.
class Action : public QAction {
    Q_OBJECT
public:
    Action(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList);
    ~Action() override;

    // The cells given at construction; the first one's map gives the values prompts start from.
    const QModelIndexList& indexes() const { return m_indexes; }
    // Cells whose rows are not selected any more when the action writes are left out.
    void followSelection(const QItemSelectionModel* selection);
    // The given cells that may be written now.
    QModelIndexList cellsToWrite() const;
    // Every cell of the column whose row is not among the cells that may be written now.
    QModelIndexList unselectedIndexes() const;
    // The maps of the cells that may be written now, in row order.
    toolbox::Set mapSet() const;
    // Whether the user confirmed the prompt of the last execution (actions without a prompt
    // leave it false).
    bool accepted() const { return m_accepted; }
    Q_INVOKABLE const kestrix::sdk::ui::dialogs::zonestyle::intern::models::ModelAbstract* model() const;

public slots:
    void invokeAction();

signals:
    // The action wrote its value to the maps it may write.
    void applied();

protected:
    virtual void execute() = 0;
    void setAccepted(bool accepted) { m_accepted = accepted; }
    // The parent for the prompts an action opens; menu actions have none.
    QWidget* promptParent() const;
    static toolbox::Set mapSetOf(const QModelIndexList& indexes);

private:
    models::EditTarget m_target;
    QModelIndexList m_indexes;
    bool m_accepted = false;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
