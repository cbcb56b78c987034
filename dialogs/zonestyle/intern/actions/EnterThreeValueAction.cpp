#include "dialogs/zonestyle/intern/actions/EnterThreeValueAction.h"

#include <kxsdkdialogs_prompt_qt/EnterThreeIntValuesDialog.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QApplication>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

EnterThreeValueAction::EnterThreeValueAction(const QString& text, const QModelIndexList& indexes,
                                             QList<QAction*>* menuList, const Prompt& prompt,
                                             const ThreeValueAction::Keys& keys, const StyleKeywords& keywords)
    : Action(text, indexes, menuList),
      m_prompt(prompt),
      m_keys(keys),
      m_keywords(keywords)
{
}

void EnterThreeValueAction::execute()
{
    const int map = indexes().first().row() + 1;
    ThreeValueAction::Values current{};
    for (size_t i = 0; i < m_keys.size(); ++i) {
        const toolbox::CheckedStyleValue value(m_keywords.kw1, m_keywords.kw2, m_keywords.kw3, m_keys[i]);
        value.get(current[i], map);
    }
    auto& dialog = kestrix::dialogs::prompt::EnterThreeIntValuesDialog::getInstance(
        QApplication::activeWindow(), current[0], current[1], current[2], m_prompt.title, m_prompt.prompt,
        m_prompt.labels[0], m_prompt.labels[1], m_prompt.labels[2], m_prompt.limits[0], m_prompt.limits[1],
        m_prompt.limits[2]);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setAccepted(true);
    ThreeValueAction write(QString(), cellsToWrite(), nullptr, {dialog.value1(), dialog.value2(), dialog.value3()},
                           m_keys, m_keywords);
    connect(&write, &Action::applied, this, &Action::applied);
    write.trigger();
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
