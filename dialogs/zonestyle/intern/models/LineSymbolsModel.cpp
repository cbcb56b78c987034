#include "dialogs/zonestyle/intern/models/LineSymbolsModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineSymbolsModel::LineSymbolsModel(ModelAbstract* subModel) : LineLayerModelAbstract(subModel, columns(), "SHOWSYMBOLS")
{
}

const StyleColumnTable& LineSymbolsModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "SYMBOLS",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nSymbols"), "SHOW"),
         StyleColumn::symbolShape(QT_TRANSLATE_NOOP("StyleColumn", "Symbol\nShape")),
         StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Symbol\nSize"), "SIZE", SizeLimits::lineSymbolSize()),
         StyleColumn::skip(QT_TRANSLATE_NOOP("StyleColumn", "Symbol\nSpacing")),
         StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Outline\nColor"), "COLOR").inSecondGroup(),
         StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Line\nThickness"), "LINETHICKNESS",
                             SizeLimits::lineThickness())
             .inSecondGroup(),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Fill\nMode"), "FILLMODE", Enumeration::fillMode())
             .inSecondGroup(),
         StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Fill\nColor"), "FILLCOLOR").inSecondGroup()});
    return table;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
