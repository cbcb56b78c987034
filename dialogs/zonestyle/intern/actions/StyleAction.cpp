#include "dialogs/zonestyle/intern/actions/StyleAction.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/ScopedWaitCursor.h>
#include <kxsdkcommon/SdkCommon.h>
#include <kxtoolbox/Set.h>
#include <kxtoolbox/StringList.h>

#include <cstring>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

namespace {

bool equals(const char* keyword, const char* expected)
{
    return keyword && std::strcmp(keyword, expected) == 0;
}

bool isFieldLayerShow(const char* kw1, const char* kw2, const char* kw3)
{
    if (!equals(kw1, "FIELDMAP") || !equals(kw3, "SHOW"))
        return false;
    for (const char* layer : {"MESH", "CONTOUR", "VECTOR", "SCATTER", "EDGELAYER", "SHADE"}) {
        if (equals(kw2, layer))
            return true;
    }
    return false;
}

toolbox::StringList keywordList(const char* kw1, const char* kw2, const char* kw3, const char* kw4)
{
    toolbox::StringList keywords(kw1);
    for (const char* keyword : {kw2, kw3, kw4}) {
        if (!keyword)
            break;
        keywords.append(keyword);
    }
    return keywords;
}

// Values that count as "off" do not switch a layer on.
template <typename T>
bool isNonZero(T value)
{
    return value != static_cast<T>(0);
}

} // namespace

template <typename T>
StyleAction<T>::StyleAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList, T value,
                            const char* kw1, const char* kw2, const char* kw3, const char* kw4)
    : Action(text, indexes, menuList),
      m_styleValue(std::make_unique<toolbox::CheckedStyleValue>(keywordList(kw1, kw2, kw3, kw4))),
      m_value(value),
      m_activatesLayer(isFieldLayerShow(kw1, kw2, kw3)),
      m_layerName(m_activatesLayer ? kw2 : ""),
      m_surfacesToPlot("FIELDMAP", "SURFACES", "SURFACESTOPLOT"),
      m_pointsToPlot("FIELDMAP", "POINTS", "POINTSTOPLOT"),
      m_isPointLayer(equals(kw2, "VECTOR") || equals(kw2, "SCATTER"))
{
}

template <typename T>
StyleAction<T>::~StyleAction() = default;

template <typename T>
void StyleAction<T>::setStyleValue(std::unique_ptr<toolbox::CheckedStyleValue> styleValue)
{
    m_styleValue = std::move(styleValue);
}

template <typename T>
void StyleAction<T>::execute()
{
    applyValue(m_value);
}

template <typename T>
void StyleAction<T>::applyValue(T value)
{
    if (isNonZero(value) && m_activatesLayer && !mapSet().isEmpty())
        queryLayerActivation();
    // The layer questions run event loops of their own: the maps are taken afterwards.
    const toolbox::Set maps = mapSet();
    if (maps.isEmpty())
        return;
    if (toolbox::StyleValue::returnCodeOk(m_styleValue->set(value, &maps)))
        emit applied();
}

template <typename T>
void StyleAction<T>::queryLayerActivation() const
{
    AppLock lock(ImplicitMacroRecording_Off);
    bool anyZone = false;
    bool allVolume = true;
    bool surfaceLayerNeeded = true;
    {
        ScopedWaitCursor waitCursor;
        const toolbox::Set activeZones = getActiveZones();
        for (int zone = activeZones.getNextMember(0); zone != 0; zone = activeZones.getNextMember(zone)) {
            anyZone = true;
            if (!isVolumeZone(zone)) {
                allVolume = false;
                break;
            }
            const int map = VexUtilZoneGetFieldMap(zone);
            int pointsToPlot = PointsToPlot_Invalid;
            int surfacesToPlot = SurfacesToPlot_Invalid;
            if (!toolbox::StyleValue::returnCodeOk(m_pointsToPlot.get(pointsToPlot, map)))
                pointsToPlot = PointsToPlot_Invalid;
            if (!toolbox::StyleValue::returnCodeOk(m_surfacesToPlot.get(surfacesToPlot, map)))
                surfacesToPlot = SurfacesToPlot_Invalid;
            if (surfacesToPlot != SurfacesToPlot_None) {
                surfaceLayerNeeded = false;
                break;
            }
            if (m_isPointLayer && pointsToPlot != PointsToPlot_SurfaceNodes && pointsToPlot != PointsToPlot_SurfaceCellCenters) {
                surfaceLayerNeeded = false;
                break;
            }
        }
    }
    if (anyZone && allVolume) {
        if (queryToActivateSidebarLayer(m_layerName) && surfaceLayerNeeded && m_layerName != "EDGELAYER")
            queryToEnableSurfacePlotLayer(m_layerName);
    }
}

template class StyleAction<char>;
template class StyleAction<short>;
template class StyleAction<int>;
template class StyleAction<double>;
template class StyleAction<LinePattern_e>;
template class StyleAction<MeshType_e>;
template class StyleAction<ContourType_e>;
template class StyleAction<ContourColoring_e>;
template class StyleAction<VectorType_e>;
template class StyleAction<ArrowheadStyle_e>;
template class StyleAction<GeomShape_e>;
template class StyleAction<FillMode_e>;
template class StyleAction<EdgeType_e>;
template class StyleAction<BorderLocation_e>;
template class StyleAction<PointsToPlot_e>;
template class StyleAction<SurfacesToPlot_e>;
template class StyleAction<LightingEffect_e>;
template class StyleAction<SkipMode_e>;
template class StyleAction<LineMapSort_e>;
template class StyleAction<LegendShow_e>;
template class StyleAction<CurveType_e>;
template class StyleAction<FunctionDependency_e>;
template class StyleAction<ErrorBar_e>;
template class StyleAction<IJKLines_e>;

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
