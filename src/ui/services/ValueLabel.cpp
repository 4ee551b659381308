#include "ui/services/ValueLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace velmora::ui {

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

bool ValueLabel::isCut() const {
    const QRect room = contentsRect();
    if (wordWrap()) return heightForWidth(width()) > height();
    return fontMetrics().horizontalAdvance(text()) > room.width();
}

QSize ValueLabel::minimumSizeHint() const {
    if (wordWrap()) return QLabel::minimumSizeHint();
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("ΜΜ…")) + margins.left() +
                margins.right(),
            QLabel::minimumSizeHint().height()};
}

bool ValueLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (isCut())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ValueLabel::paintEvent(QPaintEvent* event) {
    // A wrapped label shows what fits its lines; its tooltip holds the rest.
    if (wordWrap() || !isCut()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
}

} // namespace velmora::ui
