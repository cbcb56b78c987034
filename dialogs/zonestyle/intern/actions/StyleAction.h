#pragma once

#include "dialogs/zonestyle/intern/actions/Action.h"

#include <kxsdkbase/Enumerations.h>
#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/StyleValue.h>

#include <memory>
#include <string>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Writes one value to a style setting of the maps of its cells. Switching a field layer's
// "SHOW" on first offers to switch the plot layer on when the active zones need it.
template <typename T>
class StyleAction : public Action {
public:
    StyleAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList, T value,
                const char* kw1, const char* kw2 = nullptr, const char* kw3 = nullptr, const char* kw4 = nullptr);
    ~StyleAction() override;

    T value() const { return m_value; }
    const toolbox::CheckedStyleValue& styleValue() const { return *m_styleValue; }
    bool activatesLayer() const { return m_activatesLayer; }

protected:
    void execute() override;
    void applyValue(T value);
    void setStyleValue(std::unique_ptr<toolbox::CheckedStyleValue> styleValue);

private:
    void queryLayerActivation() const;

    std::unique_ptr<toolbox::CheckedStyleValue> m_styleValue;
    T m_value;
    bool m_activatesLayer = false;
    std::string m_layerName;
    toolbox::StyleValue m_surfacesToPlot;
    toolbox::StyleValue m_pointsToPlot;
    bool m_isPointLayer = false;
};

extern template class StyleAction<char>;
extern template class StyleAction<short>;
extern template class StyleAction<int>;
extern template class StyleAction<double>;
extern template class StyleAction<LinePattern_e>;
extern template class StyleAction<MeshType_e>;
extern template class StyleAction<ContourType_e>;
extern template class StyleAction<ContourColoring_e>;
extern template class StyleAction<VectorType_e>;
extern template class StyleAction<ArrowheadStyle_e>;
extern template class StyleAction<GeomShape_e>;
extern template class StyleAction<FillMode_e>;
extern template class StyleAction<EdgeType_e>;
extern template class StyleAction<BorderLocation_e>;
extern template class StyleAction<PointsToPlot_e>;
extern template class StyleAction<SurfacesToPlot_e>;
extern template class StyleAction<LightingEffect_e>;
extern template class StyleAction<SkipMode_e>;
extern template class StyleAction<LineMapSort_e>;
extern template class StyleAction<LegendShow_e>;
extern template class StyleAction<CurveType_e>;
extern template class StyleAction<FunctionDependency_e>;
extern template class StyleAction<ErrorBar_e>;
extern template class StyleAction<IJKLines_e>;

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
