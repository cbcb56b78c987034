#pragma once

namespace kestrix::dialogs::common {

class DialogInterface {
public:
    virtual ~DialogInterface() = default;
    // Shows a modeless dialog (raised and activated) or runs a modal one.
    virtual void launch() = 0;
    // Takes the dialog down.
    virtual void drop() = 0;
};

} // namespace kestrix::dialogs::common
