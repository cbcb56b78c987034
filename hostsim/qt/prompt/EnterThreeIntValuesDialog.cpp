#include <kxsdkdialogs_prompt_qt/EnterThreeIntValuesDialog.h>

#include "hostsim/qt/dialogs_common/PromptParent.h"

#include "ui_EnterThreeIntValuesDialog.h"

#include <QPointer>

#include <array>
#include <limits>

namespace kestrix::dialogs::prompt {

namespace {

QPointer<EnterThreeIntValuesDialog>& theInstance()
{
    static QPointer<EnterThreeIntValuesDialog> instance;
    return instance;
}

} // namespace

class EnterThreeIntValuesDialog::Private {
public:
    std::array<QSpinBox*, 3> spinBoxes() const
    {
        return {ui.enterThreeInt_Value1_SpinBox, ui.enterThreeInt_Value2_SpinBox, ui.enterThreeInt_Value3_SpinBox};
    }
    std::array<QLabel*, 3> labels() const
    {
        return {ui.enterThreeInt_Value1_Label, ui.enterThreeInt_Value2_Label, ui.enterThreeInt_Value3_Label};
    }

    Ui::EnterThreeIntValuesDialog ui;
};

EnterThreeIntValuesDialog& EnterThreeIntValuesDialog::getInstance(QWidget* parent, int value1, int value2,
                                                                  int value3, const QString& title,
                                                                  const QString& prompt, const QString& label1,
                                                                  const QString& label2, const QString& label3,
                                                                  int limit1, int limit2, int limit3)
{
    QPointer<EnterThreeIntValuesDialog>& instance = theInstance();
    if (!instance)
        instance = new EnterThreeIntValuesDialog(parent);
    else
        common::moveToParent(*instance, parent);

    Private& d = *instance->d;
    instance->setWindowTitle(title);
    d.ui.enterThreeInt_Prompt_Label->setText(prompt);
    d.ui.enterThreeInt_Prompt_Label->setVisible(!prompt.isEmpty());
    const std::array<QString, 3> labels{label1, label2, label3};
    const std::array<int, 3> values{value1, value2, value3};
    const std::array<int, 3> limits{limit1, limit2, limit3};
    for (std::size_t i = 0; i < 3; ++i) {
        d.labels()[i]->setText(labels[i]);
        // A value below its limit cannot be entered: the spin box starts at the limit.
        d.spinBoxes()[i]->setRange(limits[i], std::numeric_limits<int>::max());
        d.spinBoxes()[i]->setValue(values[i]);
    }
    d.ui.enterThreeInt_Value1_SpinBox->setFocus();
    d.ui.enterThreeInt_Value1_SpinBox->selectAll();
    return *instance;
}

EnterThreeIntValuesDialog::EnterThreeIntValuesDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr)
    , d(std::make_unique<Private>())
{
    d->ui.setupUi(this);
}

EnterThreeIntValuesDialog::~EnterThreeIntValuesDialog() = default;

int EnterThreeIntValuesDialog::value1() const
{
    return d->ui.enterThreeInt_Value1_SpinBox->value();
}

int EnterThreeIntValuesDialog::value2() const
{
    return d->ui.enterThreeInt_Value2_SpinBox->value();
}

int EnterThreeIntValuesDialog::value3() const
{
    return d->ui.enterThreeInt_Value3_SpinBox->value();
}

} // namespace kestrix::dialogs::prompt
