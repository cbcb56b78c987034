#include <kxsdkpropertymanager/StateChangeDependantRelevance.h>

#include <kxsdkintegrationmanager/StateChangeEventObservable.h>

namespace kestrix::propertymanager {

StateChangeDependantRelevance::StateChangeDependantRelevance(std::function<bool()> predicate)
    : m_predicate(std::move(predicate))
{
    m_connections.add(sdk::integration::StateChangeEventObservable::getInstance().connect(
        [this](const toolbox::StateChangeEventInterface&) { notifyRelevanceChanged(); }));
}

bool StateChangeDependantRelevance::isRelevant() const
{
    return m_predicate && m_predicate();
}

} // namespace kestrix::propertymanager
