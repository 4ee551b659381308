#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

namespace velmora::ui {

// Keys as on Windows. Enter presses the button that has the focus, and anywhere else (a text box,
// a list) the window's main button when it has one. Esc closes a window that only informs or
// asks, exactly as its Cancel does. A control that uses the key itself (an open list) keeps it.
// The focus is drawn from the moment the window opens, so the user sees what Enter will press.
class WindowKeys : public QObject {
public:
    // `main` may be nullptr: a window without a main button, where Enter presses only the
    // focused button.
    static void enterPresses(QWidget* window, QAbstractButton* main);

    // Esc clicks `cancel`, or closes the window when it has no Cancel button; nothing is written.
    static void escapeCloses(QWidget* window, QAbstractButton* cancel = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowKeys(QWidget* window);
    // The window's one filter, made on first use.
    static WindowKeys& of(QWidget* window);

    QWidget* window_;
    bool enter_ = false;
    QPointer<QAbstractButton> main_;
    bool escape_ = false;
    QPointer<QAbstractButton> cancel_;
};

} // namespace velmora::ui
