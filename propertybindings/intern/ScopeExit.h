#pragma once

#include <utility>

namespace kestrix::sdk::ui::dialogs::propertybindings::intern {

// Runs an action when the scope is left, also by an exception.
template <typename Action>
class ScopeExit {
public:
    explicit ScopeExit(Action action) : m_action(std::move(action)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { m_action(); }

private:
    Action m_action;
};

} // namespace kestrix::sdk::ui::dialogs::propertybindings::intern
