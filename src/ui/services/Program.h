#pragma once

namespace velmora::ui {

// Ends the program at once: no window's close handling runs, so nothing is saved on the way out.
class Program {
public:
    static void endNow();
};

} // namespace velmora::ui
