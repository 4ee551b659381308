// Apportionment acts entry: the total length of plot fronts, in kilometres.

#include "ui/works/Form7.h"

namespace velmora::ui {

Form7::Form7(QWidget* parent)
    : EntryWindow("Form7", QStringLiteral("Σύνταξη Πράξεων Αναλογισμού"),
                  store::Work::Apportionment, parent) {
    S = addField("Label1", QStringLiteral("Συνολικό Μήκος Προσώπων Οικοπέδων (σε Χιλιόμετρα)"), "S",
                 &Label1);
    Command1 = finish("Command1", 4680, 3195);
}

bool Form7::submit() {
    return storeAsTyped();
}

} // namespace velmora::ui
