#include "dialogs/zonestyle/intern/models/FieldMeshModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldMeshModel::FieldMeshModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldMeshModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "MESH",
        StyleColumn::withLineStyle(
            {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nMesh"), "SHOW"),
             StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Mesh\nType"), "MESHTYPE", Enumeration::meshType()),
             StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Mesh\nColor"), "COLOR")}));
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
