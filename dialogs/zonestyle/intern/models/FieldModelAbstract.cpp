#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldModelAbstract::FieldModelAbstract(ModelAbstract* subModel) : ModelAbstract(subModel) {}

int FieldModelAbstract::mapCount() const
{
    return VexUtilFieldMapGetCountForFrame(frameId());
}

bool FieldModelAbstract::ownIsEnabled(const QModelIndex& index) const
{
    return VexUtilFieldMapIsActiveForFrame(frameId(), index.row() + 1) == 1;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
