#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The effects tab: value blanking.
class FieldEffectsModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_UseValueBlanking };

    explicit FieldEffectsModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;

private:
    static const StyleColumnTable& columns();
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
