// Polygonometry entry: the number of polygonometric points, with a hint by plan zone.

#include "ui/works/Form4.h"

#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"

#include <QLabel>

namespace velmora::ui {

Form4::Form4(QWidget* parent)
    : EntryWindow("Form4", QStringLiteral("Πολυγωνομετρία"), store::Work::Polygonometry, parent) {
    Label1 = addLabel("Label1", QStringLiteral("Πολυγωνομετρικά σημεία"), true);
    poly = addField("Label2", QStringLiteral("Πλήθος πολυγωνομετρικών σημείων"), "poly", &Label2);
    tex = addLabel("tex", QString());
    Command1 = finish("Command1", 4680, 3195);

    // How many points to count per stremma depends on the plan zone.
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    auto inside = study->equalsInside();
    if (!inside) {
        Dialogs::failure(this, inside.error(),
                         QStringLiteral("Δεν ήταν δυνατή η ανάγνωση της ζώνης σχεδίου της "
                                        "μελέτης, οπότε δεν φαίνεται πόσα σημεία αντιστοιχούν "
                                        "ανά στρέμμα. Επιλέξτε «Εντός Σχεδίου» ή «Εκτός Σχεδίου» "
                                        "στην επιλογή εργασιών.\n"));
        return;
    }
    tex->setText(*inside ? QStringLiteral("ΕΝΑ ΣΗΜΕΙΟ ΑΝΑ ΣΤΡΕΜΑ")
                         : QStringLiteral("ΜΙΣΟ ΣΗΜΕΙΟ ΑΝΑ ΣΤΡΕΜΑ"));
}

bool Form4::submit() {
    return storeAsTyped();
}

} // namespace velmora::ui
