#include "messages/Describe.h"

#include "store/base/Result.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::messages {
namespace {

using Kind = store::Error::Kind;
using Context = store::Error::Context;
using Obstacle = store::Error::Obstacle;
using velmora::testing::PrintTo;

// What the program was doing, why a write failed, or the text the sentence quotes.
struct What {
    constexpr What(Context doing) : context(doing) {}
    constexpr What(Obstacle why) : obstacle(why) {}
    constexpr What(std::string_view quoted) : text(quoted) {}
    constexpr What(const char* quoted) : text(quoted) {}
    Context context = Context::File;
    Obstacle obstacle = Obstacle::None;
    std::string_view text;
};

struct DescribeCase {
    const char* name;
    Kind kind;
    What what;
    const char* file;
    // The whole sentence, without the system's reason that follows it.
    const char* says;
};

class DescribeTest : public ::testing::TestWithParam<DescribeCase> {};

// Every kind of failure, in every context the program reports it in, is told in words fixed here
// to the letter: users, and the support staff they call, go by them.
TEST_P(DescribeTest, TellsEachFailureInItsOwnWords) {
    const DescribeCase& c = GetParam();
    store::Error error;
    error.kind = c.kind;
    error.file = c.file;
    error.reason = "Input/output error";
    error.context = c.what.context;
    error.obstacle = c.what.obstacle;
    error.detail = std::string(c.what.text);
    EXPECT_EQ(describe(error), std::string(c.says) + " Αιτία από το σύστημα: Input/output error.");
}

// A plain read or write, with nothing more to tell.
constexpr std::string_view kNone;
constexpr const char* kFile = "velmora/Παππάς/taxi.dat";
constexpr const char* kStudy = "velmora/Παππάς";
constexpr const char* kHome = "velmora";
constexpr const char* kList = "velmora/ergasies.dat";
constexpr const char* kPdf = "έκθεση.pdf";
// The words several sentences share, spelled once.
#define NOT_DONE                                                                                                                                                          \
    "· η εργασία δεν ολοκληρώθηκε. Τα αρχεία της μελέτης έμειναν ολόκληρα, το καθένα όπως ήταν " \
    "πριν ή όπως γράφτηκε."
#define IN_FOLDER "«taxi.dat» στον φάκελο «velmora/Παππάς»"
#define WRITE_FAILED "Δεν ήταν δυνατή η εγγραφή του αρχείου " IN_FOLDER "."

const DescribeCase kCases[] = {
    {"NoStudy", Kind::NoStudy, kNone, "",
     "Δεν υπάρχει τρέχουσα μελέτη. Δημιουργήστε πρώτα μια νέα μελέτη ή επιλέξτε μια "
     "προηγούμενη."},
    // Reading
    {"NotFound", Kind::NotFound, kNone, kFile, "Το αρχείο " IN_FOLDER " δεν υπάρχει."},
    {"NotReadable", Kind::NotReadable, kNone, kFile,
     "Το αρχείο " IN_FOLDER
     " υπάρχει αλλά δεν διαβάζεται (δικαιώματα πρόσβασης ή σφάλμα του δίσκου)."},
    {"NotRegularFile", Kind::NotRegularFile, kNone, kFile,
     "Το " IN_FOLDER
     " δεν είναι κανονικό αρχείο (είναι φάκελος, σωλήνας ή συσκευή) και δεν διαβάζεται."},
    {"TooLarge", Kind::TooLarge, kNone, kFile,
     "Το αρχείο " IN_FOLDER " είναι μεγαλύτερο από 1 MB και δεν διαβάζεται: τα αρχεία του "
     "προγράμματος έχουν λίγες εκατοντάδες byte."},
    {"Short", Kind::Short, kNone, kFile,
     "Το αρχείο «taxi.dat» έχει λιγότερα στοιχεία από όσα χρειάζονται."},
    {"Pointer", Kind::NotReadable, Context::Pointer, "velmora/temp.dat",
     "Το αρχείο «temp.dat» στον φάκελο «velmora» υπάρχει αλλά δεν διαβάζεται (δικαιώματα "
     "πρόσβασης ή σφάλμα του δίσκου). Επιλέξτε ξανά την τρέχουσα μελέτη."},
    {"LinkOutside", Kind::NotReadable, Context::LinkOutside, kFile,
     "Το αρχείο " IN_FOLDER " είναι σύνδεσμος προς αρχείο έξω από τον φάκελο και δεν "
     "διαβάζεται. Βάλτε στη θέση του το ίδιο το αρχείο."},
    {"NoHome", Kind::NotFound, Context::NoHome, "",
     "Δεν είναι γνωστός ο προσωπικός φάκελος του χρήστη (η μεταβλητή περιβάλλοντος HOME δεν "
     "έχει οριστεί ή δεν είναι πλήρης διαδρομή), οπότε δεν είναι γνωστό πού βρίσκεται ο "
     "φάκελος του προγράμματος. Ορίστε την HOME, ή την VELMORA_HOME με τον φάκελο του "
     "προγράμματος."},
    {"ProgramFolderMissing", Kind::NotFound, Context::ProgramFolder, kHome,
     "Ο φάκελος του προγράμματος «velmora» δεν υπάρχει."},
    {"ProgramFolderNotAFolder", Kind::NotRegularFile, Context::ProgramFolder, kHome,
     "Το «velmora» δεν είναι φάκελος· δώστε τον φάκελο του προγράμματος."},
    {"CurrentStudyMissing", Kind::NotFound, Context::CurrentStudy, kStudy,
     "Ο φάκελος της τρέχουσας μελέτης «velmora/Παππάς» δεν υπάρχει."},
    {"CurrentStudyNotAFolder", Kind::NotRegularFile, Context::CurrentStudy, kStudy,
     "Η τρέχουσα μελέτη «velmora/Παππάς» δεν είναι φάκελος."},
    {"CurrentStudyOutOfReach", Kind::NotReadable, Context::CurrentStudy, kStudy,
     "Ο φάκελος της τρέχουσας μελέτης «velmora/Παππάς» δεν είναι προσβάσιμος (δικαιώματα "
     "πρόσβασης ή συντόμευση που οδηγεί σε κύκλο)."},
    {"ListingStudy", Kind::NotReadable, Context::ListingStudy, kStudy,
     "Ο φάκελος της τρέχουσας μελέτης «velmora/Παππάς» δεν διαβάζεται (δικαιώματα πρόσβασης ή "
     "σφάλμα του δίσκου)."},
    {"AppendingStudy", Kind::NotReadable, Context::AppendingStudy, kList,
     "Ο κατάλογος μελετών «ergasies.dat» υπάρχει αλλά δεν διαβάζεται· η νέα μελέτη δεν "
     "δημιουργήθηκε."},
    {"ChangingList", Kind::NotReadable, Context::ChangingList, kList,
     "Ο κατάλογος μελετών «ergasies.dat» υπάρχει αλλά δεν διαβάζεται· η μελέτη έμεινε όπως "
     "ήταν."},
    {"AppendingEngineer", Kind::NotReadable, Context::AppendingEngineer, "velmora/mix.dat",
     "Το μητρώο μηχανικών «mix.dat» υπάρχει αλλά δεν διαβάζεται· ο νέος μηχανικός δεν "
     "καταχωρίστηκε."},
    // Writing
    {"NotStorable", Kind::NotStorable, "Ωmega\u2126", kFile,
     "Το κείμενο «Ωmega\u2126» δεν μπορεί να αποθηκευτεί στο αρχείο «taxi.dat»: περιέχει "
     "χαρακτήρες που δεν αποθηκεύονται."},
    {"WriteFailed", Kind::WriteFailed, kNone, kFile, WRITE_FAILED " Το αρχείο έμεινε όπως ήταν."},
    {"DiskFull", Kind::WriteFailed, Obstacle::DiskFull, kFile,
     WRITE_FAILED " Ο δίσκος είναι γεμάτος. Το αρχείο έμεινε όπως ήταν."},
    {"NotPermitted", Kind::WriteFailed, Obstacle::NotPermitted, kFile,
     WRITE_FAILED " Δεν επιτρέπεται η εγγραφή στον φάκελο. Το αρχείο έμεινε όπως ήταν."},
    {"FolderInTheWay", Kind::WriteFailed, Obstacle::FolderInTheWay, kFile,
     WRITE_FAILED " Στη θέση του υπάρχει φάκελος. Το αρχείο έμεινε όπως ήταν."},
    {"NotAFileInTheWay", Kind::WriteFailed, Obstacle::NotAFile, kFile,
     WRITE_FAILED " Στη θέση του υπάρχει κάτι που δεν είναι αρχείο (σωλήνας, υποδοχή ή "
                  "συσκευή). Το αρχείο έμεινε όπως ήταν."},
    {"ProgramFolderNotMade", Kind::WriteFailed, Context::ProgramFolder, kHome,
     "Δεν ήταν δυνατή η δημιουργία του φακέλου του προγράμματος «velmora»."},
    {"StudyFolderNotMade", Kind::WriteFailed, Context::StudyFolder, kStudy,
     "Δεν ήταν δυνατή η δημιουργία του φακέλου της μελέτης «velmora/Παππάς». Ελέγξτε ότι ο "
     "φάκελος του προγράμματος είναι προσβάσιμος για εγγραφή και δοκιμάστε ξανά."},
    {"MovingStudy", Kind::WriteFailed, Context::MovingStudy, kStudy,
     "Δεν ήταν δυνατή η μετακίνηση του φακέλου της μελέτης «velmora/Παππάς». Η μελέτη και ο "
     "κατάλογος μελετών έμειναν όπως ήταν."},
    {"StudyRename", Kind::WriteFailed, Context::StudyRename, kStudy,
     "Δεν ήταν δυνατή η μετονομασία του φακέλου της μελέτης «velmora/Παππάς». Αν κάποιο αρχείο "
     "της μελέτης είναι ανοιχτό σε άλλο πρόγραμμα (στα Windows αυτό εμποδίζει τη μετονομασία), "
     "κλείστε το και δοκιμάστε ξανά. Η μελέτη έμεινε όπως ήταν."},
    {"Lock", Kind::WriteFailed, Context::Lock, "velmora/ergasies.dat.lock",
     "Δεν ήταν δυνατή η δημιουργία του αρχείου «ergasies.dat.lock», που προστατεύει το "
     "«ergasies.dat» από ταυτόχρονες αλλαγές, στον φάκελο «velmora»."},
    {"ReportLock", Kind::WriteFailed, Context::ReportLock, "velmora/Παππάς/ekthesi.lock",
     "Δεν ήταν δυνατή η δημιουργία του αρχείου «ekthesi.lock» στον φάκελο της μελέτης "
     "«velmora/Παππάς», που κρατά τους υπολογισμούς της έναν τη φορά· οι υπολογισμοί δεν "
     "έγιναν και η έκθεση έμεινε όπως ήταν."},
    {"FolderSync", Kind::WriteFailed, Context::FolderSync, kStudy,
     "Οι αλλαγές στον φάκελο «velmora/Παππάς» δεν επιβεβαιώθηκαν στον δίσκο (σφάλμα του "
     "δίσκου)."},
    {"Pdf", Kind::WriteFailed, Context::Pdf, kPdf,
     "Δεν ήταν δυνατή η εγγραφή του αρχείου PDF «έκθεση.pdf»."},
    {"PdfInTheWay", Kind::WriteFailed, Context::PdfInTheWay, kPdf,
     "Το «έκθεση.pdf» δεν είναι κανονικό αρχείο (είναι φάκελος, σωλήνας, υποδοχή ή συσκευή, ή "
     "σύνδεσμος προς κάτι τέτοιο)· το PDF δεν γράφτηκε και ό,τι βρίσκεται εκεί έμεινε όπως "
     "ήταν. Δώστε όνομα αρχείου."},
    // Refusals, other programs, the unforeseen
    {"OutsideInstallation", Kind::Refused, Context::OutsideInstallation, "../Παππάς",
     "Η τρέχουσα μελέτη ορίζεται ως «../Παππάς», που δεν είναι φάκελος μελέτης μέσα στον "
     "φάκελο του προγράμματος· το πρόγραμμα δεν διαβάζει ούτε γράφει μελέτες έξω από αυτόν. "
     "Επιλέξτε ξανά την τρέχουσα μελέτη από την «Ανάγνωση Μελέτης»."},
    {"Busy", Kind::Busy, kNone, kFile,
     "Το αρχείο «taxi.dat» χρησιμοποιείται από άλλο πρόγραμμα αυτή τη στιγμή. Δοκιμάστε ξανά σε "
     "λίγο."},
    {"ReportBusy", Kind::Busy, Context::ReportBusy, kStudy,
     "Η έκθεση της μελέτης «velmora/Παππάς» γράφεται ή διαβάζεται αυτή τη στιγμή από άλλο "
     "πρόγραμμα. Δοκιμάστε ξανά σε λίγο."},
    {"OutOfMemory", Kind::OutOfMemory, kNone, "", "Η μνήμη δεν επαρκεί" NOT_DONE},
    {"Unexpected", Kind::Unexpected, "vector::_M_range_check", "",
     "Απρόβλεπτο σφάλμα (vector::_M_range_check)" NOT_DONE},
    {"UnexpectedUnknown", Kind::Unexpected, kNone, "", "Απρόβλεπτο σφάλμα" NOT_DONE},
};

INSTANTIATE_TEST_SUITE_P(Kinds, DescribeTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return row.param.name; });

struct RefusalCase {
    const char* name;
    store::Error::Refusal refusal;
    store::Error::Field field;
    std::vector<std::string> arguments;
    const char* says;
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// A refusal carries its cause and what it quotes; the words are all here.
TEST_P(RefusalTest, TellsEachRefusalInItsOwnWords) {
    const RefusalCase& c = GetParam();
    store::Error error;
    error.kind = Kind::Refused;
    error.refusal = c.refusal;
    error.field = c.field;
    error.arguments = c.arguments;
    EXPECT_EQ(describe(error), c.says);
}

using Refusal = store::Error::Refusal;
using Field = store::Error::Field;
#define OWNER_FOLDER                                                                               \
    "Το όνομα και το επώνυμο του ιδιοκτήτη δίνουν μαζί το όνομα του φακέλου της μελέτης "
#define CHANGE_OWNER " Αλλάξτε το όνομα ή το επώνυμο του ιδιοκτήτη."
#define QUOTES_IN(field)                                                                                                                                       \
    "Το πεδίο «" field "» περιέχει εισαγωγικά (\"), που δεν μπορούν να αποθηκευτούν σε κείμενο "        \
    "με κόμμα ή σε κείμενο που αρχίζει με κενό ή εισαγωγικά. Αφαιρέστε τα εισαγωγικά και " \
    "δοκιμάστε ξανά."
#define DEFAULT_AMOUNTS                                                                                                                               \
    "Οι κρατήσεις με τις οποίες ξεκινούν οι νέες μελέτες (αρχείο «velmora/kratiseis.dat») δεν " \
    "διαβάζονται: "
#define SET_AGAIN                                                                                                                                       \
    " Ορίστε τις ξανά από το κουμπί «Κρατήσεις» μιας μελέτης ή με «velmora-cli rates --set» και " \
    "δοκιμάστε ξανά. Δεν γράφτηκε τίποτα."

const RefusalCase kRefusals[] = {
    {"CharacterInDetail",
     Refusal::FieldCharacter,
     Field::OwnerCity,
     {"☺", "263A"},
     "Το πεδίο «Πόλη ιδιοκτήτη» περιέχει τον χαρακτήρα «☺» (U+263A), που δεν μπορεί να "
     "αποθηκευτεί: αποθηκεύονται ελληνικά μονοτονικά και λατινικά γράμματα, ψηφία και τα συνήθη "
     "σύμβολα. Διορθώστε το και δοκιμάστε ξανά."},
    {"QuotesInRegistry", Refusal::FieldQuotes, Field::RegisteredFirstName, {}, QUOTES_IN("Όνομα")},
    {"QuotesInAmount", Refusal::FieldQuotes, Field::AmountLabel, {"3"}, QUOTES_IN("Κράτηση 3")},
    {"FolderBlank",
     Refusal::FolderBlank,
     Field::None,
     {},
     OWNER_FOLDER "και δεν μπορούν να είναι μόνο κενά." CHANGE_OWNER},
    {"FolderDots",
     Refusal::FolderDots,
     Field::None,
     {"..."},
     OWNER_FOLDER
     "«...», που δεν επιτρέπεται: δεν μπορεί να αποτελείται μόνο από τελείες." CHANGE_OWNER},
    {"FolderCharacter",
     Refusal::FolderCharacter,
     Field::None,
     {"Α/Β"},
     OWNER_FOLDER "«Α/Β» και δεν μπορούν να περιέχουν κανέναν από τους χαρακτήρες \\ / : * ? \" "
                  "< > |, ούτε χαρακτήρες ελέγχου (όπως το Tab)." CHANGE_OWNER},
    {"FolderTrailingDot",
     Refusal::FolderTrailing,
     Field::None,
     {"Παππάς.", "."},
     OWNER_FOLDER "«Παππάς.», που τελειώνει σε τελεία: τα Windows δεν κρατούν τέτοιο όνομα "
                  "φακέλου." CHANGE_OWNER},
    {"FolderTrailingBlank",
     Refusal::FolderTrailing,
     Field::None,
     {"Παππάς ", " "},
     OWNER_FOLDER "«Παππάς », που τελειώνει σε κενό: τα Windows δεν κρατούν τέτοιο όνομα "
                  "φακέλου." CHANGE_OWNER},
    {"FolderShelf",
     Refusal::FolderShelf,
     Field::None,
     {"_Αρχειοθέτηση"},
     OWNER_FOLDER "«_Αρχειοθέτηση», που είναι το όνομα του φακέλου των αρχειοθετημένων "
                  "μελετών." CHANGE_OWNER},
    {"FolderDevice",
     Refusal::FolderDevice,
     Field::None,
     {"CON"},
     OWNER_FOLDER "«CON», που στα Windows είναι δεσμευμένο όνομα συσκευής (CON, PRN, AUX, NUL, "
                  "COM1 έως COM9, LPT1 έως LPT9) και δεν μπορεί να γίνει φάκελος." CHANGE_OWNER},
    {"QuantityNotANumber",
     Refusal::QuantityNotANumber,
     Field::None,
     {"12α", "Εμβαδό"},
     "Η τιμή «12α» στο πεδίο «Εμβαδό» δεν είναι αριθμός. Γράψτε έναν αριθμό (π.χ. 12 ή 12,5) ή "
     "αφήστε το πεδίο κενό για 0."},
    {"QuantityNegative",
     Refusal::QuantityNegative,
     Field::None,
     {"-5", "Εμβαδό"},
     "Η τιμή «-5» στο πεδίο «Εμβαδό» είναι αρνητική. Οι ποσότητες δεν μπορεί να είναι "
     "αρνητικές."},
    {"QuantityThousands",
     Refusal::QuantityThousands,
     Field::None,
     {"1.500", "Εμβαδό", "1500", "1,500"},
     "Η τιμή «1.500» στο πεδίο «Εμβαδό» δεν είναι σαφής: η τελεία μπορεί να χωρίζει χιλιάδες. "
     "Γράψτε τη χωρίς διαχωριστικό χιλιάδων («1500») ή, αν εννοείτε δεκαδικό αριθμό, με "
     "υποδιαστολή κόμμα («1,500»)."},
    {"DefaultAmountNoRate",
     Refusal::DefaultAmountNoRate,
     Field::None,
     {"velmora/kratiseis.dat", "ΤΣΜΕΔΕ = "},
     DEFAULT_AMOUNTS "η κράτηση «ΤΣΜΕΔΕ = » δεν έχει συντελεστή, οπότε λογαριάστηκε 0." SET_AGAIN},
    {"DefaultAmountRate",
     Refusal::DefaultAmountRate,
     Field::None,
     {"velmora/kratiseis.dat", "Φ.Π.Α. 24% = ", "2,4"},
     DEFAULT_AMOUNTS "ο συντελεστής «2,4» της κράτησης «Φ.Π.Α. 24% = » δεν είναι αριθμός από 0 "
                     "έως 1, οπότε λογαριάστηκε 0." SET_AGAIN},
};

INSTANTIATE_TEST_SUITE_P(Refusals, RefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& row) { return row.param.name; });

} // namespace
} // namespace velmora::messages
