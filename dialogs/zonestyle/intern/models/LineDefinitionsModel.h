#pragma once

#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The definitions tab: the zone a map draws, how its points are sorted and whether the
// legend shows it. The plot type's own variables and axes follow in the next link.
class LineDefinitionsModel : public LineModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_Zone, Column_Sort, Column_ShowInLegend };

    explicit LineDefinitionsModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;
    QVariant ownData(const QModelIndex& index, int role) const override;

private:
    static const StyleColumnTable& columns();
    bool drawsSpline(int row) const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
