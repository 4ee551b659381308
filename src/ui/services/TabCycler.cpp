#include "ui/services/TabCycler.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <QWidget>

namespace velmora::ui {

TabCycler::TabCycler(QWidget* window, QTabBar* tabs)
    : QObject(window), window_(window), tabs_(tabs) {
    qApp->installEventFilter(this);
}

void TabCycler::install(QWidget* window, QTabBar* tabs) {
    new TabCycler(window, tabs);
}

bool TabCycler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Tab || key->modifiers() != Qt::ControlModifier) return false;
    if (tabs_->count() == 0) return true;
    tabs_->setCurrentIndex((tabs_->currentIndex() + 1) % tabs_->count());
    return true;
}

} // namespace velmora::ui
