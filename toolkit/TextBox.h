#pragma once

#include <string>

#include "toolkit/GUIElement.h"

namespace Tavrik {

// An edit control; every option setter applies at once to a created box.
class TextBox : public Child {
public:
    int maxLength;
    bool multiline;
    bool horizontalScroll;
    bool verticalScroll;
    bool readOnly;
    bool numbersOnly;
    bool password;
    bool lowercase;
    bool uppercase;
    bool alignRight;
    bool alignCenter;
    bool border;
    bool wordWrap;

    TextBox(GUIElement* parent, const std::string& text);

    DWORD Style() const;
    DWORD ExtendedStyle() const;
    void Create() override;
    void ApplyOptions();

    void SetMultiline(bool on);
    void SetHorizontalScroll(bool on);
    void SetVerticalScroll(bool on);
    void SetReadOnly(bool on);
    void SetNumbersOnly(bool on);
    void SetPassword(bool on);
    void SetLowercase(bool on);
    void SetUppercase(bool on);
    void SetAlignRight(bool on);
    void SetAlignCenter(bool on);
    void SetBorder(bool on);
    void SetWordWrap(bool on);
};

} // namespace Tavrik
