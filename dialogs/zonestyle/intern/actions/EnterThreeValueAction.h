#pragma once

#include "dialogs/zonestyle/intern/actions/ThreeValueAction.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Asks for three integers, starting from those of the first cell's map, and writes them as a
// ThreeValueAction does.
class EnterThreeValueAction : public Action {
    Q_OBJECT
public:
    struct Prompt {
        QString title;
        QString prompt;
        std::array<QString, 3> labels;
        std::array<int, 3> limits;
    };

    EnterThreeValueAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList,
                          const Prompt& prompt, const ThreeValueAction::Keys& keys, const StyleKeywords& keywords);

protected:
    void execute() override;

private:
    Prompt m_prompt;
    ThreeValueAction::Keys m_keys;
    StyleKeywords m_keywords;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
