#include "dialogs/zonestyle/intern/models/LineSymbolsModel.h"

#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineSymbolsModel::LineSymbolsModel(ModelAbstract* subModel) : LineLayerModelAbstract(subModel, columns(), "SHOWSYMBOLS")
{
}

const StyleColumnTable& LineSymbolsModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "SYMBOLS",
        StyleColumn::withOutlineAndFill(
            {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nSymbols"), "SHOW"),
             StyleColumn::symbolShape(QT_TRANSLATE_NOOP("StyleColumn", "Symbol\nShape")),
             StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Symbol\nSize"), "SIZE",
                                 SizeLimits::lineSymbolSize()),
             StyleColumn::skip(QT_TRANSLATE_NOOP("StyleColumn", "Symbol\nSpacing"))}));
    return table;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
