#pragma once

#include <string>

#include "toolkit/Form.h"

namespace Tavrik {

class Button;
class CellControl;
class Font;
class Image;
class Label;
class PanelChildren;
class TextBox;

// The About box: banner, name and version, credits, a web and a mail link,
// a description and OK. Its owner stays disabled while it is open.
class FormAbout : public Form {
public:
    explicit FormAbout(Form* owner);
    ~FormAbout() override;

    void OnShow() override;

    virtual void InitializeLayout();
    virtual bool OnClosing();
    virtual void OnLayoutResize();
    virtual bool OnCharTyped(int character);
    virtual void OnKeyPressed(int key);
    virtual void OnKeyReleased(int key);
    virtual void OnButtonClick(GUIElement* element);
    virtual void OnLinkClick(GUIElement* element, int x, int y);

    Form* owner;
    Font* boldFont;
    Font* linkFont;
    Image* bannerImage;
    Label* titleLabel;
    Label* creditsLabel;
    PanelChildren* bannerPanel;
    TextBox* descriptionBox;
    Button* okButton;
    CellControl* webCell;
    CellControl* mailCell;
    int bannerId;
    int bannerWidth;
    int bannerHeight;
    std::string titleText;
    std::string creditsText;
    std::string descriptionText;
    std::string webAddress;
};

} // namespace Tavrik
