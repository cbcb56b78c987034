#include "dialogs/zonestyle/intern/models/FieldEffects3DModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include "dialogs/zonestyle/intern/actions/EnterSingleValueAction.h"
#include "dialogs/zonestyle/intern/actions/MenuBuilder.h"

#include <QItemSelectionModel>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldEffects3DModel::FieldEffects3DModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldEffects3DModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "EFFECTS",
        {StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Lighting\nEffect"), "LIGHTINGEFFECT",
                           Enumeration::lightingEffect()),
         StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Use Surface\nTranslucency"), "USETRANSLUCENCY"),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Surface\nTranslucency"), "SURFACETRANSLUCENCY")
             .editedBy(EditorKind_ListWithPopup, 0)
             .inSecondGroup()});
    return table;
}

// The translucency presets 10, 20, ... 90 percent.
Choices FieldEffects3DModel::columnChoices(int column) const
{
    if (column != Column_Translucency)
        return FieldModelAbstract::columnChoices(column);
    Choices presets;
    for (int percent = 10; percent <= 90; percent += 10)
        presets.append(Choice{QString::number(percent), percent});
    return presets;
}

// Any translucency shows as its number, not only the presets.
QVariant FieldEffects3DModel::ownData(const QModelIndex& index, int role) const
{
    if (index.column() != Column_Translucency || role != Qt::DisplayRole)
        return FieldModelAbstract::ownData(index, role);
    const std::optional<int> percent = columnValue(index.row(), Column_Translucency);
    return percent ? QVariant(QString::number(*percent)) : QVariant();
}

QList<QAction*>* FieldEffects3DModel::ownColumnActions(QItemSelectionModel* selection, int column)
{
    QList<QAction*>* menu = FieldModelAbstract::ownColumnActions(selection, column);
    if (column != Column_Translucency || !menu)
        return menu;
    actions::MenuBuilder::appendSeparator(*menu);
    const actions::StyleKeywords path = columns().keywords(column);
    new actions::EnterSingleValueAction<int>(tr("Enter..."), selectedCells(*selection, column), menu,
                                             tr("Enter the surface translucency percentage."),
                                             tr("Surface Translucency"), 1, 99, path.kw1, path.kw2, path.kw3);
    return menu;
}

// Mesh drawn with hidden lines, a contour flood or shade, each with its layer on.
bool FieldEffects3DModel::showsASurface(int row) const
{
    if (mapSettingIsOn(row, "MESH", "SHOW") && layerIsOn("SHOWMESH")
        && mapSetting(row, "MESH", "MESHTYPE") == MeshType_HiddenLine)
        return true;
    if (mapSettingIsOn(row, "CONTOUR", "SHOW") && layerIsOn("SHOWCONTOUR")
        && mapSetting(row, "CONTOUR", "CONTOURTYPE").value_or(ContourType_Lines) != ContourType_Lines)
        return true;
    return mapSettingIsOn(row, "SHADE", "SHOW") && layerIsOn("SHOWSHADE");
}

bool FieldEffects3DModel::ownIsEnabled(const QModelIndex& index) const
{
    if (!FieldModelAbstract::ownIsEnabled(index))
        return false;
    const int row = index.row();
    switch (index.column()) {
    case Column_LightingEffect:
        return isThreeDimensional() && layerIsOn("USELIGHTINGEFFECT")
               && (mapSettingIsOn(row, "CONTOUR", "USELIGHTINGEFFECT")
                   || mapSettingIsOn(row, "SHADE", "USELIGHTINGEFFECT"));
    case Column_UseTranslucency:
        return layerIsOn("USETRANSLUCENCY") && isThreeDimensional() && showsASurface(row);
    case Column_Translucency:
        return layerIsOn("USETRANSLUCENCY") && isThreeDimensional() && showsASurface(row)
               && isChecked(row, Column_UseTranslucency);
    default:
        return true;
    }
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
