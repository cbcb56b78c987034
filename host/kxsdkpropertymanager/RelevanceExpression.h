#pragma once

#include <kxsdkpropertymanager/RelevanceInterface.h>

#include <memory>

namespace kestrix::propertymanager {

// Builds a relevance that holds while any of its operands holds:
//   std::shared_ptr<const RelevanceInterface> r = RelevanceExpression(a).oor(b).oor(c);
class RelevanceExpression {
public:
    explicit RelevanceExpression(std::shared_ptr<const RelevanceInterface> relevance);
    RelevanceExpression& oor(std::shared_ptr<const RelevanceInterface> relevance);
    operator std::shared_ptr<const RelevanceInterface>() const;

private:
    class AnyOfRelevance;
    std::shared_ptr<AnyOfRelevance> m_expression;
};

} // namespace kestrix::propertymanager
