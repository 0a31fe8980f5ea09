// What a process holds: its live windows and its private memory.
#pragma once

#include <windows.h>

// Top-level windows of the process and all their descendants.
int CountProcessWindows(DWORD processId);
// Private bytes: PROCESS_MEMORY_COUNTERS_EX.PrivateUsage, or, where the system
// leaves that at 0, the committed private regions of the address space.
SIZE_T PrivateBytes(HANDLE process);
