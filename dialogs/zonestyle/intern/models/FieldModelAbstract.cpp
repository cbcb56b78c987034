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

bool FieldModelAbstract::mapIsActive(int row) const
{
    return VexUtilFieldMapIsActiveForFrame(frameId(), row + 1) == 1;
}

bool FieldModelAbstract::layerIsOn(const char* layerKeyword) const
{
    return VexUtilFieldLayerIsActiveForFrame(frameId(), layerKeyword);
}

const char* FieldModelAbstract::mapKeyword() const
{
    return "FIELDMAP";
}

bool FieldModelAbstract::isThreeDimensional() const
{
    return VexUtilFrameGetPlotTypeForFrame(frameId()) == PlotType_Cartesian3D;
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
