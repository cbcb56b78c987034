#include <kxsdkpropertybindings_qt/ListViewPropertyBinding.h>

#include <exception/ExceptionBase.h>

#include <QAbstractItemView>

namespace kestrix::propertybindings {

ListViewPropertyBinding::ListViewPropertyBinding(QAbstractItemView& view, std::function<void()> showProperty)
    : m_view(&view),
      m_showProperty(std::move(showProperty))
{
    if (!m_showProperty)
        throw InvalidArgumentException("A list view binding needs a function that shows the property");
}

ListViewPropertyBinding::~ListViewPropertyBinding() = default;

void ListViewPropertyBinding::updateWidgetFromProperty()
{
    if (m_view)
        m_showProperty();
}

} // namespace kestrix::propertybindings
