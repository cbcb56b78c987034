#include "dialogs/zonestyle/intern/models/LineLayerModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineLayerModelAbstract::LineLayerModelAbstract(ModelAbstract* subModel, const StyleColumnTable& columns,
                                               const char* layerSwitch)
    : LineModelAbstract(subModel, &columns),
      m_layerSwitch(layerSwitch)
{
}

bool LineLayerModelAbstract::ownIsEnabled(const QModelIndex& index) const
{
    return showsLayer(index.row(), m_layerSwitch);
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
