#include "dialogs/zonestyle/intern/models/LineCurvesModel.h"

#include "dialogs/zonestyle/intern/actions/CompanionStyleAction.h"
#include "dialogs/zonestyle/intern/actions/CurveFitSettingsAction.h"
#include "dialogs/zonestyle/intern/actions/EnterSingleValueAction.h"
#include "dialogs/zonestyle/intern/actions/MenuBuilder.h"
#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/FrameStyleValue.h>

#include <QCoreApplication>
#include <QItemSelectionModel>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

namespace {

const actions::StyleKeywords CurveTypeKeywords{"LINEMAP", "CURVES", "CURVETYPE"};
const actions::StyleKeywords PolyOrderKeywords{"LINEMAP", "CURVES", "POLYORDER"};

bool isFit(int curveType)
{
    return curveType == CurveType_PolynomialFit || curveType == CurveType_EToRFit || curveType == CurveType_PowerFit;
}

bool isSpline(int curveType)
{
    return curveType == CurveType_Spline || curveType == CurveType_ParaSpline;
}

} // namespace

LineCurvesModel::LineCurvesModel(ModelAbstract* subModel) : LineModelAbstract(subModel, &columns()) {}

const StyleColumnTable& LineCurvesModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "CURVES",
        {StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Curve\nType"), "CURVETYPE", Enumeration::curveType()),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Dependent\nVariable"), "FUNCTIONDEPENDENCY")
             .underLayer("ASSIGN")
             .editedBy(EditorKind_ListWithPopup, 0),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Curve\nPoints"), "NUMPTS")
             .editedBy(EditorKind_EditableList, 1)
             .inSecondGroup(),
         StyleColumn::text(QT_TRANSLATE_NOOP("StyleColumn", "Curve\nSetting"))
             .editedBy(EditorKind_None, 3)
             .inSecondGroup()});
    return table;
}

Qt::ItemFlags LineCurvesModel::ownFlags(const QModelIndex& index) const
{
    return LineModelAbstract::ownFlags(index) & ~Qt::ItemIsEditable;
}

Choices LineCurvesModel::columnChoices(int column) const
{
    switch (column) {
    case Column_Dependency:
        return (isPolar() ? Enumeration::functionDependencyPolar() : Enumeration::functionDependencyXY()).choices();
    case Column_Points:
        return {Choice{QStringLiteral("1000"), 1000}, Choice{QStringLiteral("500"), 500},
                Choice{QStringLiteral("250"), 250}};
    default:
        return LineModelAbstract::columnChoices(column);
    }
}

QVariant LineCurvesModel::ownData(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return LineModelAbstract::ownData(index, role);
    switch (index.column()) {
    case Column_CurveType:
        return curveTypeText(index.row());
    case Column_Points: {
        const std::optional<int> points = columnValue(index.row(), Column_Points);
        return points ? QVariant(QString::number(*points)) : QVariant();
    }
    case Column_Settings:
        return settingsText(index.row());
    default:
        return LineModelAbstract::ownData(index, role);
    }
}

// A polynomial of order 1 is a straight line.
QString LineCurvesModel::curveTypeText(int row) const
{
    const std::optional<int> type = columnValue(row, Column_CurveType);
    if (!type)
        return {};
    if (*type != CurveType_PolynomialFit)
        return Enumeration::curveType().text(*type);
    return mapSetting(row, "CURVES", "POLYORDER") == 1 ? tr("Linear fit") : tr("Polynomial fit");
}

QString LineCurvesModel::settingsText(int row) const
{
    const std::optional<int> type = columnValue(row, Column_CurveType);
    if (!type)
        return {};
    const int map = row + 1;
    const auto number = [this, map](const char* keyword) {
        double value = 0.0;
        toolbox::FrameStyleValue(frameId(), "LINEMAP", "CURVES", keyword).get(value, map);
        return QString::number(value);
    };
    QStringList settings;
    if (*type == CurveType_PolynomialFit)
        settings << tr("Order=%1").arg(mapSetting(row, "CURVES", "POLYORDER").value_or(0));
    if ((isFit(*type) || isSpline(*type)) && mapSettingIsOn(row, "CURVES", "USEINDVARRANGE"))
        settings << tr("Points range=%1,%2").arg(number("INDVARMIN"), number("INDVARMAX"));
    if (isFit(*type) && mapSettingIsOn(row, "CURVES", "USEWEIGHTVAR"))
        settings << tr("Weighting variable=%1")
                        .arg(QString::fromStdString(sdk::variableNameFormattedForAliasesForFrame(
                            frameId(), mapSetting(row, "CURVES", "WEIGHTVAR").value_or(0))));
    if (isSpline(*type) && mapSettingIsOn(row, "CURVES", "CLAMPSPLINE"))
        settings << tr("Clamped: D1=%1, D2=%2").arg(number("SPLINEDERIVATIVEATSTART"), number("SPLINEDERIVATIVEATEND"));
    return settings.join(QStringLiteral("; "));
}

QList<QAction*>* LineCurvesModel::ownColumnActions(QItemSelectionModel* selection, int column)
{
    if (!selection)
        return nullptr;
    const QModelIndexList cells = selectedCells(*selection, column);
    switch (column) {
    case Column_CurveType:
        return curveTypeMenu(cells);
    case Column_Points:
        return pointsMenu(cells);
    case Column_Settings: {
        auto* menu = new QList<QAction*>();
        new actions::CurveFitSettingsAction(cells, menu);
        return menu;
    }
    default:
        return LineModelAbstract::ownColumnActions(selection, column);
    }
}

// Linear and polynomial fits are one curve type of different orders: each sets both, as one
// step to undo. The extended curve type is not offered.
QList<QAction*>* LineCurvesModel::curveTypeMenu(const QModelIndexList& cells) const
{
    const auto entry = [](int type) { return Enumeration::curveType().text(type); };
    auto* menu = new QList<QAction*>();
    new actions::StyleAction<CurveType_e>(entry(CurveType_LineSeg), cells, menu, CurveType_LineSeg,
                                          CurveTypeKeywords.kw1, CurveTypeKeywords.kw2, CurveTypeKeywords.kw3);
    new actions::CompanionStyleAction(tr("Linear fit"), cells, menu, CurveType_PolynomialFit, CurveTypeKeywords, 1,
                                      PolyOrderKeywords);
    new actions::CompanionStyleAction(tr("Polynomial fit"), cells, menu, CurveType_PolynomialFit, CurveTypeKeywords, 3,
                                      PolyOrderKeywords);
    for (CurveType_e type : {CurveType_EToRFit, CurveType_PowerFit, CurveType_Spline, CurveType_ParaSpline})
        new actions::StyleAction<CurveType_e>(entry(type), cells, menu, type, CurveTypeKeywords.kw1,
                                              CurveTypeKeywords.kw2, CurveTypeKeywords.kw3);
    return menu;
}

QList<QAction*>* LineCurvesModel::pointsMenu(const QModelIndexList& cells) const
{
    auto* menu = new QList<QAction*>();
    for (int points : {250, 500, 1000})
        new actions::StyleAction<int>(QString::number(points), cells, menu, points, "LINEMAP", "CURVES", "NUMPTS");
    actions::MenuBuilder::appendSeparator(*menu);
    new actions::EnterSingleValueAction<int>(QCoreApplication::translate("StyleMenu", "Enter..."), cells, menu,
                                             tr("Enter the number of points used to draw the curve"),
                                             tr("Number of Points"), 2, 2000, "LINEMAP", "CURVES", "NUMPTS");
    return menu;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
