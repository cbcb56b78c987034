#include "propertybindings/ListViewPropertySynchronizer.h"

#include "propertybindings/intern/ScopeExit.h"
#include "propertybindings/models/QListModel.h"

#include <exception/ExceptionBase.h>

#include <QAbstractItemView>
#include <QItemSelection>
#include <QItemSelectionModel>

#include <algorithm>
#include <vector>

namespace kestrix::sdk::ui::dialogs::propertybindings {

template <typename SetType>
ListViewPropertySynchronizer<SetType>::ListViewPropertySynchronizer(
    QAbstractItemView& view, std::shared_ptr<PropertyAbstract<SetType>> property,
    std::shared_ptr<models::ListModelInterface<Value>> listModel)
    : m_view(&view)
    , m_listModel(std::move(listModel))
    , m_property(std::move(property))
    , m_performer([this] { refreshView(); })
{
    if (!m_listModel || !m_property)
        throw InvalidArgumentException("A list view synchronizer needs a list model and a property");
    const auto listChanged = [this] {
        m_viewModelStale = true;
        m_performer.propertyChanged();
    };
    m_connections.add(m_listModel->connectDataChanged(listChanged));
    m_connections.add(m_listModel->connectItemsInserted([listChanged](int, int) { listChanged(); }));
    m_connections.add(m_listModel->connectItemsRemoved([listChanged](int, int) { listChanged(); }));
    // An item that changes in place under a selected row changes the selected values.
    m_connections.add(m_listModel->connectItemChanged([this](int) { updateProperty(); }));
    m_connections.add(m_property->valueChanged().connect([this](const SetType&) { m_performer.propertyChanged(); }));
    installViewModel();
    updateWidget();
}

template <typename SetType>
ListViewPropertySynchronizer<SetType>::~ListViewPropertySynchronizer()
{
    QObject::disconnect(m_selectionConnection);
}

template <typename SetType>
void ListViewPropertySynchronizer<SetType>::updateWidget()
{
    if (!m_view || !m_view->selectionModel() || !m_viewModel)
        return;
    m_updating = true;
    const intern::ScopeExit updated([this] { m_updating = false; });

    const SetType values = m_property->value();
    const int rowCount = m_viewModel->rowCount();
    std::vector<int> rows;
    rows.reserve(values.size());
    for (const Value& value : values) {
        const int row = m_listModel->indexOf(value);
        if (row >= 0 && row < rowCount)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());

    QItemSelection selection;
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] <= rows[last] + 1)
            ++last;
        selection.select(m_viewModel->index(rows[first], 0), m_viewModel->index(rows[last], 0));
        first = last + 1;
    }
    m_view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

template <typename SetType>
void ListViewPropertySynchronizer<SetType>::updateProperty()
{
    if (m_updating || !m_view || !m_view->selectionModel())
        return;
    SetType values;
    const int size = m_listModel->size();
    for (const QModelIndex& index : m_view->selectionModel()->selectedIndexes()) {
        if (index.row() < size)
            values.insert(m_listModel->get(index.row()));
    }
    // The view already shows this selection: the property change must not come back to it.
    const bool performerWasEnabled = m_performer.isEnabled();
    m_performer.enable(false);
    const intern::ScopeExit reenable([this, performerWasEnabled] { m_performer.enable(performerWasEnabled); });
    m_property->setValue(values);
}

template <typename SetType>
void ListViewPropertySynchronizer<SetType>::installViewModel()
{
    if (!m_view)
        return;
    QItemSelectionModel* oldSelectionModel = m_view->selectionModel();
    QAbstractItemModel* oldModel = m_viewModel;
    QObject::disconnect(m_selectionConnection);

    auto* model = new models::QListModel<Value>(m_listModel, m_view);
    m_view->setModel(model);
    m_viewModel = model;
    m_viewModelStale = false;
    // Only what this synchronizer made goes: a model that the view had before belongs to
    // whoever set it.
    if (oldModel) {
        if (oldSelectionModel && oldSelectionModel->model() == oldModel)
            delete oldSelectionModel;
        delete oldModel;
    }
    m_selectionConnection = QObject::connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged,
                                             m_view, [this] { updateProperty(); });
}

template <typename SetType>
void ListViewPropertySynchronizer<SetType>::refreshView()
{
    if (m_viewModelStale)
        installViewModel();
    updateWidget();
}

template class ListViewPropertySynchronizer<std::set<std::string>>;

} // namespace kestrix::sdk::ui::dialogs::propertybindings
