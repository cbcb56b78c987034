#pragma once

#include "dialogs/zonestyle/intern/models/LineLayerModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The lines tab: whether and how the maps' lines are drawn.
class LineLinesModel : public LineLayerModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_Show, Column_Color, Column_LineThickness, Column_LinePattern, Column_PatternLength };

    explicit LineLinesModel(ModelAbstract* subModel);

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
