// The one place where the toolkit takes in the Win32 headers.
#pragma once

#include <windows.h>
#include <commctrl.h>

// The toolkit's drawing object has its own DrawText; the system's is called
// by its wide name.
#undef DrawText
