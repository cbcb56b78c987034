#include <kxsdkdialogs_lineplot_qt/CurveFitSettingsDialog.h>

#include "hostsim/qt/dialogs_common/PromptParent.h"

#include "ui_CurveFitSettingsDialog.h"

#include <kxsdkcommon/SdkCommon.h>

#include <QPointer>
#include <QPushButton>

namespace kestrix::dialogs::lineplot {

namespace {

constexpr int MinPolyOrder = 1;
constexpr int MaxPolyOrder = 10;
constexpr double ValueLimit = 1e150;
constexpr int ValueDecimals = 6;

QPointer<CurveFitSettingsDialog>& theInstance()
{
    static QPointer<CurveFitSettingsDialog> instance;
    return instance;
}

bool isSpline(CurveType_e type)
{
    return type == CurveType_Spline || type == CurveType_ParaSpline;
}

bool isFit(CurveType_e type)
{
    return type == CurveType_PolynomialFit || type == CurveType_EToRFit || type == CurveType_PowerFit;
}

QString curveTypeName(CurveType_e type)
{
    switch (type) {
    case CurveType_PolynomialFit:
        return CurveFitSettingsDialog::tr("Polynomial Fit");
    case CurveType_EToRFit:
        return CurveFitSettingsDialog::tr("Exponential Fit");
    case CurveType_PowerFit:
        return CurveFitSettingsDialog::tr("Power Fit");
    case CurveType_Spline:
        return CurveFitSettingsDialog::tr("Spline");
    case CurveType_ParaSpline:
        return CurveFitSettingsDialog::tr("Parametric Spline");
    default:
        return CurveFitSettingsDialog::tr("Curve");
    }
}

} // namespace

class CurveFitSettingsDialog::Private {
public:
    void fillVariables();
    void selectVariable();
    void updateSensitivities();

    Ui::CurveFitSettingsDialog ui;
    CurveType_e curveType = CurveType_Invalid;
    int requestedVar = 0;
};

void CurveFitSettingsDialog::Private::fillVariables()
{
    QComboBox* variables = ui.curveFit_WeightVar_CmbBox;
    variables->clear();
    const toolbox::Set enabled = sdk::getEnabledVars();
    for (int var = enabled.getNextMember(0); var != 0; var = enabled.getNextMember(var))
        variables->addItem(QString::fromStdString(sdk::variableNameFormattedForAliases(var)), var);
}

void CurveFitSettingsDialog::Private::selectVariable()
{
    const int row = ui.curveFit_WeightVar_CmbBox->findData(requestedVar);
    if (row >= 0)
        ui.curveFit_WeightVar_CmbBox->setCurrentIndex(row);
}

void CurveFitSettingsDialog::Private::updateSensitivities()
{
    // A range whose minimum is not below its maximum selects no points at all.
    const bool rangeValid = !ui.curveFit_Range_Group->isChecked()
                            || ui.curveFit_RangeMin_SpinBox->value() < ui.curveFit_RangeMax_SpinBox->value();
    ui.buttonBox->button(QDialogButtonBox::Ok)->setEnabled(rangeValid);
}

CurveFitSettingsDialog& CurveFitSettingsDialog::getInstance(QWidget* parent, CurveType_e curveType)
{
    QPointer<CurveFitSettingsDialog>& instance = theInstance();
    if (!instance)
        instance = new CurveFitSettingsDialog(parent);
    else
        kestrix::dialogs::common::moveToParent(*instance, parent);
    instance->configure(curveType);
    return *instance;
}

CurveFitSettingsDialog::CurveFitSettingsDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr)
    , d(std::make_unique<Private>())
{
    d->ui.setupUi(this);
    d->ui.curveFit_PolyOrder_SpinBox->setRange(MinPolyOrder, MaxPolyOrder);
    for (QDoubleSpinBox* value : {static_cast<QDoubleSpinBox*>(d->ui.curveFit_RangeMin_SpinBox),
                                  static_cast<QDoubleSpinBox*>(d->ui.curveFit_RangeMax_SpinBox),
                                  static_cast<QDoubleSpinBox*>(d->ui.curveFit_ClampStart_SpinBox),
                                  static_cast<QDoubleSpinBox*>(d->ui.curveFit_ClampEnd_SpinBox)}) {
        value->setDecimals(ValueDecimals);
        value->setRange(-ValueLimit, ValueLimit);
    }
    const auto update = [this] { d->updateSensitivities(); };
    connect(d->ui.curveFit_Range_Group, &QGroupBox::toggled, this, update);
    connect(d->ui.curveFit_RangeMin_SpinBox, &QDoubleSpinBox::valueChanged, this, update);
    connect(d->ui.curveFit_RangeMax_SpinBox, &QDoubleSpinBox::valueChanged, this, update);
}

CurveFitSettingsDialog::~CurveFitSettingsDialog() = default;

void CurveFitSettingsDialog::configure(CurveType_e curveType)
{
    d->curveType = curveType;
    setWindowTitle(tr("%1 Settings").arg(curveTypeName(curveType)));
    d->ui.curveFit_PolyOrder_Group->setVisible(curveType == CurveType_PolynomialFit);
    d->ui.curveFit_Range_Group->setVisible(isFit(curveType) || isSpline(curveType));
    d->ui.curveFit_Clamp_Group->setVisible(isSpline(curveType));
    d->ui.curveFit_Weight_Group->setVisible(isFit(curveType));
    d->fillVariables();
    d->selectVariable();
    d->updateSensitivities();
}

CurveType_e CurveFitSettingsDialog::curveType() const
{
    return d->curveType;
}

void CurveFitSettingsDialog::setPolyOrder(short order)
{
    d->ui.curveFit_PolyOrder_SpinBox->setValue(order);
}

short CurveFitSettingsDialog::polyOrder() const
{
    return static_cast<short>(d->ui.curveFit_PolyOrder_SpinBox->value());
}

void CurveFitSettingsDialog::setRangeActive(bool active)
{
    d->ui.curveFit_Range_Group->setChecked(active);
}

bool CurveFitSettingsDialog::rangeActive() const
{
    return d->ui.curveFit_Range_Group->isChecked();
}

void CurveFitSettingsDialog::setRangeMin(double minimum)
{
    d->ui.curveFit_RangeMin_SpinBox->setValue(minimum);
}

double CurveFitSettingsDialog::rangeMin() const
{
    return d->ui.curveFit_RangeMin_SpinBox->value();
}

void CurveFitSettingsDialog::setRangeMax(double maximum)
{
    d->ui.curveFit_RangeMax_SpinBox->setValue(maximum);
}

double CurveFitSettingsDialog::rangeMax() const
{
    return d->ui.curveFit_RangeMax_SpinBox->value();
}

void CurveFitSettingsDialog::setClampActive(bool active)
{
    d->ui.curveFit_Clamp_Group->setChecked(active);
}

bool CurveFitSettingsDialog::clampActive() const
{
    return d->ui.curveFit_Clamp_Group->isChecked();
}

void CurveFitSettingsDialog::setClampStart(double derivative)
{
    d->ui.curveFit_ClampStart_SpinBox->setValue(derivative);
}

double CurveFitSettingsDialog::clampStart() const
{
    return d->ui.curveFit_ClampStart_SpinBox->value();
}

void CurveFitSettingsDialog::setClampEnd(double derivative)
{
    d->ui.curveFit_ClampEnd_SpinBox->setValue(derivative);
}

double CurveFitSettingsDialog::clampEnd() const
{
    return d->ui.curveFit_ClampEnd_SpinBox->value();
}

void CurveFitSettingsDialog::setVarActive(bool active)
{
    d->ui.curveFit_Weight_Group->setChecked(active);
}

bool CurveFitSettingsDialog::varActive() const
{
    return d->ui.curveFit_Weight_Group->isChecked();
}

void CurveFitSettingsDialog::setVarNumber(int var)
{
    d->requestedVar = var;
    d->selectVariable();
}

int CurveFitSettingsDialog::varNumber() const
{
    const QVariant var = d->ui.curveFit_WeightVar_CmbBox->currentData();
    return var.isValid() ? var.toInt() : d->requestedVar;
}

} // namespace kestrix::dialogs::lineplot
