#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The scatter tab: symbol shape and size, outline and fill.
class FieldScatterModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e {
        Column_Show,
        Column_SymbolShape,
        Column_Size,
        Column_OutlineColor,
        Column_LineThickness,
        Column_FillMode,
        Column_FillColor
    };

    explicit FieldScatterModel(ModelAbstract* subModel);

protected:
    bool ownIsEnabled(const QModelIndex& index) const override;
    QVariant ownData(const QModelIndex& index, int role) const override;
    bool ownSetData(const QModelIndexList& indexes, const QVariant& value, int role) override;
    QList<QAction*>* ownColumnActions(QItemSelectionModel* selection, int column) override;

protected slots:
    // A size chosen for maps whose size follows a variable makes it fixed again.
    void sizeActionSlot();
    void openSelectVariableDialog();

private:
    static const StyleColumnTable& columns();
    QString sizeVariableText() const;
    bool symbolIsCharacter(int row) const;
    void clearSizeByVariable(const QModelIndexList& cells) const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
