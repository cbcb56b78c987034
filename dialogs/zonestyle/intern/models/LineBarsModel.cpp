#include "dialogs/zonestyle/intern/models/LineBarsModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineBarsModel::LineBarsModel(ModelAbstract* subModel) : LineLayerModelAbstract(subModel, columns(), "SHOWBARCHARTS") {}

const StyleColumnTable& LineBarsModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "BARCHARTS",
        StyleColumn::withOutlineAndFill(
            {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nBars"), "SHOW"),
             StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Bar\nDirection"), "FUNCTIONDEPENDENCY",
                               Enumeration::barDirection())
                 .underLayer("ASSIGN"),
             StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Bar\nSize"), "SIZE", SizeLimits::barSize())}));
    return table;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
