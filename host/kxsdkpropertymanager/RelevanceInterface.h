#pragma once

#include <boost/signals2/signal.hpp>

namespace kestrix::propertymanager {

// Tells whether something (a dialog, a button) makes sense now, and announces when that
// may have changed; observers then ask isRelevant() again.
class RelevanceInterface {
public:
    using RelevanceChangedSignal = boost::signals2::signal<void()>;

    virtual ~RelevanceInterface() = default;
    virtual bool isRelevant() const = 0;
    RelevanceChangedSignal& relevanceChanged() const { return m_relevanceChanged; }

protected:
    void notifyRelevanceChanged() const { m_relevanceChanged(); }

private:
    mutable RelevanceChangedSignal m_relevanceChanged;
};

} // namespace kestrix::propertymanager
