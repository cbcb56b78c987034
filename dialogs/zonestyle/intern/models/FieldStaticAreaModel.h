#pragma once

#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The first columns of every field tab: zone number, zone name, group and whether the map is shown.
class FieldStaticAreaModel : public FieldModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_ZoneNumber = 0, Column_ZoneName = 1, Column_Group = 2, Column_Show = 3, ColumnCount = 4 };

    explicit FieldStaticAreaModel(ModelAbstract* subModel);

protected:
    Qt::ItemFlags ownFlags(const QModelIndex& index) const override;
    int ownColumnCount(const QModelIndex& parent) const override;
    QVariant ownHeaderData(int section) const override;
    QVariant ownData(const QModelIndex& index, int role) const override;
    bool ownSetData(const QModelIndexList& indexes, const QVariant& value, int role) override;
    QBrush ownHeaderBackground(int section) const override;
    QList<QAction*>* ownColumnActions(QItemSelectionModel* selection, int column) override;
    int ownEditorKind(int column) const override;
    int ownEditorParameter(int column) const override;

private:
    QVariant zoneNumberText(int map) const;
    QVariant zoneName(int map) const;
    QVariant groupNumber(int map) const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
