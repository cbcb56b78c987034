#include "dialogs/zonestyle/intern/models/FieldShade3DModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldShade3DModel::FieldShade3DModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldShade3DModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "SHADE",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Use\nLighting"), "USELIGHTINGEFFECT").inSecondGroup()});
    return table;
}

bool FieldShade3DModel::ownIsEnabled(const QModelIndex& index) const
{
    return FieldModelAbstract::ownIsEnabled(index) && layerIsOn("SHOWSHADE");
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
