// Leaving the program, the two web pages and the About box.
#include "test_form_main_fixture.h"

#include "toolkit/FormAbout.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"

using namespace GameTest;

namespace {

class Leaving : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        current = form;
        opened.clear();
        Tavrik::SetDocumentOpener(Record);
    }
    void TearDown() override {
        Tavrik::SetDocumentOpener(nullptr);
        current = nullptr;
        TableTest::TearDown();
    }

    void Menu(Tavrik::GUIElement* item) {
        SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(item->id, 0), 0);
        Pump();
    }

    static bool Record(const std::string& target) {
        opened.push_back(target);
        return true;
    }

    static inline std::vector<std::string> opened;
    static inline MyGame::FormMain* current = nullptr;

    // Timer ticks while the question is open: two due steps' worth.
    static void TicksWhileOpen() {
        for (int tick = 0; tick < 2 * 91; ++tick) {
            current->OnTimer();
        }
    }

    // A second close request while the question is open.
    static void CloseAgain() { SendMessageW(current->handle, WM_CLOSE, 0, 0); }
};

int AboutWindows() {
    int count = 0;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, nullptr, L"Info...")) != nullptr) {
        ++count;
    }
    return count;
}

} // namespace

TEST_F(Leaving, EveryCloseRequestAsksAndNoKeepsTheGameGoing) {
    QuestionAnswerer answerer(IDNO);
    form->StartGame();
    form->timerGame->Start();
    answerer.whileOpen = TicksWhileOpen;
    form->closeDelay = true;

    Click(form->buttonChiudi);
    EXPECT_EQ(answerer.asked, 1);
    // The engine's steps ran while the question was open.
    EXPECT_FALSE(form->closeDelay);
    EXPECT_EQ(answerer.text, L"Vuoi realmente uscire?");
    EXPECT_EQ(answerer.caption, L"Uscita");
    Menu(form->menuItemEsci);
    EXPECT_EQ(answerer.asked, 2);
    SendMessageW(form->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_EQ(answerer.asked, 3);

    EXPECT_TRUE(IsWindow(form->handle));
    EXPECT_TRUE(form->handInProgress);
    EXPECT_TRUE(form->timerGame->running);
    form->timerGame->Stop();
}

TEST_F(Leaving, YesStopsTheTimerAndClosesTheWindow) {
    QuestionAnswerer answerer(IDYES);
    form->timerGame->Start();
    HWND window = form->handle;
    Menu(form->menuItemEsci);
    EXPECT_EQ(answerer.asked, 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form->timerGame->running);
}

TEST_F(Leaving, ACloseWhileTheQuestionIsOpenAsksOnlyOnce) {
    QuestionAnswerer answerer(IDNO);
    answerer.whileOpen = CloseAgain;
    Click(form->buttonChiudi);
    EXPECT_EQ(answerer.asked, 1);
    EXPECT_TRUE(IsWindow(form->handle));
    // A later close asks again.
    answerer.whileOpen = nullptr;
    Click(form->buttonChiudi);
    EXPECT_EQ(answerer.asked, 2);
}

TEST_F(Leaving, HomeAndHelpPages) {
    Menu(form->menuItemHome);
    Menu(form->menuItemGuida);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].rfind("http://www.", 0), 0u);
    EXPECT_EQ(opened[1], opened[0] + "/Carvella.asp");
}

TEST_F(Leaving, AboutBoxRebuiltOnEveryInfo) {
    QuestionAnswerer answerer(IDNO);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Click(form->buttonInfo);
        Tavrik::FormAbout* box = form->aboutBox;
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(IsWindow(box->handle));
        EXPECT_EQ(AboutWindows(), 1);
        EXPECT_FALSE(IsWindowEnabled(form->handle));
        EXPECT_EQ(box->titleText, "Carvella 1.0.0.0");
        EXPECT_EQ(box->creditsText, "Copyright (C) 2026 Carvella Software");
        EXPECT_EQ(box->webAddress.rfind("http://www.", 0), 0u);
        EXPECT_EQ(box->bannerId, 1006);
        EXPECT_EQ(box->bannerWidth, 164);
        EXPECT_EQ(box->bannerHeight, 50);
        EXPECT_FALSE(box->descriptionText.empty());
        EXPECT_EQ(WindowText(box->titleLabel->handle), L"Carvella 1.0.0.0");
        if (round == 0) {
            // A close request while the box is open asks once; No keeps both.
            SendMessageW(form->handle, WM_CLOSE, 0, 0);
            Pump();
            EXPECT_EQ(answerer.asked, 1);
            EXPECT_TRUE(IsWindow(box->handle));
        }
        SendMessageW(box->okButton->handle, BM_CLICK, 0, 0);
        Pump();
        EXPECT_EQ(AboutWindows(), 0);
        EXPECT_TRUE(IsWindowEnabled(form->handle));
    }
}
