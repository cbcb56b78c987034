#pragma once

#include <kxsdkpropertybindings_qt/BindingInterface.h>
#include <signals/SignalConnectionCollection.h>

#include <QMetaObject>
#include <QPointer>

#include <functional>
#include <memory>

class QAbstractButton;

namespace kestrix::propertymanager {
class RelevanceInterface;
}

namespace kestrix::propertybindings {

// A click on the button calls the function. With a relevance, the button is enabled
// exactly while the relevance holds, following it as it changes.
class ButtonBinding : public BindingInterface {
public:
    ButtonBinding(QAbstractButton& button, std::function<void()> onClicked,
                  std::shared_ptr<const propertymanager::RelevanceInterface> relevance = {});
    ~ButtonBinding() override;

private:
    void updateEnabled();

    QPointer<QAbstractButton> m_button;
    std::function<void()> m_onClicked;
    std::shared_ptr<const propertymanager::RelevanceInterface> m_relevance;
    QMetaObject::Connection m_clickedConnection;
    signalling::SignalConnectionCollection m_connections;
};

} // namespace kestrix::propertybindings
