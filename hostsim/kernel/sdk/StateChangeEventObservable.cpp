#include <kxsdkintegrationmanager/StateChangeEventObservable.h>

#include <kxtoolbox/StateChangeListenerInterface.h>

#include <algorithm>
#include <vector>

namespace kestrix::sdk::integration {

class StateChangeEventObservable::Private {
public:
    Signal signal;
    std::vector<toolbox::StateChangeListenerInterface*> listeners;

    bool isRegistered(toolbox::StateChangeListenerInterface* listener) const
    {
        return std::find(listeners.begin(), listeners.end(), listener) != listeners.end();
    }
};

StateChangeEventObservable& StateChangeEventObservable::getInstance()
{
    static StateChangeEventObservable observable;
    return observable;
}

StateChangeEventObservable::StateChangeEventObservable() : d(std::make_unique<Private>())
{
}

StateChangeEventObservable::~StateChangeEventObservable() = default;

boost::signals2::connection StateChangeEventObservable::connect(const Signal::slot_type& slot)
{
    return d->signal.connect(slot);
}

void StateChangeEventObservable::addListener(toolbox::StateChangeListenerInterface* listener)
{
    if (listener && !d->isRegistered(listener))
        d->listeners.push_back(listener);
}

void StateChangeEventObservable::removeListener(toolbox::StateChangeListenerInterface* listener)
{
    d->listeners.erase(std::remove(d->listeners.begin(), d->listeners.end(), listener), d->listeners.end());
}

void StateChangeEventObservable::notify(const toolbox::StateChangeEventInterface& event)
{
    d->signal(event);
    // A listener may register or remove listeners, or destroy itself, while the event is
    // delivered: walk a snapshot and skip whoever has been removed in the meantime. Listeners
    // added during the delivery get the next event.
    const std::vector<toolbox::StateChangeListenerInterface*> snapshot = d->listeners;
    for (toolbox::StateChangeListenerInterface* listener : snapshot) {
        if (d->isRegistered(listener))
            listener->stateChanged(event);
    }
}

} // namespace kestrix::sdk::integration
