#include <kxsdkpropertymanager/InvertingRelevance.h>

#include <exception/ExceptionBase.h>

namespace kestrix::propertymanager {

InvertingRelevance::InvertingRelevance(std::shared_ptr<const RelevanceInterface> relevance)
    : m_operand(std::move(relevance))
{
    if (!m_operand)
        throw InvalidArgumentException("An inverting relevance needs an operand");
    m_connections.add(m_operand->relevanceChanged().connect([this] { notifyRelevanceChanged(); }));
}

bool InvertingRelevance::isRelevant() const
{
    return !m_operand->isRelevant();
}

} // namespace kestrix::propertymanager
