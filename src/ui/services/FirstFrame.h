#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace velmora::ui {

// For the start-up benchmark only: with VELMORA_QUIT_AFTER_FIRST_FRAME set, the program ends as
// soon as its first window has painted, so that a run measures start-up and nothing else. Header
// only, so that the bare Qt program the benchmark compares with uses the very same rule without
// linking our windows.
class FirstFrame : public QObject {
public:
    static void quitAfterIfAsked() {
        if (std::getenv("VELMORA_QUIT_AFTER_FIRST_FRAME") == nullptr) return;
        QCoreApplication::instance()->installEventFilter(
            new FirstFrame(QCoreApplication::instance()));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The paint of a window's own surface comes once its contents are laid out; the frame
        // reaches the screen when the event is done, before the posted quit runs.
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            done_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }

private:
    using QObject::QObject;
    bool done_ = false;
};

} // namespace velmora::ui
