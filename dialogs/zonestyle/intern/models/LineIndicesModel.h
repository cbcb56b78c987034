#pragma once

#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

#include <kxsdkbase/KernelApi.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The indices tab: which index of an ordered zone varies along a map's line and the index
// ranges it draws. A column is enabled only where the map's zone has that dimension.
class LineIndicesModel : public LineModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_VaryingIndex, Column_IRange, Column_JRange, Column_KRange };

    explicit LineIndicesModel(ModelAbstract* subModel);

protected:
    Qt::ItemFlags ownFlags(const QModelIndex& index) const override;
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
