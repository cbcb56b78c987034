// The host's state-change notification (kxsdkintegrationmanager/StateChangeEventObservable.h).
// What it must do is in docs/integration.md, "The host contract". A host without data never
// changes, so nothing calls notify() here; a real host calls it after each change.

#include <kxsdkintegrationmanager/StateChangeEventObservable.h>

#include <kxtoolbox/StateChangeListenerInterface.h>

#include <algorithm>
#include <vector>

namespace kestrix::sdk::integration {

class StateChangeEventObservable::Private {
public:
    bool isRegistered(toolbox::StateChangeListenerInterface* listener) const
    {
        return std::find(listeners.begin(), listeners.end(), listener) != listeners.end();
    }

    Signal signal;
    std::vector<toolbox::StateChangeListenerInterface*> listeners;
};

StateChangeEventObservable& StateChangeEventObservable::getInstance()
{
    static StateChangeEventObservable observable;
    return observable;
}

StateChangeEventObservable::StateChangeEventObservable() : d(std::make_unique<Private>()) {}

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
    // Listeners may remove themselves, or others, while they are told.
    const std::vector<toolbox::StateChangeListenerInterface*> listeners = d->listeners;
    for (toolbox::StateChangeListenerInterface* listener : listeners) {
        if (d->isRegistered(listener))
            listener->stateChanged(event);
    }
}

} // namespace kestrix::sdk::integration
