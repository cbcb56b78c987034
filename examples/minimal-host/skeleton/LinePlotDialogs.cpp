// The host's line-plot prompts (kxsdkdialogs_lineplot_qt/): the curve-fit settings of a curve
// type and the creation of a line map. What each must do is in docs/integration.md, "The host
// contract". In a host without a data set there is nothing to make a line map from.

#include <kxsdkdialogs_lineplot_qt/CurveFitSettingsDialog.h>
#include <kxsdkdialogs_lineplot_qt/LineMapCreateDialog.h>

#include "PromptForm.h"

#include <common_ui_qt/QScientificSpinBox.h>
#include <kxsdkbase/KernelApi.h>
#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxsdkpropertymanager/VexUtilActionReporter.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include <initializer_list>
#include <limits>
#include <utility>

namespace kestrix::dialogs::lineplot {

using skeleton::PromptForm;
using skeleton::singleInstance;

// Curve fits --------------------------------------------------------------------------------

namespace {

ui::QScientificSpinBox* newNumberField()
{
    constexpr int SignificantDecimals = 15;
    auto* field = new ui::QScientificSpinBox;
    field->setDecimals(SignificantDecimals);
    field->setRange(-std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
    return field;
}

} // namespace

class CurveFitSettingsDialog::Private {
public:
    explicit Private(QDialog& dialog) : form(dialog)
    {
        constexpr int HighestPolyOrder = 10;
        polyOrder->setRange(1, HighestPolyOrder);
        form.fields().addRow(tr("Polynomial order:"), polyOrder);
        form.fields().addRow(rangeActive);
        form.fields().addRow(tr("Range minimum:"), rangeMin);
        form.fields().addRow(tr("Range maximum:"), rangeMax);
        form.fields().addRow(varActive);
        form.fields().addRow(tr("Weight variable:"), variable);
        form.fields().addRow(clampActive);
        form.fields().addRow(tr("Derivative at start:"), clampStart);
        form.fields().addRow(tr("Derivative at end:"), clampEnd);
        QObject::connect(rangeActive, &QCheckBox::toggled, &dialog, [this] { updateOkButton(); });
        for (ui::QScientificSpinBox* rangeLimit : {rangeMin, rangeMax})
            QObject::connect(rangeLimit, &QDoubleSpinBox::valueChanged, &dialog, [this] { updateOkButton(); });
    }

    // A range whose minimum is not below its maximum leaves nothing to fit.
    void updateOkButton() const
    {
        form.okButton().setEnabled(!rangeActive->isChecked() || rangeMin->value() < rangeMax->value());
    }

    PromptForm form;
    QSpinBox* polyOrder = new QSpinBox;
    QCheckBox* rangeActive = new QCheckBox(tr("Fit within a range of the independent variable"));
    ui::QScientificSpinBox* rangeMin = newNumberField();
    ui::QScientificSpinBox* rangeMax = newNumberField();
    QCheckBox* varActive = new QCheckBox(tr("Weight by a variable"));
    QComboBox* variable = new QComboBox;
    int requestedVariable = 0;
    QCheckBox* clampActive = new QCheckBox(tr("Clamp the spline's derivatives"));
    ui::QScientificSpinBox* clampStart = newNumberField();
    ui::QScientificSpinBox* clampEnd = newNumberField();
};

CurveFitSettingsDialog& CurveFitSettingsDialog::getInstance(QWidget* parent, CurveType_e curveType)
{
    CurveFitSettingsDialog& dialog = singleInstance<CurveFitSettingsDialog>(
        parent, [](QWidget* owner) { return new CurveFitSettingsDialog(owner); });
    dialog.configure(curveType);
    return dialog;
}

CurveFitSettingsDialog::CurveFitSettingsDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr), d(std::make_unique<Private>(*this))
{
    setWindowTitle(tr("Curve Settings"));
}

CurveFitSettingsDialog::~CurveFitSettingsDialog() = default;

void CurveFitSettingsDialog::configure(CurveType_e curveType)
{
    skeleton::showEnabledVariables(*d->variable);
    setVarNumber(d->requestedVariable);
    const bool fit =
        curveType == CurveType_PolynomialFit || curveType == CurveType_EToRFit || curveType == CurveType_PowerFit;
    const bool spline = curveType == CurveType_Spline || curveType == CurveType_ParaSpline;
    QFormLayout& fields = d->form.fields();
    const auto showRows = [&fields](std::initializer_list<QWidget*> rowFields, bool visible) {
        for (QWidget* field : rowFields)
            fields.setRowVisible(field, visible);
    };
    showRows({d->polyOrder}, curveType == CurveType_PolynomialFit);
    showRows({d->rangeActive, d->rangeMin, d->rangeMax}, fit || spline);
    showRows({d->varActive, d->variable}, fit);
    showRows({d->clampActive, d->clampStart, d->clampEnd}, spline);
}

void CurveFitSettingsDialog::setPolyOrder(short order)
{
    d->polyOrder->setValue(order);
}

short CurveFitSettingsDialog::polyOrder() const
{
    return static_cast<short>(d->polyOrder->value());
}

void CurveFitSettingsDialog::setRangeActive(bool active)
{
    d->rangeActive->setChecked(active);
}

bool CurveFitSettingsDialog::rangeActive() const
{
    return d->rangeActive->isChecked();
}

void CurveFitSettingsDialog::setRangeMin(double minimum)
{
    d->rangeMin->setValue(minimum);
}

double CurveFitSettingsDialog::rangeMin() const
{
    return d->rangeMin->value();
}

void CurveFitSettingsDialog::setRangeMax(double maximum)
{
    d->rangeMax->setValue(maximum);
}

double CurveFitSettingsDialog::rangeMax() const
{
    return d->rangeMax->value();
}

void CurveFitSettingsDialog::setClampActive(bool active)
{
    d->clampActive->setChecked(active);
}

bool CurveFitSettingsDialog::clampActive() const
{
    return d->clampActive->isChecked();
}

void CurveFitSettingsDialog::setClampStart(double derivative)
{
    d->clampStart->setValue(derivative);
}

double CurveFitSettingsDialog::clampStart() const
{
    return d->clampStart->value();
}

void CurveFitSettingsDialog::setClampEnd(double derivative)
{
    d->clampEnd->setValue(derivative);
}

double CurveFitSettingsDialog::clampEnd() const
{
    return d->clampEnd->value();
}

void CurveFitSettingsDialog::setVarActive(bool active)
{
    d->varActive->setChecked(active);
}

bool CurveFitSettingsDialog::varActive() const
{
    return d->varActive->isChecked();
}

void CurveFitSettingsDialog::setVarNumber(int var)
{
    d->requestedVariable = var;
    d->variable->setCurrentIndex(d->variable->findData(var));
}

int CurveFitSettingsDialog::varNumber() const
{
    const QVariant chosen = d->variable->currentData();
    return chosen.isValid() ? chosen.toInt() : d->requestedVariable;
}

// Line-map creation -------------------------------------------------------------------------

namespace {

// A new map and its assignment are one undo step of the map-edit category.
constexpr int MapEditUndoCategory = 6;

enum class Creation { Failed, Unassigned, Complete };

} // namespace

class LineMapCreateDialog::Private {
public:
    explicit Private(QDialog& dialog) : form(dialog)
    {
        form.fields().addRow(tr("Zone:"), zone);
        form.fields().addRow(tr("X-axis variable:"), xVariable);
        form.fields().addRow(tr("Y-axis variable:"), yVariable);
    }

    Creation createMap() const
    {
        sdk::AppLock lock;
        sdk::UndoStateGuard undoStep(MapEditUndoCategory);
        if (!VexUtilLineMapCreate())
            return Creation::Failed;
        toolbox::Set newMap;
        newMap.add(VexUtilLineMapGetCount());
        bool assigned = true;
        for (const auto& [keyword, choice] :
             {std::pair<const char*, QComboBox*>{"ZONE", zone}, {"XAXISVAR", xVariable}, {"YAXISVAR", yVariable}}) {
            const toolbox::CheckedStyleValue assignment("LINEMAP", "ASSIGN", keyword);
            assigned =
                toolbox::StyleValue::returnCodeOk(assignment.set(choice->currentData().toInt(), &newMap)) && assigned;
        }
        return assigned ? Creation::Complete : Creation::Unassigned;
    }

    PromptForm form;
    QComboBox* zone = new QComboBox;
    QComboBox* xVariable = new QComboBox;
    QComboBox* yVariable = new QComboBox;
};

LineMapCreateDialog& LineMapCreateDialog::getInstance(QWidget* parent)
{
    LineMapCreateDialog& dialog =
        singleInstance<LineMapCreateDialog>(parent, [](QWidget* owner) { return new LineMapCreateDialog(owner); });
    Private& d = *dialog.d;
    skeleton::showEnabledZones(*d.zone);
    skeleton::showEnabledVariables(*d.xVariable);
    skeleton::showEnabledVariables(*d.yVariable);
    // A new map plots the second variable against the first unless the user says otherwise.
    if (d.yVariable->count() > 1)
        d.yVariable->setCurrentIndex(1);
    d.form.okButton().setEnabled(d.zone->count() > 0 && d.xVariable->count() > 0);
    return dialog;
}

LineMapCreateDialog::LineMapCreateDialog(QWidget* parent)
    : common::QtDialogAbstract(parent, nullptr), d(std::make_unique<Private>(*this))
{
    setWindowTitle(tr("Create Line Map"));
}

LineMapCreateDialog::~LineMapCreateDialog() = default;

void LineMapCreateDialog::accept()
{
    const Creation creation = d->createMap();
    if (creation != Creation::Complete) {
        const QString failure = creation == Creation::Failed
                                    ? tr("The line map could not be created.")
                                    : tr("The line map was created without its zone and variables.");
        propertymanager::VexUtilActionReporter().reportResult(false, failure.toStdString(), std::string());
    }
    if (creation != Creation::Failed)
        common::QtDialogAbstract::accept();
}

} // namespace kestrix::dialogs::lineplot
