#include "messages/Describe.h"

#include "store/base/TextPath.h"
#include "store/files/Failure.h"
#include "store/files/RegularFile.h"
#include "store/text/ShownText.h"

#include <string_view>

namespace velmora::messages {
namespace {

using Kind = store::Error::Kind;
using store::Failure;

struct Named {
    std::string path;   // the whole path
    std::string name;   // the last part
    std::string folder; // everything before it

    explicit Named(const std::string& file) : path(file) {
        const std::filesystem::path whole = store::TextPath::fromUtf8(file);
        name = store::TextPath::toUtf8(whole.filename());
        folder = store::TextPath::toUtf8(whole.parent_path());
    }
    // «name» στον φάκελο «folder»
    std::string inFolder() const { return "«" + name + "» στον φάκελο «" + folder + "»"; }
};

std::string notDone(std::string what) {
    return what + "· η εργασία δεν ολοκληρώθηκε. Τα αρχεία της μελέτης έμειναν ολόκληρα, το "
                  "καθένα όπως ήταν πριν ή όπως γράφτηκε.";
}

std::string notWritten(const store::Error& error, const Named& file) {
    const std::string_view detail = error.detail;
    if (detail == Failure::kProgramFolder)
        return "Δεν ήταν δυνατή η δημιουργία του φακέλου του προγράμματος «" + file.path + "».";
    if (detail == Failure::kStudyFolder)
        return "Δεν ήταν δυνατή η δημιουργία του φακέλου της μελέτης «" + file.path +
               "». Ελέγξτε ότι ο φάκελος του προγράμματος είναι προσβάσιμος για εγγραφή και "
               "δοκιμάστε ξανά.";
    if (detail == Failure::kMovingStudy)
        return "Δεν ήταν δυνατή η μετακίνηση του φακέλου της μελέτης «" + file.path +
               "». Η μελέτη και ο κατάλογος μελετών έμειναν όπως ήταν.";
    if (detail == Failure::kLock) {
        // The lock file is its list's name with ".lock" after it.
        const std::string list = file.name.substr(0, file.name.rfind(".lock"));
        return "Δεν ήταν δυνατή η δημιουργία του αρχείου «" + file.name +
               "», που προστατεύει το «" + list + "» από ταυτόχρονες αλλαγές, στον φάκελο «" +
               file.folder + "».";
    }
    if (detail == Failure::kReportLock)
        return "Δεν ήταν δυνατή η δημιουργία του αρχείου «" + file.name +
               "» στον φάκελο της μελέτης «" + file.folder +
               "», που κρατά τους υπολογισμούς της έναν τη φορά· οι υπολογισμοί δεν έγιναν και η "
               "έκθεση έμεινε όπως ήταν.";
    if (detail == Failure::kStudyRename)
        return "Δεν ήταν δυνατή η μετονομασία του φακέλου της μελέτης «" + file.path +
               "». Αν κάποιο αρχείο της μελέτης είναι ανοιχτό σε άλλο πρόγραμμα (στα Windows "
               "αυτό εμποδίζει τη μετονομασία), κλείστε το και δοκιμάστε ξανά. Η μελέτη έμεινε "
               "όπως ήταν.";
    if (detail == Failure::kFolderSync)
        return "Οι αλλαγές στον φάκελο «" + file.path +
               "» δεν επιβεβαιώθηκαν στον δίσκο (σφάλμα του δίσκου).";
    if (detail == Failure::kPdf)
        return "Δεν ήταν δυνατή η εγγραφή του αρχείου PDF «" + file.path + "».";
    if (detail == Failure::kPdfInTheWay)
        return "Το «" + file.path +
               "» δεν είναι κανονικό αρχείο (είναι φάκελος, σωλήνας, υποδοχή ή συσκευή, ή "
               "σύνδεσμος προς κάτι τέτοιο)· το PDF δεν γράφτηκε και ό,τι βρίσκεται εκεί έμεινε "
               "όπως ήταν. Δώστε όνομα αρχείου.";
    std::string why;
    if (detail == Failure::kDiskFull) why = " Ο δίσκος είναι γεμάτος.";
    if (detail == Failure::kNotPermitted) why = " Δεν επιτρέπεται η εγγραφή στον φάκελο.";
    if (detail == Failure::kFolderInTheWay) why = " Στη θέση του υπάρχει φάκελος.";
    if (detail == Failure::kNotAFile)
        why = " Στη θέση του υπάρχει κάτι που δεν είναι αρχείο (σωλήνας, υποδοχή ή συσκευή).";
    return "Δεν ήταν δυνατή η εγγραφή του αρχείου " + file.inFolder() + "." + why +
           " Το αρχείο έμεινε όπως ήταν.";
}

std::string notRead(const store::Error& error, const Named& file) {
    const std::string_view detail = error.detail;
    if (detail == Failure::kNoHome)
        return "Δεν είναι γνωστός ο προσωπικός φάκελος του χρήστη (η μεταβλητή περιβάλλοντος HOME "
               "δεν έχει οριστεί ή δεν είναι πλήρης διαδρομή), οπότε δεν είναι γνωστό πού "
               "βρίσκεται ο φάκελος του προγράμματος. Ορίστε την HOME, ή την VELMORA_HOME με τον "
               "φάκελο του προγράμματος.";
    if (detail == Failure::kProgramFolder) {
        if (error.kind == Kind::NotFound)
            return "Ο φάκελος του προγράμματος «" + file.path + "» δεν υπάρχει.";
        if (error.kind == Kind::NotRegularFile)
            return "Το «" + file.path + "» δεν είναι φάκελος· δώστε τον φάκελο του προγράμματος.";
    }
    const std::string studyFolder = "Ο φάκελος της τρέχουσας μελέτης «" + file.path + "»";
    if (detail == Failure::kCurrentStudy) {
        if (error.kind == Kind::NotFound) return studyFolder + " δεν υπάρχει.";
        if (error.kind == Kind::NotRegularFile)
            return "Η τρέχουσα μελέτη «" + file.path + "» δεν είναι φάκελος.";
        return studyFolder + " δεν είναι προσβάσιμος (δικαιώματα πρόσβασης ή συντόμευση που "
                             "οδηγεί σε κύκλο).";
    }
    if (detail == Failure::kListingStudy)
        return studyFolder + " δεν διαβάζεται (δικαιώματα πρόσβασης ή σφάλμα του δίσκου).";
    if (detail == Failure::kAppendingStudy)
        return "Ο κατάλογος μελετών «" + file.name +
               "» υπάρχει αλλά δεν διαβάζεται· η νέα μελέτη δεν δημιουργήθηκε.";
    if (detail == Failure::kChangingList)
        return "Ο κατάλογος μελετών «" + file.name +
               "» υπάρχει αλλά δεν διαβάζεται· η μελέτη έμεινε όπως ήταν.";
    if (detail == Failure::kAppendingEngineer)
        return "Το μητρώο μηχανικών «" + file.name +
               "» υπάρχει αλλά δεν διαβάζεται· ο νέος μηχανικός δεν καταχωρίστηκε.";
    std::string sentence;
    if (detail == Failure::kLinkOutside)
        return "Το αρχείο " + file.inFolder() +
               " είναι σύνδεσμος προς αρχείο έξω από τον φάκελο και δεν διαβάζεται. Βάλτε στη "
               "θέση του το ίδιο το αρχείο.";
    switch (error.kind) {
    case Kind::NotFound:
        sentence = "Το αρχείο " + file.inFolder() + " δεν υπάρχει.";
        break;
    case Kind::NotRegularFile:
        sentence = "Το " + file.inFolder() +
                   " δεν είναι κανονικό αρχείο (είναι φάκελος, σωλήνας ή συσκευή) και δεν "
                   "διαβάζεται.";
        break;
    case Kind::TooLarge:
        sentence = "Το αρχείο " + file.inFolder() + " είναι μεγαλύτερο από " +
                   std::to_string(store::RegularFile::kLimit / (1 << 20)) +
                   " MB και δεν διαβάζεται: τα αρχεία του προγράμματος έχουν λίγες εκατοντάδες "
                   "byte.";
        break;
    default:
        sentence = "Το αρχείο " + file.inFolder() +
                   " υπάρχει αλλά δεν διαβάζεται (δικαιώματα πρόσβασης ή σφάλμα του δίσκου).";
    }
    if (detail == Failure::kPointer) sentence += " Επιλέξτε ξανά την τρέχουσα μελέτη.";
    return sentence;
}

std::string sentence(const store::Error& error) {
    const Named file(error.file);
    switch (error.kind) {
    case Kind::NoStudy:
        return "Δεν υπάρχει τρέχουσα μελέτη. Δημιουργήστε πρώτα μια νέα μελέτη ή επιλέξτε μια "
               "προηγούμενη.";
    case Kind::NotFound:
    case Kind::NotReadable:
    case Kind::NotRegularFile:
    case Kind::TooLarge:
        return notRead(error, file);
    case Kind::Short:
        return "Το αρχείο «" + file.name + "» έχει λιγότερα στοιχεία από όσα χρειάζονται.";
    case Kind::NotStorable:
        return "Το κείμενο «" + error.detail + "» δεν μπορεί να αποθηκευτεί στο αρχείο «" +
               file.name + "»: περιέχει χαρακτήρες που δεν αποθηκεύονται.";
    case Kind::WriteFailed:
        return notWritten(error, file);
    case Kind::Refused:
        if (error.detail == Failure::kOutsideInstallation)
            return "Η τρέχουσα μελέτη ορίζεται ως «" + file.path +
                   "», που δεν είναι φάκελος μελέτης μέσα στον φάκελο του προγράμματος· το "
                   "πρόγραμμα δεν διαβάζει ούτε γράφει μελέτες έξω από αυτόν. Επιλέξτε ξανά την "
                   "τρέχουσα μελέτη από την «Ανάγνωση Μελέτης».";
        return error.detail;
    case Kind::Busy:
        if (error.detail == Failure::kReportBusy)
            return "Η έκθεση της μελέτης «" + file.path +
                   "» γράφεται ή διαβάζεται αυτή τη στιγμή από άλλο πρόγραμμα. Δοκιμάστε ξανά σε "
                   "λίγο.";
        return "Το αρχείο «" + file.name +
               "» χρησιμοποιείται από άλλο πρόγραμμα αυτή τη στιγμή. Δοκιμάστε ξανά σε λίγο.";
    case Kind::OutOfMemory:
        return notDone("Η μνήμη δεν επαρκεί");
    case Kind::Unexpected:
        break;
    }
    return notDone(error.detail.empty() ? "Απρόβλεπτο σφάλμα"
                                        : "Απρόβλεπτο σφάλμα (" + error.detail + ")");
}

} // namespace

std::string describe(const store::Error& error) {
    std::string text = sentence(error);
    // The system's words may be English, but they are what a technician needs to hear.
    if (!error.reason.empty()) text += " Αιτία από το σύστημα: " + error.reason + ".";
    // A name or an item quoted from a folder copied from elsewhere may hold anything.
    return store::ShownText::of(text);
}

std::string describe(const std::vector<store::Error>& errors) {
    std::string text;
    for (const store::Error& error : errors)
        text += (text.empty() ? "" : "\n") + describe(error);
    return text;
}

std::string describe(const calc::ReportText::Report& report) {
    std::string text = report.missing.empty() ? std::string() : missingSections(report.missing);
    if (!report.unreadable.empty())
        text += (text.empty() ? "" : "\n") + describe(report.unreadable);
    return text;
}

std::string fileNameOf(const store::Error& error) {
    return Named(error.file).name;
}

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty()) text += ", ";
        text += name;
    }
    return text;
}

} // namespace

std::string missingSections(const std::vector<std::string>& missing) {
    return "Λείπουν αρχεία της έκθεσης αμοιβών (" + joined(missing) +
           "). Εκτελέστε πρώτα τους «Υπολογισμούς» για την τρέχουσα μελέτη.";
}

std::string staleReport(const std::vector<std::string>& newer) {
    return "Η μελέτη άλλαξε μετά τους τελευταίους «Υπολογισμούς» (" + joined(newer) +
           "): η έκθεση αμοιβών είναι παλαιότερη και δεν δείχνει τις αλλαγές.";
}

} // namespace velmora::messages
