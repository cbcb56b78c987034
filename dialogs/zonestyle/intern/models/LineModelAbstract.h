#pragma once

#include "dialogs/zonestyle/intern/actions/SkipAction.h"
#include "dialogs/zonestyle/intern/models/ModelAbstract.h"

#include <map>
#include <set>
#include <string>
#include <utility>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// Rows are the line maps of the frame (none without a frame or a data set); a row's own
// cells are enabled while its map is active.
//
// A skipping of 0 by index means nothing: such a map is shown drawing every point and, the
// first time one of its skip cells is shown, repaired to 1. The repair is written once per
// map and layer, on the next idle moment and never while painting: the write causes a state
// change and a refresh, which finds the map repaired (or, if the host refused, already tried).
class LineModelAbstract : public ModelAbstract {
    Q_OBJECT
public:
    using SkipAction = actions::SkipAction;

    explicit LineModelAbstract(ModelAbstract* subModel, const StyleColumnTable* columns = nullptr);
    ~LineModelAbstract() override;

    int mapCount() const override;

protected:
    QVariant ownData(const QModelIndex& index, int role) const override;
    bool mapIsActive(int row) const override;
    bool layerIsOn(const char* layerKeyword) const override;
    const char* mapKeyword() const override;
    bool isPolar() const;

private:
    void noteSkipToRepair(int column, int map) const;
    void repairSkips();

    // Maps waiting for their repair, by layer keyword.
    mutable std::map<std::string, std::set<int>> m_skipsToRepair;
    // (frame, layer, map) of every repair tried.
    mutable std::set<std::pair<UniqueID_t, std::pair<std::string, int>>> m_skipsRepaired;
    mutable bool m_repairScheduled = false;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
