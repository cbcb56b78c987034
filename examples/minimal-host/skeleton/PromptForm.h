#pragma once

// What the host's prompt and line-plot dialogs (PromptDialogs.cpp, LinePlotDialogs.cpp) share.

#include <QPointer>

#include <functional>

class QComboBox;
class QDialog;
class QFormLayout;
class QPushButton;
class QWidget;

namespace kestrix::skeleton {

// The layout of a prompt: its fields in a form, then OK and Cancel. The prompt is modal.
class PromptForm {
public:
    explicit PromptForm(QDialog& prompt);

    QFormLayout& fields() const { return *m_fields; }
    QPushButton& okButton() const { return *m_okButton; }

private:
    QFormLayout* m_fields;
    QPushButton* m_okButton;
};

// Gives a prompt the parent its next request names.
void adoptParent(QDialog& prompt, QWidget* parent);

// Every prompt exists once per process: the first request makes it, later ones move it to their
// parent.
template <typename Prompt> Prompt& singleInstance(QWidget* parent, const std::function<Prompt*(QWidget*)>& make)
{
    static QPointer<Prompt> instance;
    if (!instance)
        instance = make(parent);
    else
        adoptParent(*instance, parent);
    return *instance;
}

// The enabled zones or variables of the current frame as choices, each with its number as data.
void showEnabledZones(QComboBox& choices);
void showEnabledVariables(QComboBox& choices);

} // namespace kestrix::skeleton
