#include "print/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace velmora::print {
namespace {

// Liberation Serif keeps Times New Roman's letter widths, so lines laid out for it still fit.
QString serifFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* candidate : {"Times New Roman", "Liberation Serif", "DejaVu Serif"}) {
            const QString name = QString::fromLatin1(candidate);
            if (installed.contains(name) &&
                QFontDatabase::writingSystems(name).contains(QFontDatabase::Greek))
                return name;
        }
        for (const QString& name : QFontDatabase::families(QFontDatabase::Greek))
            if (!QFontDatabase::isFixedPitch(name)) return name;
        return QString();
    }();
    return family;
}

} // namespace

QFont Fonts::timesNewRoman(qreal points) {
    QFont font(serifFamily());
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    return font;
}

} // namespace velmora::print
