// The About box over a real owner form, under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "support/GdiHeadroom.h"
#include "toolkit/Button.h"
#include "toolkit/Drawing.h"
#include "toolkit/FormAbout.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/TextBox.h"
#include "toolkit/TextServices.h"

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

void Pump() {
    PumpFor(0);
}

std::vector<std::string> opened;
bool RecordOpen(const std::string& target) {
    opened.push_back(target);
    return true;
}

RECT PlaceInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDocumentOpener(&RecordOpen);
        opened.clear();
        owner = new Form(GetModuleHandleW(nullptr));
        owner->width = 660;
        owner->height = 520;
        owner->Create();
        Pump();
    }
    void TearDown() override {
        delete box;
        delete owner;
        SetDocumentOpener(nullptr);
        Pump();
    }
    FormAbout* Open(const std::string& site = CARVELLA_SITE) {
        delete box;
        box = new FormAbout(owner);
        box->bannerId = IDB_BANNER_ABOUT;
        box->bannerWidth = 164;
        box->bannerHeight = 50;
        box->titleText = "Carvella 1.0.0.0";
        box->creditsText = CARVELLA_COPYRIGHT;
        box->descriptionText = "Un gioco di carte.\r\nSeconda riga.";
        box->webAddress = site;
        box->Show();
        Pump();
        return box;
    }
    bool IsOpen() const { return box->handle && IsWindow(box->handle); }
    void ExpectClosed() {
        EXPECT_FALSE(IsOpen());
        EXPECT_TRUE(owner->enabled);
        EXPECT_TRUE(IsWindowEnabled(owner->handle));
        EXPECT_EQ(nullptr, owner->modalChild);
    }

    Form* owner = nullptr;
    FormAbout* box = nullptr;
};

TEST_F(AboutTest, ConstructionDisablesTheOwner) {
    box = new FormAbout(owner);
    EXPECT_EQ(owner, box->owner);
    EXPECT_FALSE(owner->enabled);
    EXPECT_FALSE(IsWindowEnabled(owner->handle));
    EXPECT_EQ(box, owner->modalChild);
    EXPECT_TRUE(box->dialog);
    EXPECT_TRUE(box->modalFrame);
    EXPECT_FALSE(box->topMost || box->minimizeBox || box->maximizeBox);
    EXPECT_EQ(600, box->width);
    EXPECT_EQ(300, box->height);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 600) / 2, box->x);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 300) / 2, box->y);
    EXPECT_EQ(L"Info...", box->text);
    ASSERT_NE(nullptr, box->font);
    EXPECT_EQ(L"Arial", box->font->faceName);
    EXPECT_EQ(14, box->font->height);
    EXPECT_EQ(16, box->boldFont->height);
    EXPECT_TRUE(box->boldFont->bold);
    EXPECT_FALSE(box->boldFont->underline);
    EXPECT_TRUE(box->linkFont->underline);
    EXPECT_FALSE(box->linkFont->bold);
    EXPECT_EQ(nullptr, box->okButton) << "controls come with the window";
    // Deleted before it was ever shown, it gives the owner back.
    delete box;
    box = nullptr;
    EXPECT_TRUE(owner->enabled);
    EXPECT_EQ(nullptr, owner->modalChild);
}

TEST_F(AboutTest, LayoutReadFromTheWindows) {
    Open();
    ASSERT_TRUE(IsOpen());
    wchar_t title[32] = {};
    GetWindowTextW(box->handle, title, 32);
    EXPECT_STREQ(L"Info...", title);
    EXPECT_EQ(0, GetWindowLongW(box->handle, GWL_EXSTYLE) & WS_EX_TOPMOST);

    struct Expected {
        const char* name;
        GUIElement* element;
        HWND parent;
        int x, y, w, h;
    } layout[] = {
        {"banner panel", box->bannerPanel, box->handle, 10, 10, 184, 280},
        // A bitmap control takes the size of its picture, 163 by 50.
        {"banner", box->bannerImage, box->bannerPanel->handle, 5, 5, 163, 50},
        {"title", box->titleLabel, box->handle, 209, 10, 381, 25},
        {"credits", box->creditsLabel, box->handle, 209, 35, 381, 25},
        {"web link", box->webCell, box->handle, 209, 55, 150, 22},
        {"mail link", box->mailCell, box->handle, 369, 55, 150, 22},
        {"description", box->descriptionBox, box->handle, 209, 85, 381, 155},
        {"OK", box->okButton, box->handle, 359, 250, 80, 25},
    };
    for (const Expected& e : layout) {
        SCOPED_TRACE(e.name);
        ASSERT_NE(nullptr, e.element);
        ASSERT_NE(nullptr, e.element->handle);
        EXPECT_EQ(e.parent, GetParent(e.element->handle));
        RECT r = PlaceInParent(e.element->handle);
        EXPECT_EQ(e.x, r.left);
        EXPECT_EQ(e.y, r.top);
        EXPECT_EQ(e.w, r.right - r.left);
        EXPECT_EQ(e.h, r.bottom - r.top);
        EXPECT_NE(nullptr, e.element->onChar) << "every control passes its characters on";
    }
    EXPECT_EQ(164, box->bannerImage->width);
    EXPECT_EQ(50, box->bannerImage->height);
    // Created in the order of the table: the panel first, OK last.
    EXPECT_LT(box->bannerPanel->id, box->bannerImage->id);
    EXPECT_LT(box->bannerImage->id, box->titleLabel->id);
    EXPECT_LT(box->mailCell->id, box->descriptionBox->id);
    EXPECT_LT(box->descriptionBox->id, box->okButton->id);
}

TEST_F(AboutTest, ControlsShowTheOwnersTexts) {
    Open();
    EXPECT_EQ(L"Carvella 1.0.0.0", box->titleLabel->GetText());
    EXPECT_EQ(TextToWide(CARVELLA_COPYRIGHT), box->creditsLabel->GetText());
    EXPECT_EQ(L"http://www.carvella-giochi.it", box->webCell->text);
    EXPECT_EQ(L"info@carvella-giochi.it", box->mailCell->text);
    EXPECT_EQ(L"Un gioco di carte.\r\nSeconda riga.", box->descriptionBox->GetText());
    EXPECT_EQ(L"OK", box->okButton->GetText());
    EXPECT_NE(nullptr, box->bannerImage->bitmap);
    EXPECT_EQ(IDB_BANNER_ABOUT, box->bannerImage->resourceId);
    EXPECT_TRUE(box->bannerPanel->border);
    LONG description = GetWindowLongW(box->descriptionBox->handle, GWL_STYLE);
    EXPECT_TRUE(description & ES_MULTILINE);
    EXPECT_TRUE(description & ES_READONLY);
    EXPECT_TRUE(description & WS_VSCROLL);
    for (CellControl* cell : {box->webCell, box->mailCell}) {
        EXPECT_EQ(0xFF0000u, cell->textColor);
        EXPECT_EQ(AlignLeft, cell->textAlign);
        EXPECT_TRUE(cell->GetHandCursor());
        EXPECT_EQ(box->linkFont, cell->font);
    }
    EXPECT_EQ(reinterpret_cast<LRESULT>(box->boldFont->GetHandle()),
              SendMessageW(box->titleLabel->handle, WM_GETFONT, 0, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(box->font->GetHandle()),
              SendMessageW(box->creditsLabel->handle, WM_GETFONT, 0, 0));
    EXPECT_EQ(box->okButton->handle, GetFocus());
    EXPECT_FALSE(IsWindowEnabled(owner->handle));
    EXPECT_EQ(box, owner->modalChild);
}

TEST_F(AboutTest, AMailTextNeedsTheUsualWebAddress) {
    Open("https://carvella.example");
    EXPECT_EQ(L"https://carvella.example", box->mailCell->text);
    Open("");
    EXPECT_EQ(L"", box->mailCell->text);
    EXPECT_EQ(L"", box->webCell->text);
}

void ClickAt(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    POINT at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    INPUT inputs[3] = {};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    inputs[0].mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

TEST_F(AboutTest, LinksOpenTheWebAndMailAddresses) {
    Open();
    SetForegroundWindow(box->handle);
    PumpFor(30);
    POINT centre = {75, 11};
    ClientToScreen(box->mailCell->handle, &centre);
    ASSERT_EQ(box->mailCell->handle, WindowFromPoint(centre));
    ClickAt(box->mailCell->handle);
    PumpFor(60);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ("mailto:info@carvella-giochi.it", opened[0]);
    SendMessageW(box->webCell->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(2u, opened.size());
    EXPECT_EQ(CARVELLA_SITE, opened[1]);
    // The mail address follows what the cell shows.
    box->mailCell->SetText(std::string("posta@carvella-giochi.it"));
    SendMessageW(box->mailCell->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(3u, opened.size());
    EXPECT_EQ("mailto:posta@carvella-giochi.it", opened[2]);
    // Other controls open nothing.
    box->OnLinkClick(box->titleLabel, 0, 0);
    box->OnLinkClick(nullptr, 0, 0);
    EXPECT_EQ(3u, opened.size());
    EXPECT_TRUE(IsOpen());
}

struct CloseCase {
    const char* name;
    void (*close)(FormAbout* box);
    bool throughOk;
};

const CloseCase closeCases[] = {
    {"Enter in the description",
     [](FormAbout* box) {
         box->descriptionBox->Focus();
         PostMessageW(box->descriptionBox->handle, WM_KEYDOWN, VK_RETURN, 0x001C0001);
     },
     true},
    {"Escape on OK",
     [](FormAbout* box) { PostMessageW(box->okButton->handle, WM_KEYDOWN, VK_ESCAPE, 0x00010001); },
     true},
    {"Enter typed to the box itself",
     [](FormAbout* box) { SendMessageW(box->handle, WM_CHAR, VK_RETURN, 0); }, true},
    {"OK clicked", [](FormAbout* box) { SendMessageW(box->okButton->handle, BM_CLICK, 0, 0); },
     true},
    {"close box", [](FormAbout* box) { PostMessageW(box->handle, WM_CLOSE, 0, 0); }, false},
};

TEST_F(AboutTest, ClosingGivesTheOwnerBack) {
    for (const CloseCase& c : closeCases) {
        SCOPED_TRACE(c.name);
        Open();
        ASSERT_TRUE(IsOpen());
        c.close(box);
        PumpFor(20);
        ExpectClosed();
        EXPECT_TRUE(box->destroyed);
        if (c.throughOk) {
            EXPECT_FALSE(box->created);
        }
    }
}

TEST_F(AboutTest, OtherCharactersStayInTheBox) {
    Open();
    EXPECT_TRUE(box->OnCharTyped('a'));
    EXPECT_TRUE(box->descriptionBox->OnChar('a'));
    box->descriptionBox->Focus();
    PostMessageW(box->descriptionBox->handle, WM_KEYDOWN, 'A', 0x001E0001);
    PostMessageW(box->descriptionBox->handle, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PumpFor(20);
    EXPECT_TRUE(IsOpen());
    EXPECT_FALSE(owner->enabled);
    // The banner sits in a panel; its characters still find the box.
    EXPECT_FALSE(box->bannerImage->OnChar(VK_ESCAPE));
    PumpFor(10);
    ExpectClosed();
}

TEST_F(AboutTest, ClosingAgainAndLateClicksAreHarmless) {
    Open();
    HWND window = box->handle;
    HWND ok = box->okButton->handle;
    SendMessageW(ok, BM_CLICK, 0, 0);
    PumpFor(10);
    ExpectClosed();
    box->OnButtonClick(box->okButton);
    box->OnButtonClick(nullptr);
    box->OnButtonClick(box->titleLabel);
    SendMessageW(window, WM_CLOSE, 0, 0);
    SendMessageW(ok, BM_CLICK, 0, 0);
    EXPECT_FALSE(box->OnCharTyped(VK_RETURN));
    box->OnLinkClick(box->mailCell, 1, 1);
    PumpFor(10);
    ExpectClosed();
    EXPECT_EQ(1u, opened.size()) << "the link object still answers";
}

TEST_F(AboutTest, DeletingAnOpenBoxClosesItFirst) {
    Open();
    HWND window = box->handle;
    HWND description = box->descriptionBox->handle;
    delete box;
    box = nullptr;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(description));
    EXPECT_TRUE(owner->enabled);
    EXPECT_TRUE(IsWindowEnabled(owner->handle));
    EXPECT_EQ(nullptr, owner->modalChild);
    Pump();
}

TEST_F(AboutTest, RebuiltAnyNumberOfTimesWithoutLeaks) {
    Open();
    SendMessageW(box->okButton->handle, BM_CLICK, 0, 0);
    Pump();
    int before = GdiHeadroom();
    std::vector<int> oldIds;
    for (int i = 0; i < 12; ++i) {
        Open();
        ASSERT_TRUE(IsOpen());
        oldIds.push_back(box->okButton->id);
        oldIds.push_back(box->id);
        if (i % 2)
            SendMessageW(box->okButton->handle, BM_CLICK, 0, 0);
        PumpFor(5);
    }
    delete box;
    box = nullptr;
    Pump();
    EXPECT_GE(GdiHeadroom(), before - 10);
    for (int id : oldIds)
        EXPECT_EQ(nullptr, FindElementById(id));
    EXPECT_TRUE(owner->enabled);
    EXPECT_EQ(nullptr, owner->modalChild);
}

} // namespace
