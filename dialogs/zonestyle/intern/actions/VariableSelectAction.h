#pragma once

#include "dialogs/zonestyle/intern/actions/StyleAction.h"

#include <optional>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Asks for one of the enabled variables, starting from that of the first cell's map, and
// makes it the variable of every map ("LINEMAP" kw2 kw3).
class VariableSelectAction : public StyleAction<int> {
public:
    VariableSelectAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList,
                         const QString& title, const QString& label, const char* kw2, const char* kw3);
    // The error-bar variable ("LINEMAP" "ERRORBARS" "VAR").
    VariableSelectAction(const QString& text, const QModelIndexList& indexes, const QString& title,
                         const QString& label);

    // Runs the prompt alone: the chosen variable, nothing when cancelled.
    std::optional<int> chooseVariable();

protected:
    void execute() override;

private:
    QString m_title;
    QString m_label;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
