#include "dialogs/zonestyle/intern/models/FieldShadeModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldShadeModel::FieldShadeModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldShadeModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "SHADE",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nShade"), "SHOW"),
         StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Shade\nColor"), "COLOR")});
    return table;
}

bool FieldShadeModel::ownIsEnabled(const QModelIndex& index) const
{
    return showsLayer(index.row(), "SHOWSHADE");
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
