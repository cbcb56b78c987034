#include <kxsdkdialogs_prompt_qt/ScatterSizeFontDialog.h>

#include "hostsim/qt/dialogs_common/PromptParent.h"

#include "ui_ScatterSizeFontDialog.h"

#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace kestrix::dialogs::prompt {

namespace {

QPointer<ScatterSizeFontDialog>& theInstance()
{
    static QPointer<ScatterSizeFontDialog> instance;
    return instance;
}

toolbox::CheckedStyleValue scatterVariable()
{
    return toolbox::CheckedStyleValue("GLOBALSCATTER", "VAR");
}

} // namespace

class ScatterSizeFontDialog::Private {
public:
    void fillVariables();

    Ui::ScatterSizeFontDialog ui;
};

void ScatterSizeFontDialog::Private::fillVariables()
{
    QComboBox* variables = ui.scatterSizeFont_Var_CmbBox;
    variables->clear();
    int current = 0;
    scatterVariable().get(current);
    const toolbox::Set enabled = sdk::getEnabledVars();
    for (int var = enabled.getNextMember(0); var != 0; var = enabled.getNextMember(var)) {
        variables->addItem(QString::fromStdString(sdk::variableNameFormattedForAliases(var)), var);
        if (var == current)
            variables->setCurrentIndex(variables->count() - 1);
    }
    ui.buttonBox->button(QDialogButtonBox::Ok)->setEnabled(variables->count() > 0);
}

ScatterSizeFontDialog& ScatterSizeFontDialog::getInstance(QWidget* parent)
{
    QPointer<ScatterSizeFontDialog>& instance = theInstance();
    if (!instance)
        instance = new ScatterSizeFontDialog(parent);
    else
        common::moveToParent(*instance, parent);
    instance->d->fillVariables();
    return *instance;
}

ScatterSizeFontDialog::ScatterSizeFontDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr)
    , d(std::make_unique<Private>())
{
    d->ui.setupUi(this);
}

ScatterSizeFontDialog::~ScatterSizeFontDialog() = default;

void ScatterSizeFontDialog::accept()
{
    const QVariant var = d->ui.scatterSizeFont_Var_CmbBox->currentData();
    if (!var.isValid())
        return;
    if (!toolbox::StyleValue::returnCodeOk(scatterVariable().set(var.toInt()))) {
        // Closing as if it had worked would leave the user believing the size follows the variable.
        QMessageBox error(QMessageBox::Critical, tr("Error"), tr("The scatter size variable could not be set."),
                          QMessageBox::Ok, this);
        error.setObjectName(QStringLiteral("scatterSizeFont_Error_MessageBox"));
        error.exec();
        return;
    }
    common::QtDialogAbstract::accept();
}

} // namespace kestrix::dialogs::prompt
