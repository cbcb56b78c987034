// The host's relevance classes (kxsdkpropertymanager/), which tell the library's dialogs and
// buttons when they make sense. What each must do is in docs/integration.md, "The host
// contract".

#include <kxsdkpropertymanager/BooleanPropertyDependentRelevance.h>
#include <kxsdkpropertymanager/DataSetExistsRelevance.h>
#include <kxsdkpropertymanager/InvertingRelevance.h>
#include <kxsdkpropertymanager/RelevanceExpression.h>
#include <kxsdkpropertymanager/StateChangeDependantRelevance.h>

#include <kxsdkbase/KernelApi.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>
#include <propertybindings/PropertyAbstract.h>

#include <algorithm>
#include <vector>

namespace kestrix::propertymanager {

namespace {

boost::signals2::connection onEveryStateChange(std::function<void()> react)
{
    return sdk::integration::StateChangeEventObservable::getInstance().connect(
        [react = std::move(react)](const toolbox::StateChangeEventInterface&) { react(); });
}

} // namespace

BooleanPropertyDependentRelevance::BooleanPropertyDependentRelevance(
    std::shared_ptr<const PropertyAbstract<bool>> property)
    : m_property(std::move(property))
{
    m_connections.add(m_property->valueChanged().connect([this](bool) { notifyRelevanceChanged(); }));
}

bool BooleanPropertyDependentRelevance::isRelevant() const
{
    return m_property->value();
}

DataSetExistsRelevance::DataSetExistsRelevance(bool relevantWhenDataSetExists)
    : m_relevantWhenDataSetExists(relevantWhenDataSetExists)
{
    m_connections.add(onEveryStateChange([this] { notifyRelevanceChanged(); }));
}

bool DataSetExistsRelevance::isRelevant() const
{
    return VexUtilDataSetIsAvailable() == m_relevantWhenDataSetExists;
}

StateChangeDependantRelevance::StateChangeDependantRelevance(std::function<bool()> predicate)
    : m_predicate(std::move(predicate))
{
    m_connections.add(onEveryStateChange([this] { notifyRelevanceChanged(); }));
}

bool StateChangeDependantRelevance::isRelevant() const
{
    return m_predicate();
}

InvertingRelevance::InvertingRelevance(std::shared_ptr<const RelevanceInterface> relevance)
    : m_operand(std::move(relevance))
{
    m_connections.add(m_operand->relevanceChanged().connect([this] { notifyRelevanceChanged(); }));
}

bool InvertingRelevance::isRelevant() const
{
    return !m_operand->isRelevant();
}

class RelevanceExpression::AnyOfRelevance : public RelevanceInterface {
public:
    void add(std::shared_ptr<const RelevanceInterface> operand)
    {
        m_connections.add(operand->relevanceChanged().connect([this] { notifyRelevanceChanged(); }));
        m_operands.push_back(std::move(operand));
        // The expression may be observed already, and the new operand may make it relevant.
        notifyRelevanceChanged();
    }

    bool isRelevant() const override
    {
        return std::any_of(
            m_operands.begin(), m_operands.end(),
            [](const std::shared_ptr<const RelevanceInterface>& operand) { return operand->isRelevant(); });
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
    return *this;
}

RelevanceExpression::operator std::shared_ptr<const RelevanceInterface>() const
{
    return m_expression;
}

} // namespace kestrix::propertymanager
