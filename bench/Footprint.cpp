#include "bench/Footprint.h"

#include <psapi.h>

namespace {

struct WindowCount {
    DWORD processId;
    int count;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    auto* tally = reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == tally->processId) {
        ++tally->count;
        EnumChildWindows(window, CountChild, data);
    }
    return TRUE;
}

} // namespace

int CountProcessWindows(DWORD processId) {
    WindowCount tally{processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&tally));
    return tally.count;
}

SIZE_T PrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters))) {
        return 0;
    }
    return counters.PrivateUsage;
}
