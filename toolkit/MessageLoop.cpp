#include "toolkit/MessageLoop.h"

#include "toolkit/Form.h"

namespace Tavrik {

void RunMessageLoop(Form* form) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form != nullptr && form->dialog && IsDialogMessageW(form->handle, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void RegisterHotKeys(Form* form) {
    for (size_t index = 0; index < form->hotKeys.size(); ++index) {
        const HotKey& record = form->hotKeys[index];
        RegisterHotKey(form->handle, static_cast<int>(index + 1), record.modifiers, record.key);
    }
}

void UnregisterHotKeys(Form* form) {
    for (size_t index = 0; index < form->hotKeys.size(); ++index) {
        UnregisterHotKey(form->handle, static_cast<int>(index + 1));
    }
}

} // namespace Tavrik
