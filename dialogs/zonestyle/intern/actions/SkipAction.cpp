#include "dialogs/zonestyle/intern/actions/SkipAction.h"

#include <kxsdkcommon/AppLock.h>
#include <kxsdkcommon/UndoStateGuard.h>
#include <kxtoolbox/Set.h>

#include <QCoreApplication>
#include <QInputDialog>

#include <utility>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

SkipAction::SkipAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList,
                       const char* layerKeyword, double skipValue, Mode_e mode)
    : StyleAction<double>(text, indexes, menuList, skipValue, "LINEMAP", layerKeyword, "SKIPPING"),
      m_layerKeyword(layerKeyword),
      m_mode(mode)
{
}

double SkipAction::drawAllSkipping(int skipMode)
{
    return skipMode == SkipMode_ByFrameUnits ? 0.0 : 1.0;
}

void SkipAction::execute()
{
    switch (m_mode) {
    case Mode_ByIndex:
        write(SkipMode_ByIndex, value());
        break;
    case Mode_ByDistance:
        write(SkipMode_ByFrameUnits, value());
        break;
    case Mode_EnterIndex:
    case Mode_EnterDistance: {
        const bool byDistance = m_mode == Mode_EnterDistance;
        const std::optional<double> skipping = askForSkipping(byDistance);
        if (!skipping)
            return;
        setAccepted(true);
        write(byDistance ? SkipMode_ByFrameUnits : SkipMode_ByIndex, *skipping);
        break;
    }
    case Mode_DrawAll:
        writeDrawAll();
        break;
    }
}

// An index skipping below 1 would not be a step; a distance is at least 1 %.
std::optional<double> SkipAction::askForSkipping(bool byDistance) const
{
    double current = 0.0;
    styleValue().get(current, indexes().first().row() + 1);
    bool confirmed = false;
    const double entered =
        byDistance ? QInputDialog::getDouble(
            promptParent(), QCoreApplication::translate("StyleMenu", "Enter the distance in frame units"),
            QCoreApplication::translate("StyleMenu", "Distance [%]"), current, 1.0, 100.0, 0, &confirmed)
                   : QInputDialog::getDouble(
                       promptParent(), QCoreApplication::translate("StyleMenu", "Enter the I-Index skipping"),
                       QCoreApplication::translate("StyleMenu", "I-Skip"), current, 1.0, 2147483647.0, 0, &confirmed);
    if (!confirmed)
        return std::nullopt;
    return entered;
}

void SkipAction::write(SkipMode_e skipMode, double skipping)
{
    if (mapSet().isEmpty())
        return;
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(6);
    StyleAction<SkipMode_e>(QString(), cellsToWrite(), nullptr, skipMode, "LINEMAP", m_layerKeyword, "SKIPMODE")
        .trigger();
    applyValue(skipping);
}

// Maps skipping by index and maps skipping by distance draw all points at different values.
void SkipAction::writeDrawAll()
{
    const toolbox::Set maps = mapSet();
    if (maps.isEmpty())
        return;
    const toolbox::CheckedStyleValue skipMode("LINEMAP", m_layerKeyword, "SKIPMODE");
    toolbox::Set byIndex;
    toolbox::Set byDistance;
    for (int map = maps.getNextMember(0); map != 0; map = maps.getNextMember(map)) {
        int mode = SkipMode_ByIndex;
        skipMode.get(mode, map);
        (mode == SkipMode_ByFrameUnits ? byDistance : byIndex).add(map);
    }
    // Sets the host could not make whole would leave maps out of the write.
    if (byIndex.size() + byDistance.size() != maps.size())
        return;
    AppLock lock(ImplicitMacroRecording_Off);
    UndoStateGuard undoStep(6);
    bool written = false;
    for (const auto& [group, mode] :
         {std::pair{&byIndex, SkipMode_ByIndex}, std::pair{&byDistance, SkipMode_ByFrameUnits}}) {
        if (!group->isEmpty())
            written = toolbox::StyleValue::returnCodeOk(styleValue().set(drawAllSkipping(mode), group)) || written;
    }
    if (written)
        emit applied();
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
