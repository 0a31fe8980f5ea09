// Panels that host child elements, and custom-drawn text cells.
#pragma once

#include "toolkit/GUIElement.h"

#include <string>

namespace Tavrik {

class PanelChildren : public Child {
public:
    explicit PanelChildren(GUIElement* parentElement);
    ~PanelChildren() override;

    void Create() override;
    // Colours of a child control: the brush stays valid until the next call.
    LRESULT OnControlColor(HDC dc) override;
    void SetScrollRange(int minimum, int maximum);

    std::string panelTag;
    bool border;
    bool flat;
    bool verticalScroll;
    bool horizontalScroll;
    int scrollMin;
    int scrollMax;
    bool tabStop;
    HBRUSH controlBrush;
    COLORREF controlTextColor;
    COLORREF controlBackColor;
    bool floating;

private:
    std::wstring className;
};

class CellControl : public PanelChildren {
public:
    explicit CellControl(GUIElement* parentElement);

    // Store the text and repaint the cell at once.
    void SetText(const std::wstring& value) override;
    void SetText(const std::string& value) override;
    void OnPaint() override;

    HBITMAP image;
    int imageAlign;
    int imageWidth;
    int imageHeight;
    bool marker;
    bool bold;
    bool underline;
    bool italic;
    std::string faceName;
    int fontSize;
    int textAlign;
    COLORREF textColor;
};

} // namespace Tavrik
