#include "dialogs/zonestyle/intern/models/Choice.h"

#include <QStringList>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

QStringList choiceTexts(const Choices& choices)
{
    QStringList texts;
    texts.reserve(choices.size());
    for (const Choice& choice : choices)
        texts.append(choice.text);
    return texts;
}

QString choiceText(const Choices& choices, const QVariant& value)
{
    for (const Choice& choice : choices) {
        if (choice.value == value)
            return choice.text;
    }
    return {};
}

std::optional<QVariant> chosenValue(const Choices& choices, const QVariant& edited)
{
    if (edited.typeId() == QMetaType::Int) {
        const int row = edited.toInt();
        if (row < 0 || row >= choices.size() || !choices[row].enabled)
            return std::nullopt;
        return choices[row].value;
    }
    const QString text = edited.toString().trimmed();
    for (const Choice& choice : choices) {
        if (choice.enabled && choice.text.compare(text, Qt::CaseInsensitive) == 0)
            return choice.value;
    }
    return std::nullopt;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
