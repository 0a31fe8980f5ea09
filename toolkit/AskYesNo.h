#pragma once

#include <string>

namespace Tavrik {

// Asks a task-modal yes/no question; true only when the answer is Yes.
// Messages of the program's windows, timer ticks included, keep arriving
// while the question is open.
bool AskYesNo(const std::string& text, const std::string& caption);

} // namespace Tavrik
