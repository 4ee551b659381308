#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

namespace velmora::ui {

// Window geometry is laid out in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
// Qt scales pixels for high-density screens itself.
class Twips {
public:
    static constexpr int kPerPixel = 15;

    static constexpr int toPixels(int twips) {
        return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel
                          : -((-twips + kPerPixel / 2) / kPerPixel);
    }
    static constexpr int fromPixels(int pixels) { return pixels * kPerPixel; }

    static QSize size(int width, int height) { return {toPixels(width), toPixels(height)}; }
    static QPoint point(int left, int top) { return {toPixels(left), toPixels(top)}; }
    static QRect rect(int left, int top, int width, int height) {
        return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
    }
};

} // namespace velmora::ui
