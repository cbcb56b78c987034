#pragma once

#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// A tab of one plot layer of the line maps (lines, symbols, error bars, bars), whose first
// column shows the layer for the map: its cells are enabled while the map is active, the
// frame shows the layer and the map's own layer is shown.
class LineLayerModelAbstract : public LineModelAbstract {
    Q_OBJECT
public:
    // `layerSwitch` is the frame's switch of the layer ("SHOWLINES", ...).
    LineLayerModelAbstract(ModelAbstract* subModel, const StyleColumnTable& columns, const char* layerSwitch);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    const char* m_layerSwitch;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
