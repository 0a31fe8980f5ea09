#pragma once

#include <string>

#include "toolkit/GUIElement.h"

namespace Tavrik {

// A push button whose clicks reach its command handler.
class Button : public Child, public CommandElement {
public:
    bool ownerDraw;
    HBITMAP bitmapEnabled;
    HBITMAP bitmapDisabled;

    Button(GUIElement* parent, const std::string& caption);

    DWORD Style() const;
    void Create() override;
    // Draws the picture left of the caption, if there is one, and answers
    // the x offset at which the caption starts.
    int DrawPicture(Drawing& drawing, const RECT& item, bool pressed) override;
};

} // namespace Tavrik
