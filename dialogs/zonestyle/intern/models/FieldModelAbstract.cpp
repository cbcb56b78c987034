#include "dialogs/zonestyle/intern/models/FieldModelAbstract.h"

#include <kxtoolbox/FrameStyleValue.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

FieldModelAbstract::FieldModelAbstract(ModelAbstract* subModel, const StyleColumnTable* columns)
    : ModelAbstract(subModel, columns)
{
}

int FieldModelAbstract::mapCount() const
{
    return VexUtilFieldMapGetCountForFrame(frameId());
}

bool FieldModelAbstract::ownIsEnabled(const QModelIndex& index) const
{
    return VexUtilFieldMapIsActiveForFrame(frameId(), index.row() + 1) == 1;
}

bool FieldModelAbstract::layerIsOn(const char* layerKeyword) const
{
    return VexUtilFieldLayerIsActiveForFrame(frameId(), layerKeyword);
}

bool FieldModelAbstract::showsLayer(int row, const char* layerKeyword) const
{
    return VexUtilFieldMapIsActiveForFrame(frameId(), row + 1) == 1 && layerIsOn(layerKeyword) && isChecked(row, 0);
}

bool FieldModelAbstract::mapSettingIsOn(int row, const char* kw2, const char* kw3) const
{
    bool value = false;
    return toolbox::StyleValue::returnCodeOk(toolbox::FrameStyleValue(frameId(), "FIELDMAP", kw2, kw3).get(value, row + 1))
           && value;
}

std::optional<int> FieldModelAbstract::mapSetting(int row, const char* kw2, const char* kw3) const
{
    int value = 0;
    if (!toolbox::StyleValue::returnCodeOk(toolbox::FrameStyleValue(frameId(), "FIELDMAP", kw2, kw3).get(value, row + 1)))
        return std::nullopt;
    return value;
}

bool FieldModelAbstract::isThreeDimensional() const
{
    return VexUtilFrameGetPlotTypeForFrame(frameId()) == PlotType_Cartesian3D;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
