#include <kxsdkpropertymanager/RelevanceExpression.h>

#include <exception/ExceptionBase.h>
#include <signals/SignalConnectionCollection.h>

#include <algorithm>
#include <vector>

namespace kestrix::propertymanager {

// Relevant while any operand is; every change announced by an operand is passed on.
class RelevanceExpression::AnyOfRelevance : public RelevanceInterface {
public:
    void add(std::shared_ptr<const RelevanceInterface> operand)
    {
        if (!operand)
            throw InvalidArgumentException("A relevance expression needs an operand");
        m_connections.add(operand->relevanceChanged().connect([this] { notifyRelevanceChanged(); }));
        m_operands.push_back(std::move(operand));
    }

    void announceChange() const { notifyRelevanceChanged(); }

    bool isRelevant() const override
    {
        return std::any_of(m_operands.begin(), m_operands.end(),
                           [](const std::shared_ptr<const RelevanceInterface>& operand) {
                               return operand->isRelevant();
                           });
    }

private:
    std::vector<std::shared_ptr<const RelevanceInterface>> m_operands;
    signalling::SignalConnectionCollection m_connections;
};

RelevanceExpression::RelevanceExpression(std::shared_ptr<const RelevanceInterface> relevance)
    : m_expression(std::make_shared<AnyOfRelevance>())
{
    m_expression->add(std::move(relevance));
}

RelevanceExpression& RelevanceExpression::oor(std::shared_ptr<const RelevanceInterface> relevance)
{
    m_expression->add(std::move(relevance));
    // The expression may already be observed: a new operand can make it relevant.
    m_expression->announceChange();
    return *this;
}

RelevanceExpression::operator std::shared_ptr<const RelevanceInterface>() const
{
    return m_expression;
}

} // namespace kestrix::propertymanager
