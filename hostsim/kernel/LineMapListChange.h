#pragma once

#include "Scene.h"
#include "SceneChange.h"

#include <vector>

namespace kestrix::hostsim::kernel {

// Line maps inserted into or removed from a frame's list. Both directions run in one pass
// over the list, so deleting many maps is linear in the number of maps.
class LineMapListChange : public SceneChange {
public:
    // `indices` are 0-based and ascending. Removal takes the records from the frame when it
    // is carried out; insertion puts `records` at the indices of the final list.
    static std::unique_ptr<LineMapListChange> removal(Frame& frame, std::vector<int> indices);
    static std::unique_ptr<LineMapListChange> insertion(Frame& frame, std::vector<int> indices,
                                                        std::vector<LineMap> records);

    void undo() override;
    void redo() override;

private:
    LineMapListChange(Frame& frame, bool inserting, std::vector<int> indices, std::vector<LineMap> records);

    void insert();
    void remove();

    Frame& m_frame;
    bool m_inserting;
    std::vector<int> m_indices;
    std::vector<LineMap> m_records;
};

} // namespace kestrix::hostsim::kernel
