#include "toolkit/Slider.h"

#include <cstdlib>

#include "toolkit/Label.h"
#include "toolkit/TextServices.h"

namespace Tavrik {

namespace {

Label* MakeEndLabel(GUIElement* parent, int number) {
    Label* label = new Label(parent, Int64ToText(number));
    label->width = 10 * static_cast<int>(label->text.size());
    label->height = 30;
    return label;
}

// Moves an end label, keeping its size.
void MoveLabel(Label& label, int x, int y) {
    label.x = x;
    label.y = y;
    if (!label.created || !label.handle)
        return;
    SetWindowPos(label.handle, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    label.Refresh();
}

// Takes an end label's size from its window, once it has one.
void RefreshSize(Label& label) {
    RECT r;
    if (label.created && label.handle && GetWindowRect(label.handle, &r)) {
        label.width = r.right - r.left;
        label.height = r.bottom - r.top;
    }
}

} // namespace

Slider::Slider(GUIElement* parent)
    : Child(parent), showLabels(true), minimum(1), maximum(8), value(1), minLabel(nullptr),
      maxLabel(nullptr), vertical(false), changeHandler(nullptr), settledValue(1) {
    type = "slider";
    maxLabel = MakeEndLabel(parent, maximum);
    minLabel = MakeEndLabel(parent, minimum);
}

Slider::~Slider() {
    delete minLabel;
    delete maxLabel;
}

DWORD Slider::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS;
    if (!enabled)
        style |= WS_DISABLED;
    if (vertical)
        style |= TBS_VERT;
    return style;
}

int Slider::Clamp(int candidate) const {
    if (candidate < minimum)
        return minimum;
    if (candidate > maximum)
        return maximum;
    return candidate;
}

void Slider::Create() {
    if (created)
        return;
    id = NextElementId();
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    MakeControlWindow(*this, TRACKBAR_CLASSW, Style(), 0);
    Subclass();
    created = true;
    if (handle) {
        SendMessageW(handle, TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
        int step = std::abs(maximum - minimum) / 10;
        if (step > 0) {
            SendMessageW(handle, TBM_SETPAGESIZE, 0, step);
            SendMessageW(handle, TBM_SETTICFREQ, step, 0);
        }
    }
    value = Clamp(value);
    settledValue = value;
    if (handle)
        SendMessageW(handle, TBM_SETPOS, TRUE, value);
    PlaceLabels();
    minLabel->Create();
    maxLabel->Create();
    if (handle) {
        SendMessageW(handle, TBM_SETBUDDY, TRUE, reinterpret_cast<LPARAM>(minLabel->handle));
        SendMessageW(handle, TBM_SETBUDDY, FALSE, reinterpret_cast<LPARAM>(maxLabel->handle));
    }
    ShowLabels();
    ApplyFont();
}

void Slider::PlaceLabels() {
    RefreshSize(*minLabel);
    RefreshSize(*maxLabel);
    if (vertical) {
        MoveLabel(*minLabel, x, y - minLabel->height - 5);
        MoveLabel(*maxLabel, x, y + height + 5);
    } else {
        MoveLabel(*minLabel, x - minLabel->width - 5, y);
        MoveLabel(*maxLabel, x + width + 5, y);
    }
}

void Slider::ShowLabels() {
    if (showLabels) {
        minLabel->Show();
        maxLabel->Show();
    } else {
        minLabel->Hide();
        maxLabel->Hide();
    }
}

void Slider::SetShowLabels(bool on) {
    showLabels = on;
    if (created)
        ShowLabels();
}

int Slider::GetValue() {
    if (created && handle)
        value = static_cast<int>(SendMessageW(handle, TBM_GETPOS, 0, 0));
    return value;
}

void Slider::SetValue(int newValue) {
    value = Clamp(newValue);
    settledValue = value;
    if (created && handle)
        SendMessageW(handle, TBM_SETPOS, TRUE, value);
}

void Slider::NotifyChange() {
    int current = GetValue();
    if (current == settledValue)
        return;
    settledValue = current;
    if (changeHandler)
        changeHandler(this, current);
    if (onTextChanged)
        onTextChanged(this);
}

void Slider::OnTrackEnd() {
    NotifyChange();
}

} // namespace Tavrik
