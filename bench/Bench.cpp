// Measures the real game executable from outside its process, beside a
// baseline taken in the same run: start-up against a minimal window, private
// bytes and windows after start-up, and a full repaint of the table driven from
// this process. (Wine reports no CPU times of other processes; the benchmark
// script reads those from the system.)
// Usage: carvella_bench GAME_EXE MINIMAL_EXE [--runs N] [--repaints R]

#include "bench/Footprint.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD StartTimeoutMs = 30000;

struct Options {
    std::wstring game;
    std::wstring minimal;
    int runs = 7;
    int repaints = 200;
};

struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    double milliseconds = 0;
};

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        GetWindow(window, GW_OWNER) == nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND MainWindowOf(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindPending(HWND child, LPARAM data) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(data) = true;
        return FALSE;
    }
    return TRUE;
}

// Painted completely: the window and every visible child have no update region left.
bool FullyPainted(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) {
        return false;
    }
    bool pending = false;
    EnumChildWindows(window, FindPending, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

double MillisecondsSince(Clock::time_point begin) {
    return std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
}

// From process start to the first complete paint of its main window.
bool StartAndWaitForPaint(const std::wstring& path, Started& started) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + path + L"\"";
    auto begin = Clock::now();
    if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started.process)) {
        std::printf("could not start %ls (error %lu)\n", path.c_str(), GetLastError());
        return false;
    }
    WaitForInputIdle(started.process.hProcess, StartTimeoutMs);
    while (MillisecondsSince(begin) < StartTimeoutMs) {
        HWND window = MainWindowOf(started.process.dwProcessId);
        if (window != nullptr && FullyPainted(window)) {
            started.window = window;
            started.milliseconds = MillisecondsSince(begin);
            return true;
        }
        Sleep(0);
    }
    std::printf("%ls showed no painted window within %lu ms\n", path.c_str(), StartTimeoutMs);
    return false;
}

void Stop(Started& started) {
    TerminateProcess(started.process.hProcess, 0);
    WaitForSingleObject(started.process.hProcess, StartTimeoutMs);
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Invalidates the whole table, children included, and waits until every
// window of it has painted again; median in microseconds.
double RepaintMicroseconds(HWND window, int repaints) {
    std::vector<double> times;
    for (int i = 0; i < repaints; ++i) {
        auto begin = Clock::now();
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        while (!FullyPainted(window) && MillisecondsSince(begin) < StartTimeoutMs) {
            Sleep(0);
        }
        times.push_back(MillisecondsSince(begin) * 1000.0);
    }
    return Median(times);
}

bool ReadOptions(int argc, wchar_t** argv, Options& options) {
    if (argc < 3) {
        return false;
    }
    options.game = argv[1];
    options.minimal = argv[2];
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::wstring name = argv[i];
        const int value = static_cast<int>(std::wcstol(argv[i + 1], nullptr, 10));
        if (value <= 0) {
            return false;
        }
        if (name == L"--runs") {
            options.runs = value;
        } else if (name == L"--repaints") {
            options.repaints = value;
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::printf("usage: carvella_bench GAME_EXE MINIMAL_EXE [--runs N] [--repaints R]\n");
        return 2;
    }

    // Alternate the two programs so that both meet the same machine load.
    std::vector<double> gameStarts, minimalStarts;
    for (int run = 0; run < options.runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            Started started;
            if (!StartAndWaitForPaint(which == 0 ? options.minimal : options.game, started)) {
                return 1;
            }
            (which == 0 ? minimalStarts : gameStarts).push_back(started.milliseconds);
            Stop(started);
        }
    }
    const double gameStart = Median(gameStarts);
    const double minimalStart = Median(minimalStarts);
    std::printf("startup_ms game=%.1f minimal=%.1f ratio=%.2f (median of %d)\n", gameStart,
                minimalStart, minimalStart > 0 ? gameStart / minimalStart : 0.0, options.runs);
    std::fflush(stdout);

    Started game;
    if (!StartAndWaitForPaint(options.game, game)) {
        return 1;
    }
    std::printf("after_startup private_kb=%llu windows=%d\n",
                static_cast<unsigned long long>(PrivateBytes(game.process.hProcess)) / 1024,
                CountProcessWindows(game.process.dwProcessId));
    std::fflush(stdout);

    Started minimal;
    if (!StartAndWaitForPaint(options.minimal, minimal)) {
        Stop(game);
        return 1;
    }
    std::printf("minimal private_kb=%llu\n",
                static_cast<unsigned long long>(PrivateBytes(minimal.process.hProcess)) / 1024);
    Stop(minimal);

    const double repaint = RepaintMicroseconds(game.window, options.repaints);
    std::printf("repaint_us median=%.0f (over %d full repaints, from another process)\n", repaint,
                options.repaints);
    std::fflush(stdout);

    Stop(game);
    return 0;
}
