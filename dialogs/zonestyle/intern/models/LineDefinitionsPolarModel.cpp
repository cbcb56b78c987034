#include "dialogs/zonestyle/intern/models/LineDefinitionsPolarModel.h"

#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineDefinitionsPolarModel::LineDefinitionsPolarModel(ModelAbstract* subModel) : LineModelAbstract(subModel, &columns())
{
}

const StyleColumnTable& LineDefinitionsPolarModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "ASSIGN",
        {StyleColumn::variable(QT_TRANSLATE_NOOP("StyleColumn", "Theta\nVariable"), "XAXISVAR"),
         StyleColumn::variable(QT_TRANSLATE_NOOP("StyleColumn", "Radius\nVariable"), "YAXISVAR")});
    return table;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
