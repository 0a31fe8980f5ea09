#include "toolkit/Timer.h"

#include "toolkit/Label.h"

namespace Tavrik {

Timer::Timer(GUIElement* parent, int interval)
    : Child(parent), running(false), interval(interval), tickHandler(nullptr) {
    type = "timer";
    text = L"timer";
    width = 50;
    height = 22;
}

Timer::~Timer() {
    if (running)
        Stop();
}

DWORD Timer::Style() const {
    return enabled ? WS_CHILD : WS_CHILD | WS_DISABLED;
}

void Timer::Create() {
    if (created)
        return;
    id = NextElementId();
    MakeControlWindow(*this, L"static", Style(), 0);
    Subclass();
    created = true;
}

void Timer::Start() {
    if (running)
        return;
    Create();
    SetTimer(parent ? parent->handle : nullptr, id, interval, nullptr);
    running = true;
}

void Timer::Stop() {
    KillTimer(parent ? parent->handle : nullptr, id);
    running = false;
}

void Timer::OnTimerTick() {
    if (tickHandler)
        tickHandler(this);
}

} // namespace Tavrik
