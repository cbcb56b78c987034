#pragma once

class QPrinter;

namespace kestrix::sdk::integration {

// What the host's integration library implements to print: the dialogs hand it a printer set
// up by the user and it draws the current page onto it.
class WindowsPrintingManagerInterface {
public:
    // True when printing succeeded.
    virtual bool print(QPrinter& printer) = 0;

    WindowsPrintingManagerInterface() = default;
    WindowsPrintingManagerInterface(const WindowsPrintingManagerInterface&) = default;
    WindowsPrintingManagerInterface& operator=(const WindowsPrintingManagerInterface&) = default;
    virtual ~WindowsPrintingManagerInterface() = default;
};

} // namespace kestrix::sdk::integration
