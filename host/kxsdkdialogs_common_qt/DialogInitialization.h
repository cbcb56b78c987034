#pragma once

namespace kestrix::dialogs::common {

enum DialogInitialization_e {
    DialogInitialization_None = 0,
    // The dialog selects the objects of the host's pick list when it opens.
    DialogInitialization_SelectPickedObjects = 1
};

} // namespace kestrix::dialogs::common
