#include "ui/services/EnterKey.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace velmora::ui {

EnterKey::EnterKey(QWidget* window, QAbstractButton* button) : QObject(window), button_(button) {}

void EnterKey::presses(QWidget* window, QAbstractButton* button) {
    window->installEventFilter(new EnterKey(window, button));
}

bool EnterKey::eventFilter(QObject* watched, QEvent* event) {
    // The window sees the key only when the control with the focus has left it unused.
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        modifiers != Qt::NoModifier || !button_->isVisible() || !button_->isEnabled())
        return QObject::eventFilter(watched, event);
    button_->click();
    return true;
}

} // namespace velmora::ui
