#pragma once

namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions {

// The keyword path of a style setting, up to four keywords; unused ones are null. The
// keywords are literals that live as long as the program.
struct StyleKeywords {
    const char* kw1 = nullptr;
    const char* kw2 = nullptr;
    const char* kw3 = nullptr;
    const char* kw4 = nullptr;
};

} // namespace kestrix::sdk::ui::dialogs::zonestyle::intern::actions
