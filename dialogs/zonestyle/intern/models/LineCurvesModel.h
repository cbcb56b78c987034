#pragma once

#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// The curves tab: how a map's points are joined or fitted, which variable depends on which,
// how many points draw the curve and the settings of fits and splines. Nothing is edited in
// place: every column offers its menu.
class LineCurvesModel : public LineModelAbstract {
    Q_OBJECT
public:
    enum Column_e { Column_CurveType, Column_Dependency, Column_Points, Column_Settings };

    explicit LineCurvesModel(ModelAbstract* subModel);

protected:
    Qt::ItemFlags ownFlags(const QModelIndex& index) const override;
    QVariant ownData(const QModelIndex& index, int role) const override;
    QList<QAction*>* ownColumnActions(QItemSelectionModel* selection, int column) override;
    Choices columnChoices(int column) const override;

private:
    static const StyleColumnTable& columns();
    QString curveTypeText(int row) const;
    QString settingsText(int row) const;
    QList<QAction*>* curveTypeMenu(const QModelIndexList& cells) const;
    QList<QAction*>* pointsMenu(const QModelIndexList& cells) const;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
