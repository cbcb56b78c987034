#pragma once

#include "dialogs/zonestyle/intern/models/LineLayerModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The bar charts tab: the maps' bars, their direction, width, outline and fill.
class LineBarsModel : public LineLayerModelAbstract {
    Q_OBJECT
public:
    enum Column_e {
        Column_Show,
        Column_Direction,
        Column_Size,
        Column_OutlineColor,
        Column_LineThickness,
        Column_FillMode,
        Column_FillColor
    };

    explicit LineBarsModel(ModelAbstract* subModel);

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
