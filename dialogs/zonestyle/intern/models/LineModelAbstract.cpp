#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineModelAbstract::LineModelAbstract(ModelAbstract* subModel, const StyleColumnTable* columns)
    : ModelAbstract(subModel, columns)
{
}

int LineModelAbstract::mapCount() const
{
    if (VexUtilFrameGetCount() < 1 || !VexUtilDataSetIsAvailableForFrame(frameId()))
        return 0;
    return VexUtilLineMapGetCountForFrame(frameId());
}

bool LineModelAbstract::ownIsEnabled(const QModelIndex& index) const
{
    return VexUtilLineMapIsActiveForFrame(frameId(), index.row() + 1) == 1;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
