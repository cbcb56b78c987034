// The two questions the host asks before a style change would stay invisible because its plot
// layer is off.

#include <kxsdkcommon/SdkCommon.h>

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QApplication>
#include <QMessageBox>

#include <array>

namespace kestrix::sdk {

namespace {

struct FieldLayer {
    const char* layerKeyword;
    const char* showKeyword;
    const char* displayName;
};

constexpr std::array<FieldLayer, 6> FieldLayers{{
    {"MESH", "SHOWMESH", QT_TRANSLATE_NOOP("LayerQueries", "Mesh")},
    {"CONTOUR", "SHOWCONTOUR", QT_TRANSLATE_NOOP("LayerQueries", "Contour")},
    {"VECTOR", "SHOWVECTOR", QT_TRANSLATE_NOOP("LayerQueries", "Vector")},
    {"SCATTER", "SHOWSCATTER", QT_TRANSLATE_NOOP("LayerQueries", "Scatter")},
    {"SHADE", "SHOWSHADE", QT_TRANSLATE_NOOP("LayerQueries", "Shade")},
    {"EDGELAYER", "SHOWEDGE", QT_TRANSLATE_NOOP("LayerQueries", "Edge")},
}};

const FieldLayer* findLayer(const std::string& layerKeyword)
{
    for (const FieldLayer& layer : FieldLayers) {
        if (layerKeyword == layer.layerKeyword)
            return &layer;
    }
    return nullptr;
}

QString layerDisplayName(const FieldLayer* layer, const std::string& layerKeyword)
{
    return layer ? QApplication::translate("LayerQueries", layer->displayName)
                 : QString::fromStdString(layerKeyword);
}

bool askYesNo(const char* objectName, const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setObjectName(QString::fromLatin1(objectName));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool layerIsOn(const FieldLayer& layer)
{
    return VexUtilFieldLayerIsActiveForFrame(VexUtilFrameGetUniqueID(), layer.showKeyword);
}

// The field maps of the active volume zones that plot no surfaces at all.
toolbox::Set mapsWithoutSurfaces()
{
    const toolbox::CheckedStyleValue surfacesToPlot("FIELDMAP", "SURFACES", "SURFACESTOPLOT");
    const toolbox::Set activeZones = getActiveZones();
    toolbox::Set maps;
    for (int zone = activeZones.getNextMember(0); zone != 0; zone = activeZones.getNextMember(zone)) {
        if (!isVolumeZone(zone))
            continue;
        const int map = VexUtilZoneGetFieldMap(zone);
        if (map <= 0 || maps.contains(map))
            continue;
        SurfacesToPlot_e surfaces = SurfacesToPlot_Invalid;
        if (toolbox::StyleValue::returnCodeOk(surfacesToPlot.get(surfaces, map)) && surfaces == SurfacesToPlot_None)
            maps.add(map);
    }
    return maps;
}

} // namespace

bool queryToActivateSidebarLayer(const std::string& layerKeyword)
{
    const FieldLayer* layer = findLayer(layerKeyword);
    if (!layer)
        return false;
    if (layerIsOn(*layer))
        return true;

    const QString name = layerDisplayName(layer, layerKeyword);
    const QString question =
        QApplication::translate("LayerQueries", "The %1 layer is off, so this change will not show. "
                                                "Switch the %1 layer on?")
            .arg(name);
    if (!askYesNo("queryLayerActivation", QApplication::translate("LayerQueries", "Activate Layer"), question))
        return false;

    toolbox::CheckedStyleValue("FIELDLAYERS", layer->showKeyword).set(true);
    return layerIsOn(*layer);
}

bool queryToEnableSurfacePlotLayer(const std::string& layerKeyword)
{
    toolbox::Set maps = mapsWithoutSurfaces();
    if (maps.isEmpty())
        return true;

    const QString name = layerDisplayName(findLayer(layerKeyword), layerKeyword);
    const QString question =
        QApplication::translate("LayerQueries", "The volume zones plot no surfaces, so the %1 layer will not "
                                                "show on them. Plot their exposed cell faces?")
            .arg(name);
    if (!askYesNo("querySurfaceLayer", QApplication::translate("LayerQueries", "Enable Surfaces"), question))
        return false;

    toolbox::CheckedStyleValue("FIELDMAP", "SURFACES", "SURFACESTOPLOT").set(SurfacesToPlot_ExposedCellFaces, &maps);
    return mapsWithoutSurfaces().isEmpty();
}

} // namespace kestrix::sdk
