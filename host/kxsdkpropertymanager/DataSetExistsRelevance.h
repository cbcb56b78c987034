#pragma once

#include <kxsdkpropertymanager/RelevanceInterface.h>
#include <signals/SignalConnectionCollection.h>

namespace kestrix::propertymanager {

// Relevant while the current frame has a data set (or, made with false, while it has none);
// announces a possible change on every host state change.
class DataSetExistsRelevance : public virtual RelevanceInterface {
public:
    explicit DataSetExistsRelevance(bool relevantWhenDataSetExists = true);
    bool isRelevant() const override;

private:
    bool m_relevantWhenDataSetExists;
    signalling::SignalConnectionCollection m_connections;
};

} // namespace kestrix::propertymanager
