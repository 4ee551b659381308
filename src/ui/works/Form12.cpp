// Foundation setting-out entry: the building area, turned into a number of points.

#include "ui/works/Form12.h"

#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"

#include <QLineEdit>

namespace velmora::ui {

Form12::Form12(QWidget* parent)
    : EntryWindow("Form12", QStringLiteral("Χάραξη Θεμελίων Κτιριακών έργων"), parent) {
    Label1 = addLabel("Label1", QStringLiteral("Χάραξη Θεμελίων Κτιριακών Έργων"), true);
    www = addField("Label2",
                   QStringLiteral("Ώς μόνιμη σήμανση πολυγωνομετρικών σημείων (Εμβαδό οικοδομής "
                                  "σε m2)"),
                   "www", &Label2);
    Label3 = addLabel("Label3", QStringLiteral("Σημ: Ο αριθμός των πολυγωνομετρικών σημείων "
                                               "υπολογίζεται με τον τύπο :"));
    Label4 = addLabel("Label4", QStringLiteral("Αριθ.Πολυγων=Εμβαδό * 2 / 25 + 4"));
    Label5 = addLabel("Label5",
                      QStringLiteral("Και περιλαμβάνει την χάραξη της εκσκαφής θεμελίωσης, την "
                                     "χάραξη της θεμελίωσης, και τους ελέγχους καθετότητας των "
                                     "υποστηλωμάτων"));
    Command1 = finish("Command1", 5070, 3750);
}

bool Form12::submit() {
    auto readings = QuantityBoxes::read(this, fields());
    if (!readings) return false;
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return false;
    const store::Status stored = study->storeBuildingArea(readings->front().value);
    if (!stored && stored.error().kind == store::Error::Kind::Refused) {
        QuantityBoxes::mark(www, true);
        Dialogs::message(this, QStringLiteral("Το εμβαδό «%1» είναι πολύ μεγάλο για να "
                                              "υπολογιστεί ο αριθμός των σημείων. Δεν "
                                              "αποθηκεύτηκε τίποτα.")
                                   .arg(www->text()));
        return false;
    }
    return StudyAccess::stored(this, stored);
}

} // namespace velmora::ui
