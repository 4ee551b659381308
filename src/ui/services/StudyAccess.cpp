#include "ui/services/StudyAccess.h"

#include "store/Installation.h"
#include "ui/services/Dialogs.h"

#include <QString>

namespace velmora::ui {

std::filesystem::path StudyAccess::installation() {
    return store::Installation::folder(std::nullopt);
}

std::optional<std::filesystem::path> StudyAccess::currentOrWarn(QWidget* parent) {
    auto study = store::Installation::currentStudy(installation());
    if (study.state == store::Installation::CurrentStudy::State::Found) return study.folder;
    Dialogs::failure(parent, study.error);
    return std::nullopt;
}

} // namespace velmora::ui
