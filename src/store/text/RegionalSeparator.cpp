#include "store/text/RegionalSeparator.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace velmora::store {
namespace {

// Languages whose numbers take a decimal comma in their main territory.
constexpr std::array<std::string_view, 99> kCommaLanguages = {
    "af",  "agq", "ast", "az",  "bas", "be",  "bg",  "br",  "bs",  "ca",  "cs", "da",  "de",
    "dsb", "dua", "dyo", "el",  "eo",  "es",  "et",  "eu",  "ewo", "ff",  "fi", "fo",  "fr",
    "fur", "fy",  "gl",  "hr",  "hsb", "hu",  "hy",  "ia",  "id",  "is",  "it", "jgo", "jv",
    "ka",  "kab", "kea", "kgp", "kk",  "kkj", "kl",  "km",  "ksf", "ksh", "ku", "ky",  "lb",
    "ln",  "lo",  "lt",  "lu",  "lv",  "mgh", "mk",  "mua", "nb",  "nds", "nl", "nmg", "nn",
    "nnh", "os",  "pl",  "pt",  "rn",  "ro",  "ru",  "rw",  "sah", "sc",  "se", "seh", "sg",
    "shi", "sk",  "sl",  "smn", "sq",  "sr",  "su",  "sv",  "tg",  "tk",  "tr", "tt",  "tzm",
    "uk",  "uz",  "vi",  "wae", "wo",  "yav", "yrl", "zgh"};

// Language and territory (or script) pairs that differ from their language's main territory.
constexpr std::array<std::string_view, 17> kCommaTerritories = {
    "ar_DZ", "ar_LY", "ar_MA", "ar_TN", "en_AT", "en_BE", "en_DE", "en_DK", "en_FI",
    "en_NL", "en_SE", "en_SI", "en_ZA", "ms_BN", "ms_ID", "qu_BO", "sw_CD"};
constexpr std::array<std::string_view, 20> kPointTerritories = {
    "az_IR", "de_CH", "de_LI", "es_419", "es_BR", "es_BZ", "es_CU", "es_DO",   "es_GT", "es_HN",
    "es_MX", "es_NI", "es_PA", "es_PE",  "es_PR", "es_SV", "es_US", "ff_ADLM", "it_CH", "uz_AF"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view key) {
    return std::find(list.begin(), list.end(), key) != list.end();
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

#ifndef _WIN32
std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}
#endif

} // namespace

char RegionalSeparator::forLocale(std::string_view name) {
    // "language[_Script][_TERRITORY][.codeset][@modifier]", with '-' accepted for '_'.
    name = name.substr(0, name.find_first_of(".@"));
    std::string parts[3];
    int count = 0;
    for (std::size_t start = 0; start <= name.size() && count < 3;) {
        std::size_t end = name.find_first_of("_-", start);
        if (end == std::string_view::npos) end = name.size();
        parts[count++] = std::string(name.substr(start, end - start));
        start = end + 1;
    }
    const std::string language = lower(parts[0]);
    if (language.size() < 2 || !std::all_of(language.begin(), language.end(), isLetter))
        return '.'; // "C", "POSIX" and anything unknown
    // A four-letter second part is a script, and the territory follows it.
    const bool script = parts[1].size() == 4;
    for (const std::string& part :
         {script ? parts[1] : std::string(), script ? parts[2] : parts[1]}) {
        if (part.empty()) continue;
        const std::string pair = language + '_' + upper(part);
        if (listed(kCommaTerritories, pair)) return ',';
        if (listed(kPointTerritories, pair)) return '.';
    }
    return listed(kCommaLanguages, language) ? ',' : '.';
}

char RegionalSeparator::fromEnvironment() {
#ifdef _WIN32
    wchar_t decimal[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8) > 0)
        return decimal[0] == L',' ? ',' : '.';
    return '.';
#else
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        std::string_view value = environment(variable);
        if (!value.empty()) return forLocale(value);
    }
    return '.';
#endif
}

} // namespace velmora::store
