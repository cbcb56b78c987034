#include "dialogs/zonestyle/intern/models/FieldScatterModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include "dialogs/zonestyle/intern/actions/StyleAction.h"

#include <kxsdkcommon/SdkCommon.h>
#include <kxsdkdialogs_prompt_qt/ScatterSizeFontDialog.h>
#include <kxtoolbox/FrameStyleValue.h>

#include <QApplication>
#include <QItemSelectionModel>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldScatterModel::FieldScatterModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldScatterModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "SCATTER",
        {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nScatter"), "SHOW"),
         StyleColumn::symbolShape(QT_TRANSLATE_NOOP("StyleColumn", "Symbol\nShape")),
         StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Scatter\nSize"), "FRAMESIZE", SizeLimits::symbolSize())
             .editedBy(EditorKind_List, 0),
         StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Outline\nColor"), "COLOR").inSecondGroup(),
         StyleColumn::sizeOf(QT_TRANSLATE_NOOP("StyleColumn", "Line\nThickness"), "LINETHICKNESS",
                             SizeLimits::lineThickness())
             .editedBy(EditorKind_ListWithPopup, 0)
             .inSecondGroup(),
         StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Fill\nMode"), "FILLMODE", Enumeration::fillMode())
             .inSecondGroup(),
         StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Fill\nColor"), "FILLCOLOR").inSecondGroup()});
    return table;
}

QString FieldScatterModel::sizeVariableText() const
{
    int variable = 0;
    toolbox::FrameStyleValue(frameId(), "GLOBALSCATTER", "VAR").get(variable);
    return tr("By: %1").arg(
        QString::fromStdString(sdk::variableNameWithIndexFormattedForAliasesForFrame(frameId(), variable)));
}

QVariant FieldScatterModel::ownData(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole && index.column() == Column_Size
        && mapSettingIsOn(index.row(), "SCATTER", "SIZEBYVARIABLE"))
        return sizeVariableText();
    return FieldModelAbstract::ownData(index, role);
}

void FieldScatterModel::clearSizeByVariable(const QModelIndexList& cells) const
{
    actions::StyleAction<char>(QString(), cells, nullptr, 0, "FIELDMAP", "SCATTER", "SIZEBYVARIABLE").trigger();
}

// A size typed or chosen in the cell also ends sizing by variable, as the size menu does.
bool FieldScatterModel::ownSetData(const QModelIndexList& indexes, const QVariant& value, int role)
{
    const bool written = FieldModelAbstract::ownSetData(indexes, value, role);
    if (written && !indexes.isEmpty() && indexes.first().column() == Column_Size)
        clearSizeByVariable(indexes);
    return written;
}

void FieldScatterModel::sizeActionSlot()
{
    if (const auto* action = qobject_cast<actions::Action*>(sender()))
        clearSizeByVariable(action->cellsToWrite());
}

void FieldScatterModel::openSelectVariableDialog()
{
    kestrix::dialogs::prompt::ScatterSizeFontDialog::getInstance(QApplication::activeWindow()).exec();
}

QList<QAction*>* FieldScatterModel::ownColumnActions(QItemSelectionModel* selection, int column)
{
    QList<QAction*>* menu = FieldModelAbstract::ownColumnActions(selection, column);
    if (!menu || column != Column_Size)
        return menu;
    const QModelIndexList cells = selectedCells(*selection, column);
    // Only a size that was written, not a cancelled prompt, ends sizing by variable.
    for (QAction* action : *menu) {
        if (auto* sizeAction = qobject_cast<actions::Action*>(action))
            connect(sizeAction, &actions::Action::applied, this, &FieldScatterModel::sizeActionSlot);
    }
    new actions::StyleAction<char>(sizeVariableText(), cells, menu, 1, "FIELDMAP", "SCATTER", "SIZEBYVARIABLE");
    auto* selectVariable = new QAction(tr("Select variable..."), nullptr);
    connect(selectVariable, &QAction::triggered, this, &FieldScatterModel::openSelectVariableDialog);
    menu->append(selectVariable);
    return menu;
}

bool FieldScatterModel::symbolIsCharacter(int row) const
{
    bool isAscii = false;
    return toolbox::StyleValue::returnCodeOk(
               toolbox::FrameStyleValue(frameId(), "FIELDMAP", "SCATTER", "SYMBOLSHAPE", "ISASCII")
                   .get(isAscii, row + 1))
           && isAscii;
}

bool FieldScatterModel::ownIsEnabled(const QModelIndex& index) const
{
    const int row = index.row();
    if (!showsLayer(row, "SHOWSCATTER"))
        return false;
    const int column = index.column();
    if (column == Column_FillColor && columnValue(row, Column_FillMode) != FillMode_UseSpecificColor)
        return false;
    if (column < Column_Size || column == Column_OutlineColor || symbolIsCharacter(row))
        return true;
    // A point has no size, outline or fill; solids in 3-D have no outline or fill either.
    const std::optional<int> shape = columnValue(row, Column_SymbolShape);
    if (shape == GeomShape_Point)
        return false;
    const bool solid = shape == GeomShape_Cube || shape == GeomShape_Sphere || shape == GeomShape_Octahedron;
    return column == Column_Size || !(solid && isThreeDimensional());
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
