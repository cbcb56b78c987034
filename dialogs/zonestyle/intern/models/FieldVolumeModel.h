#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The volume tab of three-dimensional plots: which volume objects each map shows.
class FieldVolumeModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_IsoSurfaces, Column_Slices, Column_Streamtraces };

    explicit FieldVolumeModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
