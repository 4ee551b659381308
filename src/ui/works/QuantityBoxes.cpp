#include "ui/works/QuantityBoxes.h"

#include "ui/services/Dialogs.h"
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
        auto reading = store::TypedQuantity::read(typed);
        mark(field.box, !reading);
        if (reading) {
            readings.push_back(std::move(*reading));
            continue;
        }
        if (first == nullptr) first = field.box;
        problems << QString::fromStdString(
            store::TypedQuantity::problem(field.name.toStdString(), typed));
    }
    if (first == nullptr) return readings;

    first->setFocus();
    first->selectAll();
    Dialogs::message(window, problems.join(QStringLiteral("\n")) +
                                 QStringLiteral("\n\nΔεν αποθηκεύτηκε τίποτα."));
    return std::nullopt;
}

std::vector<store::ValueItem>
QuantityBoxes::textItems(const std::vector<store::TypedQuantity::Reading>& readings) {
    std::vector<store::ValueItem> items;
    items.reserve(readings.size());
    for (const auto& reading : readings)
        items.push_back(store::ValueItem::text(reading.stored));
    return items;
}

bool QuantityBoxes::write(QWidget* window, std::string_view file,
                          const std::vector<store::ValueItem>& items) {
    auto study = StudyAccess::currentOrWarn(window);
    if (!study) return false;
    store::Status written = store::ValueFile::write(*study, file, items);
    if (!written) {
        Dialogs::failure(window, written.error());
        return false;
    }
    return true;
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
