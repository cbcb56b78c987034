#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldModelAbstract::FieldModelAbstract(ModelAbstract* subModel) : ModelAbstract(subModel) {}

int FieldModelAbstract::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return VexUtilFieldMapGetCountForFrame(frameId());
}

bool FieldModelAbstract::ownIsEnabled(const QModelIndex& index) const
{
    return VexUtilFieldMapIsActiveForFrame(frameId(), index.row() + 1) == 1;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
