#include "dialogs/zonestyle/intern/actions/VariableSelectAction.h"

#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/Set.h>

#include <QInputDialog>

#include <vector>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

VariableSelectAction::VariableSelectAction(const QString& text, const QModelIndexList& indexes,
                                           QList<QAction*>* menuList, const QString& title, const QString& label,
                                           const char* kw2, const char* kw3)
    : StyleAction<int>(text, indexes, menuList, 0, "LINEMAP", kw2, kw3),
      m_title(title),
      m_label(label)
{
}

VariableSelectAction::VariableSelectAction(const QString& text, const QModelIndexList& indexes, const QString& title,
                                           const QString& label)
    : VariableSelectAction(text, indexes, nullptr, title, label, "ERRORBARS", "VAR")
{
}

std::optional<int> VariableSelectAction::chooseVariable()
{
    setAccepted(false);
    if (indexes().isEmpty())
        return std::nullopt;
    int current = 0;
    styleValue().get(current, indexes().first().row() + 1);

    QStringList names;
    std::vector<int> numbers;
    int currentItem = 0;
    const toolbox::Set variables = getEnabledVars();
    for (int var = variables.getNextMember(0); var != 0; var = variables.getNextMember(var)) {
        if (var == current)
            currentItem = static_cast<int>(numbers.size());
        names.append(QString::fromStdString(variableNameFormattedForAliases(var)));
        numbers.push_back(var);
    }
    if (names.isEmpty())
        return std::nullopt;
    bool confirmed = false;
    const QString chosen =
        QInputDialog::getItem(promptParent(), m_title, m_label, names, currentItem, false, &confirmed);
    // Names of variables need not be unique: an unchanged choice keeps the current variable.
    const qsizetype position = names.at(currentItem) == chosen ? currentItem : names.indexOf(chosen);
    if (!confirmed || position < 0)
        return std::nullopt;
    setAccepted(true);
    return numbers.at(static_cast<size_t>(position));
}

void VariableSelectAction::execute()
{
    if (const std::optional<int> variable = chooseVariable())
        applyValue(*variable);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
