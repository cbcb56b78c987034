#pragma once

#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The polar definitions: the variables of the angle and the radius.
class LineDefinitionsPolarModel : public LineModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_ThetaVariable, Column_RadiusVariable };

    explicit LineDefinitionsPolarModel(ModelAbstract* subModel);

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
