// Foundation setting-out entry: the building area, turned into a number of points.

#include "ui/works/Form12.h"

#include "ui/services/StudyAccess.h"

#include <QLabel>
#include <QLineEdit>

namespace velmora::ui {

Form12::Form12(QWidget* parent)
    : EntryWindow("Form12", QStringLiteral("Χάραξη Θεμελίων Κτιριακών έργων"),
                  store::Work::Buildings, parent) {
    Label1 = addLabel("Label1", QStringLiteral("Χάραξη Θεμελίων Κτιριακών Έργων"), true);
    lblStored = new QLabel(this);
    lblStored->setObjectName(QStringLiteral("lblStored"));
    lblStored->setTextFormat(Qt::PlainText);
    www = addField("Label2",
                   QStringLiteral("Ώς μόνιμη σήμανση πολυγωνομετρικών σημείων (Εμβαδό οικοδομής "
                                  "σε m2)"),
                   "www", &Label2, lblStored);
    Label3 = addLabel("Label3", QStringLiteral("Σημ: Ο αριθμός των πολυγωνομετρικών σημείων "
                                               "υπολογίζεται με τον τύπο :"));
    Label4 = addLabel("Label4", QStringLiteral("Αριθ.Πολυγων=Εμβαδό * 2 / 25 + 4"));
    Label5 = addLabel("Label5",
                      QStringLiteral("Και περιλαμβάνει την χάραξη της εκσκαφής θεμελίωσης, την "
                                     "χάραξη της θεμελίωσης, και τους ελέγχους καθετότητας των "
                                     "υποστηλωμάτων"));
    Command1 = finish("Command1", 5070, 3750);
}

void Form12::showStored() {
    // The study keeps the point count worked out from the area, not the area: the box opens
    // empty and the count stands beside it.
    std::vector<QuantityField> none;
    const auto shown = QuantityBoxes::showStored(this, store::Work::Buildings, none);
    const QString count = shown.empty() ? QString() : QString::fromStdString(shown.front().text);
    lblStored->setText(count.isEmpty() ? QString()
                                       : QStringLiteral("Αποθηκευμένα σημεία: ") + count);
    lblStored->setVisible(!count.isEmpty());
}

bool Form12::submit() {
    auto readings = QuantityBoxes::read(this, fields());
    if (!readings) return false;
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return false;
    // An area left empty keeps the count the study has.
    const std::optional<double> area = www->text().trimmed().isEmpty()
                                           ? std::nullopt
                                           : std::optional<double>(readings->front().value);
    const store::Status stored = study->storeBuildingArea(area);
    // An area too large to count points for is the box's to put right.
    if (!stored && stored.error().refusal == store::Error::Refusal::AreaTooLarge)
        QuantityBoxes::mark(www, true);
    return StudyAccess::stored(this, stored);
}

} // namespace velmora::ui
