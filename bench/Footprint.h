// What a process holds: its live windows and its private memory.
#pragma once

#include <windows.h>

// Top-level windows of the process and all their descendants.
int CountProcessWindows(DWORD processId);
// Private bytes (PROCESS_MEMORY_COUNTERS_EX.PrivateUsage); 0 when unreadable.
SIZE_T PrivateBytes(HANDLE process);
