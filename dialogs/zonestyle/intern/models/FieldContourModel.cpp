#include "dialogs/zonestyle/intern/models/FieldContourModel.h"

#include "dialogs/zonestyle/intern/models/Enumeration.h"
#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/FrameStyleValue.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldContourModel::FieldContourModel(ModelAbstract* subModel) : FieldModelAbstract(subModel, &columns()) {}

const StyleColumnTable& FieldContourModel::columns()
{
    static const StyleColumnTable table(
        "FIELDMAP", "CONTOUR",
        StyleColumn::withLineStyle(
            {StyleColumn::boolean(QT_TRANSLATE_NOOP("StyleColumn", "Show\nContour"), "SHOW"),
             StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Contour\nType"), "CONTOURTYPE",
                               Enumeration::contourType()),
             StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Flood\nBy"), "FLOODCOLORING")
                 .editedBy(EditorKind_ListWithPopup, 4),
             StyleColumn::list(QT_TRANSLATE_NOOP("StyleColumn", "Lines\nBy"), "LINECONTOURGROUP")
                 .editedBy(EditorKind_ListWithPopup, 4),
             StyleColumn::color(QT_TRANSLATE_NOOP("StyleColumn", "Line\nColor"), "COLOR").inSecondGroup()}));
    return table;
}

Choices FieldContourModel::contourGroups() const
{
    Choices groups;
    const toolbox::FrameStyleValue groupVariable(frameId(), "GLOBALCONTOUR", "VAR");
    for (int group = 1; group <= 8; ++group) {
        int variable = 0;
        QString name = tr("unassigned");
        if (toolbox::StyleValue::returnCodeOk(groupVariable.get(variable, group)) && variable > 0)
            name = QString::fromStdString(sdk::variableNameFormattedForAliasesForFrame(frameId(), variable));
        groups.append(Choice{QStringLiteral("C%1: %2").arg(group).arg(name), group});
    }
    return groups;
}

Choices FieldContourModel::columnChoices(int column) const
{
    if (column == Column_LinesBy)
        return contourGroups();
    if (column != Column_FloodBy)
        return FieldModelAbstract::columnChoices(column);
    Choices choices = contourGroups();
    // RGB flooding needs the frame's RGB channel variables.
    const bool rgbUsable = sdk::checkRGBChannelVars(toolbox::FrameStyleValue(frameId(), "GLOBALRGB"));
    choices.append(Choice{tr("RGB"), static_cast<int>(ContourColoring_RGB), true, rgbUsable});
    return choices;
}

bool FieldContourModel::ownIsEnabled(const QModelIndex& index) const
{
    const int row = index.row();
    if (!showsLayer(row, "SHOWCONTOUR"))
        return false;
    const std::optional<int> type = columnValue(row, Column_ContourType);
    const bool drawsLines = type == ContourType_Lines || type == ContourType_Overlay;
    switch (index.column()) {
    case Column_FloodBy:
        return type != ContourType_Lines;
    case Column_LinesBy:
    case Column_LineColor:
    case Column_LinePattern:
    case Column_LineThickness:
        return drawsLines;
    case Column_PatternLength:
        return drawsLines && columnValue(row, Column_LinePattern) != LinePattern_Solid;
    default:
        return true;
    }
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
