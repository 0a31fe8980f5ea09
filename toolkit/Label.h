#pragma once

#include <string>

#include "toolkit/GUIElement.h"

namespace Tavrik {

// A line of static text.
class Label : public Child {
public:
    bool border;
    bool alignRight;
    bool alignCenter;

    Label(GUIElement* parent, const std::string& caption);

    DWORD Style() const;
    DWORD ExtendedStyle() const;
    void Create() override;
};

// Makes a control's window with the element's id, text and place under its
// parent's window and stores the handle (null when it could not be made).
HWND MakeControlWindow(GUIElement& element, const wchar_t* windowClass, DWORD style,
                       DWORD extendedStyle);

} // namespace Tavrik
