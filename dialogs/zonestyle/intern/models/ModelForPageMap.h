#pragma once

#include <map>
#include <memory>

class QWidget;

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

class ModelAbstract;

// The model chain of every tab page, for every plot type or for one plot-type code.
// Owns every chain registered in it.
class ModelForPageMap {
public:
    static constexpr int AnyPlotType = 255;

    ModelForPageMap();
    ModelForPageMap(const ModelForPageMap&) = delete;
    ModelForPageMap& operator=(const ModelForPageMap&) = delete;
    virtual ~ModelForPageMap();

    // plotType 255 registers the model for every plot type, any other code for that one only.
    void setModelForPage(QWidget* page, ModelAbstract* model, int plotType);
    // The model for every plot type if there is one, else the one for the current frame's
    // plot type, else null.
    ModelAbstract* getModelForPage(QWidget* page) const;
    void deleteAllModels();

private:
    using PageModels = std::map<QWidget*, std::unique_ptr<ModelAbstract>>;
    PageModels m_anyPlotTypeModels;
    std::map<int, PageModels> m_plotTypeModels;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
