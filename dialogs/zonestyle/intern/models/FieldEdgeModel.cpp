#include "dialogs/zonestyle/intern/models/FieldEdgeModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldEdgeModel::FieldEdgeModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldEdgeModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "EDGELAYER",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nEdges"), "SHOW"),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Edge\nType"), "EDGETYPE", Enumeration::edgeType()),
         StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Edge\nColor"), "COLOR"),
         StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Line\nThickness"), "LINETHICKNESS",
                             SizeLimits::lineThickness()),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "I-Index\nBorder"), "IBORDER",
                           Enumeration::borderLocation())
             .inSecondGroup(),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "J-Index\nBorder"), "JBORDER",
                           Enumeration::borderLocation())
             .inSecondGroup(),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "K-Index\nBorder"), "KBORDER",
                           Enumeration::borderLocation())
             .inSecondGroup()});
    return table;
}

bool FieldEdgeModel::ownIsEnabled(const QModelIndex& index) const
{
    if (!FieldModelAbstract::ownIsEnabled(index) || !layerIsOn("SHOWEDGE"))
        return false;
    if (index.column() < Column_IBorder)
        return true;
    // Borders are drawn per index: only ordered and volume zones have indexes.
    const int map = index.row() + 1;
    return VexUtilFieldMapHasOrderedZonesForFrame(frameId(), map)
           || VexUtilFieldMapHasVolumeZonesForFrame(frameId(), map);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
