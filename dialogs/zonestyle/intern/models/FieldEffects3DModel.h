#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The effects of three-dimensional plots: lighting and surface translucency.
class FieldEffects3DModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_LightingEffect, Column_UseTranslucency, Column_Translucency };

    explicit FieldEffects3DModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;
    QVariant ownData(const QModelIndex& index, int role) const override;
    QList<QAction*>* ownColumnActions(QItemSelectionModel* selection, int column) override;
    Choices columnChoices(int column) const override;

private:
    static const StyleColumnTable& columns();
    bool showsASurface(int row) const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
