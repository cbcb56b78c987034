#pragma once

#include "dialogs/zonestyle/intern/models/LineLayerModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The symbols tab: the maps' symbols, their size, spacing, outline and fill.
class LineSymbolsModel : public LineLayerModelAbstract {
    Q_OBJECT
public:
    enum Column_e {
        Column_Show,
        Column_SymbolShape,
        Column_Size,
        Column_Spacing,
        Column_OutlineColor,
        Column_LineThickness,
        Column_FillMode,
        Column_FillColor
    };

    explicit LineSymbolsModel(ModelAbstract* subModel);

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
