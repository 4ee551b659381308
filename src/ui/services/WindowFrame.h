#pragma once

class QWidget;

namespace velmora::ui {

// The frames our windows are drawn with. Most of them have no control box: they close through
// their own buttons only, so the title bar offers no close, minimise or maximise button.
class WindowFrame {
public:
    enum class Frame {
        // Resizable, no control box.
        Sizable,
        // Resizable, with the usual close box only.
        SizableWithClose,
        // Fixed size, no control box, not in the task bar.
        FixedDialog,
        // Fixed size with the usual close box, not in the task bar.
        FixedDialogWithClose,
    };

    // Sets the frame and gives the window its inner size in twips; a window whose contents need
    // more room (a larger system font) grows to fit rather than clip them.
    static void apply(QWidget* window, Frame frame, int widthTwips, int heightTwips);

    // The inner width a window needs for its whole title to show in its title bar, beside the
    // icon and `buttons` title-bar buttons.
    static int titleWidth(const QWidget* window, int buttons);

    // Places the window in the middle of the screen it opens on.
    static void centre(QWidget* window);
};

} // namespace velmora::ui
