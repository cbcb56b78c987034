#pragma once

#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// Rows are the line maps of the frame (none without a frame or a data set); a row's own
// cells are enabled while its map is active.
class LineModelAbstract : public ModelAbstract {
    Q_OBJECT
public:
    explicit LineModelAbstract(ModelAbstract* subModel, const StyleColumnTable* columns = nullptr);

    int mapCount() const override;

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
