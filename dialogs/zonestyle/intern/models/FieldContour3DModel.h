#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The contour columns of three-dimensional plots.
class FieldContour3DModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_UseLighting };

    explicit FieldContour3DModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
