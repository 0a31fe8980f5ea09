#include "toolkit/Form.h"

#include "toolkit/TextServices.h"
#include "toolkit/WindowProcedure.h"

#include <algorithm>

namespace Tavrik {

Form::Form(HINSTANCE instance) : Form(instance, false) {}

Form::Form(HINSTANCE instance, bool isDialog)
    : GUIElement(instance), modalChild(nullptr), topMost(true), minimizeBox(true),
      maximizeBox(true), titleBar(true), dialog(isDialog), modalFrame(false), icon(nullptr),
      iconId(0) {
    type = "form";
}

Form::~Form() {
    if (handle != nullptr && !destroyed && IsWindow(handle)) {
        if (created) {
            SendMessageW(handle, WM_CLOSE, 0, 0);
        }
        created = false;
        if (!destroyed && IsWindow(handle)) {
            DestroyWindow(handle);
        }
    }
    // The icon is freed once no window shows it, and the class (with its
    // background brush) once no window uses it.
    if (icon != nullptr) {
        DestroyIcon(icon);
    }
    if (!className.empty()) {
        UnregisterClassW(className.c_str(), instance);
    }
}

void Form::Create() {
    if (created) {
        return;
    }
    const std::wstring title = text;
    const int classNumber = CurrentElementId();
    id = NextElementId();
    className = L"Window" + Int64ToWideText(classNumber);

    windowClass = WNDCLASSW();
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.hInstance = instance;
    windowClass.hbrBackground =
        backColor == NoColor ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor);
    windowClass.lpfnWndProc = &WindowProcedure;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = iconId != 0 ? LoadIconW(instance, MAKEINTRESOURCEW(iconId))
                                    : LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassW(&windowClass) == 0 && backColor != NoColor) {
        DeleteObject(windowClass.hbrBackground);
    }

    DWORD style;
    DWORD extendedStyle = 0;
    if (titleBar) {
        style = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX;
        if (minimizeBox) {
            style |= WS_MINIMIZEBOX;
        }
        if (maximizeBox) {
            style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
        }
    } else {
        style = WS_POPUP;
    }
    if (dialog) {
        extendedStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
        if (topMost) {
            extendedStyle |= WS_EX_TOPMOST;
        }
        style = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX;
        if (modalFrame) {
            style |= DS_MODALFRAME;
        }
    }
    if (!maximizeBox) {
        style &= ~static_cast<DWORD>(WS_MAXIMIZEBOX);
    }
    if (!minimizeBox) {
        style &= ~static_cast<DWORD>(WS_MINIMIZEBOX);
    }
    if (!enabled) {
        style |= WS_DISABLED;
    }

    HWND window = CreateWindowExW(extendedStyle, className.c_str(), title.c_str(), style, x, y,
                                  width, height, nullptr, nullptr, instance, nullptr);
    handle = window;
    if (window != nullptr && MainWindow() == nullptr) {
        RecordMainWindow(window);
    }
    OnCreate(window);
    if (window != nullptr) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    created = true;
    ApplyFont();
}

void Form::SetClientSize(int clientWidth, int clientHeight) {
    if (!created || handle == nullptr) {
        return;
    }
    RECT outer;
    RECT client;
    GetWindowRect(handle, &outer);
    GetClientRect(handle, &client);
    const int frameWidth =
        std::max(0, static_cast<int>((outer.right - outer.left) - (client.right - client.left)));
    const int frameHeight =
        std::max(0, static_cast<int>((outer.bottom - outer.top) - (client.bottom - client.top)));
    GetPosition();
    width = clientWidth + frameWidth;
    height = clientHeight + frameHeight;
    SetWindowPos(handle, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOMOVE);
    Refresh();
}

void Form::CenterOnScreen() {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const bool hasWindow = created && handle != nullptr;
    if (hasWindow) {
        RECT outer;
        if (GetWindowRect(handle, &outer)) {
            width = outer.right - outer.left;
            height = outer.bottom - outer.top;
        }
    }
    x = (screenWidth - width) / 2;
    y = (screenHeight - height) / 2;
    if (hasWindow) {
        SetWindowPos(handle, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOSIZE);
        Refresh();
    }
}

void Form::SetIcon(int resourceId) {
    iconId = resourceId;
    if (!created || handle == nullptr) {
        return;
    }
    // An icon of the form's own, not the shared one LoadIconW hands out, so
    // that it can be freed.
    HICON loaded = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    if (loaded == nullptr) {
        return;
    }
    SendMessageW(handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(loaded));
    if (icon != nullptr) {
        DestroyIcon(icon);
    }
    icon = loaded;
}

} // namespace Tavrik
