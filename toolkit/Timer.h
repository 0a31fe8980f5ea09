#pragma once

#include "toolkit/GUIElement.h"

namespace Tavrik {

class Timer;

typedef void (*TimerTickHandler)(Timer* timer);

// A window timer of the parent's window, keyed by the element's id; its
// hidden window only carries the element.
class Timer : public Child {
public:
    bool running;
    int interval;
    TimerTickHandler tickHandler;

    Timer(GUIElement* parent, int interval);
    ~Timer() override;

    DWORD Style() const;
    void Create() override;
    void Start();
    void Stop();
    void OnTimerTick() override;
};

} // namespace Tavrik
