#include "dialogs/zonestyle/intern/models/FieldPointsModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldPointsModel::FieldPointsModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldPointsModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "POINTS",
        {StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Points\nto Plot"), "POINTSTOPLOT",
                           Enumeration::pointsToPlot()),
         StyleColumn::indexSkip(QT_TRANSLATE_NOOP("StyleColumn", "Index\nSkip"), "IJKSKIP").inSecondGroup()});
    return table;
}

// Points are where vectors and scatter symbols are drawn.
bool FieldPointsModel::ownIsEnabled(const QModelIndex& index) const
{
    if (!FieldModelAbstract::ownIsEnabled(index))
        return false;
    const int row = index.row();
    return (mapSettingIsOn(row, "VECTOR", "SHOW") && layerIsOn("SHOWVECTOR"))
           || (mapSettingIsOn(row, "SCATTER", "SHOW") && layerIsOn("SHOWSCATTER"));
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
