// The one window procedure of every toolkit window and subclassed control,
// and the process-wide input records it keeps.
#pragma once

#include "toolkit/Win32.h"

namespace Tavrik {

class Form;
class PanelChildren;
class GUIElement;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The first form window created; its destruction ends the message loop.
HWND MainWindow();
void RecordMainWindow(HWND window);
// The form that last became the foreground window.
Form* ActiveForm();
// The panel last clicked with the left button.
PanelChildren* LastPanel();
// A mouse hover and leave request is outstanding.
bool HoverTracking();
// Clears every record that points to this element (it is being destroyed).
void ForgetRecords(GUIElement* element);

} // namespace Tavrik
