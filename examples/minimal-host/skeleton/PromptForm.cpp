#include "PromptForm.h"

#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/Set.h>

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrix::skeleton {

namespace {

void showMembers(QComboBox& choices, const toolbox::Set& members, const std::function<std::string(int)>& name)
{
    choices.clear();
    for (int member = members.getNextMember(0); member != 0; member = members.getNextMember(member))
        choices.addItem(QString::fromStdString(name(member)), member);
}

} // namespace

PromptForm::PromptForm(QDialog& prompt)
{
    prompt.setModal(true);
    auto* layout = new QVBoxLayout(&prompt);
    m_fields = new QFormLayout;
    layout->addLayout(m_fields);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &prompt);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &prompt, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &prompt, &QDialog::reject);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
}

void adoptParent(QDialog& prompt, QWidget* parent)
{
    // The library often names the active window, which may be the prompt or one of its children.
    if (parent == prompt.parentWidget() || (parent && (parent == &prompt || prompt.isAncestorOf(parent))))
        return;
    prompt.setParent(parent, prompt.windowFlags());
}

void showEnabledZones(QComboBox& choices)
{
    Set_pa enabled = nullptr;
    const toolbox::Set zones(VexUtilZoneGetEnabled(&enabled) ? enabled : nullptr);
    const UniqueID_t frame = VexUtilFrameGetUniqueID();
    showMembers(choices, zones, [frame](int zone) { return sdk::zoneNameWithIndexFormattedForFrame(frame, zone); });
}

void showEnabledVariables(QComboBox& choices)
{
    showMembers(choices, sdk::getEnabledVars(), sdk::variableNameFormattedForAliases);
}

} // namespace kestrix::skeleton
