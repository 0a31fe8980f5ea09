#include "toolkit/Button.h"

#include "toolkit/Drawing.h"
#include "toolkit/Label.h"
#include "toolkit/TextServices.h"

namespace Tavrik {

Button::Button(GUIElement* parent, const std::string& caption)
    : Child(parent), ownerDraw(false), bitmapEnabled(nullptr), bitmapDisabled(nullptr) {
    type = "button";
    text = TextToWide(caption);
    width = 80;
    height = 30;
}

DWORD Button::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (!enabled)
        style |= WS_DISABLED;
    if (ownerDraw)
        style |= BS_OWNERDRAW;
    return style;
}

void Button::Create() {
    if (created)
        return;
    id = NextElementId();
    MakeControlWindow(*this, L"Button", Style(), 0);
    Subclass();
    created = true;
    ApplyFont();
}

int Button::DrawPicture(Drawing& drawing, const RECT& item, bool) {
    HBITMAP picture = enabled ? bitmapEnabled : bitmapDisabled;
    if (!picture)
        return 0;
    BITMAP info = {};
    GetObjectW(picture, sizeof(info), &info);
    int top = (item.bottom - item.top - info.bmHeight) / 2;
    drawing.DrawBitmap(item.left + 5, top, info.bmWidth, info.bmHeight, picture);
    return item.left + info.bmWidth + 8;
}

} // namespace Tavrik
