#pragma once

#include <boost/signals2/signal.hpp>

namespace kestrix {

// Virtual base of every property: the visibility and enabled states that bound widgets mirror.
class PropertyItemInterface {
public:
    using ItemStateSignal = boost::signals2::signal<void()>;

    virtual ~PropertyItemInterface() = default;

    virtual bool isVisible() const { return m_visible; }
    virtual bool isEnabled() const { return m_enabled; }
    void setVisible(bool visible)
    {
        if (visible == m_visible)
            return;
        m_visible = visible;
        m_itemStateChanged();
    }
    void setEnabled(bool enabled)
    {
        if (enabled == m_enabled)
            return;
        m_enabled = enabled;
        m_itemStateChanged();
    }
    ItemStateSignal& itemStateChanged() const { return m_itemStateChanged; }

private:
    bool m_visible = true;
    bool m_enabled = true;
    mutable ItemStateSignal m_itemStateChanged;
};

} // namespace kestrix
