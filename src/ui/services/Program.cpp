#include "ui/services/Program.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace velmora::ui {
namespace {

QPointer<QWidget>& hiddenOwner() {
    static QPointer<QWidget> owner;
    return owner;
}

// The windows whose closing can end the program: those the toolkit would count (open, top level,
// not a menu or a tooltip, no other window as parent), and those held by the hidden owner.
bool keepsProgramRunning(const QWidget* window) {
    return window->isWindow() && window->isVisible() && window->testAttribute(Qt::WA_QuitOnClose) &&
           (window->parentWidget() == nullptr || window->parentWidget() == hiddenOwner());
}

class LastWindow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The close may still be refused, and the window that asked for it may open another
        // before it returns: look once the event is done.
        if (event->type() == QEvent::Close && watched->isWidgetType() &&
            keepsProgramRunning(static_cast<QWidget*>(watched)))
            QTimer::singleShot(0, this, &LastWindow::endIfNoneOpen);
        return false;
    }

private:
    static void endIfNoneOpen() {
        // Windows closed while no event loop runs (before start or after the end) end nothing.
        if (QThread::currentThread()->loopLevel() == 0) return;
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (keepsProgramRunning(window)) return;
        QCoreApplication::exit(0);
    }
};

} // namespace

void Program::endNow() {
    QCoreApplication::exit(0);
}

void Program::endWithLastWindow() {
    static QPointer<LastWindow> rule;
    if (!rule.isNull()) return;
    rule = new LastWindow(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(rule);
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void Program::keepOutOfTaskBar(QWidget* window) {
    QPointer<QWidget>& owner = hiddenOwner();
    if (owner.isNull()) {
        owner = new QWidget;
        owner->setObjectName(QStringLiteral("taskBarOwner"));
        // The owner must exist as a native window before the windows it owns are shown; it is
        // never shown itself.
        owner->winId();
    }
    const bool shown = window->isVisible();
    window->setParent(owner, window->windowFlags());
    if (shown) window->show();
}

} // namespace velmora::ui
