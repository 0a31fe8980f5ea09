#pragma once

#include <string>
#include <vector>

#include "toolkit/GUIElement.h"

namespace Tavrik {

class Menu;
class SubMenu;

// A form's menu bar; it holds the drop-downs but owns none of them.
class MenuBar : public Child {
public:
    std::vector<Menu*> items;
    HMENU menuHandle;

    explicit MenuBar(GUIElement* form);

    void AddItem(Menu* menu);
    void Create() override;
};

// A drop-down named on the bar.
class Menu : public Child {
public:
    std::vector<SubMenu*> items;
    HMENU menuHandle;

    Menu(const std::string& caption, MenuBar* bar);

    void AddItem(SubMenu* item);
    void Create() override;
};

// A menu item, or a nested drop-down when it has items of its own. Its id is
// taken at construction, so it never equals a control's.
class SubMenu : public Child, public CommandElement {
public:
    std::vector<SubMenu*> items;
    HMENU menuHandle;
    UINT appendFlags;
    bool checkable;
    bool checked;

    SubMenu(GUIElement* parent, const std::string& caption);

    void AddItem(SubMenu* item);
    HMENU ParentMenuHandle() const;
    void SetEnabled(bool on) override;
    void Create() override;
    bool GetChecked();
    void ApplyCheck();
    // A checkable item flips its mark before its command handler runs.
    void OnMenuChoice() override;
};

} // namespace Tavrik
