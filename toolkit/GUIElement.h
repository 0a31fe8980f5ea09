// Elements: the base of every window-backed object of the toolkit, the
// element registry and the process-wide id counter.
#pragma once

#include "toolkit/Win32.h"

#include <string>
#include <vector>

namespace Tavrik {

class Font;
class Drawing;
class GUIElement;

// A colour field holding this value has no colour of its own.
constexpr COLORREF NoColor = static_cast<COLORREF>(-1);

using CreateCallback = void (*)(GUIElement* element, HWND handle);
using MouseButtonCallback = int (*)(GUIElement* element, HWND handle, int x, int y);
using KeyCallback = int (*)(GUIElement* element, int key);
using CharCallback = bool (*)(GUIElement* element, int character);
using EventCallback = int (*)(GUIElement* element);
using NotifyCallback = void (*)(GUIElement* element);
using QueryCallback = bool (*)(GUIElement* element);
using MouseMoveCallback = void (*)(GUIElement* element, int x, int y);
using CommandHandler = void (*)(GUIElement* element);

class GUIElement {
public:
    explicit GUIElement(HINSTANCE instance);
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    virtual void SetBackColor(COLORREF colour);
    virtual void SetEnabled(bool value);
    virtual void SetText(const std::wstring& value);
    virtual void SetText(const std::string& value);
    virtual int OnLeftButtonUp(int x, int y);
    virtual int OnLeftButtonDown(int x, int y);
    virtual int OnLeftDoubleClick(int x, int y);
    virtual int OnRightButtonUp(int x, int y);
    virtual int OnRightButtonDown(int x, int y);
    virtual int OnRightDoubleClick(int x, int y);
    virtual int OnKeyUp(int key);
    virtual int OnKeyDown(int key);
    virtual bool OnChar(int character);
    virtual void OnMouseMove(int x, int y);
    virtual void OnMouseHover();
    virtual void OnMouseLeave();
    virtual void Focus();
    virtual int OnMove();
    virtual int OnResize();
    virtual void OnPaint();
    virtual LRESULT OnControlColor(HDC dc);
    virtual bool OnCloseQuery();
    virtual void OnDestroy();
    virtual int OnGotFocus();
    virtual void OnLostFocus();
    virtual int OnActivate();
    virtual int OnDeactivate();
    virtual void OnCreate(HWND window);
    virtual void Refresh();
    virtual bool GetWaitCursor();
    virtual bool GetHandCursor();
    virtual void SetWaitCursor(bool value);
    virtual void SetHandCursor(bool value);
    virtual void OnShow();
    virtual void OnItemNotify(int kind, std::vector<int> numbers, std::vector<std::string> texts);
    virtual void Create() = 0;

    // Leaves the registry; never destroys the window of a control.
    virtual ~GUIElement();

    // Creates the window when needed, then shows it without activating it.
    void Show();
    // Hides the window; an element without a window is left as it is.
    void Hide();
    // The window text (refreshing `text`), or the stored text without a window.
    std::wstring GetText();
    std::string GetNarrowText();
    // Top-left corner in the parent's client coordinates (screen for forms).
    POINT GetPosition();
    int GetClientWidth();

    // The element is created and its window was made.
    bool HasWindow() const;

    // For controls wrapping a standard window: routes the window to the
    // toolkit's window procedure, keeping the system's in `oldWindowProc`.
    void Subclass();
    // Sends `font` to the window (WM_SETFONT with redraw) when both exist.
    void ApplyFont();

    bool visible;
    bool keyPreview;
    bool destroyed;
    bool waitCursor;
    bool handCursor;
    HWND handle;
    HINSTANCE instance;
    WNDCLASSW windowClass;
    Font* font;
    int width;
    int height;
    int x;
    int y;
    bool created;
    COLORREF backColor;
    std::wstring text;
    std::wstring focusText;
    bool backPainted;
    bool enabled;
    int id;
    std::string type;
    GUIElement* parent;
    WNDPROC oldWindowProc;
    CreateCallback onCreate;
    bool createNotified;

    MouseButtonCallback onLeftButtonUp;
    MouseButtonCallback onLeftButtonDown;
    MouseButtonCallback onLeftDoubleClick;
    MouseButtonCallback onRightButtonUp;
    MouseButtonCallback onRightButtonDown;
    MouseButtonCallback onRightDoubleClick;
    KeyCallback onKeyUp;
    KeyCallback onKeyDown;
    CharCallback onChar;
    EventCallback onMove;
    EventCallback onResize;
    NotifyCallback onPaint;
    QueryCallback onCloseQuery;
    NotifyCallback onDestroy;
    EventCallback onGotFocus;
    NotifyCallback onLostFocus;
    EventCallback onActivate;
    EventCallback onDeactivate;
    EventCallback onTextChanged;
    MouseMoveCallback onMouseMove;
    NotifyCallback onMouseHover;
    NotifyCallback onMouseLeave;
};

// Base of every control placed inside a form or a panel.
class Child : public GUIElement {
public:
    explicit Child(GUIElement* parentElement);

    // The window procedure reaches the control kinds through these, whatever
    // their classes; each kind overrides the one that concerns it, the others
    // do nothing.
    // A timer: WM_TIMER arrived with this element's id ("timer" elements).
    virtual void OnTimerTick();
    // A slider: the user finished moving the thumb, TB_ENDTRACK ("slider").
    virtual void OnTrackEnd();
    // A menu item: chosen from the menu, just before its command handler runs;
    // a checkable item flips its check mark here ("submenu").
    virtual void OnMenuChoice();
    // An owner-drawn button: draws its picture and returns the x offset at
    // which its caption starts; 0 without a picture ("button").
    virtual int DrawPicture(Drawing& drawing, const RECT& item, bool pressed);
};

// Second base of the elements that carry a command (buttons, menu items).
class CommandElement {
public:
    CommandElement();
    virtual ~CommandElement();

    CommandHandler commandHandler;
};

// The registry: every element from construction to destruction, in
// construction order. It owns nothing.
void RegisterElement(GUIElement* element);
void UnregisterElement(GUIElement* element);
// The last registered element with this handle; when none has it, the newest
// element if its window is being created (its handle still null); else null.
GUIElement* FindElementByHandle(HWND window);
// The first registered element with this id, or null.
GUIElement* FindElementById(int id);
// The first registered menu item ("submenu" command element) with this id.
Child* FindSubMenuById(int id);

// The process-wide id counter: its current value (0 before any window), and
// the next id, which increments it.
int CurrentElementId();
int NextElementId();

} // namespace Tavrik
