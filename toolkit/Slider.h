#pragma once

#include "toolkit/GUIElement.h"

namespace Tavrik {

class Label;
class Slider;

typedef void (*SliderChangeHandler)(Slider* slider, int value);

// A track bar that reports the value the user settles on; its two end
// labels belong to it but live beside it, in its parent.
class Slider : public Child {
public:
    bool showLabels;
    int minimum;
    int maximum;
    int value;
    Label* minLabel;
    Label* maxLabel;
    bool vertical;
    SliderChangeHandler changeHandler;

    explicit Slider(GUIElement* parent);
    ~Slider() override;

    DWORD Style() const;
    void Create() override;
    void PlaceLabels();
    void ShowLabels();
    void SetShowLabels(bool on);
    int GetValue();
    // Moves the thumb to a value of the owner's choosing, kept in the range.
    void SetValue(int newValue);
    void NotifyChange();
    void OnTrackEnd() override;

private:
    // The value last handed to the owner or set by it; the track bar ends a
    // single move with more than one notification, and only a new value is
    // news.
    int settledValue;

    int Clamp(int candidate) const;
};

} // namespace Tavrik
