#include "dialogs/zonestyle/intern/models/FieldContour3DModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldContour3DModel::FieldContour3DModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldContour3DModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "CONTOUR",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Use\nLighting"), "USELIGHTINGEFFECT").inSecondGroup()});
    return table;
}

bool FieldContour3DModel::ownIsEnabled(const QModelIndex& index) const
{
    return FieldModelAbstract::ownIsEnabled(index);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
