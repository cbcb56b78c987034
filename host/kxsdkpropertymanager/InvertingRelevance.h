#pragma once

#include <kxsdkpropertymanager/RelevanceInterface.h>
#include <signals/SignalConnectionCollection.h>

#include <memory>

namespace kestrix::propertymanager {

// Relevant while its operand is not.
class InvertingRelevance : public virtual RelevanceInterface {
public:
    explicit InvertingRelevance(std::shared_ptr<const RelevanceInterface> relevance);
    bool isRelevant() const override;

private:
    std::shared_ptr<const RelevanceInterface> m_operand;
    signalling::SignalConnectionCollection m_connections;
};

} // namespace kestrix::propertymanager
