#include "dialogs/zonestyle/intern/models/LineDefinitionsModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include <kxsdkcommon/SdkCommon.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineDefinitionsModel::LineDefinitionsModel(ModelAbstract* subModel) : LineModelAbstract(subModel, &columns()) {}

const StyleColumnTable& LineDefinitionsModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "ASSIGN",
        {StyleColumn::zone(QT_TRANSLATE_NOOP("StyleColumn", "Zone"), "ZONE"),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Sort"), "SORT", Enumeration::lineMapSort())
             .inSecondGroup(),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Show in\nLegend"), "SHOWINLEGEND",
                           Enumeration::legendShow())
             .inSecondGroup()});
    return table;
}

bool LineDefinitionsModel::drawsSpline(int row) const
{
    return mapSetting(row, "CURVES", "CURVETYPE") == CurveType_Spline;
}

QVariant LineDefinitionsModel::ownData(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || index.column() != Column_Sort)
        return LineModelAbstract::ownData(index, role);
    // A spline sorts its points itself.
    if (drawsSpline(index.row()))
        return tr("N/A");
    if (columnValue(index.row(), Column_Sort) == LineMapSort_SpecificVar) {
        const std::optional<int> variable = mapSetting(index.row(), "ASSIGN", "SORTVAR");
        return QString::fromStdString(sdk::variableNameFormattedForAliasesForFrame(frameId(), variable.value_or(0)));
    }
    return LineModelAbstract::ownData(index, role);
}

bool LineDefinitionsModel::ownIsEnabled(const QModelIndex& index) const
{
    switch (index.column()) {
    case Column_ShowInLegend:
        return true;
    case Column_Sort:
        return mapIsActive(index.row()) && !drawsSpline(index.row());
    default:
        return mapIsActive(index.row());
    }
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
