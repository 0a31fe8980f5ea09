#include "toolkit/AskYesNo.h"

#include "toolkit/Win32.h"

namespace Tavrik {

bool AskYesNo(const std::string& text, const std::string& caption) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}

} // namespace Tavrik
