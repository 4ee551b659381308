#include "ui/services/Picture.h"

#include "ui/services/Resources.h"

#include <QPainter>

#ifndef VELMORA_PICTURES_PNG
#include <QSvgRenderer>
#endif

namespace velmora::ui {

#ifdef VELMORA_PICTURES_PNG

Picture::Picture(const QString& name, QWidget* parent)
    : QWidget(parent), image(Resources::picture(name)) {}

bool Picture::isValid() const {
    return !image.isNull();
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), image);
}

#else

Picture::Picture(const QString& name, QWidget* parent)
    : QWidget(parent), renderer(new QSvgRenderer(Resources::picture(name), this)) {}

bool Picture::isValid() const {
    return renderer->isValid();
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    renderer->render(&painter, rect());
}

#endif

} // namespace velmora::ui
