#pragma once

#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The x-y definitions: the variables of the axes and which axes they use.
class LineDefinitionsXYModel : public LineModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_XVariable, Column_YVariable, Column_XAxis, Column_YAxis };

    explicit LineDefinitionsXYModel(ModelAbstract* subModel);

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
