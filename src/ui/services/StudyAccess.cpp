#include "ui/services/StudyAccess.h"

#include "store/study/Installation.h"
#include "ui/services/Dialogs.h"

#include <QString>

namespace velmora::ui {

std::filesystem::path StudyAccess::installation() {
    // The program does not start without one, so there always is one by the time a window asks.
    return store::Installation::folder(std::nullopt).valueOr({});
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

bool StudyAccess::stored(QWidget* parent, const store::Study::Change& change,
                         const QString& notDefault) {
    if (!stored(parent, change.study)) return false;
    if (change.defaults) return true;
    Dialogs::failure(parent, change.defaults.error(), notDefault);
    return false;
}

} // namespace velmora::ui
