#pragma once

#include "propertybindings/PropertyAbstract.h"
#include "propertybindings/WidgetPropertySynchronizerInterface.h"
#include "propertybindings/models/ListModelInterface.h"

#include <kxsdkpropertybindings_qt/OnIdleAfterPropertyChangeActionPerformer.h>
#include <signals/SignalConnectionCollection.h>

#include <QMetaObject>
#include <QPointer>

#include <memory>
#include <set>
#include <string>

class QAbstractItemModel;
class QAbstractItemView;

namespace kestrix::sdk::ui::dialogs::propertybindings {

// Shows a list model in an item view and keeps the view's selection equal to a set-valued
// property: the set holds the values of the selected rows. A change of the property, or an
// insertion, removal or reset of the list, rebuilds the view's model on the next idle moment
// and selects the property's values again; a selection by the user sets the property at once.
template <typename SetType>
class ListViewPropertySynchronizer : public WidgetPropertySynchronizerInterface {
public:
    using Value = typename SetType::value_type;

    ListViewPropertySynchronizer(QAbstractItemView& view, std::shared_ptr<PropertyAbstract<SetType>> property,
                                 std::shared_ptr<models::ListModelInterface<Value>> listModel);
    ListViewPropertySynchronizer(const ListViewPropertySynchronizer&) = delete;
    ListViewPropertySynchronizer& operator=(const ListViewPropertySynchronizer&) = delete;
    ~ListViewPropertySynchronizer() override;

    void updateWidget() override;
    void updateProperty() override;

private:
    void installViewModel();
    void refreshView();

    QPointer<QAbstractItemView> m_view;
    std::shared_ptr<models::ListModelInterface<Value>> m_listModel;
    std::shared_ptr<PropertyAbstract<SetType>> m_property;
    kestrix::propertybindings::OnIdleAfterPropertyChangeActionPerformer m_performer;
    bool m_updating = false;
    bool m_viewModelStale = false;
    QPointer<QAbstractItemModel> m_viewModel;
    QMetaObject::Connection m_selectionConnection;
    kestrix::signalling::SignalConnectionCollection m_connections;
};

extern template class ListViewPropertySynchronizer<std::set<std::string>>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings
