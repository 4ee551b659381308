#include "ui/services/WindowKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace velmora::ui {
namespace {

bool pressable(const QAbstractButton* button) {
    return button != nullptr && button->isVisible() && button->isEnabled();
}

} // namespace

WindowKeys::WindowKeys(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
    window->setAttribute(Qt::WA_KeyboardFocusChange);
}

WindowKeys& WindowKeys::of(QWidget* window) {
    for (QObject* child : window->children())
        if (auto* keys = dynamic_cast<WindowKeys*>(child)) return *keys;
    return *new WindowKeys(window);
}

void WindowKeys::enterPresses(QWidget* window, QAbstractButton* main) {
    WindowKeys& keys = of(window);
    keys.enter_ = true;
    keys.main_ = main;
}

void WindowKeys::escapeCloses(QWidget* window, QAbstractButton* cancel) {
    WindowKeys& keys = of(window);
    keys.escape_ = true;
    keys.cancel_ = cancel;
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    // Styles draw the focus only once the keyboard has moved it, and the toolkit forgets that
    // whenever the window is activated; here it shows from the start.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        window_->setAttribute(Qt::WA_KeyboardFocusChange);
    // The window sees a key only when the control with the focus has left it unused: a push
    // button outside a dialog leaves Enter, a text box leaves Enter and Esc.
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;

    if (escape_ && key->key() == Qt::Key_Escape) {
        if (cancel_ != nullptr && cancel_->isEnabled())
            cancel_->click();
        else
            window_->close();
        return true;
    }
    if (!enter_ || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) return false;
    auto* focused = qobject_cast<QPushButton*>(window_->focusWidget());
    QAbstractButton* pressed = pressable(focused) ? focused : main_.data();
    if (!pressable(pressed)) return false;
    pressed->click();
    return true;
}

} // namespace velmora::ui
