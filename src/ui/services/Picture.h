#pragma once

#include <QWidget>

#ifdef VELMORA_PICTURES_PNG
#include <QImage>
#else
class QSvgRenderer;
#endif

namespace velmora::ui {

// One of the program's pictures, drawn to the size of its widget: from its SVG where the build
// has Qt Svg, from the PNG rendered from that SVG at build time where it does not (Windows).
class Picture : public QWidget {
public:
    // The picture of resources/<name>.svg.
    Picture(const QString& name, QWidget* parent);

    // Whether the picture could be read.
    bool isValid() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
#ifdef VELMORA_PICTURES_PNG
    QImage image;
#else
    QSvgRenderer* renderer;
#endif
};

} // namespace velmora::ui
