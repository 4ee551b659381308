#include "ui/services/StudyAccess.h"

#include "store/Installation.h"
#include "ui/services/Dialogs.h"

#include <QString>

namespace velmora::ui {

std::filesystem::path StudyAccess::installation() {
    return store::Installation::folder(std::nullopt);
}

std::optional<store::Study> StudyAccess::currentOrWarn(QWidget* parent) {
    auto study = store::Study::current(installation());
    if (study) return std::move(*study);
    Dialogs::message(parent, QString::fromStdString(study.error().detail));
    return std::nullopt;
}

bool StudyAccess::stored(QWidget* parent, const store::Status& status) {
    if (status) return true;
    Dialogs::message(parent, QString::fromStdString(status.message()));
    return false;
}

} // namespace velmora::ui
