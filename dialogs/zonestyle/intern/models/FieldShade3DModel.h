#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The shade columns of three-dimensional plots.
class FieldShade3DModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_UseLighting };

    explicit FieldShade3DModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
