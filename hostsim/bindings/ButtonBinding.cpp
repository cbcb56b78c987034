#include <kxsdkpropertybindings_qt/ButtonBinding.h>

#include <kxsdkpropertymanager/RelevanceInterface.h>

#include <QAbstractButton>

namespace kestrix::propertybindings {

ButtonBinding::ButtonBinding(QAbstractButton& button, std::function<void()> onClicked,
                             std::shared_ptr<const propertymanager::RelevanceInterface> relevance)
    : m_button(&button)
    , m_onClicked(std::move(onClicked))
    , m_relevance(std::move(relevance))
{
    m_clickedConnection = QObject::connect(&button, &QAbstractButton::clicked, &button, [this] {
        if (m_onClicked)
            m_onClicked();
    });
    if (m_relevance) {
        m_connections.add(m_relevance->relevanceChanged().connect([this] { updateEnabled(); }));
        updateEnabled();
    }
}

ButtonBinding::~ButtonBinding()
{
    QObject::disconnect(m_clickedConnection);
}

void ButtonBinding::updateEnabled()
{
    if (m_button)
        m_button->setEnabled(m_relevance->isRelevant());
}

} // namespace kestrix::propertybindings
