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

// Committed private pages, region by region: Wine leaves PrivateUsage at 0.
SIZE_T CommittedPrivateBytes(HANDLE process) {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    const char* address = nullptr;
    while (VirtualQueryEx(process, address, &region, sizeof(region)) == sizeof(region)) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            total += region.RegionSize;
        }
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) {
            break;
        }
        address = next;
    }
    return total;
}

SIZE_T PrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof(counters)) &&
        counters.PrivateUsage != 0) {
        return counters.PrivateUsage;
    }
    return CommittedPrivateBytes(process);
}
