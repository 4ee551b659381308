#include "messages/Describe.h"

#include "store/files/Failure.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::messages {
namespace {

using Kind = store::Error::Kind;
using store::Failure;
using velmora::testing::PrintTo;

struct DescribeCase {
    const char* name;
    Kind kind;
    std::string_view detail;
    // A part of the sentence that only this kind of failure gives.
    const char* says;
    // Whether the sentence names the file it is about.
    bool namesFile;
};

class DescribeTest : public ::testing::TestWithParam<DescribeCase> {};

// Every kind of failure is told in its own words, with the file and the system's reason.
TEST_P(DescribeTest, NamesTheFileAndKeepsTheSystemsReason) {
    const DescribeCase& c = GetParam();
    const store::Error error{c.kind, "/home/μηχανικός/velmora/ΓιώργοςΠαππάς/taxi.dat",
                             "Input/output error", std::string(c.detail)};
    const std::string text = describe(error);
    EXPECT_NE(text.find(c.says), std::string::npos) << text;
    EXPECT_EQ(text.find("«taxi.dat»") != std::string::npos, c.namesFile) << text;
    EXPECT_NE(text.find("Input/output error"), std::string::npos) << text;
}

const DescribeCase kCases[] = {
    {"NoStudy", Kind::NoStudy, {}, "Δεν υπάρχει τρέχουσα μελέτη", false},
    {"NotFound", Kind::NotFound, {}, "δεν υπάρχει", true},
    {"NotReadable", Kind::NotReadable, {}, "υπάρχει αλλά δεν διαβάζεται", true},
    {"NotRegularFile", Kind::NotRegularFile, {}, "δεν είναι κανονικό αρχείο", true},
    {"TooLarge", Kind::TooLarge, {}, "μεγαλύτερο από 1 MB", true},
    {"Short", Kind::Short, {}, "λιγότερα στοιχεία", true},
    {"NotStorable", Kind::NotStorable, "Ωmega\u2126", "«Ωmega\u2126» δεν μπορεί να αποθηκευτεί",
     true},
    {"WriteFailed", Kind::WriteFailed, {}, "Το αρχείο έμεινε όπως ήταν", true},
    {"WriteFailedOnAFullDisk", Kind::WriteFailed, Failure::kDiskFull, "Ο δίσκος είναι γεμάτος",
     true},
    {"Refused", Kind::Refused, "Το πεδίο «Όνομα» περιέχει εισαγωγικά.", "Το πεδίο «Όνομα»", false},
    {"Busy", Kind::Busy, {}, "χρησιμοποιείται από άλλο πρόγραμμα", true},
    {"OutOfMemory", Kind::OutOfMemory, {}, "Η μνήμη δεν επαρκεί", false},
    {"Unexpected", Kind::Unexpected, "vector::_M_range_check",
     "Απρόβλεπτο σφάλμα (vector::", false},
};

INSTANTIATE_TEST_SUITE_P(Kinds, DescribeTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return row.param.name; });

} // namespace
} // namespace velmora::messages
