#include "toolkit/GUIElement.h"

#include "toolkit/Drawing.h"
#include "toolkit/TextServices.h"
#include "toolkit/WindowProcedure.h"

#include <algorithm>

namespace Tavrik {

namespace {

std::vector<GUIElement*>& Registry() {
    static std::vector<GUIElement*> elements;
    return elements;
}

int idCounter = 0;

} // namespace

void RegisterElement(GUIElement* element) {
    Registry().push_back(element);
}

void UnregisterElement(GUIElement* element) {
    std::vector<GUIElement*>& elements = Registry();
    elements.erase(std::remove(elements.begin(), elements.end(), element), elements.end());
}

GUIElement* FindElementByHandle(HWND window) {
    const std::vector<GUIElement*>& elements = Registry();
    GUIElement* found = nullptr;
    for (GUIElement* element : elements) {
        if (element->handle == window) {
            found = element;
        }
    }
    if (found == nullptr && !elements.empty() && elements.back()->handle == nullptr) {
        found = elements.back();
    }
    return found;
}

GUIElement* FindElementById(int id) {
    for (GUIElement* element : Registry()) {
        if (element->id == id) {
            return element;
        }
    }
    return nullptr;
}

Child* FindSubMenuById(int id) {
    for (GUIElement* element : Registry()) {
        if (element->id == id && element->type == "submenu" &&
            dynamic_cast<CommandElement*>(element) != nullptr) {
            return dynamic_cast<Child*>(element);
        }
    }
    return nullptr;
}

int CurrentElementId() {
    return idCounter;
}

int NextElementId() {
    return ++idCounter;
}

GUIElement::GUIElement(HINSTANCE instance)
    : visible(true), keyPreview(false), destroyed(false), waitCursor(false), handCursor(false),
      handle(nullptr), instance(instance), windowClass(), font(nullptr), width(100), height(50),
      x(100), y(100), created(false), backColor(NoColor), backPainted(false), enabled(true), id(0),
      parent(nullptr), oldWindowProc(nullptr), onCreate(nullptr), createNotified(false),
      onLeftButtonUp(nullptr), onLeftButtonDown(nullptr), onLeftDoubleClick(nullptr),
      onRightButtonUp(nullptr), onRightButtonDown(nullptr), onRightDoubleClick(nullptr),
      onKeyUp(nullptr), onKeyDown(nullptr), onChar(nullptr), onMove(nullptr), onResize(nullptr),
      onPaint(nullptr), onCloseQuery(nullptr), onDestroy(nullptr), onGotFocus(nullptr),
      onLostFocus(nullptr), onActivate(nullptr), onDeactivate(nullptr), onTextChanged(nullptr),
      onMouseMove(nullptr), onMouseHover(nullptr), onMouseLeave(nullptr) {
    RegisterElement(this);
}

GUIElement::~GUIElement() {
    // A control window that outlives its element goes back to its own procedure.
    if (oldWindowProc != nullptr && handle != nullptr && IsWindow(handle) &&
        GetWindowLongPtrW(handle, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WindowProcedure)) {
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWindowProc));
    }
    ForgetRecords(this);
    UnregisterElement(this);
}

void GUIElement::SetBackColor(COLORREF colour) {
    backColor = colour;
    if (!HasWindow()) {
        return;
    }
    InvalidateRect(handle, nullptr, FALSE);
    RECT client;
    GetClientRect(handle, &client);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle, &paint);
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
    EndPaint(handle, &paint);
    backPainted = true;
}

void GUIElement::SetEnabled(bool value) {
    enabled = value;
    if (created) {
        EnableWindow(handle, value ? TRUE : FALSE);
    }
}

void GUIElement::SetText(const std::wstring& value) {
    text = value;
    if (created) {
        SetWindowTextW(handle, text.c_str());
    }
}

void GUIElement::SetText(const std::string& value) {
    SetText(TextToWide(value));
}

int GUIElement::OnLeftButtonUp(int x, int y) {
    return onLeftButtonUp != nullptr ? onLeftButtonUp(this, handle, x, y) : 0;
}

int GUIElement::OnLeftButtonDown(int x, int y) {
    return onLeftButtonDown != nullptr ? onLeftButtonDown(this, handle, x, y) : 0;
}

int GUIElement::OnLeftDoubleClick(int x, int y) {
    return onLeftDoubleClick != nullptr ? onLeftDoubleClick(this, handle, x, y) : 0;
}

int GUIElement::OnRightButtonUp(int x, int y) {
    return onRightButtonUp != nullptr ? onRightButtonUp(this, handle, x, y) : 0;
}

int GUIElement::OnRightButtonDown(int x, int y) {
    return onRightButtonDown != nullptr ? onRightButtonDown(this, handle, x, y) : 0;
}

int GUIElement::OnRightDoubleClick(int x, int y) {
    return onRightDoubleClick != nullptr ? onRightDoubleClick(this, handle, x, y) : 0;
}

int GUIElement::OnKeyUp(int key) {
    return onKeyUp != nullptr ? onKeyUp(this, key) : 0;
}

int GUIElement::OnKeyDown(int key) {
    return onKeyDown != nullptr ? onKeyDown(this, key) : 0;
}

bool GUIElement::OnChar(int character) {
    return onChar != nullptr ? onChar(this, character) : true;
}

void GUIElement::OnMouseMove(int x, int y) {
    if (onMouseMove != nullptr) {
        onMouseMove(this, x, y);
    }
}

void GUIElement::OnMouseHover() {
    if (onMouseHover != nullptr) {
        onMouseHover(this);
    }
}

void GUIElement::OnMouseLeave() {
    if (onMouseLeave != nullptr) {
        onMouseLeave(this);
    }
}

void GUIElement::Focus() {
    if (HasWindow()) {
        SetFocus(handle);
    }
}

int GUIElement::OnMove() {
    GetPosition();
    return onMove != nullptr ? onMove(this) : 0;
}

int GUIElement::OnResize() {
    return onResize != nullptr ? onResize(this) : 0;
}

void GUIElement::OnPaint() {
    if (backPainted) {
        SetBackColor(backColor);
    }
    if (onPaint != nullptr) {
        onPaint(this);
    }
}

LRESULT GUIElement::OnControlColor(HDC) {
    return 0;
}

bool GUIElement::OnCloseQuery() {
    return onCloseQuery != nullptr ? onCloseQuery(this) : true;
}

void GUIElement::OnDestroy() {
    if (onDestroy != nullptr) {
        onDestroy(this);
    }
    destroyed = true;
}

int GUIElement::OnGotFocus() {
    focusText = GetText();
    return onGotFocus != nullptr ? onGotFocus(this) : 0;
}

void GUIElement::OnLostFocus() {
    if (onLostFocus != nullptr) {
        onLostFocus(this);
    }
    if (GetText() != focusText && onTextChanged != nullptr) {
        onTextChanged(this);
    }
}

int GUIElement::OnActivate() {
    return onActivate != nullptr ? onActivate(this) : 0;
}

int GUIElement::OnDeactivate() {
    return onDeactivate != nullptr ? onDeactivate(this) : 0;
}

void GUIElement::OnCreate(HWND window) {
    if (handle == nullptr) {
        handle = window;
    }
    if (!createNotified && onCreate != nullptr) {
        onCreate(this, window);
    }
    createNotified = true;
}

void GUIElement::Refresh() {
    if (HasWindow()) {
        RedrawWindow(handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
}

bool GUIElement::GetWaitCursor() {
    return waitCursor;
}

bool GUIElement::GetHandCursor() {
    return handCursor;
}

void GUIElement::SetWaitCursor(bool value) {
    waitCursor = value;
}

void GUIElement::SetHandCursor(bool value) {
    handCursor = value;
}

void GUIElement::OnShow() {}

void GUIElement::OnItemNotify(int, std::vector<int>, std::vector<std::string>) {}

void GUIElement::Show() {
    if (!created) {
        Create();
    }
    if (handle != nullptr) {
        ShowWindow(handle, SW_SHOWNA);
    }
    visible = true;
}

void GUIElement::Hide() {
    if (created) {
        ShowWindow(handle, SW_HIDE);
        visible = false;
    }
}

std::wstring GUIElement::GetText() {
    if (HasWindow()) {
        int length = GetWindowTextLengthW(handle);
        if (length <= 0) {
            text.clear();
        } else {
            std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
            int copied = GetWindowTextW(handle, buffer.data(), length + 1);
            if (copied != 0) {
                text.assign(buffer.data(), static_cast<size_t>(copied));
            }
        }
    }
    return text;
}

std::string GUIElement::GetNarrowText() {
    return WideToText(GetText());
}

POINT GUIElement::GetPosition() {
    if (HasWindow()) {
        RECT bounds;
        if (GetWindowRect(handle, &bounds)) {
            POINT corner = {bounds.left, bounds.top};
            if (parent != nullptr) {
                ScreenToClient(parent->handle, &corner);
            }
            x = corner.x;
            y = corner.y;
        }
    }
    return POINT{x, y};
}

int GUIElement::GetClientWidth() {
    if (HasWindow()) {
        RECT client;
        if (GetClientRect(handle, &client)) {
            width = client.right - client.left;
        }
    }
    return width;
}

bool GUIElement::HasWindow() const {
    return created && handle != nullptr;
}

void GUIElement::Subclass() {
    if (handle == nullptr) {
        return;
    }
    oldWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure)));
}

void GUIElement::ApplyFont() {
    if (font != nullptr && handle != nullptr) {
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetHandle()), TRUE);
    }
}

Child::Child(GUIElement* parentElement) : GUIElement(nullptr) {
    parent = parentElement;
}

void Child::OnTimerTick() {}

void Child::OnTrackEnd() {}

void Child::OnMenuChoice() {}

int Child::DrawPicture(Drawing&, const RECT&, bool) {
    return 0;
}

CommandElement::CommandElement() : commandHandler(nullptr) {}

CommandElement::~CommandElement() = default;

} // namespace Tavrik
