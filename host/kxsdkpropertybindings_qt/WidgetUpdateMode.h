#pragma once

namespace kestrix::propertybindings {

enum WidgetUpdateMode_e {
    // The property follows every edit of the widget.
    WidgetUpdateMode_Immediate = 0,
    // The property follows when the edit is committed (Return, focus leaves the widget).
    WidgetUpdateMode_OnCommit = 1
};

} // namespace kestrix::propertybindings
