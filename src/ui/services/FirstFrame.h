#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace velmora::ui {

// For the start-up benchmark only. With VELMORA_QUIT_AFTER_FIRST_FRAME set to the moment the
// program was launched (nanoseconds of the steady clock), the program ends as soon as its first
// window has painted, after printing how long that took in microseconds and its peak memory in
// kB. Header only, so that the bare Qt program the benchmark compares with uses the very same
// rule without linking our windows.
class FirstFrame : public QObject {
public:
    static void quitAfterIfAsked() {
        const char* launched = std::getenv("VELMORA_QUIT_AFTER_FIRST_FRAME");
        if (launched == nullptr) return;
        QCoreApplication::instance()->installEventFilter(
            new FirstFrame(QCoreApplication::instance(), std::strtoll(launched, nullptr, 10)));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The frame is on the screen once the paint of a window's own surface is done.
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            done_ = true;
            QTimer::singleShot(0, this, &FirstFrame::report);
        }
        return false;
    }

private:
    FirstFrame(QObject* parent, long long launched) : QObject(parent), launched_(launched) {}

    void report() const {
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count();
        // Whole numbers: the C library's locale, which Qt sets from the environment, may write a
        // decimal comma.
        std::printf("%lld %lld\n", (now - launched_) / 1000, peakKilobytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    // The peak resident set so far, where the system tells it (Linux); 0 elsewhere.
    static long long peakKilobytes() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) return 0;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').front().toLongLong();
        return 0;
    }

    long long launched_;
    bool done_ = false;
};

} // namespace velmora::ui
