#include <kxsdkpropertymanager/DataSetExistsRelevance.h>

#include <kxsdkbase/KernelApi.h>
#include <kxsdkintegrationmanager/StateChangeEventObservable.h>

namespace kestrix::propertymanager {

DataSetExistsRelevance::DataSetExistsRelevance(bool relevantWhenDataSetExists)
    : m_relevantWhenDataSetExists(relevantWhenDataSetExists)
{
    m_connections.add(sdk::integration::StateChangeEventObservable::getInstance().connect(
        [this](const toolbox::StateChangeEventInterface&) { notifyRelevanceChanged(); }));
}

bool DataSetExistsRelevance::isRelevant() const
{
    return VexUtilDataSetIsAvailable() == m_relevantWhenDataSetExists;
}

} // namespace kestrix::propertymanager
