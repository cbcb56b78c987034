#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The edge tab: the edges of each map and, for ordered zones, the borders drawn per index.
class FieldEdgeModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e {
        Column_Show,
        Column_EdgeType,
        Column_Color,
        Column_LineThickness,
        Column_IBorder,
        Column_JBorder,
        Column_KBorder
    };

    explicit FieldEdgeModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
