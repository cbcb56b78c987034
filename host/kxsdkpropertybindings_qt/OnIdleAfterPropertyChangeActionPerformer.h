#pragma once

#include <functional>
#include <memory>

namespace kestrix::sdk::ui::common {
class OnIdleActionPerformerSingleShot;
}

namespace kestrix::propertybindings {

// After a property change, runs an action once on the next idle moment (a burst of changes
// gives one run). While disabled, changes schedule nothing.
class OnIdleAfterPropertyChangeActionPerformer {
public:
    explicit OnIdleAfterPropertyChangeActionPerformer(std::function<void()> action);
    ~OnIdleAfterPropertyChangeActionPerformer();

    void propertyChanged();
    void enable(bool enabled);
    bool isEnabled() const { return m_enabled; }
    bool isPending() const;

private:
    std::function<void()> m_action;
    bool m_enabled = true;
    std::unique_ptr<sdk::ui::common::OnIdleActionPerformerSingleShot> m_pending;
};

} // namespace kestrix::propertybindings
