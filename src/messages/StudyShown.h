#pragma once

#include "store/base/Result.h"
#include "store/study/StudyDetails.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::messages {

// The three ways λ is shown: in the work selection with its leading zero ("0,85"); in the summary
// as stored in single precision (",85"); in the summary after its λ button, at full precision. An
// item that is no number is shown as it stands.
enum class LambdaShown { WorkSelection, Summary, SummaryAfterChange };
std::string lambdaShown(std::string_view item, LambdaShown how, char separator);

// Where a study lies, as the report head names it: its location and its municipality.
std::string siteShown(const store::StudyDetails& details);

// The scale as the summary shows it.
std::string scaleShown(std::string_view item, char separator);

// What the summary tells of the study files it could not read whole: those missing or short
// named together, each one that is there but cannot be read with why. Empty when there are none.
std::string summaryUnread(const std::filesystem::path& study,
                          const std::vector<store::Error>& unread);

} // namespace velmora::messages
