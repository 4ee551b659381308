#include "messages/Describe.h"
#include "store/base/Catalogue.h"
#include "store/base/TextPath.h"
#include "store/files/AtomicFile.h"
#include "store/files/ValueFile.h"
#include "store/study/EngineerRegistry.h"
#include "store/study/Installation.h"
#include "store/study/StatutoryAmounts.h"
#include "store/study/Study.h"
#include "store/study/StudyCorrection.h"
#include "store/study/StudyCreation.h"
#include "store/study/StudyList.h"
#include "store/study/StudySearch.h"
#include "store/study/StudyShelf.h"
#include "store/text/Cp1253.h"

#include "TempFolder.h"
#include "TestFiles.h"
#include "TestProcess.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace velmora::store {
namespace {

using testing::TempFolder;
using testing::TestFiles;
using velmora::testing::PrintTo;

class StudyStoreTest : public ::testing::Test {
protected:
    std::string bytes(const std::string& name) const { return TestFiles::bytes(home / name); }
    void put(const std::string& name, const std::vector<std::string>& lines) const {
        TestFiles::putLines(home / name, lines);
    }
    std::map<std::string, std::string> snapshot() const { return TestFiles::snapshot(home.path()); }

    static StudyDetails details(std::string first = "Γιώργος", std::string surname = "Παππάς") {
        return {std::move(first),
                std::move(surname),
                "Ερμού 5",
                "Αθήνα",
                "Δήμος Αθηναίων",
                "Πλάκα",
                "Θέση Άγιος Νικόλαος",
                {"Μαρία", "Νικολάου", "Σόλωνος 10", "Αθήνα", "Πολιτικός Μηχανικός"}};
    }

    // Lines as Windows-1253 keeps them, spelled out byte by byte, so that a fault of the program's
    // own code page cannot hide in what a test expects.
    // Α, Β, Γ, Δ, Ε
    static inline const std::string kAlphaToEpsilon = "\xC1\r\n\xC2\r\n\xC3\r\n\xC4\r\n\xC5\r\n";
    // Γιώργος, Παππάς
    static inline const std::string kGiorgosPappas =
        "\xC3\xE9\xFE\xF1\xE3\xEF\xF2\r\n\xD0\xE1\xF0\xF0\xDC\xF2\r\n";
    // Νίκος, Δήμου
    static inline const std::string kNikosDimou =
        "\xCD\xDF\xEA\xEF\xF2\r\n\xC4\xDE\xEC\xEF\xF5\r\n";
    // The twelve fields of details(), from "Ερμού 5" on to "Θέση Άγιος Νικόλαος" and the engineer.
    static inline const std::string kDetails =
        kGiorgosPappas +
        "\xC5\xF1\xEC\xEF\xFD 5\r\n\xC1\xE8\xDE\xED\xE1\r\n"
        "\xC4\xDE\xEC\xEF\xF2 \xC1\xE8\xE7\xED\xE1\xDF\xF9\xED\r\n\xD0\xEB\xDC\xEA\xE1\r\n"
        "\xC8\xDD\xF3\xE7 \xA2\xE3\xE9\xEF\xF2 \xCD\xE9\xEA\xFC\xEB\xE1\xEF\xF2\r\n"
        "\xCC\xE1\xF1\xDF\xE1\r\n\xCD\xE9\xEA\xEF\xEB\xDC\xEF\xF5\r\n"
        "\xD3\xFC\xEB\xF9\xED\xEF\xF2 10\r\n\xC1\xE8\xDE\xED\xE1\r\n"
        "\xD0\xEF\xEB\xE9\xF4\xE9\xEA\xFC\xF2 \xCC\xE7\xF7\xE1\xED\xE9\xEA\xFC\xF2\r\n";

    TempFolder home;
};

// Engineer registry

TEST_F(StudyStoreTest, AMissingRegistryIsEmptyAndLeftMissing) {
    EXPECT_TRUE(EngineerRegistry::readAll(home.path()).value().empty());
    EXPECT_FALSE(std::filesystem::exists(home / "mix.dat"));
}

TEST_F(StudyStoreTest, AppendToTwoRecordsGivesFifteenLinesAndKeepsTheOldOnesInTheScratchFile) {
    const std::vector<std::string> old = {
        "Μαρία", "Νικολάου", "Σόλωνος 10", "Αθήνα",       "Πολιτικός Μηχανικός",
        "Νίκος", "Δήμου",    "Τσιμισκή 3", "Θεσσαλονίκη", "Τεχνολόγος Τοπογράφος"};
    put("mix.dat", old);
    ASSERT_TRUE(EngineerRegistry::append(
        home.path(), {"Ελένη", "Κώστα", "", "Πάτρα", "Αγρονόμος Τοπογράφος Μηχανικός"}));

    // The ten lines above, and the five appended.
    const std::string oldBytes =
        "\xCC\xE1\xF1\xDF\xE1\r\n\xCD\xE9\xEA\xEF\xEB\xDC\xEF\xF5\r\n"
        "\xD3\xFC\xEB\xF9\xED\xEF\xF2 10\r\n\xC1\xE8\xDE\xED\xE1\r\n"
        "\xD0\xEF\xEB\xE9\xF4\xE9\xEA\xFC\xF2 \xCC\xE7\xF7\xE1\xED\xE9\xEA\xFC\xF2\r\n"
        "\xCD\xDF\xEA\xEF\xF2\r\n\xC4\xDE\xEC\xEF\xF5\r\n\xD4\xF3\xE9\xEC\xE9\xF3\xEA\xDE 3\r\n"
        "\xC8\xE5\xF3\xF3\xE1\xEB\xEF\xED\xDF\xEA\xE7\r\n"
        "\xD4\xE5\xF7\xED\xEF\xEB\xFC\xE3\xEF\xF2 \xD4\xEF\xF0\xEF\xE3\xF1\xDC\xF6\xEF\xF2\r\n";
    EXPECT_EQ(bytes("mix.dat"),
              oldBytes +
                  "\xC5\xEB\xDD\xED\xE7\r\n\xCA\xFE\xF3\xF4\xE1\r\n\r\n\xD0\xDC\xF4\xF1\xE1\r\n"
                  "\xC1\xE3\xF1\xEF\xED\xFC\xEC\xEF\xF2 \xD4\xEF\xF0\xEF\xE3\xF1\xDC\xF6\xEF\xF2 "
                  "\xCC\xE7\xF7\xE1\xED\xE9\xEA\xFC\xF2\r\n");
    EXPECT_EQ(bytes("mix1.dat"), oldBytes);

    const auto engineers = EngineerRegistry::readAll(home.path()).value();
    ASSERT_EQ(engineers.size(), 3u);
    EXPECT_EQ(engineers[1].city, "Θεσσαλονίκη");
    EXPECT_EQ(engineers[2],
              (Engineer{"Ελένη", "Κώστα", "", "Πάτρα", "Αγρονόμος Τοπογράφος Μηχανικός"}));
}

TEST_F(StudyStoreTest, AppendWithEveryFieldEmptyAddsFiveEmptyLines) {
    put("mix.dat", {"Α", "Β", "Γ", "Δ", "Ε"});
    ASSERT_TRUE(EngineerRegistry::append(home.path(), {}));
    EXPECT_EQ(bytes("mix.dat"), kAlphaToEpsilon + "\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(EngineerRegistry::readAll(home.path()).value().size(), 2u);
}

TEST_F(StudyStoreTest, AppendToAMissingRegistryStartsIt) {
    ASSERT_TRUE(EngineerRegistry::append(home.path(), {"Α", "Β", "Γ", "Δ", "Ε"}));
    EXPECT_EQ(bytes("mix.dat"), kAlphaToEpsilon);
    EXPECT_EQ(bytes("mix1.dat"), "");
}

TEST_F(StudyStoreTest, ARecordCutShortKeepsItsItems) {
    put("mix.dat", {"Α", "Β", "Γ", "Δ", "Ε", "Ζ", "Η"});
    const auto engineers = EngineerRegistry::readAll(home.path()).value();
    ASSERT_EQ(engineers.size(), 2u);
    EXPECT_EQ(engineers[1], (Engineer{"Ζ", "Η", "", "", ""}));
}

TEST_F(StudyStoreTest, RegistryBeyondAHundredAndOneRecordsIsReadWhole) {
    std::vector<std::string> lines;
    for (int i = 0; i < 150; ++i)
        for (int k = 0; k < 5; ++k)
            lines.push_back("E" + std::to_string(i) + "_" + std::to_string(k));
    put("mix.dat", lines);
    const auto engineers = EngineerRegistry::readAll(home.path()).value();
    ASSERT_EQ(engineers.size(), 150u);
    EXPECT_EQ(engineers[149].specialty, "E149_4");
}

TEST_F(StudyStoreTest, AnEngineerTheFileCannotKeepIsRefusedAndNothingIsWritten) {
    put("mix.dat", {"Α", "Β", "Γ", "Δ", "Ε"});
    const auto before = snapshot();
    for (Engineer bad : {Engineer{"Α\"Β,Γ", "", "", "", ""}, Engineer{"", "", "", "Київ", ""}}) {
        Status status = EngineerRegistry::append(home.path(), bad);
        EXPECT_FALSE(status.ok());
        EXPECT_NE(messages::describe(status).find("«"), std::string::npos)
            << messages::describe(status);
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(StudyStoreTest, ItemsWithCommasSurviveTheCopyThroughTheScratchFile) {
    ASSERT_TRUE(EngineerRegistry::append(home.path(), {"Α", "Β", "Οδός 1, Α' όροφος", "Δ", "Ε"}));
    ASSERT_TRUE(EngineerRegistry::append(home.path(), {"Ζ", "Η", "Θ", "Ι", "Κ"}));
    const auto engineers = EngineerRegistry::readAll(home.path()).value();
    ASSERT_EQ(engineers.size(), 2u);
    EXPECT_EQ(engineers[0].address, "Οδός 1, Α' όροφος");
}

// List of studies and its index

TEST_F(StudyStoreTest, AMissingListOfStudiesIsEmptyAndCreated) {
    EXPECT_TRUE(StudyList::listed(home.path()).value().empty());
    EXPECT_EQ(bytes("ergasies.dat"), "");
}

TEST_F(StudyStoreTest, AppendWritesTheScratchCopyAndTheListWithTheNewPairLast) {
    put("ergasies.dat", {"Γιώργος", "Παππάς"});
    ASSERT_TRUE(StudyList::append(home.path(), {"Γιώργος", "Παππάς"}));
    const std::string expected = kGiorgosPappas + kGiorgosPappas;
    EXPECT_EQ(bytes("ergasies.dat"), expected);
    EXPECT_EQ(bytes("erga.dat"), expected);
}

TEST_F(StudyStoreTest, AnOddLastItemIsAStudyWithoutSurname) {
    put("ergasies.dat", {"Α", "Β", "Γ"});
    EXPECT_EQ(StudyList::listed(home.path()).value(),
              (std::vector<StudyEntry>{{"Α", "Β"}, {"Γ", ""}}));
}

TEST_F(StudyStoreTest, IndexHoldsAHundredLinesWithABlankForEachFreePlace) {
    ASSERT_TRUE(StudyList::writeIndex(home.path(), {{"Α", "Β"}, {"Γ", "Δ"}, {"Ε", "Ζ"}}).ok());
    std::vector<std::string> lines = {"ΑΒ", "ΓΔ", "ΕΖ"};
    lines.resize(100, " ");
    EXPECT_EQ(bytes("temp1.dat"), TestFiles::stored(lines));
    auto index = StudyList::readIndex(home.path());
    ASSERT_EQ(index.size(), 100u);
    EXPECT_EQ(index[2], "ΕΖ");
    EXPECT_EQ(index[3], "");
}

TEST_F(StudyStoreTest, IndexOfMoreThanAHundredStudiesKeepsTheFirstHundred) {
    std::vector<StudyEntry> entries;
    for (int i = 1; i <= 150; ++i)
        entries.push_back({"N" + std::to_string(i), "S"});
    ASSERT_TRUE(StudyList::writeIndex(home.path(), entries).ok());
    auto index = StudyList::readIndex(home.path());
    ASSERT_EQ(index.size(), 100u);
    EXPECT_EQ(index[99], "N100S");
}

TEST_F(StudyStoreTest, AListedStudyThatNamesNoFolderInsideTheInstallationIsNotChosen) {
    put("ergasies.dat", {".", ".", "..", "/victim", "Γιώργος", "Παππάς"});
    put("temp.dat", {"ΓιώργοςΠαππάς"});
    const auto offer = StudyList::offer(home.path());
    ASSERT_EQ(offer.studies.size(), 3u);
    const auto before = snapshot();
    for (std::size_t place : {0u, 1u}) {
        const Status chosen = StudyList::choose(home.path(), place, offer.studies[place]);
        EXPECT_FALSE(chosen.ok()) << place;
        EXPECT_NE(messages::describe(chosen).find("δεν άλλαξε"), std::string::npos)
            << messages::describe(chosen);
        EXPECT_EQ(snapshot(), before) << place;
    }
    ASSERT_TRUE(StudyList::choose(home.path(), 2, offer.studies[2]));
    EXPECT_EQ(bytes("temp.dat"),
              TestFiles::stored({TextPath::toUtf8(home / TextPath::fromUtf8("ΓιώργοςΠαππάς"))}));
}

struct SearchCase {
    const char* query;
    bool found;
};

TEST_F(StudyStoreTest, TheSearchIgnoresCaseTonosDialytikaAndFinalSigma) {
    const std::string owner = "Γιώργος Παππάς";
    const std::string site = "Θέση Άγιος Νικόλαος του Δήμου Ευβοίας, Ιωαννίνων";
    for (const SearchCase& c : std::initializer_list<SearchCase>{
             {"", true},
             {"παππας", true},
             {"ΠΑΠΠΆΣ", true},
             {"γιωργοσ", true},
             {"ΓΙΏΡΓΟΣ παπ", true},
             {"αγιος νικ", true},
             {"ευβοιας", true},
             {"ΕΥΒΟΪΑΣ", true},
             {"ιωαννινων", true},
             {"Παππα\u0301ς", true},
             {"παππάς λάρισα", false},
             {"νικολαου", false},
             {"πας θέση", true},
             {"ςπ", false},
         })
        EXPECT_EQ(StudySearch::matches(c.query, {owner, site}), c.found) << c.query;
    EXPECT_EQ(StudySearch::folded("ΐΰϊϋΆΈΉΊΌΎΏς"), "ιυιυαεηιουωσ");
}

// Putting a study away and bringing it back

class StudyShelfTest : public StudyStoreTest {
protected:
    std::filesystem::path study(const std::string& name) const {
        return home / TextPath::fromUtf8(name);
    }
    std::filesystem::path shelved(const std::string& name) const {
        return home / TextPath::fromUtf8(StudyShelf::kFolder) / TextPath::fromUtf8(name);
    }
    // Γιώργος Παππάς listed after Νίκος Δήμου, current, with its files.
    void twoStudies() {
        put("l.dat", {"1"});
        ASSERT_TRUE(StudyCreation::create(home.path(), details("Νίκος", "Δήμου")).status);
        ASSERT_TRUE(StudyCreation::create(home.path(), details()).status);
        TestFiles::putLines(study("ΓιώργοςΠαππάς") / "synola.dat", {"σύνολα"});
    }
};

TEST_F(StudyShelfTest, APutAwayStudyLeavesTheListKeepsItsFolderAndComesBack) {
    twoStudies();
    // The study's report is held while it moves, through a lock file that stays in it.
    auto files = TestFiles::snapshot(study("ΓιώργοςΠαππάς"));
    files["ekthesi.lock"] = "";
    ASSERT_TRUE(StudyShelf::putAway(home.path(), 1, {"Γιώργος", "Παππάς"}));
    EXPECT_EQ(StudyList::listed(home.path()).value(),
              (std::vector<StudyEntry>{{"Νίκος", "Δήμου"}}));
    EXPECT_FALSE(std::filesystem::exists(study("ΓιώργοςΠαππάς")));
    EXPECT_EQ(TestFiles::snapshot(shelved("ΓιώργοςΠαππάς")), files);
    // It was the current study: now there is none.
    EXPECT_FALSE(std::filesystem::exists(home / "temp.dat"));
    EXPECT_EQ(Installation::currentStudy(home.path()).error().kind, Error::Kind::NoStudy);

    const auto shelf = StudyShelf::shelved(home.path());
    ASSERT_EQ(shelf.size(), 1u);
    EXPECT_EQ(shelf[0].owner, (StudyEntry{"Γιώργος", "Παππάς"}));
    EXPECT_EQ(shelf[0].details.location, "Θέση Άγιος Νικόλαος");

    ASSERT_TRUE(StudyShelf::bringBack(home.path(), "ΓιώργοςΠαππάς"));
    EXPECT_EQ(StudyList::listed(home.path()).value(),
              (std::vector<StudyEntry>{{"Νίκος", "Δήμου"}, {"Γιώργος", "Παππάς"}}));
    EXPECT_EQ(TestFiles::snapshot(study("ΓιώργοςΠαππάς")), files);
    EXPECT_TRUE(StudyShelf::shelved(home.path()).empty());
}

TEST_F(StudyShelfTest, AnOwnerListedTwiceLosesOnlyTheChosenEntryAndKeepsTheFolder) {
    twoStudies();
    ASSERT_TRUE(StudyList::append(home.path(), {"Γιώργος", "Παππάς"}));
    const std::string pointer = bytes("temp.dat");
    ASSERT_TRUE(StudyShelf::putAway(home.path(), 1, {"Γιώργος", "Παππάς"}));
    EXPECT_EQ(StudyList::listed(home.path()).value(),
              (std::vector<StudyEntry>{{"Νίκος", "Δήμου"}, {"Γιώργος", "Παππάς"}}));
    EXPECT_TRUE(std::filesystem::is_directory(study("ΓιώργοςΠαππάς")));
    EXPECT_EQ(bytes("temp.dat"), pointer);

    // The last entry takes the folder with it; a second study put away under the same name is
    // kept beside the first.
    ASSERT_TRUE(StudyShelf::putAway(home.path(), 1, {"Γιώργος", "Παππάς"}));
    ASSERT_TRUE(StudyCreation::create(home.path(), details()).status);
    ASSERT_TRUE(StudyShelf::putAway(home.path(), 1, {"Γιώργος", "Παππάς"}));
    EXPECT_TRUE(std::filesystem::exists(shelved("ΓιώργοςΠαππάς") / "synola.dat"));
    EXPECT_TRUE(std::filesystem::exists(shelved("ΓιώργοςΠαππάς (2)") / "stoixeia.dat"));
    EXPECT_FALSE(std::filesystem::exists(shelved("ΓιώργοςΠαππάς (2)") / "synola.dat"));
    // Only one of them comes back while the other stands in its place.
    ASSERT_TRUE(StudyShelf::bringBack(home.path(), "ΓιώργοςΠαππάς (2)"));
    EXPECT_TRUE(std::filesystem::exists(study("ΓιώργοςΠαππάς") / "stoixeia.dat"));
    const auto before = snapshot();
    const Status refused = StudyShelf::bringBack(home.path(), "ΓιώργοςΠαππάς");
    EXPECT_NE(messages::describe(refused).find("Υπάρχει ήδη"), std::string::npos)
        << messages::describe(refused);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(StudyShelfTest, AListThatCannotBeWrittenLeavesTheStudyWhereItWas) {
    twoStudies();
    // The study's lock file is there, as after any calculation: taking the lock adds nothing.
    TestFiles::putLines(study("ΓιώργοςΠαππάς") / "ekthesi.lock", {});
    const auto before = snapshot();
    // A stale choice changes nothing either.
    EXPECT_FALSE(StudyShelf::putAway(home.path(), 0, {"Γιώργος", "Παππάς"}).ok());
    EXPECT_EQ(snapshot(), before);
    TestFiles::blockReplacement(home / "ergasies.dat");
    const Status failed = StudyShelf::putAway(home.path(), 1, {"Γιώργος", "Παππάς"});
    EXPECT_NE(messages::describe(failed).find("ergasies.dat"), std::string::npos)
        << messages::describe(failed);
    EXPECT_TRUE(std::filesystem::exists(study("ΓιώργοςΠαππάς") / "synola.dat"));
    EXPECT_EQ(StudyList::listed(home.path()).value().size(), 2u);
    EXPECT_TRUE(Installation::currentStudy(home.path()));
}

// Creating a study

TEST_F(StudyStoreTest, CreationWritesEveryFileInItsForm) {
    put("ergasies.dat", {"Νίκος", "Δήμου"});
    put("l.dat", {"1.2"});
    auto outcome = StudyCreation::create(home.path(), details());
    ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);

    const auto folder = home / TextPath::fromUtf8("ΓιώργοςΠαππάς");
    EXPECT_EQ(outcome.folder, folder);
    EXPECT_EQ(bytes("ergasies.dat"), kNikosDimou + kGiorgosPappas);
    EXPECT_EQ(bytes("erga.dat"), bytes("ergasies.dat"));
    // The temporary folder's path is plain ASCII.
    EXPECT_EQ(bytes("temp.dat"), TextPath::toUtf8(home / "") +
                                     "\xC3\xE9\xFE\xF1\xE3\xEF\xF2\xD0\xE1\xF0\xF0\xDC\xF2\r\n");
    EXPECT_EQ(TestFiles::bytes(folder / "stoixeia.dat"), kDetails);
    EXPECT_EQ(TestFiles::bytes(folder / "l.dat"), "1.2\r\n");
    EXPECT_EQ(TestFiles::bytes(folder / "entos.dat"), " 1 \r\n");
    EXPECT_EQ(TestFiles::bytes(folder / "eid.dat"), " 2 \r\n");
    EXPECT_EQ(TestFiles::snapshot(folder).size(), 4u);
}

TEST_F(StudyStoreTest, TheStudyCopiesTheDefaultLambdaAsABareNumber) {
    for (const auto& [stored, copied] : std::vector<std::pair<std::string, std::string>>{
             {" 1.25 \r\n", "1.25\r\n"}, {"0.8\r\n", ".8\r\n"}}) {
        TempFolder other;
        TestFiles::put(other / "l.dat", stored);
        auto outcome = StudyCreation::create(other.path(), details());
        ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);
        EXPECT_EQ(TestFiles::bytes(outcome.folder / "l.dat"), copied) << stored;
    }
}

TEST_F(StudyStoreTest, TheStudyCopiesTheDefaultAmountsAndADefaultThatDoesNotReadIsRefused) {
    put("kratiseis.dat", {"\" Φ.Π.Α. 24% = \"", " .24 ", "Φ.Ε.Μ 4% = ", " .04 "});
    auto outcome = StudyCreation::create(home.path(), details());
    ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);
    EXPECT_EQ(TestFiles::bytes(outcome.folder / "kratiseis.dat"), bytes("kratiseis.dat"));

    put("kratiseis.dat", {"Φ.Π.Α. 24% = ", "24%"});
    const auto before = snapshot();
    auto refused = StudyCreation::create(home.path(), details("Άννα", "Λύρη"));
    EXPECT_FALSE(refused.status);
    EXPECT_NE(messages::describe(refused.status).find("«24%»"), std::string::npos)
        << messages::describe(refused.status);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(StudyStoreTest, PastedDecomposedAndPolytonicLettersAreKeptAsMonotonicGreek) {
    // What the user sees as "Γιώργος Παππάς, Πολιτικός Μηχανικός", as a PDF may give it.
    StudyDetails pasted = details("Γιω\u0301ργος", "Παππα\u0301ς");
    pasted.location = "Θε\u0301ση \u1FBBγιος Νικ\u1F79λαος";
    pasted.engineer.specialty = "Πολιτικο\u0301ς Μηχανικο\u0301ς";
    auto outcome = StudyCreation::create(home.path(), pasted);
    ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);

    const auto folder = home / TextPath::fromUtf8("ΓιώργοςΠαππάς");
    EXPECT_EQ(outcome.folder, folder);
    EXPECT_EQ(TestFiles::bytes(folder / "stoixeia.dat"), kDetails);
    EXPECT_EQ(bytes("ergasies.dat"), kGiorgosPappas);
    EXPECT_EQ(TestFiles::bytes(folder / "eid.dat"), " 2 \r\n");

    Engineer engineer = details().engineer;
    engineer.firstName = "Μαρι\u0301α";
    ASSERT_TRUE(EngineerRegistry::append(home.path(), engineer));
    EXPECT_EQ(EngineerRegistry::readAll(home.path()).value().back(), details().engineer);
}

TEST_F(StudyStoreTest, AMissingDefaultLambdaStartsTheStudyAtOne) {
    auto outcome = StudyCreation::create(home.path(), details());
    ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);
    EXPECT_EQ(TestFiles::bytes(outcome.folder / "l.dat"), "1\r\n");
    EXPECT_EQ(bytes("ergasies.dat"), kGiorgosPappas);
}

struct Refusal {
    const char* what;
    StudyDetails details;
    const char* messagePart;
};

TEST_F(StudyStoreTest, ARefusedStudyTouchesNoFile) {
    put("ergasies.dat", {"Γιώργος", "Παππάς"});
    put("l.dat", {"1"});
    std::filesystem::create_directory(home / TextPath::fromUtf8("ΓιώργοςΠαππάς"));

    auto with = [](auto change) {
        StudyDetails d = details("Άννα", "Λύρα");
        change(d);
        return d;
    };
    std::vector<Refusal> refusals = {
        {"existing folder", details(), "Υπάρχει ήδη"},
        {"only blanks", details("  ", " "), "κενά"},
        {"empty owner", details("", ""), "κενά"},
        {"dot", details(".", ""), "«.»"},
        {"dot dot", details(".", "."), "«..»"},
        {"dots and blanks", details(". .", ".."), "τελείες"},
        {"upward path", details("..", "/etc"), "\\ / :"},
        {"tab", details("Άννα\t", "Λύρα"), "\\ / :"},
        {"trailing dot", details("Α", "..."), "τελεία"},
        {"initials at the end", details("Κώστας", " Α. Β."), "τελεία"},
        {"trailing blank", details("Άννα", "Λύρα "), "κενό"},
        {"device name", details("CO", "N"), "CON, PRN"},
        {"device name in lower case", details("nu", "l"), "CON, PRN"},
        {"device name with an extension", details("Lpt9", ".Αθήνα"), "CON, PRN"},
        {"device name before blanks and an extension", details("AUX ", ".txt"), "CON, PRN"},
        {"port with a superscript", details("COM", "²"), "CON, PRN"},
        {"folder of put-away studies", details("_ΑΡΧΕΙΟΘΕΤΗΣΗ", ""), "αρχειοθετημένων"},
        {"field with quote and comma", with([](StudyDetails& d) { d.location = "\"Α\", Β"; }),
         "«Θέση»"},
        {"engineer field outside the code page",
         with([](StudyDetails& d) { d.engineer.city = "Москва"; }), "«Πόλη μηχανικού»"},
        {"first character that cannot be kept is named",
         with([](StudyDetails& d) { d.engineer.city = "Μόσχα (Москва)"; }), "«М» (U+041C)"},
        {"polytonic letter with no monotonic equal",
         with([](StudyDetails& d) { d.location = "\u1F08γιος"; }), "«Ἀ» (U+1F08)"},
        {"accent that joins no letter", with([](StudyDetails& d) { d.district = "Πλα\u0300κα"; }),
         "«◌̀» (U+0300)"},
    };
    for (char c : std::string("\\/:*?\"<>|"))
        refusals.push_back({"forbidden character", details("Άν" + std::string(1, c), "να"),
                            "\\ / : * ? \" < > |"});

    const auto before = snapshot();
    for (const Refusal& refusal : refusals) {
        const std::string problem =
            messages::describe(StudyCreation::problemWith(home.path(), refusal.details));
        EXPECT_NE(problem.find(refusal.messagePart), std::string::npos)
            << refusal.what << ": " << problem;
        auto outcome = StudyCreation::create(home.path(), refusal.details);
        EXPECT_FALSE(outcome.status.ok()) << refusal.what;
        EXPECT_EQ(messages::describe(outcome.status), problem) << refusal.what;
        EXPECT_EQ(snapshot(), before) << refusal.what;
    }
}

TEST_F(StudyStoreTest, ADefaultLambdaThatIsNoPositiveNumberIsRefusedBeforeAnythingIsWritten) {
    for (const auto& [content, shown] :
         std::vector<std::pair<std::string, std::string>>{{"abc\r\n", "«abc»"},
                                                          {"\r\n", "«»"},
                                                          {" 0 \r\n", "«0 »"},
                                                          {"-1.2\r\n", "«-1.2»"},
                                                          {"1E39\r\n", "«1E39»"},
                                                          {"", "«»"}}) {
        TestFiles::put(home / "L.DAT", content);
        const auto before = snapshot();
        auto outcome = StudyCreation::create(home.path(), details());
        EXPECT_FALSE(outcome.status.ok()) << content;
        const std::string& message = messages::describe(outcome.status);
        EXPECT_NE(message.find("θετικός αριθμός: " + shown), std::string::npos) << message;
        // It names the file, and the way to set λ. Windows names ignore case, and there the file
        // goes by the name the program asks for.
#ifdef _WIN32
        EXPECT_NE(message.find(TextPath::toUtf8(home / "l.dat")), std::string::npos) << message;
#else
        EXPECT_NE(message.find(TextPath::toUtf8(home / "L.DAT")), std::string::npos) << message;
#endif
        EXPECT_NE(message.find("Αναθεωριση συντελεστού λ"), std::string::npos) << message;
        EXPECT_EQ(snapshot(), before) << content;
    }
}

// Not "no positive number «»": the user has to hear that the file itself is in the way.
TEST_F(StudyStoreTest, ADefaultLambdaThatCannotBeReadIsToldSoBeforeAnythingIsWritten) {
    std::filesystem::create_directory(home / "l.dat");
    const auto before = snapshot();
    auto outcome = StudyCreation::create(home.path(), details());
    const std::string message = messages::describe(outcome.status);
    EXPECT_NE(message.find("«l.dat»"), std::string::npos) << message;
    EXPECT_NE(message.find("δεν είναι κανονικό αρχείο"), std::string::npos) << message;
    EXPECT_EQ(snapshot(), before);
}

// A list that is there but cannot be read is never taken for an empty one and written over.
struct UnreadableCase {
    const char* name;
    // A file the user may not read rather than a folder in its place.
    bool byPermissions;
};

class UnreadableListTest : public StudyStoreTest,
                           public ::testing::WithParamInterface<UnreadableCase> {
protected:
    // Makes `name` unreadable as the case says, and gives every file and folder as they were.
    std::map<std::string, std::string> plant(const std::string& name) {
        unreadable_ = home / name;
        if (!GetParam().byPermissions) {
            std::filesystem::create_directory(unreadable_);
            return snapshot();
        }
        put(name, {"Νίκος", "Δήμου", "", "", ""});
        auto before = snapshot();
        std::filesystem::permissions(unreadable_, std::filesystem::perms::none);
        return before;
    }
    // Runs `step` as the case says: a permission binds only a user without the tests' rights.
    std::string as(const std::function<std::string()>& step) {
        if (!GetParam().byPermissions) return step();
#ifdef _WIN32
        return "!no permissions to take away";
#else
        testing::TestProcess::handOver(home.path());
        std::string said = testing::TestProcess::unprivileged(step);
        // The system's own words say what stood in the way.
        EXPECT_NE(said.find("Αιτία από το σύστημα: Permission denied."), std::string::npos) << said;
        std::filesystem::permissions(unreadable_, std::filesystem::perms::owner_read |
                                                      std::filesystem::perms::owner_write);
        return said;
#endif
    }

private:
    std::filesystem::path unreadable_;
};

TEST_P(UnreadableListTest, ARegistryIsNeverOverwritten) {
    const auto before = plant("mix.dat");
    const std::string said = as([this] {
        // One that cannot be read is told as such, never read as empty.
        if (EngineerRegistry::readAll(home.path())) return std::string("read");
        return messages::describe(EngineerRegistry::append(home.path(), {"Α", "Β", "Γ", "Δ", "Ε"}));
    });
    EXPECT_NE(said.find("Το μητρώο μηχανικών «mix.dat» υπάρχει αλλά δεν διαβάζεται· ο νέος "
                        "μηχανικός δεν καταχωρίστηκε."),
              std::string::npos)
        << said;
    // The lock is had before the registry is read, and stays as every lock does.
    auto after = snapshot();
    after.erase("mix.dat.lock");
    EXPECT_EQ(after, before);
}

TEST_P(UnreadableListTest, AListOfStudiesIsNeverOverwritten) {
    const auto before = plant("ergasies.dat");
    const std::string said = as([this] {
        return messages::describe(StudyCreation::create(home.path(), details()).status);
    });
    EXPECT_NE(said.find("Ο κατάλογος μελετών «ergasies.dat» υπάρχει αλλά δεν διαβάζεται· η νέα "
                        "μελέτη δεν δημιουργήθηκε."),
              std::string::npos)
        << said;
    EXPECT_EQ(snapshot(), before);
}

const UnreadableCase kUnreadableCases[] = {
    {"AFolderInItsPlace", false},
#ifndef _WIN32
    {"NoReadPermission", true},
#endif
};

INSTANTIATE_TEST_SUITE_P(Cases, UnreadableListTest, ::testing::ValuesIn(kUnreadableCases),
                         [](const auto& row) { return row.param.name; });

TEST_F(StudyStoreTest, ACreationThatFailsHalfWayLeavesNothingAndCanBeTriedAgain) {
    put("ergasies.dat", {"Νίκος", "Δήμου"});
    const std::string listed = bytes("ergasies.dat");
    // The pointer cannot be written: the study was listed and in place by then.
    std::filesystem::create_directories(home / "temp.dat" / "in-the-way");
    auto outcome = StudyCreation::create(home.path(), details());
    EXPECT_FALSE(outcome.status.ok());
    EXPECT_NE(messages::describe(outcome.status).find("temp.dat"), std::string::npos)
        << messages::describe(outcome.status);
    EXPECT_EQ(bytes("ergasies.dat"), listed);
    for (const auto& entry : std::filesystem::directory_iterator(home.path()))
        EXPECT_FALSE(entry.is_directory() && entry.path().filename() != "temp.dat") << entry.path();

    std::filesystem::remove_all(home / "temp.dat");
    outcome = StudyCreation::create(home.path(), details());
    ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);
    EXPECT_EQ(bytes("ergasies.dat"), TestFiles::stored({"Νίκος", "Δήμου", "Γιώργος", "Παππάς"}));
    EXPECT_EQ(bytes("temp.dat"), TestFiles::stored({TextPath::toUtf8(outcome.folder)}));
    EXPECT_EQ(TestFiles::snapshot(outcome.folder).size(), 4u);
}

TEST_F(StudyStoreTest, TwoProgramsAddingAtOnceBothLand) {
    constexpr int kEach = 10;
    auto program = [this](std::string name) {
        for (int i = 0; i < kEach; ++i) {
            const std::string surname = "Σ" + std::to_string(i);
            const Status created =
                StudyCreation::create(home.path(), details(name, surname)).status;
            EXPECT_TRUE(created) << messages::describe(created);
            const Status appended =
                EngineerRegistry::append(home.path(), {name, surname, "", "", ""});
            EXPECT_TRUE(appended) << messages::describe(appended);
        }
    };
    std::thread first(program, "Α");
    std::thread second(program, "Β");
    first.join();
    second.join();
    EXPECT_EQ(StudyList::listed(home.path()).value().size(), 2u * kEach);
    EXPECT_EQ(EngineerRegistry::readAll(home.path()).value().size(), 2u * kEach);
}

TEST_F(StudyStoreTest, OwnerNamesThatAreFineOnEverySystemAreAccepted) {
    for (const auto& [first, surname] :
         std::vector<std::pair<std::string, std::string>>{{"Άννα-Μαρία", "Λύρα"},
                                                          {"Ι.", "Οικονόμου"},
                                                          {"Κώστας", " Α. Βλάχος"},
                                                          {"...", "x"},
                                                          {"Con", "stantinos"},
                                                          {"COM", "10"},
                                                          {"LPT", ""},
                                                          {"Nul", "ος.Α"}}) {
        EXPECT_TRUE(StudyCreation::folderNameProblem(first + surname).ok()) << first << surname;
    }
}

TEST_F(StudyStoreTest, AStudyOfAnOwnerWithACommaIsPointedAtInQuotes) {
    auto outcome = StudyCreation::create(home.path(), details("Γιώργος,", "Παππάς"));
    ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);
    EXPECT_EQ(bytes("temp.dat"),
              TestFiles::stored({"\"" + TextPath::toUtf8(outcome.folder) + "\""}));
    auto listed = StudyList::listed(home.path()).value();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0], (StudyEntry{"Γιώργος,", "Παππάς"}));
}

// Correcting and copying a study

class StudyChangeTest : public StudyStoreTest {
protected:
    // "ΓιώργοςΠαππάς" with works entered, calculated, listed twice and current; the index and
    // the locks are there, as after any day's work.
    std::filesystem::path made() {
        put("ergasies.dat", {"Νίκος", "Δήμου"});
        auto outcome = StudyCreation::create(home.path(), details());
        EXPECT_TRUE(outcome.status) << messages::describe(outcome.status);
        EXPECT_TRUE(StudyList::append(home.path(), {"Γιώργος", "Παππάς"}));
        EXPECT_TRUE(StudyList::writeIndex(home.path(), StudyList::listed(home.path()).value()));
        for (const std::string_view name : Study::inputFiles())
            if (name != "stoixeia.dat") TestFiles::putLines(outcome.folder / name, {" 3 ", " 4 "});
        for (const std::string name : {"synola.dat", "arxi1.dat", "ekthesi.lock"})
            TestFiles::putLines(outcome.folder / name, {"section"});
        TestFiles::putLines(home / "ergasies.dat.lock", {});
        return outcome.folder;
    }
    static StudyDetails with(StudyDetails d, const std::function<void(StudyDetails&)>& change) {
        change(d);
        return d;
    }
};

TEST_F(StudyChangeTest, ACorrectedOwnerRenamesTheFolderAndTheListAndPointerFollow) {
    const auto study = made();
    const auto works = TestFiles::fileSnapshot(study);
    StudyDetails corrected = with(details("Γεώργιος", "Παππάς"), [](StudyDetails& d) {
        d.engineer.specialty = "Αγρονόμος Τοπογράφος Μηχανικός";
    });
    auto outcome = StudyCorrection::correct(home.path(), study, corrected);
    ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);

    const auto folder = home / TextPath::fromUtf8("ΓεώργιοςΠαππάς");
    EXPECT_EQ(outcome.folder, folder);
    EXPECT_FALSE(std::filesystem::exists(study));
    EXPECT_EQ(bytes("temp.dat"), TestFiles::stored({TextPath::toUtf8(folder)}));
    EXPECT_EQ(bytes("ergasies.dat"),
              TestFiles::stored({"Νίκος", "Δήμου", "Γεώργιος", "Παππάς", "Γεώργιος", "Παππάς"}));
    EXPECT_EQ(StudyList::readIndex(home.path())[1], "ΓεώργιοςΠαππάς");
    const auto fields = corrected.fields();
    EXPECT_EQ(TestFiles::bytes(folder / "stoixeia.dat"),
              TestFiles::stored(std::vector<std::string>(fields.begin(), fields.end())));
    EXPECT_EQ(TestFiles::bytes(folder / "eid.dat"), " 1 \r\n");
    // Everything else of the study, its report included, is as it was.
    auto after = TestFiles::fileSnapshot(folder);
    for (const std::string name : {"stoixeia.dat", "eid.dat"})
        after[name] = works.at(name);
    EXPECT_EQ(after, works);
}

TEST_F(StudyChangeTest, AnOwnerNameThatDiffersInLetterCaseAloneIsTheStudysOwn) {
    put("ergasies.dat", {});
    const auto study = StudyCreation::create(home.path(), details("giorgos", "pappas")).folder;
    auto outcome = StudyCorrection::correct(home.path(), study, details("Giorgos", "Pappas"));
    ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(home.path()))
        if (entry.is_directory()) names.push_back(TextPath::toUtf8(entry.path().filename()));
    EXPECT_EQ(names, std::vector<std::string>{"GiorgosPappas"});
    EXPECT_EQ(bytes("ergasies.dat"), TestFiles::stored({"Giorgos", "Pappas"}));
    EXPECT_EQ(bytes("temp.dat"), TestFiles::stored({TextPath::toUtf8(outcome.folder)}));
}

TEST_F(StudyChangeTest, ACorrectionRefusedOrFailingHalfWayLeavesEveryFileAsItWas) {
    const auto study = made();
    std::filesystem::create_directory(home / TextPath::fromUtf8("ΆνναΛύρα"));
    std::filesystem::create_directory(home / "annalyra");
    struct Case {
        const char* name;
        StudyDetails details;
        // The file whose replacement fails, if any.
        std::string blocked;
        const char* messagePart;
    };
    const std::vector<Case> cases = {
        {"name taken", details("Άννα", "Λύρα"), {}, "Υπάρχει ήδη"},
        {"name taken in another letter case", details("Anna", "Lyra"), {}, "Υπάρχει ήδη"},
        {"owner that names no folder", details("..", "/etc"), {}, "\\ / :"},
        {"list cannot be written", details("Γεώργιος", "Παππάς"), "ergasies.dat", "ergasies.dat"},
        {"pointer cannot be written", details("Γεώργιος", "Παππάς"), "temp.dat", "temp.dat"},
    };
    for (const Case& c : cases) {
        if (!c.blocked.empty()) TestFiles::blockReplacement(home / c.blocked);
        const auto before = snapshot();
        auto outcome = StudyCorrection::correct(home.path(), study, c.details);
        EXPECT_FALSE(outcome.status.ok()) << c.name;
        EXPECT_NE(messages::describe(outcome.status).find(c.messagePart), std::string::npos)
            << c.name << ": " << messages::describe(outcome.status);
        EXPECT_EQ(snapshot(), before) << c.name;
        if (!c.blocked.empty())
            for (int attempt = 0; attempt < AtomicFile::kAttempts; ++attempt)
                std::filesystem::remove(AtomicFile::temporaryFor(home / c.blocked, attempt));
    }
}

TEST_F(StudyChangeTest, ACopyHoldsEveryInputOfItsSourceAndNoneOfItsReport) {
    const auto source = made();
    const auto original = TestFiles::fileSnapshot(source);
    struct Copy {
        std::string surname;
        std::string specialty;
        std::string code;
    };
    for (const auto& [surname, specialty, code] :
         std::vector<Copy>{{"Λύρα", "Πολιτικός Μηχανικός", " 3 \r\n 4 \r\n"},
                           {"Μπέη", "Τεχνολόγος Τοπογράφος", " 4 \r\n"}}) {
        StudyDetails copied = with(details("Άννα", surname),
                                   [&](StudyDetails& d) { d.engineer.specialty = specialty; });
        auto outcome = StudyCreation::copy(home.path(), source, copied);
        ASSERT_TRUE(outcome.status) << messages::describe(outcome.status);

        EXPECT_EQ(bytes("temp.dat"), TestFiles::stored({TextPath::toUtf8(outcome.folder)}));
        EXPECT_EQ(StudyList::listed(home.path()).value().back(),
                  (StudyEntry{copied.ownerFirstName, copied.ownerSurname}));
        const auto fields = copied.fields();
        std::map<std::string, std::string> expected;
        for (const std::string_view name : Study::inputFiles())
            expected[std::string(name)] = original.at(std::string(name));
        expected["stoixeia.dat"] =
            TestFiles::stored(std::vector<std::string>(fields.begin(), fields.end()));
        // The code follows the specialty: kept as it was when the specialty is, worked out anew
        // when it changes.
        expected["eid.dat"] = code;
        EXPECT_EQ(TestFiles::fileSnapshot(outcome.folder), expected) << specialty;
    }
    EXPECT_EQ(TestFiles::fileSnapshot(source), original);

    // A source without amounts of its own adds the four of old, and so does its copy, whatever
    // the default for new studies has become.
    std::filesystem::remove(source / "kratiseis.dat");
    ASSERT_TRUE(ValueFile::write(home.path(), Catalogue::kDefaultAmounts,
                                 StatutoryAmounts::itemsOf({{"Φ.Π.Α. 24% = ", 0.24}})));
    auto plain = StudyCreation::copy(home.path(), source, details("Άννα", "Ρήγα"));
    ASSERT_TRUE(plain.status) << messages::describe(plain.status);
    EXPECT_FALSE(std::filesystem::exists(plain.folder / "kratiseis.dat"));
}

} // namespace
} // namespace velmora::store
