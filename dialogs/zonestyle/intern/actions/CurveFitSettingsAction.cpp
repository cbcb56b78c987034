#include "dialogs/zonestyle/intern/actions/CurveFitSettingsAction.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxsdkdialogs_lineplot_qt/CurveFitSettingsDialog.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

namespace {

toolbox::CheckedStyleValue curveSetting(const char* keyword)
{
    return toolbox::CheckedStyleValue("LINEMAP", "CURVES", keyword);
}

int curveTypeOf(int map)
{
    int type = CurveType_Invalid;
    if (!toolbox::StyleValue::returnCodeOk(curveSetting("CURVETYPE").get(type, map)))
        return CurveType_Invalid;
    return type;
}

// Line segments and extended curves have no settings here.
bool hasSettings(int curveType)
{
    return curveType >= CurveType_PolynomialFit && curveType <= CurveType_ParaSpline;
}

} // namespace

CurveFitSettingsAction::CurveFitSettingsAction(const QModelIndexList& indexes, QList<QAction*>* menuList)
    : Action(tr("&Settings..."), indexes, menuList)
{
    bool enabled = !indexes.isEmpty();
    const int curveType = enabled ? curveTypeOf(indexes.first().row() + 1) : CurveType_Invalid;
    enabled = enabled && hasSettings(curveType);
    for (int i = 1; enabled && i < indexes.size(); ++i)
        enabled = curveTypeOf(indexes.at(i).row() + 1) == curveType;
    setEnabled(enabled);
}

void CurveFitSettingsAction::execute()
{
    const int map = indexes().first().row() + 1;
    int curveType = CurveType_Invalid;
    short order = 0;
    bool useRange = false;
    double rangeMin = 0.0;
    double rangeMax = 0.0;
    bool clamp = false;
    double derivativeAtStart = 0.0;
    double derivativeAtEnd = 0.0;
    bool useWeight = false;
    int weightVariable = 0;
    curveSetting("CURVETYPE").get(curveType, map);
    curveSetting("POLYORDER").get(order, map);
    curveSetting("USEINDVARRANGE").get(useRange, map);
    curveSetting("INDVARMIN").get(rangeMin, map);
    curveSetting("INDVARMAX").get(rangeMax, map);
    curveSetting("CLAMPSPLINE").get(clamp, map);
    curveSetting("SPLINEDERIVATIVEATSTART").get(derivativeAtStart, map);
    curveSetting("SPLINEDERIVATIVEATEND").get(derivativeAtEnd, map);
    curveSetting("USEWEIGHTVAR").get(useWeight, map);
    curveSetting("WEIGHTVAR").get(weightVariable, map);
    if (varIsInvalid(weightVariable))
        weightVariable = getEnabledVars().getNextMember(0);

    auto& dialog = kestrix::dialogs::lineplot::CurveFitSettingsDialog::getInstance(promptParent(),
                                                                                   static_cast<CurveType_e>(curveType));
    dialog.setPolyOrder(order);
    dialog.setRangeActive(useRange);
    dialog.setRangeMin(rangeMin);
    dialog.setRangeMax(rangeMax);
    dialog.setClampActive(clamp);
    dialog.setClampStart(derivativeAtStart);
    dialog.setClampEnd(derivativeAtEnd);
    dialog.setVarActive(useWeight);
    dialog.setVarNumber(weightVariable);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setAccepted(true);
    const toolbox::Set maps = mapSet();
    if (maps.isEmpty())
        return;
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(6);
    curveSetting("POLYORDER").set(dialog.polyOrder(), &maps);
    curveSetting("USEINDVARRANGE").set(dialog.rangeActive(), &maps);
    curveSetting("INDVARMIN").set(dialog.rangeMin(), &maps);
    curveSetting("INDVARMAX").set(dialog.rangeMax(), &maps);
    curveSetting("CLAMPSPLINE").set(dialog.clampActive(), &maps);
    curveSetting("SPLINEDERIVATIVEATSTART").set(dialog.clampStart(), &maps);
    curveSetting("SPLINEDERIVATIVEATEND").set(dialog.clampEnd(), &maps);
    curveSetting("WEIGHTVAR").set(dialog.varNumber(), &maps);
    curveSetting("USEWEIGHTVAR").set(dialog.varActive(), &maps);
    emit applied();
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
