#pragma once

namespace velmora::ui {

// Qt's own dialogs and menus (print, preview and file dialogs, message-box buttons, the context
// menu of a text box) in Greek, like the rest of the program. Debian ships no Greek for them, so
// the program carries its own.
class Translation {
public:
    // Installs the Greek texts in the running application; false when they could not be loaded.
    static bool installGreek();
};

} // namespace velmora::ui
