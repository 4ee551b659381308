#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <typeindex>
#include <utility>

namespace velmora::ui {

// Every window but the report windows exists at most once. Showing a window creates it the first
// time (its constructor is its load step); showing it again while it is open brings that same
// window to the front. Closing a window destroys it, so the next show builds it afresh.
class WindowRegistry {
public:
    template <class W, class... Args> static W* show(Args&&... args) {
        if (W* open = find<W>()) {
            bringToFront(open);
            return open;
        }
        auto* window = new W(std::forward<Args>(args)...);
        window->setAttribute(Qt::WA_DeleteOnClose);
        windows()[std::type_index(typeid(W))] = window;
        window->show();
        bringToFront(window);
        return window;
    }

    template <class W> static W* find() {
        auto it = windows().find(std::type_index(typeid(W)));
        if (it == windows().end() || it->second.isNull()) return nullptr;
        return qobject_cast<W*>(it->second.data());
    }

    static void bringToFront(QWidget* window);

private:
    static std::map<std::type_index, QPointer<QWidget>>& windows();
};

} // namespace velmora::ui
