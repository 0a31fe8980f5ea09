#include "toolkit/Label.h"

#include "toolkit/TextServices.h"

namespace Tavrik {

Label::Label(GUIElement* parent, const std::string& caption)
    : Child(parent), border(false), alignRight(false), alignCenter(false) {
    type = "label";
    text = TextToWide(caption);
    width = 80;
    height = 30;
}

DWORD Label::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
    if (!enabled)
        style |= WS_DISABLED;
    if (border)
        style |= WS_BORDER;
    if (alignRight)
        style |= SS_RIGHT;
    else if (alignCenter)
        style |= SS_CENTER;
    return style;
}

DWORD Label::ExtendedStyle() const {
    return border ? WS_EX_CLIENTEDGE : 0;
}

void Label::Create() {
    if (created)
        return;
    id = NextElementId();
    MakeControlWindow(*this, L"static", Style(), ExtendedStyle());
    Subclass();
    created = true;
    ApplyFont();
}

HWND MakeControlWindow(GUIElement& element, const wchar_t* windowClass, DWORD style,
                       DWORD extendedStyle) {
    HWND parentWindow = element.parent ? element.parent->handle : nullptr;
    element.handle =
        CreateWindowExW(extendedStyle, windowClass, element.text.c_str(), style, element.x,
                        element.y, element.width, element.height, parentWindow,
                        reinterpret_cast<HMENU>(element.id), nullptr, nullptr);
    return element.handle;
}

} // namespace Tavrik
