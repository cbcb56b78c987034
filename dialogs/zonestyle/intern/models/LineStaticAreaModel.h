#pragma once

#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The first columns of every line tab: map number, map name and whether the map is shown.
class LineStaticAreaModel : public LineModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_MapNumber = 0, Column_MapName = 1, Column_Show = 2, ColumnCount = 3 };

    explicit LineStaticAreaModel(ModelAbstract* subModel);

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
    QVariant displayName(int map) const;
    QVariant rawName(int map) const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
