#pragma once

#ifdef _WIN32
#include <windows.h>

namespace velmora::store {

// Windows refuses a file for a moment while another program holds it: one that is replacing it
// or reading it, a virus scanner, the search indexer. Such a moment passes, so a refused step is
// tried again for about five seconds before the refusal counts: counted in attempts rather than
// by the clock, so that a busy machine, where the other program's moment lasts longer too, gets
// more time rather than less.
class HeldFile {
public:
    static constexpr int kAttempts = 500;
    static constexpr DWORD kPauseMilliseconds = 10;

    // Runs `step` (true on success) until it succeeds, fails for another reason or the attempts
    // run out; returns ERROR_SUCCESS or the last error.
    template <class Step> static DWORD retry(Step step) {
        for (int attempt = 1;; ++attempt) {
            if (step()) return ERROR_SUCCESS;
            const DWORD error = GetLastError();
            const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                              error == ERROR_ACCESS_DENIED;
            if (!held || attempt == kAttempts) return error;
            Sleep(kPauseMilliseconds);
        }
    }
};

} // namespace velmora::store
#endif
