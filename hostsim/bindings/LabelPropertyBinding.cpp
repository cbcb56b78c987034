#include <kxsdkpropertybindings_qt/LabelPropertyBinding.h>

#include <exception/ExceptionBase.h>
#include <propertybindings/PropertyAbstract.h>

#include <QLabel>

namespace kestrix::propertybindings {

// A label is never edited, so the update mode, which says when the property follows the
// widget, changes nothing here.
LabelPropertyBinding::LabelPropertyBinding(QLabel* label, std::shared_ptr<PropertyAbstract<std::string>> property,
                                           WidgetUpdateMode_e)
    : m_label(label)
    , m_property(std::move(property))
{
    if (!m_property)
        throw InvalidArgumentException("A label binding needs a property");
    m_connections.add(m_property->valueChanged().connect([this](const std::string&) { updateWidgetFromProperty(); }));
    updateWidgetFromProperty();
}

void LabelPropertyBinding::updateWidgetFromProperty()
{
    if (m_label)
        m_label->setText(QString::fromStdString(m_property->value()));
}

} // namespace kestrix::propertybindings
