// Building and street lines entry: axis points and corners of building blocks.

#include "ui/works/Form8.h"

namespace velmora::ui {

Form8::Form8(QWidget* parent)
    : EntryWindow("Form8", QStringLiteral("Οικοδομικές-Ρυμοτομικές Γραμμές"), store::Work::Lines,
                  parent) {
    ajon = addField("Label1", QStringLiteral("Προσδιορισμός και Χάραξη Αξόνων (Σημεία)"), "ajon",
                    &Label1);
    rymot = addField("Label2", QStringLiteral("Κορυφές Οικοδομικών Τετραγώνων (Σημεία)"), "rymot",
                     &Label2);
    Command1 = finish("Command1", 4845, 3765);
}

bool Form8::submit() {
    return storeAsTyped();
}

} // namespace velmora::ui
