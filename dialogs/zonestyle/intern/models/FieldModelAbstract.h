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
    bool mapIsActive(int row) const override;
    bool layerIsOn(const char* layerKeyword) const override;
    const char* mapKeyword() const override;
    bool isThreeDimensional() const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
