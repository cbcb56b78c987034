#pragma once

#include <kxsdkpropertybindings_qt/BindingInterface.h>

#include <QPointer>

#include <functional>

class QAbstractItemView;

namespace kestrix::propertybindings {

// Binds an item view to a property whose type only the caller knows: the caller hands over
// the function that shows the property in the view, together with whatever that function
// needs, which the binding then owns. The function is not called once the view is gone.
class ListViewPropertyBinding : public PropertyBindingInterface {
public:
    ListViewPropertyBinding(QAbstractItemView& view, std::function<void()> showProperty);
    ListViewPropertyBinding(const ListViewPropertyBinding&) = delete;
    ListViewPropertyBinding& operator=(const ListViewPropertyBinding&) = delete;
    ~ListViewPropertyBinding() override;

    void updateWidgetFromProperty() override;

private:
    QPointer<QAbstractItemView> m_view;
    std::function<void()> m_showProperty;
};

} // namespace kestrix::propertybindings
