#include "dialogs/zonestyle/intern/models/FieldEffectsModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include <kxtoolbox/FrameStyleValue.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldEffectsModel::FieldEffectsModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldEffectsModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "EFFECTS",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Use Value\nBlanking"), "USEVALUEBLANKING")});
    return table;
}

// Value blanking is in use when the frame includes it and at least one of its constraints.
bool FieldEffectsModel::ownIsEnabled(const QModelIndex& index) const
{
    if (!FieldModelAbstract::ownIsEnabled(index))
        return false;
    bool included = false;
    toolbox::FrameStyleValue(frameId(), "BLANKING", "VALUE", "INCLUDE").get(included);
    if (!included)
        return false;
    const toolbox::FrameStyleValue constraint(frameId(), "BLANKING", "VALUE", "CONSTRAINT", "INCLUDE");
    for (int number = 1; number <= 8; ++number) {
        bool constraintIncluded = false;
        if (toolbox::StyleValue::returnCodeOk(constraint.get(constraintIncluded, number)) && constraintIncluded)
            return true;
    }
    return false;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
