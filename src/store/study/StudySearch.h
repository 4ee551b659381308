#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora::store {

// Finding a study by what the user remembers of it. Greek is typed with or without tonos, in
// capitals or not, and a word cut short ends in σ where the name has ς; none of that may hide
// the study.
class StudySearch {
public:
    // The text with Latin and Greek letters in lower case, without tonos or dialytika, and ς as
    // σ; other characters as they are.
    static std::string folded(std::string_view text);

    // Whether every word of the query is found in one of the texts; an empty query finds all.
    static bool matches(std::string_view query, std::initializer_list<std::string_view> texts);
};

} // namespace velmora::store
