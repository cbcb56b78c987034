#include "dialogs/zonestyle/intern/views/SelectionModelSignalSuspender.h"

#include "dialogs/uicontrols/MapSelectionByPattern.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

SelectionModelSignalSuspender::SelectionModelSignalSuspender(QAbstractItemView& view,
                                                             uicontrols::MapSelectionByPattern& filter)
    : m_view(&view), m_filter(&filter)
{
    if (QItemSelectionModel* selectionModel = view.selectionModel())
        QObject::disconnect(selectionModel, nullptr, &filter, nullptr);
}

SelectionModelSignalSuspender::~SelectionModelSignalSuspender()
{
    if (!m_view || !m_filter)
        return;
    if (QItemSelectionModel* selectionModel = m_view->selectionModel()) {
        QObject::connect(selectionModel, &QItemSelectionModel::selectionChanged, m_filter.data(),
                         &uicontrols::MapSelectionByPattern::selectionChanged, Qt::UniqueConnection);
    }
}

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
