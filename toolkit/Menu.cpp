#include "toolkit/Menu.h"

#include "toolkit/TextServices.h"

namespace Tavrik {

MenuBar::MenuBar(GUIElement* form) : Child(form), menuHandle(nullptr) {
    type = "menubar";
}

void MenuBar::AddItem(Menu* menu) {
    items.push_back(menu);
    if (created)
        menu->Create();
}

void MenuBar::Create() {
    if (created || !parent || !parent->handle)
        return;
    menuHandle = CreateMenu();
    for (Menu* menu : items)
        menu->Create();
    SetMenu(parent->handle, menuHandle);
    created = true;
    handle = reinterpret_cast<HWND>(menuHandle);
}

Menu::Menu(const std::string& caption, MenuBar* bar) : Child(bar), menuHandle(nullptr) {
    type = "menu";
    text = TextToWide(caption);
    if (bar)
        bar->AddItem(this);
}

void Menu::AddItem(SubMenu* item) {
    items.push_back(item);
    if (created)
        item->Create();
}

void Menu::Create() {
    MenuBar* bar = dynamic_cast<MenuBar*>(parent);
    if (created || !bar || !bar->menuHandle)
        return;
    menuHandle = CreateMenu();
    for (SubMenu* item : items)
        item->Create();
    AppendMenuW(bar->menuHandle, MF_POPUP, reinterpret_cast<UINT_PTR>(menuHandle), text.c_str());
    handle = reinterpret_cast<HWND>(menuHandle);
    created = true;
}

SubMenu::SubMenu(GUIElement* parent, const std::string& caption)
    : Child(parent), menuHandle(nullptr), appendFlags(MF_STRING), checkable(false), checked(false) {
    type = "submenu";
    text = TextToWide(caption);
    id = NextElementId();
    if (Menu* menu = dynamic_cast<Menu*>(parent))
        menu->AddItem(this);
    else if (SubMenu* item = dynamic_cast<SubMenu*>(parent))
        item->AddItem(this);
}

void SubMenu::AddItem(SubMenu* item) {
    items.push_back(item);
    if (created)
        item->Create();
}

HMENU SubMenu::ParentMenuHandle() const {
    if (Menu* menu = dynamic_cast<Menu*>(parent))
        return menu->menuHandle;
    if (SubMenu* item = dynamic_cast<SubMenu*>(parent))
        return item->menuHandle;
    return nullptr;
}

void SubMenu::SetEnabled(bool on) {
    enabled = on;
    if (created)
        EnableMenuItem(ParentMenuHandle(), id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void SubMenu::Create() {
    HMENU parentMenu = ParentMenuHandle();
    if (created || !parentMenu)
        return;
    if (items.empty()) {
        AppendMenuW(parentMenu, appendFlags, id, text.empty() ? nullptr : text.c_str());
        if (checkable)
            CheckMenuItem(parentMenu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    } else {
        menuHandle = CreatePopupMenu();
        for (SubMenu* item : items)
            item->Create();
        AppendMenuW(parentMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(menuHandle), text.c_str());
    }
    created = true;
    handle = reinterpret_cast<HWND>(menuHandle);
    if (!enabled)
        SetEnabled(false);
}

bool SubMenu::GetChecked() {
    HMENU parentMenu = ParentMenuHandle();
    if (created && parentMenu)
        checked = GetMenuState(parentMenu, id, MF_BYCOMMAND) == MF_CHECKED;
    return checked;
}

void SubMenu::ApplyCheck() {
    HMENU parentMenu = ParentMenuHandle();
    if (parentMenu)
        CheckMenuItem(parentMenu, id,
                      MF_BYCOMMAND | (checked && checkable ? MF_CHECKED : MF_UNCHECKED));
}

void SubMenu::OnMenuChoice() {
    if (!checkable)
        return;
    checked = !GetChecked();
    if (created)
        ApplyCheck();
}

} // namespace Tavrik
