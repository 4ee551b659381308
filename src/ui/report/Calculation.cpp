#include "ui/report/Calculation.h"

#include "calc/CalculationRun.h"
#include "messages/Describe.h"
#include "store/study/Study.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Regional.h"

#include <QStringList>

namespace velmora::ui {

void Calculation::run(QWidget* parent, const store::Study& study) {
    calc::CalculationRun::Outcome outcome =
        calc::CalculationRun::run(study.folder(), Regional::decimalSeparator());
    QStringList message;
    if (!outcome.ok()) message << QString::fromStdString(messages::describe(outcome.failures));
    if (!outcome.warnings.empty()) {
        if (!message.isEmpty()) message << QString();
        message << QStringLiteral("Οι υπολογισμοί έγιναν, αλλά η έκθεση δεν θα συμφωνεί με τα "
                                  "στοιχεία της μελέτης:");
        for (const auto& warning : outcome.warnings)
            message << QStringLiteral("• ") + QString::fromStdString(messages::describe(warning));
    }
    if (!message.isEmpty()) Dialogs::message(parent, message.join(QStringLiteral("\n")));
}

bool Calculation::offerWhenStale(QWidget* parent, const store::Study& study) {
    const std::vector<std::string> newer = study.newerThanReport();
    if (newer.empty()) return false;
    if (!Dialogs::ask(parent,
                      QString::fromStdString(messages::staleReport(newer)) +
                          QStringLiteral("\n\nΝα γίνουν τώρα οι «Υπολογισμοί»;"),
                      QStringLiteral("Υπολογισμοί"), QStringLiteral("Συνέχεια χωρίς υπολογισμούς")))
        return false;
    run(parent, study);
    return true;
}

} // namespace velmora::ui
