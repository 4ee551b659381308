#include "ui/services/WindowFrame.h"

#include "ui/services/Program.h"
#include "ui/services/Twips.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velmora::ui {

void WindowFrame::apply(QWidget* window, Frame frame, int widthTwips, int heightTwips) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (frame) {
    case Frame::Sizable:
        flags |= Qt::Window;
        break;
    case Frame::SizableWithClose:
        flags |= Qt::Window | Qt::WindowCloseButtonHint;
        break;
    case Frame::FixedDialog:
        flags |= Qt::Dialog;
        break;
    case Frame::FixedDialogWithClose:
        flags |= Qt::Dialog | Qt::WindowCloseButtonHint;
        break;
    }
    window->setWindowFlags(flags);
#ifdef Q_OS_WIN
    // Windows gives every window without an owner a task bar button; on X11 a dialog stays out of
    // the task bar by being one.
    if (frame != Frame::Sizable && frame != Frame::SizableWithClose)
        Program::keepOutOfTaskBar(window);
#endif

    QSize size = Twips::size(widthTwips, heightTwips);
    if (QLayout* layout = window->layout()) {
        layout->activate();
        QSize needed = layout->totalMinimumSize();
        if (layout->hasHeightForWidth())
            needed.setHeight(std::max(needed.height(), layout->totalHeightForWidth(std::max(
                                                           size.width(), needed.width()))));
        size = size.expandedTo(needed);
    }
    const int buttons = frame == Frame::FixedDialogWithClose ? 1 : 0;
    const int extra = titleWidth(window, buttons) - size.width();
    if (extra > 0) {
        size.setWidth(size.width() + extra);
        // Placed by hand, the contents keep their place in the middle of the wider window.
        if (window->layout() == nullptr)
            for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!child->isWindow()) child->move(child->x() + extra / 2, child->y());
    }
    if (frame == Frame::Sizable || frame == Frame::SizableWithClose)
        window->resize(size);
    else
        window->setFixedSize(size);
}

int WindowFrame::titleWidth(const QWidget* window, int buttons) {
    // Title bars draw their text in a bold face about the size of the window's; the allowance
    // for the icon, the edges and each button is that of Windows' title bars, the widest of the
    // desktops we meet.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    constexpr int kIconAndEdges = 56;
    constexpr int kButton = 46;
    return QFontMetrics(font).horizontalAdvance(window->windowTitle()) + kIconAndEdges +
           kButton * buttons;
}

void WindowFrame::centre(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    window->move(area.x() + (area.width() - window->width()) / 2,
                 area.y() + (area.height() - window->height()) / 2);
}

} // namespace velmora::ui
