#include "dialogs/zonestyle/intern/models/FieldMeshModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldMeshModel::FieldMeshModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldMeshModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "MESH",
        {StyleColumn::boolean(QT_TR_NOOP("Show\nMesh"), "SHOW"),
         StyleColumn::list(QT_TR_NOOP("Mesh\nType"), "MESHTYPE", Enumeration::meshType()),
         StyleColumn::color(QT_TR_NOOP("Mesh\nColor"), "COLOR"),
         StyleColumn::list(QT_TR_NOOP("Line\nPattern"), "LINEPATTERN", Enumeration::linePattern()).inSecondGroup(),
         StyleColumn::sizeOf(QT_TR_NOOP("Pattern\nLength"), "PATTERNLENGTH", SizeLimits::patternLength()).inSecondGroup(),
         StyleColumn::sizeOf(QT_TR_NOOP("Line\nThickness"), "LINETHICKNESS", SizeLimits::lineThickness())
             .inSecondGroup()});
    return table;
}

bool FieldMeshModel::ownIsEnabled(const QModelIndex& index) const
{
    if (!showsLayer(index.row(), "SHOWMESH"))
        return false;
    if (index.column() == Column_PatternLength)
        return columnValue(index.row(), Column_LinePattern) != LinePattern_Solid;
    return true;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
