#include <kxsdkpropertybindings_qt/OnIdleAfterPropertyChangeActionPerformer.h>

#include <kxsdkuicommon/OnIdleActionPerformerSingleShot.h>

namespace kestrix::propertybindings {

OnIdleAfterPropertyChangeActionPerformer::OnIdleAfterPropertyChangeActionPerformer(std::function<void()> action)
    : m_action(std::move(action))
{
}

OnIdleAfterPropertyChangeActionPerformer::~OnIdleAfterPropertyChangeActionPerformer() = default;

void OnIdleAfterPropertyChangeActionPerformer::propertyChanged()
{
    if (!m_enabled || !m_action)
        return;
    // Replacing the pending performer cancels it: a burst of changes runs the action once.
    // The action runs from a copy, since it may destroy this object.
    m_pending = std::make_unique<sdk::ui::common::OnIdleActionPerformerSingleShot>([this] {
        const std::function<void()> action = m_action;
        action();
    });
}

void OnIdleAfterPropertyChangeActionPerformer::enable(bool enabled)
{
    m_enabled = enabled;
}

bool OnIdleAfterPropertyChangeActionPerformer::isPending() const
{
    return m_pending && m_pending->isPending();
}

} // namespace kestrix::propertybindings
