#include "dialogs/zonestyle/intern/models/ModelForPageMap.h"

#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

#include <kxsdkbase/KernelApi.h>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

ModelForPageMap::ModelForPageMap() = default;

ModelForPageMap::~ModelForPageMap()
{
    deleteAllModels();
}

void ModelForPageMap::setModelForPage(QWidget* page, ModelAbstract* model, int plotType)
{
    if (plotType == AnyPlotType)
        m_anyPlotTypeModels[page].reset(model);
    else
        m_plotTypeModels[plotType][page].reset(model);
}

ModelAbstract* ModelForPageMap::getModelForPage(QWidget* page) const
{
    if (const auto any = m_anyPlotTypeModels.find(page); any != m_anyPlotTypeModels.end())
        return any->second.get();
    const auto forPlotType = m_plotTypeModels.find(VexUtilFrameGetPlotType());
    if (forPlotType == m_plotTypeModels.end())
        return nullptr;
    const auto model = forPlotType->second.find(page);
    return model == forPlotType->second.end() ? nullptr : model->second.get();
}

void ModelForPageMap::deleteAllModels()
{
    m_anyPlotTypeModels.clear();
    m_plotTypeModels.clear();
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
