#include "cli/Console.h"

#include <cstdio>

#ifdef _WIN32
// First: shellapi.h needs its types.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace velmora::cli {
namespace {

#ifdef _WIN32
std::string utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::string result(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(),
                        static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

std::wstring wide(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::wstring result(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(),
                        static_cast<int>(result.size()));
    return result;
}
#endif

// A console takes characters; anything else (a file, a pipe) takes the bytes unchanged, which a
// Windows stream in text mode would not do: it would write every LF of a CR LF report as CR LF.
bool write(std::FILE* stream, std::string_view text) {
#ifdef _WIN32
    HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode)) {
        std::fflush(stream);
        const std::wstring characters = wide(text);
        DWORD written = 0;
        return WriteConsoleW(console, characters.data(), static_cast<DWORD>(characters.size()),
                             &written, nullptr) != 0;
    }
    _setmode(_fileno(stream), _O_BINARY);
#endif
    const bool ok = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && ok && !std::ferror(stream);
}

} // namespace

std::vector<std::string> Console::arguments([[maybe_unused]] int argc,
                                            [[maybe_unused]] char** argv) {
#ifdef _WIN32
    // argv holds the arguments in the ANSI code page, where a Greek folder name may not survive.
    std::vector<std::string> args;
    int count = 0;
    wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (list == nullptr) return args;
    for (int i = 1; i < count; ++i)
        args.push_back(utf8(list[i]));
    LocalFree(list);
    return args;
#else
    return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

bool Console::output(std::string_view text) {
    return write(stdout, text);
}

void Console::error(std::string_view text) {
    write(stderr, text);
}

} // namespace velmora::cli
