#include "toolkit/TextBox.h"

#include "toolkit/Label.h"
#include "toolkit/TextServices.h"

namespace Tavrik {

TextBox::TextBox(GUIElement* parent, const std::string& caption)
    : Child(parent), maxLength(-1), multiline(false), horizontalScroll(false),
      verticalScroll(false), readOnly(false), numbersOnly(false), password(false), lowercase(false),
      uppercase(false), alignRight(false), alignCenter(false), border(true), wordWrap(false) {
    type = "textbox";
    text = TextToWide(caption);
    width = 80;
    height = 30;
}

DWORD TextBox::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (!enabled)
        style |= WS_DISABLED;
    if (horizontalScroll)
        style |= WS_HSCROLL;
    if (verticalScroll)
        style |= WS_VSCROLL;
    if (numbersOnly)
        style |= ES_NUMBER;
    if (border)
        style |= WS_BORDER;
    if (multiline) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (!wordWrap)
            style |= ES_AUTOHSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (readOnly)
        style |= ES_READONLY;
    if (uppercase)
        style |= ES_UPPERCASE;
    else if (lowercase)
        style |= ES_LOWERCASE;
    if (alignRight)
        style |= ES_RIGHT;
    else if (alignCenter)
        style |= ES_CENTER;
    return style;
}

DWORD TextBox::ExtendedStyle() const {
    return border ? WS_EX_CLIENTEDGE : 0;
}

void TextBox::Create() {
    if (created)
        return;
    id = NextElementId();
    MakeControlWindow(*this, L"edit", Style(), ExtendedStyle());
    Subclass();
    created = true;
    if (maxLength != -1 && handle)
        SendMessageW(handle, EM_LIMITTEXT, maxLength, 0);
    ApplyFont();
}

void TextBox::ApplyOptions() {
    if (!created || !handle)
        return;
    if (SetWindowLongW(handle, GWL_STYLE, Style()) == 0)
        return;
    SendMessageW(handle, EM_SETREADONLY, readOnly, 0);
    SendMessageW(handle, EM_SETPASSWORDCHAR, password ? L'*' : 0, 0);
    SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void TextBox::SetMultiline(bool on) {
    multiline = on;
    ApplyOptions();
}

void TextBox::SetHorizontalScroll(bool on) {
    horizontalScroll = on;
    ApplyOptions();
}

void TextBox::SetVerticalScroll(bool on) {
    verticalScroll = on;
    ApplyOptions();
}

void TextBox::SetReadOnly(bool on) {
    readOnly = on;
    ApplyOptions();
}

void TextBox::SetNumbersOnly(bool on) {
    numbersOnly = on;
    ApplyOptions();
}

void TextBox::SetPassword(bool on) {
    password = on;
    ApplyOptions();
}

void TextBox::SetLowercase(bool on) {
    lowercase = on;
    ApplyOptions();
}

void TextBox::SetUppercase(bool on) {
    uppercase = on;
    ApplyOptions();
}

void TextBox::SetAlignRight(bool on) {
    alignRight = on;
    ApplyOptions();
}

void TextBox::SetAlignCenter(bool on) {
    alignCenter = on;
    ApplyOptions();
}

void TextBox::SetBorder(bool on) {
    border = on;
    ApplyOptions();
}

void TextBox::SetWordWrap(bool on) {
    wordWrap = on;
    ApplyOptions();
}

} // namespace Tavrik
