#include "dialogs/zonestyle/intern/models/FieldSurfacesModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldSurfacesModel::FieldSurfacesModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldSurfacesModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "SURFACES",
        {StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Surfaces\nto Plot"), "SURFACESTOPLOT",
                           Enumeration::surfacesToPlot()),
         StyleColumn::indexRange(QT_TRANSLATE_NOOP("StyleColumn", "I-Plane\nRange"), "IRANGE").inSecondGroup(),
         StyleColumn::indexRange(QT_TRANSLATE_NOOP("StyleColumn", "J-Plane\nRange"), "JRANGE").inSecondGroup(),
         StyleColumn::indexRange(QT_TRANSLATE_NOOP("StyleColumn", "K-Plane\nRange"), "KRANGE").inSecondGroup()});
    return table;
}

// The surfaces are chosen from their menu only.
Qt::ItemFlags FieldSurfacesModel::ownFlags(const QModelIndex& index) const
{
    return FieldModelAbstract::ownFlags(index) & ~Qt::ItemIsEditable;
}

bool FieldSurfacesModel::ownIsEnabled(const QModelIndex& index) const
{
    if (!FieldModelAbstract::ownIsEnabled(index))
        return false;
    const int map = index.row() + 1;
    if (index.column() == Column_SurfacesToPlot)
        return VexUtilFieldMapHasVolumeZonesForFrame(frameId(), map);
    if (!VexUtilFieldMapHasIJKOrderedZonesForFrame(frameId(), map))
        return false;
    const std::optional<int> surfaces = columnValue(index.row(), Column_SurfacesToPlot);
    if (!surfaces || *surfaces == SurfacesToPlot_All)
        return false;
    // Each range matters only where planes of its index are drawn.
    switch (index.column()) {
    case Column_IRange:
        return *surfaces != SurfacesToPlot_JPlanes && *surfaces != SurfacesToPlot_KPlanes
               && *surfaces != SurfacesToPlot_JKPlanes;
    case Column_JRange:
        return *surfaces != SurfacesToPlot_IPlanes && *surfaces != SurfacesToPlot_KPlanes
               && *surfaces != SurfacesToPlot_IKPlanes;
    case Column_KRange:
        return *surfaces != SurfacesToPlot_IPlanes && *surfaces != SurfacesToPlot_JPlanes
               && *surfaces != SurfacesToPlot_IJPlanes;
    default:
        return true;
    }
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
