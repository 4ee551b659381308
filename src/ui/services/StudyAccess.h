#pragma once

#include "store/study/Study.h"

#include <filesystem>
#include <optional>

class QString;
class QWidget;

namespace velmora::ui {

// Where a window handler finds the installation folder and the current study. Nothing is kept
// between handlers: every call reads the pointer file again.
class StudyAccess {
public:
    static std::filesystem::path installation();

    // The current study; when there is none (first run, or a folder that is gone), shows a
    // message in Greek over `parent` and gives nothing.
    static std::optional<store::Study> currentOrWarn(QWidget* parent);

    // Tells the user what was not stored, over `parent`; true when everything was.
    static bool stored(QWidget* parent, const store::Status& status);
    // The same for a change that is also the default for new studies; `notDefault` opens the
    // message when only the study's own file was stored.
    static bool stored(QWidget* parent, const store::Study::Change& change,
                       const QString& notDefault);
};

} // namespace velmora::ui
