#pragma once
// Waits for a process the tests started to end, so its folder can be removed.

#ifdef _WIN32
#include <windows.h>
// windows.h names its own ReplaceFile as a macro; the project's is meant.
#undef ReplaceFile

namespace tarvex::testing {

inline bool WaitForProcess(long long id) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!process)
        return false;
    const bool ended = WaitForSingleObject(process, 20000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

} // namespace tarvex::testing
#endif
