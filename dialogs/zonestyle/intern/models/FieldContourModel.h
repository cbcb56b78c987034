#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The contour tab: contour type, the contour groups that colour the flood and the lines,
// and the line style.
class FieldContourModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e {
        Column_Show,
        Column_ContourType,
        Column_FloodBy,
        Column_LinesBy,
        Column_LineColor,
        Column_LinePattern,
        Column_PatternLength,
        Column_LineThickness
    };

    explicit FieldContourModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;
    Choices columnChoices(int column) const override;

private:
    static const StyleColumnTable& columns();
    // Contour group n shows as "C<n>: <its variable>".
    Choices contourGroups() const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
