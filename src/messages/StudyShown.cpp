#include "messages/StudyShown.h"

#include "messages/Describe.h"
#include "store/base/TextPath.h"
#include "store/text/NumberText.h"

namespace velmora::messages {

using store::NumberText;

std::string lambdaShown(std::string_view item, LambdaShown how, char separator) {
    if (how == LambdaShown::SummaryAfterChange)
        return NumberText::shown(item, NumberText::kDoubleDigits, separator);
    auto value = NumberText::parse(item);
    auto single = value ? NumberText::toSingle(*value) : std::nullopt;
    if (!single) return std::string(item);
    std::string text = NumberText::general(*single, NumberText::kSingleDigits, separator);
    if (how == LambdaShown::WorkSelection)
        return NumberText::withLeadingZero(std::move(text), separator);
    return text;
}

std::string siteShown(const store::StudyDetails& details) {
    const std::string& location = details.location;
    const std::string& municipality = details.municipality;
    if (municipality.empty()) return location;
    return location + (location.empty() ? "" : " ") + "του Δήμου " + municipality;
}

std::string scaleShown(std::string_view item, char separator) {
    return NumberText::shown(item, NumberText::kDoubleDigits, separator);
}

std::string summaryUnread(const std::filesystem::path& study,
                          const std::vector<store::Error>& unread) {
    using Kind = store::Error::Kind;
    std::string missing;
    std::string told;
    for (const store::Error& error : unread) {
        if (error.kind == Kind::NotFound || error.kind == Kind::Short) {
            missing += (missing.empty() ? "" : ", ") + fileNameOf(error) +
                       (error.kind == Kind::Short ? " (ελλιπές)" : "");
            continue;
        }
        // A file that is there may still hold what the user typed: saying it is missing would
        // send them looking for the wrong cause.
        told +=
            (told.empty() ? "" : "\n") + describe(error) + " Τα στοιχεία του εμφανίζονται κενά.";
    }
    if (!missing.empty())
        missing = "Λείπουν αρχεία της μελέτης «" + store::TextPath::toUtf8(study) +
                  "»: " + missing + ". Τα στοιχεία τους εμφανίζονται κενά.";
    return missing + (missing.empty() || told.empty() ? "" : "\n") + told;
}

} // namespace velmora::messages
