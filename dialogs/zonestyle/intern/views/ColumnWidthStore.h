#pragma once

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views {

// The column widths of the style tables for the life of the process, by plot type, tab and
// column, so that a table shown again (another tab and back, the dialog closed and reopened)
// keeps the widths it was given.
class ColumnWidthStore {
public:
    // The stored width in pixels, 0 if none.
    static int width(int plotType, int tabIndex, int column);
    static void setWidth(int plotType, int tabIndex, int column, int width);
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::views
