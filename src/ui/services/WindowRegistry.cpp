#include "ui/services/WindowRegistry.h"

namespace velmora::ui {

void WindowRegistry::bringToFront(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

std::map<std::type_index, QPointer<QWidget>>& WindowRegistry::windows() {
    static std::map<std::type_index, QPointer<QWidget>> open;
    return open;
}

} // namespace velmora::ui
