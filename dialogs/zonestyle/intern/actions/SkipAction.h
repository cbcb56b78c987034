#pragma once

#include "dialogs/zonestyle/intern/actions/StyleAction.h"

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// Sets how a line layer ("SYMBOLS", "ERRORBARS") of the maps is thinned out: every n-th
// point ("SKIPMODE" by index) or points a distance apart in frame units. The mode and the
// skipping change together, as one step to undo.
class SkipAction : public StyleAction<double> {
public:
    enum Mode_e {
        Mode_ByIndex = 0,       // skipping by index, the given value
        Mode_EnterIndex = 1,    // skipping by index, asked for
        Mode_ByDistance = 2,    // skipping by distance, the given value
        Mode_EnterDistance = 3, // skipping by distance, asked for
        Mode_DrawAll = 4,       // every point, in each map's own mode
    };

    SkipAction(const QString& text, const QModelIndexList& indexes, QList<QAction*>* menuList, const char* layerKeyword,
               double skipValue, Mode_e mode);

    // The skipping that draws every point: an index step of 1, or a distance of 0.
    static double drawAllSkipping(int skipMode);

protected:
    void execute() override;

private:
    std::optional<double> askForSkipping(bool byDistance) const;
    void write(SkipMode_e skipMode, double skipping);
    void writeDrawAll();

    const char* m_layerKeyword;
    Mode_e m_mode;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
