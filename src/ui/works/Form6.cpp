// Urban survey entry: the area surveyed, in stremmata.

#include "ui/works/Form6.h"

namespace velmora::ui {

Form6::Form6(QWidget* parent)
    : EntryWindow("Form6", QStringLiteral("Aποτυπώσεις Αστικών Περιοχών"), store::Work::Urban,
                  parent) {
    ea = addField("Label1", QStringLiteral("Εμβαδό: "), "ea", &Label1);
    OK = finish("OK", 4680, 3195);
}

bool Form6::submit() {
    return storeAsTyped();
}

} // namespace velmora::ui
