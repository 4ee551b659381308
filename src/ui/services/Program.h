#pragma once

class QWidget;

namespace velmora::ui {

// When the program ends, and the hidden window that keeps windows out of the task bar.
class Program {
public:
    // Ends the program at once: no window's close handling runs, so nothing is saved on the way
    // out.
    static void endNow();

    // From here on the program ends when the last of its windows closes, and not before. The
    // toolkit's own rule does not count a window that has an owner, such as the windows kept out
    // of the task bar; ours counts them like any other.
    static void endWithLastWindow();

    // Gives the window to a hidden owner window: Windows shows no task bar button for a window
    // that has an owner.
    static void keepOutOfTaskBar(QWidget* window);
};

} // namespace velmora::ui
