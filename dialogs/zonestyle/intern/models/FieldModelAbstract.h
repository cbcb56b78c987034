#pragma once

#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// Rows are the field maps of the frame; a row's own cells are enabled while its map is active.
class FieldModelAbstract : public ModelAbstract {
    Q_OBJECT
public:
    explicit FieldModelAbstract(ModelAbstract* subModel, const StyleColumnTable* columns = nullptr);

    int mapCount() const override;

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;
    // Whether a plot layer of the frame ("SHOWMESH", "SHOWCONTOUR", ...) is on.
    bool layerIsOn(const char* layerKeyword) const;
    // The row's map is active, the plot layer is on and the link's own show column (its
    // first) is checked: when the cells of a layer's tab are enabled.
    bool showsLayer(int row, const char* layerKeyword) const;
    // A setting of the row's map outside this link's columns ("FIELDMAP" kw2 kw3).
    bool mapSettingIsOn(int row, const char* kw2, const char* kw3) const;
    std::optional<int> mapSetting(int row, const char* kw2, const char* kw3) const;
    bool isThreeDimensional() const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
