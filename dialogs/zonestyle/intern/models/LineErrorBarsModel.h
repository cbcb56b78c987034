#pragma once

#include "dialogs/zonestyle/intern/actions/ErrorBarShowAction.h"
#include "dialogs/zonestyle/intern/models/LineLayerModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The error bars tab: the maps' error bars, the variable that sizes them, their type,
// spacing, colour, size and thickness. Showing error bars asks for a variable where a map
// has none.
class LineErrorBarsModel : public LineLayerModelAbstract {
    Q_OBJECT
public:
    using ShowAction = actions::ErrorBarShowAction;

    enum Column_e {
        Column_Show,
        Column_Variable,
        Column_BarType,
        Column_Spacing,
        Column_Color,
        Column_Size,
        Column_LineThickness
    };

    explicit LineErrorBarsModel(ModelAbstract* subModel);

protected:
    QVariant ownData(const QModelIndex& index, int role) const override;
    bool ownSetData(const QModelIndexList& indexes, const QVariant& value, int role) override;
    QList<QAction*>* ownColumnActions(QItemSelectionModel* selection, int column) override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
