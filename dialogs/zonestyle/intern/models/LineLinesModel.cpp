#include "dialogs/zonestyle/intern/models/LineLinesModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineLinesModel::LineLinesModel(ModelAbstract* subModel) : LineLayerModelAbstract(subModel, columns(), "SHOWLINES") {}

const StyleColumnTable& LineLinesModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "LINES",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nLines"), "SHOW"),
         StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Line\nColor"), "COLOR").inSecondGroup(),
         StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Line\nThickness"), "LINETHICKNESS",
                             SizeLimits::lineThickness())
             .inSecondGroup(),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Line\nPattern"), "LINEPATTERN", Enumeration::linePattern())
             .inSecondGroup(),
         StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Pattern\nLength"), "PATTERNLENGTH",
                             SizeLimits::patternLength())
             .inSecondGroup()});
    return table;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
