// Answers questions about a running game from inside the same Wine prefix,
// for drivers that work from outside it.
// Usage:
//   carvella_probe alive        exit 0 when the game window answers WM_NULL within 5 s,
//                               1 when there is no game window, 2 when it does not answer
//   carvella_probe windows      one line per visible top-level window of the game:
//                               "window CLASS|TITLE|shown|enabled|L T R B" (hidden ones
//                               only when disabled), then "button ID|TEXT|L T R B" for
//                               each visible button in it (screen coordinates)
//   carvella_probe count        the game's live windows (top-level and descendants)
//   carvella_probe click TEXT   clicks the game window's button with this caption

#include "bench/Footprint.h"
#include "resources/resource.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT AnswerTimeoutMs = 5000;

std::wstring WindowText(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[256] = {};
    GetClassNameW(window, buffer, 256);
    return buffer;
}

// The game window: the top-level window with the game's title.
BOOL CALLBACK FindGame(HWND window, LPARAM data) {
    static const std::wstring title = L"" CARVELLA_NAME " " CARVELLA_COPYRIGHT;
    if (WindowText(window) == title && ClassOf(window) != L"#32770") {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

HWND GameWindow() {
    HWND game = nullptr;
    EnumWindows(FindGame, reinterpret_cast<LPARAM>(&game));
    return game;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += (c >= 32 && c < 127 && c != L'|') ? static_cast<char>(c) : '?';
    }
    return out;
}

void PrintRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
}

BOOL CALLBACK ListButton(HWND child, LPARAM) {
    if (IsWindowVisible(child) && ClassOf(child) == L"Button") {
        std::printf("button %d|%s|", GetDlgCtrlID(child), Narrow(WindowText(child)).c_str());
        PrintRect(child);
    }
    return TRUE;
}

struct ButtonSearch {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK FindButtonByText(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ButtonSearch*>(data);
    if (WindowText(child) == search->caption) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

struct Listing {
    DWORD processId;
};

BOOL CALLBACK ListTopLevel(HWND window, LPARAM data) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == reinterpret_cast<Listing*>(data)->processId &&
        (IsWindowVisible(window) || !IsWindowEnabled(window))) {
        std::printf("window %s|%s|%s|%s|", Narrow(ClassOf(window)).c_str(),
                    Narrow(WindowText(window)).c_str(),
                    IsWindowVisible(window) ? "shown" : "hidden",
                    IsWindowEnabled(window) ? "enabled" : "disabled");
        PrintRect(window);
        EnumChildWindows(window, ListButton, 0);
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    HWND game = GameWindow();
    if (game == nullptr) {
        std::printf("no game window\n");
        return 1;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(game, &processId);
    if (command == L"alive") {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(game, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result)) {
            std::printf("the game window did not answer within %u ms\n", AnswerTimeoutMs);
            return 2;
        }
        return 0;
    }
    if (command == L"windows") {
        Listing listing{processId};
        EnumWindows(ListTopLevel, reinterpret_cast<LPARAM>(&listing));
        return 0;
    }
    if (command == L"count") {
        std::printf("%d\n", CountProcessWindows(processId));
        return 0;
    }
    if (command == L"click" && argc > 2) {
        ButtonSearch search{argv[2], nullptr};
        EnumChildWindows(game, FindButtonByText, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            std::printf("no button \"%ls\"\n", argv[2]);
            return 1;
        }
        SendMessageW(search.found, BM_CLICK, 0, 0);
        return 0;
    }
    std::printf("usage: carvella_probe alive|windows|count|click TEXT\n");
    return 3;
}
