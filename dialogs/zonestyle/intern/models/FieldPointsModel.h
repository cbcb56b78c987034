#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The points tab: which points vectors and scatter symbols are drawn at.
class FieldPointsModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_PointsToPlot, Column_IndexSkip };

    explicit FieldPointsModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
