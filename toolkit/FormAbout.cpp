#include "toolkit/FormAbout.h"

#include "toolkit/Button.h"
#include "toolkit/Drawing.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/TextBox.h"
#include "toolkit/TextServices.h"

namespace Tavrik {

namespace {

// The box an element belongs to: itself, or the nearest box among the
// parents of a control (the banner sits inside a panel).
FormAbout* BoxOf(GUIElement* element) {
    for (GUIElement* e = element; e; e = e->parent) {
        if (FormAbout* box = dynamic_cast<FormAbout*>(e))
            return box;
        if (!dynamic_cast<Child*>(e))
            return nullptr;
    }
    return nullptr;
}

void CreateTrampoline(GUIElement* element, HWND) {
    if (FormAbout* box = BoxOf(element))
        box->InitializeLayout();
}

bool CloseQueryTrampoline(GUIElement* element) {
    FormAbout* box = BoxOf(element);
    return box ? box->OnClosing() : true;
}

int ResizeTrampoline(GUIElement* element) {
    if (FormAbout* box = BoxOf(element))
        box->OnLayoutResize();
    return 0;
}

bool CharTrampoline(GUIElement* element, int character) {
    FormAbout* box = BoxOf(element);
    return box ? box->OnCharTyped(character) : true;
}

int KeyDownTrampoline(GUIElement* element, int key) {
    if (FormAbout* box = BoxOf(element))
        box->OnKeyPressed(key);
    return 0;
}

int KeyUpTrampoline(GUIElement* element, int key) {
    if (FormAbout* box = BoxOf(element))
        box->OnKeyReleased(key);
    return 0;
}

void ButtonTrampoline(GUIElement* element) {
    if (FormAbout* box = BoxOf(element))
        box->OnButtonClick(element);
}

int LinkTrampoline(GUIElement* element, HWND, int x, int y) {
    if (FormAbout* box = BoxOf(element))
        box->OnLinkClick(element, x, y);
    return 0;
}

void Place(GUIElement& element, int left, int top, int w, int h) {
    element.x = left;
    element.y = top;
    element.width = w;
    element.height = h;
    element.onChar = &CharTrampoline;
}

void SetUpLink(CellControl& cell, Font* font, const std::string& caption) {
    cell.textColor = 0xFF0000;
    cell.textAlign = AlignLeft;
    cell.SetText(caption);
    cell.SetHandCursor(true);
    cell.onLeftButtonDown = &LinkTrampoline;
    cell.font = font;
}

} // namespace

FormAbout::FormAbout(Form* owner)
    : Form(owner ? owner->instance : nullptr, true), owner(owner), boldFont(nullptr),
      linkFont(nullptr), bannerImage(nullptr), titleLabel(nullptr), creditsLabel(nullptr),
      bannerPanel(nullptr), descriptionBox(nullptr), okButton(nullptr), webCell(nullptr),
      mailCell(nullptr), bannerId(0), bannerWidth(0), bannerHeight(0) {
    font = new Font("Arial", 14);
    boldFont = new Font("Arial", 16);
    boldFont->bold = true;
    linkFont = new Font("Arial", 16);
    linkFont->underline = true;
    modalFrame = true;
    width = 600;
    height = 300;
    CenterOnScreen();
    SetText(std::string("Info..."));
    topMost = false;
    minimizeBox = false;
    maximizeBox = false;
    onCreate = &CreateTrampoline;
    onCloseQuery = &CloseQueryTrampoline;
    onResize = &ResizeTrampoline;
    onChar = &CharTrampoline;
    onKeyDown = &KeyDownTrampoline;
    onKeyUp = &KeyUpTrampoline;
    if (owner) {
        owner->SetEnabled(false);
        owner->modalChild = this;
    }
}

FormAbout::~FormAbout() {
    // The window is closed while the box is still whole, so that its close
    // query gives the owner back and its controls see their own destruction.
    if (created && handle && !destroyed && IsWindow(handle))
        SendMessageW(handle, WM_CLOSE, 0, 0);
    if (handle && !destroyed && IsWindow(handle))
        DestroyWindow(handle);
    created = false;
    // A box deleted before it was ever shown gives the owner back as well.
    if (owner && owner->modalChild == this)
        OnClosing();
    onCreate = nullptr;
    onCloseQuery = nullptr;
    onResize = nullptr;
    onChar = nullptr;
    onKeyDown = nullptr;
    onKeyUp = nullptr;
    delete bannerPanel;
    delete creditsLabel;
    delete bannerImage;
    delete titleLabel;
    delete descriptionBox;
    delete okButton;
    delete boldFont;
    delete linkFont;
    delete webCell;
    delete mailCell;
    delete font;
    font = nullptr;
}

void FormAbout::OnShow() {
    SetClientSize(600, 300);
}

void FormAbout::InitializeLayout() {
    int w = width;
    int h = height;
    RECT client;
    if (created && handle && GetClientRect(handle, &client)) {
        w = width = client.right - client.left;
        h = height = client.bottom - client.top;
    }
    int banner = bannerWidth + 20;
    int left = banner + 25;
    int column = w - banner - 35;

    bannerPanel = new PanelChildren(this);
    Place(*bannerPanel, 10, 10, banner, h - 20);
    bannerPanel->border = true;
    bannerPanel->Create();

    bannerImage = new Image(bannerPanel, bannerId);
    Place(*bannerImage, 5, 5, bannerWidth, bannerHeight);
    bannerImage->Create();

    titleLabel = new Label(this, titleText);
    Place(*titleLabel, left, 10, column, 25);
    titleLabel->font = boldFont;
    titleLabel->Create();

    creditsLabel = new Label(this, creditsText);
    Place(*creditsLabel, left, 35, column, 25);
    creditsLabel->font = font;
    creditsLabel->Create();

    webCell = new CellControl(this);
    Place(*webCell, left, 55, 150, 22);
    SetUpLink(*webCell, linkFont, webAddress);
    webCell->Create();

    mailCell = new CellControl(this);
    Place(*mailCell, left + 160, 55, 150, 22);
    SetUpLink(*mailCell, linkFont, ReplaceAll(webAddress, "http://www.", "info@"));
    mailCell->Create();

    descriptionBox = new TextBox(this, descriptionText);
    Place(*descriptionBox, left, 85, column, h - 145);
    descriptionBox->multiline = true;
    descriptionBox->readOnly = true;
    descriptionBox->verticalScroll = true;
    descriptionBox->Create();

    okButton = new Button(this, "OK");
    Place(*okButton, left + column / 2 - 80 / 2, h - 50, 80, 25);
    okButton->commandHandler = &ButtonTrampoline;
    okButton->Create();
    okButton->Focus();
}

bool FormAbout::OnClosing() {
    UnregisterHotKeys(this);
    if (owner) {
        owner->modalChild = nullptr;
        owner->SetEnabled(true);
    }
    return true;
}

void FormAbout::OnLayoutResize() {}

bool FormAbout::OnCharTyped(int character) {
    if (character == VK_RETURN || character == VK_ESCAPE) {
        OnButtonClick(okButton);
        return false;
    }
    return true;
}

void FormAbout::OnKeyPressed(int) {}

void FormAbout::OnKeyReleased(int) {}

void FormAbout::OnButtonClick(GUIElement* element) {
    if (!element || !okButton || element->id != okButton->id)
        return;
    // A box already closed has nothing left to close.
    if (handle && !destroyed)
        SendMessageW(handle, WM_CLOSE, 0, 0);
    created = false;
}

void FormAbout::OnLinkClick(GUIElement* element, int, int) {
    if (!element)
        return;
    if (webCell && element->id == webCell->id)
        OpenDocument(webAddress);
    else if (mailCell && element->id == mailCell->id)
        OpenDocument("mailto:" + mailCell->GetNarrowText());
}

} // namespace Tavrik
