// Per-mille tables entry: the number of independent horizontal co-ownerships.

#include "ui/works/Form10.h"

namespace velmora::ui {

Form10::Form10(QWidget* parent)
    : EntryWindow("Form10", QStringLiteral("Κατανομή Χιλιοστών"), store::Work::Thousandths,
                  parent) {
    anid = addField("Label1", QStringLiteral("Ανεξάρτητες Οριζόντιες συνιδιοκτησίες"), "anid",
                    &Label1);
    Label2 =
        addLabel("Label2", QStringLiteral("ΠΡΟΣΟΧΗ: Οι αμοιβές απο την σύνταξη πινάκων κατανομής "
                                          "χιλιοστών ΔΕΝ προβλέπονται ΑΜΜΕΣΑ απο το ΠΔ696."));
    Label3 =
        addLabel("Label3", QStringLiteral("Οι αμοιβή ανα ιδιοκτησία έχει προκύψει απο αντίστοιχη "
                                          "ανάλυση των άρθρων 13 και 15 του νόμου."));
    Command1 = finish("Command1", 4830, 3195);
}

bool Form10::submit() {
    return storeAsTyped();
}

} // namespace velmora::ui
