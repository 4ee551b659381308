// Triangulation entry: points of class III and IV, forward intersections and resections.

#include "ui/works/form3.h"

namespace velmora::ui {

form3::form3(QWidget* parent)
    : EntryWindow("form3", QStringLiteral("Τριγωνισμός"), store::Work::Triangulation, parent) {
    TsIIIT =
        addField("Label1", QStringLiteral("Τριγωνομετρικο σημειο ΙΙΙ Τάξεως"), "TsIIIT", &Label1);
    TSIVT = addField("Label2", QStringLiteral("Τριγωνομετρικο σημείο IV Τάξεως"), "TSIVT", &Label2);
    Emp = addField("Label3", QStringLiteral("Εμπροσθοτομία"), "Emp", &Label3);
    OP = addField("Label4", QStringLiteral("Οπισθοτομία"), "OP", &Label4);
    Command1 = finish("Command1", 4590, 3300);
}

bool form3::submit() {
    return storeAsTyped();
}

} // namespace velmora::ui
