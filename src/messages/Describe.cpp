#include "messages/Describe.h"

#include "store/base/TextPath.h"
#include "store/files/RegularFile.h"
#include "store/text/ShownText.h"

#include <string_view>

namespace velmora::messages {
namespace {

using Kind = store::Error::Kind;
using Context = store::Error::Context;
using Obstacle = store::Error::Obstacle;
using Refusal = store::Error::Refusal;

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
    const Context context = error.context;
    if (context == Context::ProgramFolder)
        return "Δεν ήταν δυνατή η δημιουργία του φακέλου του προγράμματος «" + file.path + "».";
    if (context == Context::StudyFolder)
        return "Δεν ήταν δυνατή η δημιουργία του φακέλου της μελέτης «" + file.path +
               "». Ελέγξτε ότι ο φάκελος του προγράμματος είναι προσβάσιμος για εγγραφή και "
               "δοκιμάστε ξανά.";
    if (context == Context::MovingStudy)
        return "Δεν ήταν δυνατή η μετακίνηση του φακέλου της μελέτης «" + file.path +
               "». Η μελέτη και ο κατάλογος μελετών έμειναν όπως ήταν.";
    if (context == Context::Lock) {
        // The lock file is its list's name with ".lock" after it.
        const std::string list = file.name.substr(0, file.name.rfind(".lock"));
        return "Δεν ήταν δυνατή η δημιουργία του αρχείου «" + file.name +
               "», που προστατεύει το «" + list + "» από ταυτόχρονες αλλαγές, στον φάκελο «" +
               file.folder + "».";
    }
    if (context == Context::ReportLock)
        return "Δεν ήταν δυνατή η δημιουργία του αρχείου «" + file.name +
               "» στον φάκελο της μελέτης «" + file.folder +
               "», που κρατά τους υπολογισμούς της έναν τη φορά· οι υπολογισμοί δεν έγιναν και η "
               "έκθεση έμεινε όπως ήταν.";
    if (context == Context::StudyRename)
        return "Δεν ήταν δυνατή η μετονομασία του φακέλου της μελέτης «" + file.path +
               "». Αν κάποιο αρχείο της μελέτης είναι ανοιχτό σε άλλο πρόγραμμα (στα Windows "
               "αυτό εμποδίζει τη μετονομασία), κλείστε το και δοκιμάστε ξανά. Η μελέτη έμεινε "
               "όπως ήταν.";
    if (context == Context::FolderSync)
        return "Οι αλλαγές στον φάκελο «" + file.path +
               "» δεν επιβεβαιώθηκαν στον δίσκο (σφάλμα του δίσκου).";
    if (context == Context::Pdf)
        return "Δεν ήταν δυνατή η εγγραφή του αρχείου PDF «" + file.path + "».";
    if (context == Context::PdfInTheWay)
        return "Το «" + file.path +
               "» δεν είναι κανονικό αρχείο (είναι φάκελος, σωλήνας, υποδοχή ή συσκευή, ή "
               "σύνδεσμος προς κάτι τέτοιο)· το PDF δεν γράφτηκε και ό,τι βρίσκεται εκεί έμεινε "
               "όπως ήταν. Δώστε όνομα αρχείου.";
    std::string why;
    switch (error.obstacle) {
    case Obstacle::DiskFull:
        why = " Ο δίσκος είναι γεμάτος.";
        break;
    case Obstacle::NotPermitted:
        why = " Δεν επιτρέπεται η εγγραφή στον φάκελο.";
        break;
    case Obstacle::FolderInTheWay:
        why = " Στη θέση του υπάρχει φάκελος.";
        break;
    case Obstacle::NotAFile:
        why = " Στη θέση του υπάρχει κάτι που δεν είναι αρχείο (σωλήνας, υποδοχή ή συσκευή).";
        break;
    case Obstacle::None:
        break;
    }
    return "Δεν ήταν δυνατή η εγγραφή του αρχείου " + file.inFolder() + "." + why +
           " Το αρχείο έμεινε όπως ήταν.";
}

std::string notRead(const store::Error& error, const Named& file) {
    const Context context = error.context;
    if (context == Context::NoHome)
        return "Δεν είναι γνωστός ο προσωπικός φάκελος του χρήστη (η μεταβλητή περιβάλλοντος HOME "
               "δεν έχει οριστεί ή δεν είναι πλήρης διαδρομή), οπότε δεν είναι γνωστό πού "
               "βρίσκεται ο φάκελος του προγράμματος. Ορίστε την HOME, ή την VELMORA_HOME με τον "
               "φάκελο του προγράμματος.";
    if (context == Context::ProgramFolder) {
        if (error.kind == Kind::NotFound)
            return "Ο φάκελος του προγράμματος «" + file.path + "» δεν υπάρχει.";
        if (error.kind == Kind::NotRegularFile)
            return "Το «" + file.path + "» δεν είναι φάκελος· δώστε τον φάκελο του προγράμματος.";
    }
    const std::string studyFolder = "Ο φάκελος της τρέχουσας μελέτης «" + file.path + "»";
    if (context == Context::CurrentStudy) {
        if (error.kind == Kind::NotFound) return studyFolder + " δεν υπάρχει.";
        if (error.kind == Kind::NotRegularFile)
            return "Η τρέχουσα μελέτη «" + file.path + "» δεν είναι φάκελος.";
        return studyFolder + " δεν είναι προσβάσιμος (δικαιώματα πρόσβασης ή συντόμευση που "
                             "οδηγεί σε κύκλο).";
    }
    if (context == Context::ListingStudy)
        return studyFolder + " δεν διαβάζεται (δικαιώματα πρόσβασης ή σφάλμα του δίσκου).";
    if (context == Context::AppendingStudy)
        return "Ο κατάλογος μελετών «" + file.name +
               "» υπάρχει αλλά δεν διαβάζεται· η νέα μελέτη δεν δημιουργήθηκε.";
    if (context == Context::ChangingList)
        return "Ο κατάλογος μελετών «" + file.name +
               "» υπάρχει αλλά δεν διαβάζεται· η μελέτη έμεινε όπως ήταν.";
    if (context == Context::AppendingEngineer)
        return "Το μητρώο μηχανικών «" + file.name +
               "» υπάρχει αλλά δεν διαβάζεται· ο νέος μηχανικός δεν καταχωρίστηκε.";
    std::string sentence;
    if (context == Context::LinkOutside)
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
    if (context == Context::Pointer) sentence += " Επιλέξτε ξανά την τρέχουσα μελέτη.";
    return sentence;
}

// The field a refusal names, as its window labels it.
std::string labelOf(const store::Error& error) {
    using Field = store::Error::Field;
    switch (error.field) {
    case Field::None:
        break;
    case Field::OwnerFirstName:
        return "Όνομα ιδιοκτήτη";
    case Field::OwnerSurname:
        return "Επώνυμο ιδιοκτήτη";
    case Field::OwnerAddress:
        return "Δ/νση Κατοικίας ιδιοκτήτη";
    case Field::OwnerCity:
        return "Πόλη ιδιοκτήτη";
    case Field::Municipality:
        return "Δήμος";
    case Field::District:
        return "Δημοτικό Διαμέρισμα";
    case Field::Location:
        return "Θέση";
    case Field::EngineerFirstName:
        return "Όνομα μηχανικού";
    case Field::EngineerSurname:
        return "Επώνυμο μηχανικού";
    case Field::EngineerAddress:
        return "Δ/νση μηχανικού";
    case Field::EngineerCity:
        return "Πόλη μηχανικού";
    case Field::EngineerSpecialty:
        return "Ειδικότητα μηχανικού";
    case Field::RegisteredFirstName:
        return "Όνομα";
    case Field::RegisteredSurname:
        return "Επώνυμο";
    case Field::RegisteredAddress:
        return "Δ/νση";
    case Field::RegisteredCity:
        return "Πόλη";
    case Field::RegisteredSpecialty:
        return "Ειδικότητα";
    case Field::AmountLabel:
        // The amount's number comes last.
        return "Κράτηση " + (error.arguments.empty() ? std::string() : error.arguments.back());
    }
    return {};
}

std::string refused(const store::Error& error) {
    const auto& a = error.arguments;
    const auto arg = [&a](std::size_t i) { return i < a.size() ? a[i] : std::string(); };
    const std::string unchanged = " Δεν άλλαξε τίποτα.";
    const std::string owner = " Αλλάξτε το όνομα ή το επώνυμο του ιδιοκτήτη.";
    const std::string folder =
        "Το όνομα και το επώνυμο του ιδιοκτήτη δίνουν μαζί το όνομα του φακέλου της μελέτης «" +
        arg(0) + "»";
    const std::string field = "Το πεδίο «" + labelOf(error) + "» ";
    const std::string quantity = "Η τιμή «" + arg(0) + "» στο πεδίο «" + arg(1) + "» ";
    const std::string defaultAmounts =
        "Οι κρατήσεις με τις οποίες ξεκινούν οι νέες μελέτες (αρχείο «" + arg(0) +
        "») δεν διαβάζονται: ";
    const std::string setAmountsAgain =
        " Ορίστε τις ξανά από το κουμπί «Κρατήσεις» μιας μελέτης ή με «velmora-cli rates --set» "
        "και δοκιμάστε ξανά. Δεν γράφτηκε τίποτα.";
    switch (error.refusal) {
    case Refusal::None:
        break;
    case Refusal::DefaultAmountNoRate:
        return defaultAmounts + describe(store::StatutoryAmounts::Fault{arg(1), std::nullopt}) +
               setAmountsAgain;
    case Refusal::DefaultAmountRate:
        return defaultAmounts + describe(store::StatutoryAmounts::Fault{arg(1), arg(2)}) +
               setAmountsAgain;
    case Refusal::FieldCharacter:
        return field + "περιέχει τον χαρακτήρα «" + arg(0) + "» (U+" + arg(1) +
               "), που δεν μπορεί να αποθηκευτεί: αποθηκεύονται ελληνικά μονοτονικά και λατινικά "
               "γράμματα, ψηφία και τα συνήθη σύμβολα. Διορθώστε το και δοκιμάστε ξανά.";
    case Refusal::FieldQuotes:
        return field + "περιέχει εισαγωγικά (\"), που δεν μπορούν να αποθηκευτούν σε κείμενο με "
                       "κόμμα ή σε κείμενο που αρχίζει με κενό ή εισαγωγικά. Αφαιρέστε τα "
                       "εισαγωγικά και δοκιμάστε ξανά.";
    case Refusal::FolderBlank:
        return "Το όνομα και το επώνυμο του ιδιοκτήτη δίνουν μαζί το όνομα του φακέλου της "
               "μελέτης και δεν μπορούν να είναι μόνο κενά." +
               owner;
    case Refusal::FolderDots:
        return folder + ", που δεν επιτρέπεται: δεν μπορεί να αποτελείται μόνο από τελείες." +
               owner;
    case Refusal::FolderCharacter:
        return folder +
               " και δεν μπορούν να περιέχουν κανέναν από τους χαρακτήρες \\ / : * ? \" < > |, "
               "ούτε χαρακτήρες ελέγχου (όπως το Tab)." +
               owner;
    case Refusal::FolderTrailing:
        return folder + ", που τελειώνει σε " + (arg(1) == "." ? "τελεία" : "κενό") +
               ": τα Windows δεν κρατούν τέτοιο όνομα φακέλου." + owner;
    case Refusal::FolderShelf:
        return folder + ", που είναι το όνομα του φακέλου των αρχειοθετημένων μελετών." + owner;
    case Refusal::FolderDevice:
        return folder +
               ", που στα Windows είναι δεσμευμένο όνομα συσκευής (CON, PRN, AUX, NUL, COM1 έως "
               "COM9, LPT1 έως LPT9) και δεν μπορεί να γίνει φάκελος." +
               owner;
    case Refusal::QuantityNotANumber:
        return quantity + "δεν είναι αριθμός. Γράψτε έναν αριθμό (π.χ. 12 ή 12,5) ή αφήστε το "
                          "πεδίο κενό για 0.";
    case Refusal::QuantityNegative:
        return quantity + "είναι αρνητική. Οι ποσότητες δεν μπορεί να είναι αρνητικές.";
    case Refusal::QuantityThousands:
        return quantity +
               "δεν είναι σαφής: η τελεία μπορεί να χωρίζει χιλιάδες. Γράψτε τη χωρίς "
               "διαχωριστικό χιλιάδων («" +
               arg(2) + "») ή, αν εννοείτε δεκαδικό αριθμό, με υποδιαστολή κόμμα («" + arg(3) +
               "»).";
    case Refusal::StoredNotANumber:
        return "Το αρχείο «" + arg(0) + "» της μελέτης γράφει «" + arg(1) +
               "», που δεν είναι αριθμός που να γίνεται δεκτός εδώ.";
    case Refusal::AreaTooLarge:
        return "Το εμβαδό είναι πολύ μεγάλο για να υπολογιστεί ο αριθμός των σημείων. Δεν "
               "αποθηκεύτηκε τίποτα.";
    case Refusal::LambdaNotPositive:
        return "Ο συντελεστής λ πρέπει να είναι θετικός αριθμός, π.χ. 1 ή 1,2. Η τιμή «" + arg(0) +
               "» δεν έγινε δεκτή και ο συντελεστής δεν άλλαξε.";
    case Refusal::ListChanged:
        return "Ο κατάλογος μελετών άλλαξε στο μεταξύ από άλλο πρόγραμμα. Ανοίξτε ξανά την "
               "«Ανάγνωση Μελέτης» και δοκιμάστε ξανά." +
               unchanged;
    case Refusal::ShelvedNotFound:
        return "Η αρχειοθετημένη μελέτη «" + arg(0) + "» δεν βρέθηκε." + unchanged;
    case Refusal::FolderTaken:
        return "Υπάρχει ήδη μελέτη με φάκελο «" + arg(0) +
               "». Αρχειοθετήστε πρώτα εκείνη ή διορθώστε τα στοιχεία της, και δοκιμάστε ξανά." +
               unchanged;
    case Refusal::EntryWithoutOwner:
        return "Η μελέτη «" + arg(0) +
               "» δεν έχει όνομα ιδιοκτήτη, οπότε δεν έχει φάκελο. Η τρέχουσα μελέτη δεν άλλαξε.";
    case Refusal::EntryNotAFolder:
        return "Η μελέτη «" + arg(0) + "» του καταλόγου μελετών ορίζει ως φάκελο «" + arg(1) +
               "», που δεν είναι όνομα φακέλου μέσα στον φάκελο του προγράμματος. Η τρέχουσα "
               "μελέτη δεν άλλαξε.";
    case Refusal::TooManyAmounts:
        return "Οι κρατήσεις μπορούν να είναι έως " + arg(0) + ", όχι " + arg(1) + "." + unchanged;
    case Refusal::AmountWithoutLabel:
        return "Η κράτηση " + arg(0) +
               " δεν έχει περιγραφή. Γράψτε την περιγραφή όπως θα τυπωθεί (π.χ. «Φ.Π.Α. 24%»)." +
               unchanged;
    case Refusal::AmountLabelControl:
        return "Η περιγραφή της κράτησης " + arg(0) + " «" + arg(1) +
               "» περιέχει χαρακτήρες ελέγχου, που δεν τυπώνονται." + unchanged;
    case Refusal::StudyFolderTaken:
        return "Υπάρχει ήδη μελέτη με φάκελο «" + arg(0) +
               "»: ο ιδιοκτήτης έχει το ίδιο όνομα και επώνυμο με ιδιοκτήτη προηγούμενης μελέτης. "
               "Αλλάξτε το όνομα ή το επώνυμο του ιδιοκτήτη (για παράδειγμα προσθέστε ένα αρχικό "
               "του πατρώνυμου) ώστε η μελέτη να έχει δικό της φάκελο.";
    case Refusal::FolderPathNotStorable:
        return "Η διαδρομή του φακέλου της μελέτης «" + arg(0) +
               "» περιέχει χαρακτήρες που δεν μπορούν να αποθηκευτούν ως τρέχουσα μελέτη. "
               "Εγκαταστήστε το πρόγραμμα σε φάκελο με ελληνικούς ή λατινικούς χαρακτήρες.";
    case Refusal::DefaultLambda:
        return "Ο συντελεστής λ με τον οποίο ξεκινούν οι νέες μελέτες (αρχείο «" + arg(0) +
               "») δεν είναι θετικός αριθμός: «" + arg(1) +
               "». Ορίστε τον από την «Ανάγνωση Μελέτης» μιας προηγούμενης μελέτης, με το κουμπί "
               "«Αναθεωριση συντελεστού λ», ή γράψτε στο αρχείο αυτό έναν θετικό αριθμό (π.χ. 1) "
               "και δοκιμάστε ξανά. Δεν γράφτηκε τίποτα.";
    case Refusal::AmountRate:
        return "Ο συντελεστής «" + arg(0) + "» της κράτησης " + arg(1) +
               " πρέπει να είναι αριθμός από 0 έως 1 (π.χ. 0,24 για 24%)." + unchanged;
    }
    return notDone("Απρόβλεπτο σφάλμα");
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
        if (error.context == Context::OutsideInstallation)
            return "Η τρέχουσα μελέτη ορίζεται ως «" + file.path +
                   "», που δεν είναι φάκελος μελέτης μέσα στον φάκελο του προγράμματος· το "
                   "πρόγραμμα δεν διαβάζει ούτε γράφει μελέτες έξω από αυτόν. Επιλέξτε ξανά την "
                   "τρέχουσα μελέτη από την «Ανάγνωση Μελέτης».";
        return refused(error);
    case Kind::Busy:
        if (error.context == Context::ReportBusy)
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

std::string describe(const store::StatutoryAmounts::Fault& fault) {
    const std::string named = "«" + store::ShownText::of(fault.label) + "»";
    if (!fault.rate) return "η κράτηση " + named + " δεν έχει συντελεστή, οπότε λογαριάστηκε 0.";
    return "ο συντελεστής «" + store::ShownText::of(*fault.rate) + "» της κράτησης " + named +
           " δεν είναι αριθμός από 0 έως 1, οπότε λογαριάστηκε 0.";
}

std::string describe(const calc::CalculationRun::Warning& warning) {
    using Kind = calc::CalculationRun::Warning::Kind;
    using Quoted = calc::CalculationRun::Warning::Quoted;
    const std::string item = store::ShownText::of(warning.item);
    const std::string position = std::to_string(warning.position);
    std::string quoted = "«" + item + "»";
    if (warning.quoted == Quoted::EmptyFile) quoted = "το αρχείο είναι κενό";
    if (warning.quoted == Quoted::NoFile) quoted = "το αρχείο λείπει ή δεν διαβάζεται";
    std::string sentence;
    switch (warning.kind) {
    case Kind::ScaleNotPositive:
        sentence = "η κλίμακα δεν είναι θετικός αριθμός (" + quoted +
                   "), οπότε οι ταχυμετρικές και οι αστικές αποτυπώσεις δεν έχουν τιμή μονάδος.";
        break;
    case Kind::ElevationOption:
        sentence = "η επιλογή υψομετρίας (θέση 6) είναι " + warning.number +
                   " αντί για 0 ή 1, οπότε το ποσό των ταχυμετρικών αποτυπώσεων πολλαπλασιάζεται "
                   "με " +
                   warning.factor + " χωρίς γραμμή υψομετρίας στην έκθεση.";
        break;
    case Kind::LambdaNotPositive:
        sentence = "ο συντελεστής λ δεν είναι θετικός αριθμός (" + quoted +
                   "), οπότε η αμοιβή μελέτης υπολογίστηκε με λ = " + warning.number + ".";
        break;
    case Kind::FeeTooLarge:
        sentence = "η αμοιβή μελέτης (γενικό σύνολο επί λ) είναι πολύ μεγάλη για τον υπολογισμό "
                   "και γράφεται 0, όπως και τα ποσά που βγαίνουν από αυτήν.";
        break;
    case Kind::NotANumber:
        sentence = "το στοιχείο «" + item + "» στη θέση " + position +
                   " δεν είναι αριθμός, οπότε λογαριάστηκε 0.";
        break;
    case Kind::Negative:
        sentence = "αρνητική ποσότητα " + warning.number + " στη θέση " + position +
                   ". Η έκθεση δεν δείχνει αρνητικές ποσότητες, οπότε τα ποσά της δεν συμφωνούν "
                   "με το σύνολο.";
        break;
    case Kind::WorkTooLarge:
        sentence = "το ποσό της εργασίας είναι πολύ μεγάλο για τον υπολογισμό και έμεινε έξω από "
                   "το γενικό σύνολο.";
        break;
    case Kind::Amount:
        sentence = describe(warning.amount);
        break;
    }
    return warning.file + ": " + sentence;
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
