#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The vector tab.
class FieldVectorModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e {
        Column_Show,
        Column_VectorType,
        Column_Tangents,
        Column_HeadStyle,
        Column_LineColor,
        Column_LinePattern,
        Column_PatternLength,
        Column_LineThickness
    };

    explicit FieldVectorModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
