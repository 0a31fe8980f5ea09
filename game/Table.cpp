#include "game/FormMain.h"

#include "game/rules/HandValue.h"
#include "resources/resource.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/Panel.h"
#include "toolkit/Slider.h"
#include "toolkit/TextServices.h"

#include <algorithm>
#include <mmsystem.h>

namespace MyGame {

using Tavrik::Image;
using Tavrik::Int64ToText;
using Tavrik::IntToText;

namespace {

// First slot of a player's block; the human's block starts at 9.
int FirstSlot(int player) {
    return 3 * (PlayerSlot(player) - 1);
}

// The player whose deal-round block holds the slot.
int SlotOwner(int slot) {
    return std::min(slot / 3 + 1, 4);
}

// A slot's place in the final-round layout.
POINT RestingPlace(int slot) {
    if (slot < 3) {
        return {5 + 63 * slot, 183};
    }
    if (slot < 6) {
        return {225 + 63 * (slot - 3), 40};
    }
    if (slot < 9) {
        return {445 + 63 * (slot - 6), 183};
    }
    return {5 + 63 * (slot - 9), 329};
}

// The leading decimal digits of a tag; 0 without digits.
int TagCode(const std::string& tag) {
    int code = 0;
    for (char c : tag) {
        if (c < '0' || c > '9' || code > 1000) {
            break;
        }
        code = code * 10 + (c - '0');
    }
    return code;
}

void ShowFace(Image* slot, int code) {
    slot->tag = Int64ToText(code);
    slot->SetResourceId(CardBitmap(code));
    slot->Show();
}

} // namespace

void FormMain::ResetBetting() {
    pot = 0;
    dealPending = false;
    dealDelay = false;
    closePending = false;
    closeDelay = false;
    advancePending = false;
    actionCount = 0;
    cellActionPc1->Hide();
    cellActionPc2->Hide();
    cellActionPc3->Hide();
    cellActionPlayer->Hide();
}

Tavrik::CellControl* FormMain::ActionCell(int player) {
    switch (player) {
    case 1:
        return cellActionPc1;
    case 2:
        return cellActionPc2;
    case 3:
        return cellActionPc3;
    default:
        return cellActionPlayer;
    }
}

void FormMain::Shuffle() {
    ShuffleDeck(deckState, Tavrik::RandomUpTo);
}

std::vector<int> FormMain::HandCards(int player) {
    return HandOf(deckState, player);
}

void FormMain::MoveControl(Tavrik::GUIElement* control, int left, int top) {
    control->x = left;
    control->y = top;
    if (control->created) {
        SetWindowPos(control->handle, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        control->Refresh();
    }
}

void FormMain::DealCards() {
    PlaceDealerMarker();
    ResetBetting();
    bets.fill(0);
    for (Image* slot : imageCards) {
        slot->tag.clear();
        slot->SetResourceId(IDB_CARD_BACK);
        slot->Hide();
    }
    // During the deal rounds the human's three cards sit under PC 2's.
    for (int k = 0; k < 3; ++k) {
        Image* upper = imageCards[3 + k];
        Image* lower = imageCards[9 + k];
        int upperX = upper->x;
        if (upper->created) {
            RECT rect{};
            GetWindowRect(upper->handle, &rect);
            POINT corner{rect.left, rect.top};
            ScreenToClient(handle, &corner);
            upperX = corner.x;
        }
        MoveControl(lower, upperX, lower->y);
    }
    int slot = FirstSlot(currentPlayer);
    for (int turn = 0; turn < 4; ++turn) {
        for (int i = 0; i < 3; ++i) {
            if (cardsLeft > 4 || i == 1) {
                int code = DealNextCard(deckState, SlotOwner(slot));
                if (code != 0) {
                    Image* target = imageCards[slot];
                    target->tag = Int64ToText(code);
                    if (slot >= 9) {
                        target->SetResourceId(CardBitmap(code));
                    }
                    target->Show();
                }
            }
            ++slot;
        }
        if (slot > 11) {
            slot = 0;
        }
    }
}

void FormMain::PlaceDealerMarker() {
    POINT place{0, 0};
    switch (dealer) {
    case 1:
        place = {10, 289};
        break;
    case 2:
        place = {418, 105};
        break;
    case 3:
        place = {GetClientWidth() - 43, 289};
        break;
    case 4:
        place = {418, 335};
        break;
    default:
        break;
    }
    MoveControl(imageMarker, place.x, place.y);
    imageMarker->Show();
}

std::vector<int> FormMain::TableCards(int player) {
    std::vector<int> cards;
    int first = FirstSlot(player);
    for (int slot = first; slot < first + 3; ++slot) {
        if (imageCards[slot]->visible) {
            cards.push_back(TagCode(imageCards[slot]->tag));
        }
    }
    return cards;
}

void FormMain::ResetBetSlider() {
    sliderBet->SetValue(1);
    OnBetSliderMoved(sliderBet, 1);
}

void FormMain::ResetTable() {
    imageMarker->Hide();
    ResetBetSlider();
    buttonPasso->SetEnabled(false);
    buttonVedo->SetEnabled(false);
    buttonPunto->SetEnabled(false);
    sliderBet->SetEnabled(false);
    cellActionPc1->Hide();
    cellActionPc2->Hide();
    cellActionPc3->Hide();
    cellActionPlayer->Hide();
    bets.fill(0);
    panelResults->Hide();
    for (int slot = 0; slot < CardSlotCount; ++slot) {
        Image* image = imageCards[slot];
        image->Hide();
        POINT place = RestingPlace(slot);
        MoveControl(image, place.x, place.y);
        image->SetResourceId(IDB_CARD_BACK);
        image->tag.clear();
        image->Show();
    }
    cellStatus->SetText("");
}

void FormMain::ShowFinalHand() {
    ResetBetting();
    const std::vector<int>& human = hands[4];
    for (size_t k = 0; k < human.size() && 9 + k < imageCards.size(); ++k) {
        ShowFace(imageCards[9 + k], human[k]);
    }
}

void FormMain::ShowScoringCards(const std::vector<int>& cards, int player) {
    std::vector<int> scoring = ScoringCards(cards);
    if (!finalRound) {
        for (int code : scoring) {
            for (Image* slot : imageCards) {
                if (!slot->tag.empty() && TagCode(slot->tag) == code) {
                    slot->SetResourceId(CardBitmap(code));
                    slot->Show();
                    break;
                }
            }
        }
    } else if (player >= 1 && player <= 3) {
        int slot = FirstSlot(player);
        for (int code : scoring) {
            ShowFace(imageCards[slot++], code);
        }
    }
}

void FormMain::ShowChips() {
    cellChipsPc1->SetText(IntToText(chips[1]));
    cellChipsPc2->SetText(IntToText(chips[2]));
    cellChipsPc3->SetText(IntToText(chips[3]));
    cellChipsPlayer->SetText(IntToText(chips[4]));
}

void FormMain::AnnounceTurn() {
    if (currentPlayer < 4) {
        cellStatus->SetText("Tocca al pc " + Int64ToText(currentPlayer));
        SetHumanControls(true);
        return;
    }
    cellStatus->SetText("Tocca a te");
    PlaySoundW(MAKEINTRESOURCEW(IDW_TURN), GetModuleHandleW(nullptr),
               SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
    SetHumanControls(false);
    if (HighestComputerBet() <= bets[4]) {
        buttonVedo->SetEnabled(false);
    }
}

void FormMain::SetHumanControls(bool lock) {
    Tavrik::GUIElement* controls[] = {buttonVedo, buttonPasso, buttonPunto, sliderBet};
    for (Tavrik::GUIElement* control : controls) {
        if (control->enabled == lock) {
            control->SetEnabled(!lock);
        }
    }
    if (lock) {
        ResetBetSlider();
    }
}

void FormMain::OnBetSliderMoved(Tavrik::GUIElement*, int position) {
    buttonPunto->SetText(IntToText(position * BetUnit));
}

void FormMain::ChargeAntes() {
    for (int p = 1; p <= 4; ++p) {
        startChips[p] = chips[p];
        chips[p] -= Ante;
    }
    ShowChips();
}

void FormMain::ShowSeats() {
    cellSeatPc1->Show();
    cellSeatPc2->Show();
    cellSeatPc3->Show();
}

void FormMain::StartGame() {
    ShowSeats();
    ChargeAntes();
    Shuffle();
    currentPlayer = Tavrik::RandomUpTo(4);
    dealer = currentPlayer == 1 ? 4 : currentPlayer - 1;
    DealCards();
    AnnounceTurn();
    handInProgress = true;
    buttonGioca->SetText("ABBANDONA");
}

void FormMain::NextHand() {
    // "Continua" is live only while the summary shows.
    if (handInProgress || !panelResults->visible) {
        return;
    }
    for (Image* slot : imageCards) {
        slot->SetEnabled(true);
    }
    ResetTable();
    ShowSeats();
    ChargeAntes();
    Shuffle();
    dealer = dealer % 4 + 1;
    currentPlayer = dealer % 4 + 1;
    DealCards();
    AnnounceTurn();
    handInProgress = true;
    panelResults->Hide();
}

void FormMain::AbandonGame() {
    handInProgress = false;
    ResetTable();
    buttonGioca->SetText("GIOCA");
}

} // namespace MyGame
