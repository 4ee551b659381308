#pragma once

#include <QFont>

namespace velmora::print {

// The fonts our windows and printouts name, with a stand-in that has Greek letters where the
// named font is not installed.
class Fonts {
public:
    static QFont timesNewRoman(qreal points);
};

} // namespace velmora::print
