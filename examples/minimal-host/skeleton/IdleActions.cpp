// The host's once-on-idle performer (kxsdkuicommon/OnIdleActionPerformerSingleShot.h), with
// which open dialogs collapse bursts of changes into one refresh. What it must do is in
// docs/integration.md, "The host contract".

#include <kxsdkuicommon/OnIdleActionPerformerSingleShot.h>

#include <QTimer>

namespace kestrix::sdk::ui::common {

class OnIdleActionPerformerSingleShot::Private {
public:
    std::function<void()> action;
    bool pending = true;
};

OnIdleActionPerformerSingleShot::OnIdleActionPerformerSingleShot(std::function<void()> action)
    : d(std::make_shared<Private>())
{
    d->action = std::move(action);
    QTimer::singleShot(0, [weakState = std::weak_ptr<Private>(d)] {
        // The locked state outlives the performer when the action destroys it.
        const std::shared_ptr<Private> state = weakState.lock();
        if (!state || !state->pending)
            return;
        state->pending = false;
        state->action();
    });
}

OnIdleActionPerformerSingleShot::~OnIdleActionPerformerSingleShot()
{
    d->pending = false;
}

} // namespace kestrix::sdk::ui::common
