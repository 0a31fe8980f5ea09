// The message loop and the per-form hot keys.
#pragma once

#include "toolkit/Win32.h"

namespace Tavrik {

class Form;

using HotKeyHandler = void (*)(Form* form, UINT modifiers, UINT key);

// One hot key of a form; its id is its list position plus one.
struct HotKey {
    UINT modifiers;
    UINT key;
    HotKeyHandler handler;
};

// Runs until the quit message. Messages for a dialog form pass through
// IsDialogMessageW first.
void RunMessageLoop(Form* form);
void RegisterHotKeys(Form* form);
void UnregisterHotKeys(Form* form);

} // namespace Tavrik
