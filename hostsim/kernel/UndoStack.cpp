#include "UndoStack.h"

namespace kestrix::hostsim::kernel {

void UndoStack::begin()
{
    ++m_depth;
}

void UndoStack::end(bool commit)
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0)
        return;
    Step step = std::move(m_open);
    m_open.clear();
    if (step.empty())
        return;
    if (commit) {
        push(std::move(step));
    } else {
        m_undo.clear();
        m_redo.clear();
    }
}

void UndoStack::record(std::unique_ptr<SceneChange> change)
{
    if (!change)
        return;
    if (m_depth > 0) {
        m_open.push_back(std::move(change));
        return;
    }
    Step step;
    step.push_back(std::move(change));
    push(std::move(step));
}

void UndoStack::push(Step step)
{
    m_undo.push_back(std::move(step));
    m_redo.clear();
}

bool UndoStack::undo()
{
    if (!canUndo())
        return false;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    for (auto it = step.rbegin(); it != step.rend(); ++it)
        (*it)->undo();
    m_redo.push_back(std::move(step));
    return true;
}

bool UndoStack::redo()
{
    if (!canRedo())
        return false;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    for (auto& change : step)
        change->redo();
    m_undo.push_back(std::move(step));
    return true;
}

void UndoStack::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_open.clear();
}

} // namespace kestrix::hostsim::kernel
