#pragma once

#include <kxsdkpropertybindings_qt/BindingInterface.h>
#include <kxsdkpropertybindings_qt/WidgetUpdateMode.h>
#include <signals/SignalConnectionCollection.h>

#include <QPointer>

#include <memory>
#include <string>

class QLabel;

namespace kestrix {
template <typename T>
class PropertyAbstract;
}

namespace kestrix::propertybindings {

// The label shows a string property (UTF-8), following every change of it.
class LabelPropertyBinding : public PropertyBindingInterface {
public:
    LabelPropertyBinding(QLabel* label, std::shared_ptr<PropertyAbstract<std::string>> property,
                         WidgetUpdateMode_e updateMode);
    void updateWidgetFromProperty() override;

private:
    QPointer<QLabel> m_label;
    std::shared_ptr<PropertyAbstract<std::string>> m_property;
    signalling::SignalConnectionCollection m_connections;
};

} // namespace kestrix::propertybindings
