#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The mesh tab: whether and how the mesh of each map is drawn.
class FieldMeshModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e {
        Column_Show,
        Column_MeshType,
        Column_Color,
        Column_LinePattern,
        Column_PatternLength,
        Column_LineThickness
    };

    explicit FieldMeshModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
