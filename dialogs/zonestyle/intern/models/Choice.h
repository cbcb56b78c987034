#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

#include <optional>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// One entry of a list column, as its cell editors and its menu offer it: the text shown and
// the value written, which need not be the entry's position.
struct Choice {
    QString text;
    QVariant value;
    bool separatorBefore = false;
    bool enabled = true;
};

using Choices = QVector<Choice>;

// The texts of the choices, in order: what list editors show.
QStringList choiceTexts(const Choices& choices);
// The text of the choice with this value; empty when none has it.
QString choiceText(const Choices& choices, const QVariant& value);
// What an editor hands back for a list column is the value to write: the position of the
// chosen entry (popups) or its text (in-place editors); anything else names no choice.
std::optional<QVariant> chosenValue(const Choices& choices, const QVariant& edited);

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
