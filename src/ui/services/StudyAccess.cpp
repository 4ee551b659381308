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
    Dialogs::failure(parent, study.error());
    return std::nullopt;
}

bool StudyAccess::stored(QWidget* parent, const store::Status& status) {
    if (status) return true;
    Dialogs::failure(parent, status.error());
    return false;
}

} // namespace velmora::ui
