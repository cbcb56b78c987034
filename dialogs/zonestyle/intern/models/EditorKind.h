#pragma once

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models {

// How the table edits a column: the delegate it installs and the popup a right click opens.
enum EditorKind_e {
    EditorKind_None = 0,
    EditorKind_TextWithPopup = 1,
    EditorKind_Text = 2,
    EditorKind_ListWithPopup = 3,
    EditorKind_List = 4,
    EditorKind_EditableList = 5,
    EditorKind_FilteredListWithPopup = 6,
    EditorKind_Boolean = 7,
    EditorKind_Color = 8,
    EditorKind_LineMapText = 9
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::models
