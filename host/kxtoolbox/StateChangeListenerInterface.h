#pragma once

namespace kestrix::toolbox {

class StateChangeEventInterface;

class StateChangeListenerInterface {
public:
    virtual ~StateChangeListenerInterface() = default;
    virtual void stateChanged(const StateChangeEventInterface& event) = 0;
};

} // namespace kestrix::toolbox
