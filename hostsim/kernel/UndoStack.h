#pragma once

#include "SceneChange.h"

#include <memory>
#include <vector>

namespace kestrix::hostsim::kernel {

// The kernel's undo history. Everything recorded between the outermost begin() and its
// end() is one step; a change recorded outside any undo state is a step of its own.
class UndoStack {
public:
    void begin();
    // At the outermost end the collected changes become one step. Ending without commit
    // keeps the changes but clears the history, since later steps could no longer be
    // undone consistently. An end without a begin is ignored.
    void end(bool commit);
    int depth() const { return m_depth; }

    void record(std::unique_ptr<SceneChange> change);

    // Refused while an undo state is open.
    bool undo();
    bool redo();
    bool canUndo() const { return m_depth == 0 && !m_undo.empty(); }
    bool canRedo() const { return m_depth == 0 && !m_redo.empty(); }
    int undoStepCount() const { return static_cast<int>(m_undo.size()); }
    int redoStepCount() const { return static_cast<int>(m_redo.size()); }
    void clear();

private:
    using Step = std::vector<std::unique_ptr<SceneChange>>;

    void push(Step step);

    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    Step m_open;
    int m_depth = 0;
};

} // namespace kestrix::hostsim::kernel
