#include "dialogs/zonestyle/intern/models/FieldVectorModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldVectorModel::FieldVectorModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldVectorModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "VECTOR",
        {StyleColumn::boolean(QT_TR_NOOP("Show\nVector"), "SHOW"),
         StyleColumn::list(QT_TR_NOOP("Vector\nType"), "VECTORTYPE", Enumeration::vectorType()),
         StyleColumn::boolean(QT_TR_NOOP("Vector\nTangents"), "ISTANGENT"),
         StyleColumn::list(QT_TR_NOOP("Head\nStyle"), "ARROWHEADSTYLE", Enumeration::arrowheadStyle()).inSecondGroup(),
         StyleColumn::color(QT_TR_NOOP("Line\nColor"), "COLOR").inSecondGroup(),
         StyleColumn::list(QT_TR_NOOP("Line\nPattern"), "LINEPATTERN", Enumeration::linePattern()).inSecondGroup(),
         StyleColumn::sizeOf(QT_TR_NOOP("Pattern\nLength"), "PATTERNLENGTH", SizeLimits::patternLength()).inSecondGroup(),
         StyleColumn::sizeOf(QT_TR_NOOP("Line\nThickness"), "LINETHICKNESS", SizeLimits::lineThickness())
             .inSecondGroup()});
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
