#include "calc/LastCalculation.h"

#include "calc/StudyFee.h"
#include "store/base/Catalogue.h"
#include "store/files/ValueFile.h"
#include "store/study/Study.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <ctime>

namespace velmora::calc {
namespace {

void appendDigits(std::string& out, int value, int width) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(static_cast<std::size_t>(std::max(0, width - static_cast<int>(end - digits))), '0');
    out.append(digits, end);
}

std::string localMinute(std::filesystem::file_time_type written) {
    const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(written));
    const std::time_t time = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &time) != 0) return {};
#else
    if (localtime_r(&time, &local) == nullptr) return {};
#endif
    std::string text;
    appendDigits(text, local.tm_year + 1900, 4);
    text += '-';
    appendDigits(text, local.tm_mon + 1, 2);
    text += '-';
    appendDigits(text, local.tm_mday, 2);
    text += ' ';
    appendDigits(text, local.tm_hour, 2);
    text += ':';
    appendDigits(text, local.tm_min, 2);
    return text;
}

} // namespace

LastCalculation LastCalculation::of(const std::filesystem::path& study) {
    LastCalculation last;
    // The section is replaced whole, so one reading of it is one calculation's.
    const auto written = store::Study(study).writtenAt(store::Catalogue::kTotalsSection);
    if (!written) return last;
    const auto lines = store::ValueFile::readLines(study, store::Catalogue::kTotalsSection);
    if (!lines) return last;
    last.when = localMinute(*written);
    for (const std::string& line : *lines) {
        if (line.rfind(StudyFee::kFeeLine, 0) != 0) continue;
        std::string fee = line.substr(line.rfind(" = ") + 3);
        std::erase(fee, ' ');
        for (char& c : fee)
            if (c == ',') c = '.';
        last.fee = fee;
        break;
    }
    return last;
}

} // namespace velmora::calc
