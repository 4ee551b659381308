#pragma once

#include <QString>

namespace velmora::ui {

// The pictures and icons compiled into the program. The library that holds them is static, so
// they are registered on first use rather than by the linker.
class Resources {
public:
    // The resource path of a file of resources/, e.g. path("surveyor.svg").
    static QString path(const QString& file);

    // The resource path of the picture resources/<name>.svg as this build carries it: the SVG
    // itself, or the PNG rendered from it where the build has no Qt Svg.
    static QString picture(const QString& name);
};

} // namespace velmora::ui
