#include "dialogs/zonestyle/intern/models/FieldVectorModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldVectorModel::FieldVectorModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldVectorModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "VECTOR",
        StyleColumn::withLineStyle(
            {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nVector"), "SHOW"),
             StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Vector\nType"), "VECTORTYPE",
                               Enumeration::vectorType()),
             StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Vector\nTangents"), "ISTANGENT"),
             StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Head\nStyle"), "ARROWHEADSTYLE",
                               Enumeration::arrowheadStyle())
                 .inSecondGroup(),
             StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Line\nColor"), "COLOR").inSecondGroup()}));
    return table;
}

bool FieldVectorModel::ownIsEnabled(const QModelIndex& index) const
{
    if (!showsLayer(index.row(), "SHOWVECTOR"))
        return false;
    if (index.column() == Column_PatternLength)
        return columnValue(index.row(), Column_LinePattern) != LinePattern_Solid;
    return true;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
