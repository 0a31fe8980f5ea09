// Menu bars, drop-downs and items on a real form, and the yes/no question,
// under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/AskYesNo.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"
#include "toolkit/Timer.h"

using namespace Tavrik;

namespace {

void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        DWORD spent = GetTickCount() - start;
        if (spent >= ms)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    } while (true);
}

std::wstring Caption(HMENU menu, UINT position) {
    wchar_t buffer[64] = {};
    GetMenuStringW(menu, position, buffer, 64, MF_BYPOSITION);
    return buffer;
}

std::vector<GUIElement*> chosen;
std::vector<bool> checkedWhenChosen;
void Choose(GUIElement* element) {
    chosen.push_back(element);
    SubMenu* item = dynamic_cast<SubMenu*>(element);
    checkedWhenChosen.push_back(item && item->checked);
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new Form(GetModuleHandleW(nullptr));
        form->width = 400;
        form->height = 300;
        chosen.clear();
        checkedWhenChosen.clear();
    }
    void TearDown() override {
        for (auto it = owned.rbegin(); it != owned.rend(); ++it)
            delete *it;
        delete form;
        PumpFor(0);
    }
    template <typename T> T* Own(T* element) {
        owned.push_back(element);
        return element;
    }
    void Choose(SubMenu* item) {
        SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(item->id, 0), 0);
    }

    Form* form = nullptr;
    std::vector<GUIElement*> owned;
};

// First in this program: the form is the first window of the process.
TEST_F(MenuTest, ItemIdsAreTakenAtConstruction) {
    form->Create();
    ASSERT_EQ(1, form->id);
    MenuBar* bar = Own(new MenuBar(form));
    Menu* file = Own(new Menu("&File", bar));
    SubMenu* esci = Own(new SubMenu(file, "&Esci"));
    Menu* help = Own(new Menu("&Aiuto", bar));
    SubMenu* guida = Own(new SubMenu(help, "&Guida"));
    SubMenu* home = Own(new SubMenu(help, "&Home"));
    EXPECT_EQ(2, esci->id);
    EXPECT_EQ(3, guida->id);
    EXPECT_EQ(4, home->id);
    EXPECT_EQ(0, bar->id);
    EXPECT_EQ(0, file->id);
    bar->Create();
    EXPECT_EQ(0, bar->id) << "menus take no id";
    EXPECT_EQ(0, help->id);
    EXPECT_EQ(2, esci->id);
    EXPECT_EQ(4, home->id);
    EXPECT_EQ(5, NextElementId()) << "the next control follows the items";
}

TEST_F(MenuTest, TreeIsBuiltDepthFirstInOrder) {
    form->Create();
    MenuBar* bar = Own(new MenuBar(form));
    Menu* game = Own(new Menu("&Partita", bar));
    Menu* help = Own(new Menu("&?", bar));
    SubMenu* esci = Own(new SubMenu(game, "&Esci"));
    SubMenu* guida = Own(new SubMenu(help, "&Guida"));
    SubMenu* home = Own(new SubMenu(help, "&Home"));
    SubMenu* more = Own(new SubMenu(help, "A&ltro"));
    SubMenu* info = Own(new SubMenu(more, "&Info"));
    EXPECT_EQ("menubar", bar->type);
    EXPECT_EQ("menu", game->type);
    EXPECT_EQ("submenu", esci->type);
    EXPECT_EQ(bar, game->parent);
    EXPECT_EQ(help, guida->parent);
    EXPECT_EQ(nullptr, GetMenu(form->handle));
    bar->Create();
    HMENU shown = GetMenu(form->handle);
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(bar->menuHandle, shown);
    ASSERT_EQ(2, GetMenuItemCount(shown));
    EXPECT_EQ(L"&Partita", Caption(shown, 0));
    EXPECT_EQ(L"&?", Caption(shown, 1));
    EXPECT_EQ(game->menuHandle, GetSubMenu(shown, 0));
    HMENU helpMenu = GetSubMenu(shown, 1);
    ASSERT_EQ(help->menuHandle, helpMenu);
    ASSERT_EQ(3, GetMenuItemCount(helpMenu));
    EXPECT_EQ(L"&Guida", Caption(helpMenu, 0));
    EXPECT_EQ(L"&Home", Caption(helpMenu, 1));
    EXPECT_EQ(L"A&ltro", Caption(helpMenu, 2));
    EXPECT_EQ(static_cast<UINT>(guida->id), GetMenuItemID(helpMenu, 0));
    EXPECT_EQ(static_cast<UINT>(home->id), GetMenuItemID(helpMenu, 1));
    HMENU nested = GetSubMenu(helpMenu, 2);
    ASSERT_EQ(more->menuHandle, nested);
    EXPECT_EQ(L"&Info", Caption(nested, 0));
    EXPECT_EQ(static_cast<UINT>(info->id), GetMenuItemID(nested, 0));
    for (GUIElement* element : owned)
        EXPECT_TRUE(element->created);

    // Items added to a menu that exists appear at its end at once.
    SubMenu* late = Own(new SubMenu(game, "&Nuova"));
    ASSERT_EQ(2, GetMenuItemCount(game->menuHandle));
    EXPECT_EQ(L"&Nuova", Caption(game->menuHandle, 1));
    EXPECT_TRUE(late->created);
}

TEST_F(MenuTest, ChoosingAnItemReachesItsHandler) {
    form->Create();
    MenuBar* bar = Own(new MenuBar(form));
    Menu* game = Own(new Menu("&Partita", bar));
    SubMenu* esci = Own(new SubMenu(game, "&Esci"));
    SubMenu* home = Own(new SubMenu(game, "&Home"));
    esci->commandHandler = &::Choose;
    home->commandHandler = &::Choose;
    bar->Create();
    Choose(home);
    Choose(esci);
    ASSERT_EQ(2u, chosen.size());
    EXPECT_EQ(home, chosen[0]);
    EXPECT_EQ(esci, chosen[1]);
    // Ids of no item, and an accelerator code, run nothing.
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(9999, 0), 0);
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(esci->id, 1), 0);
    EXPECT_EQ(2u, chosen.size());
}

TEST_F(MenuTest, CheckMarkToggleComesBeforeTheHandler) {
    form->Create();
    MenuBar* bar = Own(new MenuBar(form));
    Menu* view = Own(new Menu("&Vista", bar));
    SubMenu* sound = Own(new SubMenu(view, "&Suono"));
    SubMenu* plain = Own(new SubMenu(view, "&Fisso"));
    sound->checkable = true;
    sound->checked = true;
    sound->commandHandler = &::Choose;
    plain->checked = true;
    plain->commandHandler = &::Choose;
    bar->Create();
    HMENU menu = view->menuHandle;
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(menu, sound->id, MF_BYCOMMAND));
    EXPECT_TRUE(sound->GetChecked());
    EXPECT_EQ(0u, GetMenuState(menu, plain->id, MF_BYCOMMAND) & MF_CHECKED)
        << "an item that is not checkable shows no mark";

    Choose(sound);
    EXPECT_EQ(0u, GetMenuState(menu, sound->id, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(sound->checked);
    Choose(sound);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(menu, sound->id, MF_BYCOMMAND));
    EXPECT_TRUE(sound->checked);
    Choose(plain);
    ASSERT_EQ(3u, checkedWhenChosen.size());
    EXPECT_FALSE(checkedWhenChosen[0]) << "the handler sees the new state";
    EXPECT_TRUE(checkedWhenChosen[1]);
    EXPECT_TRUE(plain->checked) << "choosing does not touch a plain item";

    // The shown mark is what counts: a mark cleared behind the item's back.
    CheckMenuItem(menu, sound->id, MF_BYCOMMAND | MF_UNCHECKED);
    Choose(sound);
    EXPECT_TRUE(sound->checked);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(menu, sound->id, MF_BYCOMMAND));
    plain->ApplyCheck();
    EXPECT_EQ(0u, GetMenuState(menu, plain->id, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MenuTest, GreyedItems) {
    form->Create();
    MenuBar* bar = Own(new MenuBar(form));
    Menu* game = Own(new Menu("&Partita", bar));
    SubMenu* greyed = Own(new SubMenu(game, "&Gioca"));
    SubMenu* open = Own(new SubMenu(game, "&Esci"));
    greyed->SetEnabled(false);
    EXPECT_FALSE(greyed->enabled);
    bar->Create();
    HMENU menu = game->menuHandle;
    EXPECT_TRUE(GetMenuState(menu, greyed->id, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, open->id, MF_BYCOMMAND) & MF_GRAYED);
    greyed->SetEnabled(true);
    EXPECT_FALSE(GetMenuState(menu, greyed->id, MF_BYCOMMAND) & MF_GRAYED);
    open->SetEnabled(false);
    EXPECT_TRUE(GetMenuState(menu, open->id, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MenuTest, NothingIsMadeWithoutTheLevelAbove) {
    MenuBar* bar = Own(new MenuBar(form));
    Menu* game = Own(new Menu("&Partita", bar));
    SubMenu* item = Own(new SubMenu(game, "&Esci"));
    Menu* loose = Own(new Menu("&Sciolto", nullptr));
    SubMenu* orphan = Own(new SubMenu(loose, "&Niente"));
    // The form has no window yet: the bar and everything under it wait.
    bar->Create();
    game->Create();
    item->Create();
    loose->Create();
    orphan->Create();
    for (GUIElement* element : owned)
        EXPECT_FALSE(element->created);
    EXPECT_FALSE(item->GetChecked());
    item->ApplyCheck();
    item->SetEnabled(false);
    EXPECT_FALSE(item->enabled);
    form->Create();
    bar->Create();
    EXPECT_TRUE(item->created);
    EXPECT_TRUE(GetMenuState(game->menuHandle, item->id, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(loose->created);
    EXPECT_FALSE(orphan->created);
    EXPECT_EQ(1, GetMenuItemCount(bar->menuHandle));
}

// Answers the question box from a CBT hook as soon as it is activated.
int answer = 0;
int boxesSeen = 0;
std::wstring questionCaption;
LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (lstrcmpW(name, L"#32770") == 0) {
            ++boxesSeen;
            wchar_t caption[64] = {};
            GetWindowTextW(window, caption, 64);
            questionCaption = caption;
            PostMessageW(GetDlgItem(window, answer), BM_CLICK, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(AskYesNoTest, AnswersYesAndNo) {
    struct Case {
        int button;
        bool expected;
    } cases[] = {{IDYES, true}, {IDNO, false}};
    for (const Case& c : cases) {
        answer = c.button;
        boxesSeen = 0;
        HHOOK hook = SetWindowsHookExW(WH_CBT, &AnswerBox, nullptr, GetCurrentThreadId());
        bool result = AskYesNo("Vuoi realmente uscire?", "Uscita");
        UnhookWindowsHookEx(hook);
        EXPECT_EQ(c.expected, result);
        EXPECT_EQ(1, boxesSeen);
        EXPECT_EQ(L"Uscita", questionCaption);
    }
}

// Answers the question from a tick, after the program's own timer has ticked
// a few times inside the question's message loop.
int gameTicks = 0;
std::wstring questionText;
void CountGameTick(Timer*) {
    ++gameTicks;
}
void CALLBACK AnswerLater(HWND, UINT, UINT_PTR, DWORD) {
    if (gameTicks < 5)
        return;
    HWND box = FindWindowW(L"#32770", L"Uscita");
    if (!box)
        return;
    wchar_t text[128] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 128);
    questionText = text;
    SendMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
}

TEST(AskYesNoTest, TicksKeepArrivingWhileTheQuestionIsOpen) {
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    Timer timer(&form, 30);
    timer.tickHandler = &CountGameTick;
    timer.Start();
    gameTicks = 0;
    UINT_PTR answerer = SetTimer(nullptr, 0, 50, &AnswerLater);
    DWORD start = GetTickCount();
    bool result = AskYesNo("Vuoi realmente uscire?", "Uscita");
    KillTimer(nullptr, answerer);
    EXPECT_FALSE(result);
    EXPECT_EQ(L"Vuoi realmente uscire?", questionText);
    EXPECT_GE(gameTicks, 5);
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(nullptr, FindWindowW(L"#32770", L"Uscita"));
}

} // namespace
