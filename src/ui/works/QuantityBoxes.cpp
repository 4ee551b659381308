#include "ui/works/QuantityBoxes.h"

#include "messages/Describe.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Regional.h"
#include "ui/services/StudyAccess.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace velmora::ui {
namespace {

constexpr const char* kWrong = "velmoraWrong";

} // namespace

std::optional<std::vector<store::TypedQuantity::Reading>>
QuantityBoxes::read(QWidget* window, const std::vector<QuantityField>& fields) {
    std::vector<store::TypedQuantity::Reading> readings;
    QStringList problems;
    QLineEdit* first = nullptr;
    for (const QuantityField& field : fields) {
        const std::string typed = field.box->text().toStdString();
        auto reading = store::TypedQuantity::take(field.name.toStdString(), typed, field.shown);
        mark(field.box, !reading);
        if (reading) {
            readings.push_back(std::move(*reading));
            continue;
        }
        if (first == nullptr) first = field.box;
        problems << QString::fromStdString(messages::describe(reading.error()));
    }
    if (first == nullptr) return readings;

    first->setFocus();
    first->selectAll();
    Dialogs::message(window, problems.join(QStringLiteral("\n")) +
                                 QStringLiteral("\n\nΔεν αποθηκεύτηκε τίποτα."));
    return std::nullopt;
}

std::vector<store::TypedQuantity::Shown>
QuantityBoxes::showStored(QWidget* window, store::Work work, std::vector<QuantityField>& fields) {
    // Without a current study the boxes stay empty; storing says why.
    auto study = store::Study::current(StudyAccess::installation());
    if (!study) return {};
    auto shown = study->shownItems(work, Regional::decimalSeparator());
    if (!shown) {
        Dialogs::failure(window, shown.error(),
                         QStringLiteral("Οι ποσότητες που έχει αποθηκεύσει η μελέτη δεν "
                                        "εμφανίζονται.\n"));
        return {};
    }
    for (std::size_t i = 0; i < fields.size() && i < shown->size(); ++i) {
        fields[i].box->setText(QString::fromStdString((*shown)[i].text));
        fields[i].shown = (*shown)[i];
    }
    return std::move(*shown);
}

QString QuantityBoxes::fieldName(const QLabel* label) {
    QString name = label->text().trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    return name;
}

void QuantityBoxes::mark(QLineEdit* box, bool wrong) {
    if (isMarked(box) == wrong) return;
    box->setProperty(kWrong, wrong);
    box->setStyleSheet(wrong ? QStringLiteral("QLineEdit { background: #ffd6d6; }") : QString());
    if (wrong)
        QObject::connect(
            box, &QLineEdit::textEdited, box, [box] { mark(box, false); },
            Qt::SingleShotConnection);
}

bool QuantityBoxes::isMarked(const QLineEdit* box) {
    return box->property(kWrong).toBool();
}

} // namespace velmora::ui
