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
    const std::weak_ptr<Private> guard = d;
    QTimer::singleShot(0, [guard]() {
        // Holding the state keeps the action alive while it runs, even when the action
        // destroys its own performer.
        const std::shared_ptr<Private> state = guard.lock();
        if (!state || !state->pending)
            return;
        state->pending = false;
        if (state->action)
            state->action();
    });
}

OnIdleActionPerformerSingleShot::~OnIdleActionPerformerSingleShot()
{
    d->pending = false;
}

bool OnIdleActionPerformerSingleShot::isPending() const
{
    return d->pending;
}

} // namespace kestrix::sdk::ui::common
