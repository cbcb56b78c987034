#pragma once

#include <kxtoolbox/StateChangeEventInterface.h>

#include <boost/signals2/signal.hpp>

#include <functional>
#include <memory>

namespace kestrix::toolbox {
class StateChangeListenerInterface;
}

namespace kestrix::sdk::integration {

// The host's state-change notification. Two styles of listener: slots connected to the
// signal (keep the connection, e.g. in a SignalConnectionCollection), and listener objects
// registered with addListener until removeListener.
class StateChangeEventObservable {
public:
    using Signal = boost::signals2::signal<void(const toolbox::StateChangeEventInterface&)>;

    static StateChangeEventObservable& getInstance();

    boost::signals2::connection connect(const Signal::slot_type& slot);
    void addListener(toolbox::StateChangeListenerInterface* listener);
    void removeListener(toolbox::StateChangeListenerInterface* listener);

    // Delivers an event to every connected slot and registered listener, in that order.
    void notify(const toolbox::StateChangeEventInterface& event);

    StateChangeEventObservable(const StateChangeEventObservable&) = delete;
    StateChangeEventObservable& operator=(const StateChangeEventObservable&) = delete;

private:
    StateChangeEventObservable();
    ~StateChangeEventObservable();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace kestrix::sdk::integration
