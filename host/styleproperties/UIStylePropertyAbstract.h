#pragma once

#include <propertybindings/PropertyAbstract.h>

#include <boost/signals2/signal.hpp>

namespace kestrix {

// A property that mirrors one style value of the host for the objects that a control edits.
// Besides its value it tells whether the value can be used at all.
template <typename T>
class UIStylePropertyAbstract : public PropertyAbstract<T> {
public:
    using StateChangedSignal = boost::signals2::signal<void()>;

    // Whether every edited object has the style value, so that it can be read and written.
    virtual bool isAvailable() const = 0;
    // Whether the edited objects agree on the value, so that value() stands for all of them.
    virtual bool isUniform() const = 0;

    StateChangedSignal& availabilityChanged() const { return m_availabilityChanged; }
    StateChangedSignal& uniformityChanged() const { return m_uniformityChanged; }

protected:
    void notifyAvailabilityChanged() const { m_availabilityChanged(); }
    void notifyUniformityChanged() const { m_uniformityChanged(); }

private:
    mutable StateChangedSignal m_availabilityChanged;
    mutable StateChangedSignal m_uniformityChanged;
};

} // namespace kestrix
