#include "ui/services/TabCycler.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <QWidget>

namespace velmora::ui {

TabCycler::TabCycler(QWidget* window, QTabBar* tabs, std::vector<QWidget*> pages)
    : QObject(window), window_(window), tabs_(tabs), pages_(std::move(pages)) {
    qApp->installEventFilter(this);
    // Connected after the window's own handler, which brings the page into view first.
    connect(tabs_, &QTabBar::currentChanged, this, &TabCycler::focusPage);
}

void TabCycler::install(QWidget* window, QTabBar* tabs, std::vector<QWidget*> pages) {
    new TabCycler(window, tabs, std::move(pages));
}

QWidget* TabCycler::firstBox(QWidget* page) {
    for (QWidget* widget = page->nextInFocusChain(); widget != page;
         widget = widget->nextInFocusChain()) {
        if (page->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) &&
            widget->isEnabled() && widget->isVisibleTo(page->window()))
            return widget;
    }
    return nullptr;
}

void TabCycler::focusPage(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= pages_.size()) return;
    if (QWidget* box = firstBox(pages_[static_cast<std::size_t>(index)]))
        box->setFocus(Qt::TabFocusReason);
}

bool TabCycler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::ControlModifier) return false;
    int step = 0;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_PageDown)
        step = 1;
    else if (key->key() == Qt::Key_PageUp)
        step = -1;
    else
        return false;
    const int count = tabs_->count();
    if (count == 0) return true;
    tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
    return true;
}

} // namespace velmora::ui
