#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The surfaces tab: which surfaces of volume zones are drawn, and the plane ranges.
class FieldSurfacesModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_SurfacesToPlot, Column_IRange, Column_JRange, Column_KRange };

    explicit FieldSurfacesModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;
    Qt::ItemFlags ownFlags(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
