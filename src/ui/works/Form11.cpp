// Plot setting-out entry: the plot corners to be marked permanently.

#include "ui/works/Form11.h"

namespace velmora::ui {

Form11::Form11(QWidget* parent)
    : EntryWindow("Form11", QStringLiteral("Χάραξη Οικοπέδων επί Εδάφους"), store::Work::Plots,
                  parent) {
    oikx = addField("Label1",
                    QStringLiteral("Μόνιμος Σήμανση Oρίων Οικοπέδων δια του τύπου των "
                                   "πολυγωνομετρικών σημείων: (Αριθμός Κορυφών Οικοπέδων)"),
                    "oikx", &Label1);
    Command1 = finish("Command1", 4680, 3195);
}

bool Form11::submit() {
    return storeAsTyped();
}

} // namespace velmora::ui
