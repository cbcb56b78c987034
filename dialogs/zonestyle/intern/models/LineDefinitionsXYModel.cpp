#include "dialogs/zonestyle/intern/models/LineDefinitionsXYModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineDefinitionsXYModel::LineDefinitionsXYModel(ModelAbstract* subModel) : LineModelAbstract(subModel, &columns()) {}

const StyleColumnTable& LineDefinitionsXYModel::columns()
{
    static const StyleColumnTable table(
        "LINEMAP", "ASSIGN",
        {StyleColumn::variable(QT_TRANSLATE_NOOP("StyleColumn", "X-Axis\nVariable"), "XAXISVAR"),
         StyleColumn::variable(QT_TRANSLATE_NOOP("StyleColumn", "Y-Axis\nVariable"), "YAXISVAR"),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Which\nX-Axis"), "XAXIS", Enumeration::xAxis())
             .editedBy(EditorKind_ListWithPopup, 0)
             .inSecondGroup(),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Which\nY-Axis"), "YAXIS", Enumeration::yAxis())
             .editedBy(EditorKind_ListWithPopup, 0)
             .inSecondGroup()});
    return table;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
