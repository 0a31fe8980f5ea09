// Top-level windows, each with a window class of its own.
#pragma once

#include "toolkit/GUIElement.h"
#include "toolkit/MessageLoop.h"

#include <string>
#include <vector>

namespace Tavrik {

class Form : public GUIElement {
public:
    // A plain form.
    explicit Form(HINSTANCE instance);
    // A dialog form when `isDialog` is true.
    Form(HINSTANCE instance, bool isDialog);
    // Closes the window as a user would (close query, destroy events), then
    // destroys it whatever the answer.
    ~Form() override;

    void Create() override;
    // Makes the client area exactly this size; nothing without a window.
    void SetClientSize(int clientWidth, int clientHeight);
    void CenterOnScreen();
    // Icon resource of the program's module as the window's small icon.
    void SetIcon(int resourceId);

    Form* modalChild;
    bool topMost;
    bool minimizeBox;
    bool maximizeBox;
    bool titleBar;
    bool dialog;
    bool modalFrame;
    std::vector<HotKey> hotKeys;
    HICON icon;
    int iconId;

private:
    std::wstring className;
};

} // namespace Tavrik
