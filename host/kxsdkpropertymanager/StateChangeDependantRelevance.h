#pragma once

#include <kxsdkpropertymanager/RelevanceInterface.h>
#include <signals/SignalConnectionCollection.h>

#include <functional>

namespace kestrix::propertymanager {

// Relevant while the predicate returns true; announces a possible change on every host
// state change.
class StateChangeDependantRelevance : public virtual RelevanceInterface {
public:
    explicit StateChangeDependantRelevance(std::function<bool()> predicate);
    bool isRelevant() const override;

private:
    std::function<bool()> m_predicate;
    signalling::SignalConnectionCollection m_connections;
};

} // namespace kestrix::propertymanager
