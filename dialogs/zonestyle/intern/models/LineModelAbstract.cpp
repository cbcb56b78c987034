#include "dialogs/zonestyle/intern/models/LineModelAbstract.h"

#include "dialogs/zonestyle/intern/models/StyleColumnTable.h"

#include <kxtoolbox/CheckedStyleValue.h>
#include <kxtoolbox/FrameStyleValue.h>
#include <kxtoolbox/Set.h>

#include <QTimer>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

LineModelAbstract::LineModelAbstract(ModelAbstract* subModel, const StyleColumnTable* columns)
    : ModelAbstract(subModel, columns)
{
}

LineModelAbstract::~LineModelAbstract() = default;

int LineModelAbstract::mapCount() const
{
    if (VexUtilFrameGetCount() < 1 || !VexUtilDataSetIsAvailableForFrame(frameId()))
        return 0;
    return VexUtilLineMapGetCountForFrame(frameId());
}

bool LineModelAbstract::mapIsActive(int row) const
{
    return VexUtilLineMapIsActiveForFrame(frameId(), row + 1) == 1;
}

bool LineModelAbstract::layerIsOn(const char* layerKeyword) const
{
    return VexUtilLinePlotLayerIsActiveForFrame(frameId(), layerKeyword);
}

const char* LineModelAbstract::mapKeyword() const
{
    return "LINEMAP";
}

bool LineModelAbstract::isPolar() const
{
    return VexUtilFrameGetPlotTypeForFrame(frameId()) == PlotType_PolarLine;
}

QVariant LineModelAbstract::ownData(const QModelIndex& index, int role) const
{
    const StyleColumnTable* columns = columnTable();
    if (role == Qt::DisplayRole && columns && columns->column(index.column()).kind == ColumnKind::Skip)
        noteSkipToRepair(index.column(), index.row() + 1);
    return ModelAbstract::ownData(index, role);
}

void LineModelAbstract::noteSkipToRepair(int column, int map) const
{
    const actions::StyleKeywords path = columnTable()->keywords(column);
    const std::string layer = path.kw2;
    if (m_skipsRepaired.count({frameId(), {layer, map}}) != 0)
        return;
    const toolbox::FrameStyleValue skipping = columnTable()->style(frameId(), column);
    int mode = SkipMode_Invalid;
    double value = -1.0;
    if (!toolbox::StyleValue::returnCodeOk(
            toolbox::FrameStyleValue(frameId(), path.kw1, path.kw2, "SKIPMODE").get(mode, map))
        || !toolbox::StyleValue::returnCodeOk(skipping.get(value, map)) || mode != SkipMode_ByIndex || value != 0.0)
        return;
    m_skipsToRepair[layer].insert(map);
    if (m_repairScheduled)
        return;
    m_repairScheduled = true;
    QTimer::singleShot(0, const_cast<LineModelAbstract*>(this), &LineModelAbstract::repairSkips);
}

void LineModelAbstract::repairSkips()
{
    m_repairScheduled = false;
    std::map<std::string, std::set<int>> pending;
    pending.swap(m_skipsToRepair);
    // The style calls below write to the current frame: a table of another frame waits.
    if (VexUtilFrameGetUniqueID() != frameId())
        return;
    const int maps = mapCount();
    for (const auto& [layer, candidates] : pending) {
        const toolbox::CheckedStyleValue skipping("LINEMAP", layer.c_str(), "SKIPPING");
        const toolbox::CheckedStyleValue skipMode("LINEMAP", layer.c_str(), "SKIPMODE");
        toolbox::Set toRepair;
        for (int map : candidates) {
            int mode = SkipMode_Invalid;
            double value = -1.0;
            if (map > maps || !m_skipsRepaired.insert({frameId(), {layer, map}}).second)
                continue;
            if (toolbox::StyleValue::returnCodeOk(skipMode.get(mode, map))
                && toolbox::StyleValue::returnCodeOk(skipping.get(value, map)) && mode == SkipMode_ByIndex
                && value == 0.0)
                toRepair.add(map);
        }
        if (!toRepair.isEmpty())
            skipping.set(SkipAction::drawAllSkipping(SkipMode_ByIndex), &toRepair);
    }
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
