#pragma once

#include <QPointer>

class QAbstractItemView;

namespace kestrix::sdk::ui::dialogs::uicontrols {
class MapSelectionByPattern;
}

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// While it lives, selection changes made by the program do not count as the user's: the
// view's selection model is cut from the pattern filter. When it ends (also when an
// exception passes) the view's selection model of that moment is connected to the filter.
class SelectionModelSignalSuspender {
public:
    SelectionModelSignalSuspender(QAbstractItemView& view, uicontrols::MapSelectionByPattern& filter);
    SelectionModelSignalSuspender(const SelectionModelSignalSuspender&) = delete;
    SelectionModelSignalSuspender& operator=(const SelectionModelSignalSuspender&) = delete;
    ~SelectionModelSignalSuspender();

private:
    QPointer<QAbstractItemView> m_view;
    QPointer<uicontrols::MapSelectionByPattern> m_filter;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
