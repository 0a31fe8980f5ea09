#include "toolkit/WindowProcedure.h"

#include "toolkit/Drawing.h"
#include "toolkit/Form.h"
#include "toolkit/MessageLoop.h"
#include "toolkit/Panel.h"

namespace Tavrik {

namespace {

HWND mainWindow = nullptr;
Form* activeForm = nullptr;
PanelChildren* lastPanel = nullptr;
// The window with an outstanding hover and leave request; one at a time.
HWND hoverWindow = nullptr;

HCURSOR waitCursor = nullptr;
HCURSOR handCursor = nullptr;

constexpr COLORREF DisabledTextColor = 0x969696;
constexpr COLORREF DisabledFrameColor = 0x696969;

int LowSigned(LPARAM value) {
    return static_cast<short>(LOWORD(value));
}

int HighSigned(LPARAM value) {
    return static_cast<short>(HIWORD(value));
}

bool PaintOwnerDrawnButton(const DRAWITEMSTRUCT& item) {
    GUIElement* element = FindElementById(static_cast<int>(item.CtlID));
    Child* button = dynamic_cast<Child*>(element);
    if (button == nullptr || element->type != "button" ||
        dynamic_cast<CommandElement*>(element) == nullptr || item.CtlType != ODT_BUTTON) {
        return false;
    }
    HDC dc = item.hDC;
    const RECT& box = item.rcItem;
    const int w = box.right - box.left;
    const int h = box.bottom - box.top;
    COLORREF textColor = GetTextColor(dc);

    LOGFONTW description = LOGFONTW();
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(description), &description);
    int textTop = (h - static_cast<int>(description.lfHeight)) / 2;
    if (textTop < 0) {
        textTop = 0;
    }

    Drawing drawing(element);
    drawing.Borrow(dc);
    drawing.FillRect(box.left, box.top, w, h, GetBkColor(dc));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    COLORREF frameColor = textColor;
    if ((item.itemState & ODS_DISABLED) != 0) {
        textColor = DisabledTextColor;
        frameColor = DisabledFrameColor;
    } else if (pressed) {
        frameColor = 0xFFFFFF - textColor;
    }
    drawing.FrameRect(box.left, box.top, w, h, frameColor);
    const int textLeft = button->DrawPicture(drawing, box, pressed);
    drawing.DrawText(box.left + textLeft, box.top + textTop, h, element->GetNarrowText(), textColor,
                     nullptr, AlignCenter, w - textLeft);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = {box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
        DrawFocusRect(dc, &focus);
    }
    return true;
}

void RouteNotification(const NMHDR& header, LPARAM lParam) {
    GUIElement* source = FindElementByHandle(header.hwndFrom);
    if (source == nullptr) {
        return;
    }
    switch (static_cast<int>(header.code)) {
    case static_cast<int>(HDN_ITEMCHANGEDW): {
        const NMHEADERW& change = *reinterpret_cast<const NMHEADERW*>(lParam);
        const int itemWidth = change.pitem != nullptr ? change.pitem->cxy : 0;
        source->OnItemNotify(1, {change.iItem, itemWidth}, {});
        break;
    }
    case static_cast<int>(HDN_ITEMCLICKW):
        source->OnItemNotify(2, {reinterpret_cast<const NMHEADERW*>(lParam)->iItem}, {});
        break;
    case static_cast<int>(NM_RCLICK):
        source->OnItemNotify(3, {}, {});
        break;
    default:
        break;
    }
}

void RouteCommand(WPARAM wParam, LPARAM lParam) {
    const int code = HIWORD(wParam);
    const int item = LOWORD(wParam);
    if (lParam == 0) {
        // A menu choice; an accelerator (code 1) has nothing of ours to run.
        if (code == 0) {
            Child* menuItem = FindSubMenuById(item);
            if (menuItem != nullptr) {
                menuItem->OnMenuChoice();
                CommandHandler handler = dynamic_cast<CommandElement*>(menuItem)->commandHandler;
                if (handler != nullptr) {
                    handler(menuItem);
                }
            }
        }
        return;
    }
    GUIElement* element = FindElementByHandle(reinterpret_cast<HWND>(lParam));
    CommandElement* command = dynamic_cast<CommandElement*>(element);
    if (command != nullptr && command->commandHandler != nullptr) {
        command->commandHandler(element);
    }
}

void Activate(Form* form) {
    lastPanel = nullptr;
    if (GetForegroundWindow() == form->handle) {
        if (activeForm != nullptr) {
            UnregisterHotKeys(activeForm);
            activeForm->OnDeactivate();
        }
        RegisterHotKeys(form);
        form->OnActivate();
        activeForm = form;
        Form* modal = form->modalChild;
        if (modal != nullptr && modal->handle != nullptr && IsWindow(modal->handle) &&
            form->handle != nullptr) {
            SetWindowPos(modal->handle, form->handle, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        }
    } else {
        UnregisterHotKeys(form);
        form->OnDeactivate();
    }
}

void DispatchHotKey(Form* form, WPARAM hotKeyId) {
    if (hotKeyId < 1 || hotKeyId > form->hotKeys.size()) {
        return;
    }
    const HotKey record = form->hotKeys[hotKeyId - 1];
    HWND foreground = GetForegroundWindow();
    if (foreground == form->handle) {
        if (record.handler != nullptr) {
            record.handler(form, record.modifiers, record.key);
        }
        return;
    }
    Form* other = dynamic_cast<Form*>(FindElementByHandle(foreground));
    if (other == nullptr) {
        return;
    }
    for (const HotKey& candidate : other->hotKeys) {
        if (candidate.modifiers == record.modifiers && candidate.key == record.key) {
            if (candidate.handler != nullptr) {
                candidate.handler(other, record.modifiers, record.key);
            }
            return;
        }
    }
}

void MoveFocusByTab(GUIElement* element, HWND window) {
    HWND dialogWindow = window;
    Child* child = dynamic_cast<Child*>(element);
    if (child != nullptr && child->parent != nullptr) {
        dialogWindow = child->parent->handle;
    }
    const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND next = GetNextDlgTabItem(dialogWindow, window, backwards ? TRUE : FALSE);
    if (next != nullptr) {
        GUIElement* target = FindElementByHandle(next);
        if (target != nullptr) {
            target->Focus();
        }
    }
}

} // namespace

HWND MainWindow() {
    return mainWindow;
}

void RecordMainWindow(HWND window) {
    mainWindow = window;
}

Form* ActiveForm() {
    return activeForm;
}

PanelChildren* LastPanel() {
    return lastPanel;
}

bool HoverTracking() {
    return hoverWindow != nullptr;
}

void ForgetRecords(GUIElement* element) {
    if (element == nullptr) {
        return;
    }
    if (activeForm != nullptr && static_cast<GUIElement*>(activeForm) == element) {
        activeForm = nullptr;
    }
    if (lastPanel != nullptr && static_cast<GUIElement*>(lastPanel) == element) {
        lastPanel = nullptr;
    }
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GUIElement* element = FindElementByHandle(window);
    if (waitCursor == nullptr) {
        waitCursor = LoadCursorW(nullptr, IDC_WAIT);
        handCursor = LoadCursorW(nullptr, IDC_HAND);
    }
    // Kept now: a handler may delete the element before default processing.
    const WNDPROC previous = element != nullptr ? element->oldWindowProc : nullptr;
    auto defaultProcessing = [&]() -> LRESULT {
        return previous != nullptr ? CallWindowProcW(previous, window, message, wParam, lParam)
                                   : DefWindowProcW(window, message, wParam, lParam);
    };

    // Records about a window are kept right even when it has no element.
    if (message == WM_MOUSELEAVE && window == hoverWindow) {
        hoverWindow = nullptr;
    }
    if (message == WM_DESTROY) {
        if (window == hoverWindow) {
            hoverWindow = nullptr;
        }
        if (element != nullptr) {
            if (Form* form = dynamic_cast<Form*>(element)) {
                UnregisterHotKeys(form);
            }
            element->OnDestroy();
            ForgetRecords(element);
        }
        if (window == mainWindow) {
            mainWindow = nullptr;
            PostQuitMessage(0);
        }
        return defaultProcessing();
    }
    if (element == nullptr) {
        return defaultProcessing();
    }

    switch (message) {
    case WM_CREATE:
        if (dynamic_cast<Form*>(element) != nullptr) {
            element->OnCreate(window);
        }
        break;
    case WM_MOVE:
        element->OnMove();
        break;
    case WM_SIZE:
        element->OnResize();
        break;
    case WM_SHOWWINDOW:
        element->OnShow();
        element->OnResize();
        break;
    case WM_ACTIVATE:
        if (Form* form = dynamic_cast<Form*>(element)) {
            Activate(form);
        }
        break;
    case WM_SETFOCUS:
        element->OnGotFocus();
        break;
    case WM_KILLFOCUS:
        element->OnLostFocus();
        break;
    case WM_PAINT:
        element->OnPaint();
        break;
    case WM_CLOSE:
        if (!element->OnCloseQuery()) {
            return 1;
        }
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            if (element->GetHandCursor()) {
                SetCursor(handCursor);
                return 1;
            }
            if (element->GetWaitCursor()) {
                SetCursor(waitCursor);
                return 1;
            }
        }
        break;
    case WM_DRAWITEM:
        if (lParam != 0 && PaintOwnerDrawnButton(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) {
            return 1;
        }
        break;
    case WM_NOTIFY:
        if (lParam != 0) {
            RouteNotification(*reinterpret_cast<NMHDR*>(lParam), lParam);
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            MoveFocusByTab(element, window);
        }
        element->OnKeyDown(static_cast<int>(wParam));
        break;
    case WM_KEYUP:
        element->OnKeyUp(static_cast<int>(wParam));
        break;
    case WM_CHAR: {
        GUIElement* previewer = nullptr;
        if (Child* child = dynamic_cast<Child*>(element)) {
            if (child->parent != nullptr && child->parent->keyPreview) {
                previewer = child->parent;
            }
        }
        const bool accepted = element->OnChar(static_cast<int>(wParam));
        if (previewer != nullptr) {
            previewer->OnChar(static_cast<int>(wParam));
        }
        if (!accepted) {
            return 1;
        }
        break;
    }
    case WM_COMMAND:
        RouteCommand(wParam, lParam);
        break;
    case WM_TIMER: {
        GUIElement* timer = FindElementById(static_cast<int>(wParam));
        if (timer != nullptr && timer->type == "timer") {
            if (Child* child = dynamic_cast<Child*>(timer)) {
                child->OnTimerTick();
            }
        }
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam != 0 && LOWORD(wParam) == TB_ENDTRACK) {
            GUIElement* slider = FindElementByHandle(reinterpret_cast<HWND>(lParam));
            if (slider != nullptr && slider->type == "slider") {
                if (Child* child = dynamic_cast<Child*>(slider)) {
                    child->OnTrackEnd();
                }
            }
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
        const LRESULT brush = element->OnControlColor(reinterpret_cast<HDC>(wParam));
        if (brush != 0) {
            return brush;
        }
        break;
    }
    case WM_LBUTTONDOWN: {
        PanelChildren* panel = dynamic_cast<PanelChildren*>(element);
        element->OnLeftButtonDown(LowSigned(lParam), HighSigned(lParam));
        // The handler may have deleted the panel.
        lastPanel = FindElementByHandle(window) == element ? panel : nullptr;
        break;
    }
    case WM_LBUTTONUP:
        element->OnLeftButtonUp(LowSigned(lParam), HighSigned(lParam));
        break;
    case WM_LBUTTONDBLCLK:
        element->OnLeftDoubleClick(LowSigned(lParam), HighSigned(lParam));
        break;
    case WM_RBUTTONDOWN:
        element->OnRightButtonDown(LowSigned(lParam), HighSigned(lParam));
        break;
    case WM_RBUTTONUP:
        element->OnRightButtonUp(LowSigned(lParam), HighSigned(lParam));
        break;
    case WM_RBUTTONDBLCLK:
        element->OnRightDoubleClick(LowSigned(lParam), HighSigned(lParam));
        break;
    case WM_MOUSEMOVE:
        element->OnMouseMove(LowSigned(lParam), HighSigned(lParam));
        if (hoverWindow == nullptr) {
            TRACKMOUSEEVENT request = {sizeof(request), TME_HOVER | TME_LEAVE, window,
                                       HOVER_DEFAULT};
            if (TrackMouseEvent(&request)) {
                hoverWindow = window;
            }
        }
        break;
    case WM_MOUSEHOVER:
        element->OnMouseHover();
        break;
    case WM_MOUSELEAVE:
        element->OnMouseLeave();
        break;
    case WM_HOTKEY:
        if (Form* form = dynamic_cast<Form*>(element)) {
            DispatchHotKey(form, wParam);
        }
        break;
    default:
        break;
    }
    return defaultProcessing();
}

} // namespace Tavrik
