// Label, Image and Button over real windows under Wine.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "support/GdiHeadroom.h"
#include "toolkit/Button.h"
#include "toolkit/Drawing.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/TextBox.h"
#include "toolkit/TextServices.h"
#include "toolkit/WindowProcedure.h"

using namespace Tavrik;

namespace {

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A 24-bit bitmap file of one colour, in the temporary folder.
std::string WriteBitmapFile(const char* name, int w, int h, unsigned char red) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    const int rowBytes = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = rowBytes * h;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<unsigned char> pixels(info.biSizeImage, 0);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            pixels[row * rowBytes + col * 3 + 2] = red;
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info, sizeof(info), 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
    return path;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

LONG Style(GUIElement& element) {
    return GetWindowLongW(element.handle, GWL_STYLE);
}
LONG ExStyle(GUIElement& element) {
    return GetWindowLongW(element.handle, GWL_EXSTYLE);
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new Form(GetModuleHandleW(nullptr));
        form->x = 50;
        form->y = 50;
        form->width = 400;
        form->height = 300;
        form->Create();
    }
    void TearDown() override {
        for (GUIElement* element : elements)
            delete element;
        delete form;
        Pump();
    }
    template <typename T> T* Add(T* element) {
        elements.push_back(element);
        return element;
    }

    Form* form = nullptr;
    std::vector<GUIElement*> elements;
};

// First in this program: the form is the first window of the process.
TEST_F(ControlsTest, IdsFollowTheOrderOfCreation) {
    ASSERT_EQ(1, form->id);
    Label* label = Add(new Label(form, "a"));
    Image* image = Add(new Image(form, 0));
    Button* button = Add(new Button(form, "b"));
    EXPECT_EQ(0, label->id);
    label->Create();
    image->Create();
    button->Create();
    EXPECT_EQ(2, label->id);
    EXPECT_EQ(3, image->id);
    EXPECT_EQ(4, button->id);
    EXPECT_EQ(3, GetDlgCtrlID(image->handle));
    EXPECT_EQ(image, FindElementById(3));
}

TEST_F(ControlsTest, ConstructionOnlyDescribes) {
    Label* label = Add(new Label(form, "Nome"));
    Button* button = Add(new Button(form, "GIOCA"));
    Image* image = Add(new Image(form, 1100));
    TextBox* box = Add(new TextBox(form, "x"));
    EXPECT_EQ("label", label->type);
    EXPECT_EQ(L"Nome", label->text);
    EXPECT_EQ(80, label->width);
    EXPECT_EQ(30, label->height);
    EXPECT_FALSE(label->border || label->alignRight || label->alignCenter);
    EXPECT_EQ("button", button->type);
    EXPECT_EQ(80, button->width);
    EXPECT_EQ(30, button->height);
    EXPECT_EQ(nullptr, button->commandHandler);
    EXPECT_EQ("image", image->type);
    EXPECT_EQ(1100, image->resourceId);
    EXPECT_EQ(100, image->width);
    EXPECT_EQ(50, image->height);
    EXPECT_EQ("textbox", box->type);
    EXPECT_EQ(-1, box->maxLength);
    EXPECT_TRUE(box->border);
    for (GUIElement* element : elements) {
        EXPECT_FALSE(element->created);
        EXPECT_EQ(nullptr, element->handle);
        EXPECT_EQ(form, element->parent);
    }
}

struct StyleCase {
    const char* name;
    GUIElement* (*make)(GUIElement* parent);
    const wchar_t* windowClass;
    LONG style;
    LONG exStyle;
};

const StyleCase styleCases[] = {
    {"label", [](GUIElement* p) -> GUIElement* { return new Label(p, "x"); }, L"static", 0x50000100,
     0},
    {"bordered disabled label",
     [](GUIElement* p) -> GUIElement* {
         Label* l = new Label(p, "x");
         l->border = true;
         l->enabled = false;
         return l;
     },
     L"static", 0x58800100, 0x200},
    {"centred label",
     [](GUIElement* p) -> GUIElement* {
         Label* l = new Label(p, "x");
         l->alignCenter = true;
         return l;
     },
     L"static", 0x50000101, 0},
    {"label with both alignments",
     [](GUIElement* p) -> GUIElement* {
         Label* l = new Label(p, "x");
         l->alignCenter = true;
         l->alignRight = true;
         return l;
     },
     L"static", 0x50000102, 0},
    {"image", [](GUIElement* p) -> GUIElement* { return new Image(p, 0); }, L"static", 0x5000010E,
     0},
    {"bordered disabled image",
     [](GUIElement* p) -> GUIElement* {
         Image* i = new Image(p, 0);
         i->border = true;
         i->enabled = false;
         return i;
     },
     L"static", 0x5880010E, 0x200},
    {"button", [](GUIElement* p) -> GUIElement* { return new Button(p, "x"); }, L"Button",
     0x50010000, 0},
    {"owner-drawn button",
     [](GUIElement* p) -> GUIElement* {
         Button* b = new Button(p, "x");
         b->ownerDraw = true;
         return b;
     },
     L"Button", 0x5001000B, 0},
    {"disabled button",
     [](GUIElement* p) -> GUIElement* {
         Button* b = new Button(p, "x");
         b->enabled = false;
         return b;
     },
     L"Button", 0x58010000, 0},
    {"text box", [](GUIElement* p) -> GUIElement* { return new TextBox(p, "x"); }, L"Edit",
     0x50810080, 0x200},
    {"text box in both cases",
     [](GUIElement* p) -> GUIElement* {
         TextBox* t = new TextBox(p, "x");
         t->uppercase = true;
         t->lowercase = true;
         return t;
     },
     L"Edit", 0x50810088, 0x200},
    {"borderless disabled multi-line wrapping text box",
     [](GUIElement* p) -> GUIElement* {
         TextBox* t = new TextBox(p, "x");
         t->border = false;
         t->enabled = false;
         t->multiline = true;
         t->wordWrap = true;
         t->numbersOnly = true;
         t->alignCenter = true;
         return t;
     },
     L"Edit", 0x58013045, 0},
};

TEST_F(ControlsTest, WindowStylesAndClassesReadBack) {
    for (const StyleCase& c : styleCases) {
        SCOPED_TRACE(c.name);
        GUIElement* element = Add(c.make(form));
        element->Create();
        ASSERT_TRUE(element->created);
        ASSERT_NE(nullptr, element->handle);
        EXPECT_EQ(form->handle, GetParent(element->handle));
        wchar_t windowClass[64] = {};
        GetClassNameW(element->handle, windowClass, 64);
        EXPECT_EQ(0, lstrcmpiW(c.windowClass, windowClass));
        EXPECT_EQ(c.style, Style(*element)) << std::hex << Style(*element);
        EXPECT_EQ(c.exStyle, ExStyle(*element)) << std::hex << ExStyle(*element);
        EXPECT_EQ(c.style & WS_DISABLED ? FALSE : TRUE, IsWindowEnabled(element->handle));
    }
}

TEST_F(ControlsTest, CreatedControlsShowTheirDescription) {
    Label* label = Add(new Label(form, "Giocatore"));
    label->x = 12;
    label->y = 34;
    label->width = 120;
    label->height = 20;
    label->Create();
    RECT r;
    GetWindowRect(label->handle, &r);
    MapWindowPoints(HWND_DESKTOP, form->handle, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(12, r.left);
    EXPECT_EQ(34, r.top);
    EXPECT_EQ(120, r.right - r.left);
    EXPECT_EQ(20, r.bottom - r.top);
    EXPECT_EQ(L"Giocatore", label->GetText());
    label->SetText(std::string("PC 1"));
    wchar_t shown[32] = {};
    GetWindowTextW(label->handle, shown, 32);
    EXPECT_STREQ(L"PC 1", shown);
    // Creating twice makes nothing new.
    HWND first = label->handle;
    int id = label->id;
    label->Create();
    EXPECT_EQ(first, label->handle);
    EXPECT_EQ(id, label->id);
}

TEST_F(ControlsTest, FontReachesTheWindow) {
    Font font("Arial", 16);
    Button* button = Add(new Button(form, "OK"));
    button->font = &font;
    button->Create();
    EXPECT_EQ(reinterpret_cast<LRESULT>(font.GetHandle()),
              SendMessageW(button->handle, WM_GETFONT, 0, 0));
    delete button;
    elements.clear();
}

int commands = 0;
GUIElement* lastCommand = nullptr;
void CountCommand(GUIElement* element) {
    ++commands;
    lastCommand = element;
}

TEST_F(ControlsTest, ButtonClicksReachTheCommandHandler) {
    Button* button = Add(new Button(form, "GIOCA"));
    Button* silent = Add(new Button(form, "PASSO"));
    button->commandHandler = &CountCommand;
    button->Create();
    silent->Create();
    commands = 0;
    SendMessageW(button->handle, BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(1, commands);
    EXPECT_EQ(button, lastCommand);
    // Any notification code from the button's window counts.
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(button->id, BN_SETFOCUS),
                 reinterpret_cast<LPARAM>(button->handle));
    EXPECT_EQ(2, commands);
    // A button without a handler does nothing.
    SendMessageW(silent->handle, BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(2, commands);
}

TEST_F(ControlsTest, CommandFromAControlThatIsGoneIsIgnored) {
    Button* button = new Button(form, "Chiudi");
    button->commandHandler = &CountCommand;
    button->Create();
    HWND window = button->handle;
    int id = button->id;
    delete button;
    DestroyWindow(window);
    Label* newest = Add(new Label(form, "x"));
    newest->Create();
    commands = 0;
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    Pump();
    EXPECT_EQ(0, commands);
}

TEST_F(ControlsTest, DrawPictureGivesTheCaptionOffset) {
    Button* button = Add(new Button(form, "x"));
    button->ownerDraw = true;
    button->Create();
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 80, 30);
    HGDIOBJ previous = SelectObject(memory, target);
    Drawing drawing(button);
    drawing.Borrow(memory);
    RECT item = {0, 0, 80, 30};
    EXPECT_EQ(0, button->DrawPicture(drawing, item, false));

    HBITMAP picture = CreateCompatibleBitmap(screen, 16, 10);
    button->bitmapEnabled = picture;
    EXPECT_EQ(24, button->DrawPicture(drawing, item, false));
    EXPECT_EQ(24, button->DrawPicture(drawing, item, true));
    RECT shifted = {10, 0, 90, 30};
    EXPECT_EQ(34, button->DrawPicture(drawing, shifted, false));
    // A disabled button shows its disabled picture, here none.
    button->SetEnabled(false);
    EXPECT_EQ(0, button->DrawPicture(drawing, item, false));
    drawing.EndPaint();
    button->bitmapEnabled = nullptr;
    DeleteObject(picture);
    SelectObject(memory, previous);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(ControlsTest, ImageLoadsItsFileWhenCreated) {
    std::string path = WriteBitmapFile("carvella_image_a.bmp", 12, 7, 200);
    Image* image = Add(new Image(form, 1100));
    image->SetFilePath(path);
    EXPECT_EQ(path, image->filePath);
    EXPECT_EQ(-1, image->resourceId);
    EXPECT_EQ(nullptr, image->bitmap);
    EXPECT_FALSE(image->created);
    image->Create();
    ASSERT_NE(nullptr, image->bitmap);
    SIZE size = BitmapSize(image->bitmap);
    EXPECT_EQ(12, size.cx);
    EXPECT_EQ(7, size.cy);
    EXPECT_EQ(reinterpret_cast<LRESULT>(image->bitmap),
              SendMessageW(image->handle, STM_GETIMAGE, IMAGE_BITMAP, 0));
    // Subclassed after the picture was set: messages reach the element.
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&WindowProcedure),
              GetWindowLongPtrW(image->handle, GWLP_WNDPROC));
    DeleteFileA(path.c_str());
}

TEST_F(ControlsTest, ImageShowsProgramResources) {
    HBITMAP reference =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CARD_BACK),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, reference);
    Image* image = Add(new Image(form, IDB_CARD_BACK));
    image->tag = "0";
    image->Create();
    ASSERT_NE(nullptr, image->bitmap);
    EXPECT_EQ(BitmapSize(reference).cx, BitmapSize(image->bitmap).cx);
    EXPECT_EQ(BitmapSize(reference).cy, BitmapSize(image->bitmap).cy);
    EXPECT_EQ(reinterpret_cast<LRESULT>(image->bitmap),
              SendMessageW(image->handle, STM_GETIMAGE, IMAGE_BITMAP, 0));

    HBITMAP old = image->bitmap;
    image->SetResourceId(IDB_CARD_BACK + 5);
    EXPECT_EQ(IDB_CARD_BACK + 5, image->resourceId);
    ASSERT_NE(nullptr, image->bitmap);
    EXPECT_EQ(0u, GetObjectType(old)) << "the replaced bitmap is deleted";
    EXPECT_EQ(reinterpret_cast<LRESULT>(image->bitmap),
              SendMessageW(image->handle, STM_GETIMAGE, IMAGE_BITMAP, 0));

    int before = GdiHeadroom();
    for (int i = 0; i < 200; ++i) {
        image->SetResourceId(IDB_CARD_BACK + 1 + i % 40);
        image->tag = std::to_string(1 + i % 40);
    }
    image->SetResourceId(IDB_DEALER);
    EXPECT_GE(GdiHeadroom(), before - 5);
    EXPECT_EQ("40", image->tag);
    DeleteObject(reference);

    // A resource image given a file path later shows the file.
    std::string path = WriteBitmapFile("carvella_image_f.bmp", 3, 2, 40);
    image->SetFilePath(path);
    EXPECT_EQ(-1, image->resourceId);
    EXPECT_EQ(3, BitmapSize(image->bitmap).cx);
    DeleteFileA(path.c_str());
}

TEST_F(ControlsTest, ImageWithoutAPictureLoadsNothing) {
    Image* image = Add(new Image(form, 0));
    image->Create();
    EXPECT_TRUE(image->created);
    EXPECT_EQ(nullptr, image->bitmap);
    EXPECT_EQ(0, SendMessageW(image->handle, STM_GETIMAGE, IMAGE_BITMAP, 0));
    // Setting an id before the window exists only stores it.
    Image* later = Add(new Image(form, 0));
    later->SetResourceId(IDB_DEALER);
    EXPECT_EQ(nullptr, later->bitmap);
    later->Create();
    EXPECT_NE(nullptr, later->bitmap);
}

TEST_F(ControlsTest, ImageChangesFreeThePreviousBitmapAndKeepTheTag) {
    std::string first = WriteBitmapFile("carvella_image_b.bmp", 8, 8, 10);
    std::string second = WriteBitmapFile("carvella_image_c.bmp", 9, 5, 250);
    Image* image = Add(new Image(form, 0));
    image->tag = "17";
    image->Create();
    EXPECT_EQ(nullptr, image->bitmap);
    image->SetFilePath(first);
    HBITMAP old = image->bitmap;
    ASSERT_NE(nullptr, old);
    image->SetFilePath(second);
    ASSERT_NE(nullptr, image->bitmap);
    EXPECT_EQ(9, BitmapSize(image->bitmap).cx);
    EXPECT_EQ(0u, GetObjectType(old)) << "the replaced bitmap is deleted";

    int before = GdiHeadroom();
    for (int i = 0; i < 300; ++i)
        image->SetFilePath(i % 2 ? first : second);
    EXPECT_GE(GdiHeadroom(), before - 5);
    EXPECT_EQ("17", image->tag);

    // An id of 0 or less is stored and loads nothing; the picture stays.
    HBITMAP kept = image->bitmap;
    image->SetResourceId(0);
    EXPECT_EQ(0, image->resourceId);
    EXPECT_TRUE(image->filePath.empty());
    EXPECT_EQ(kept, image->bitmap);
    image->SetResourceId(-5);
    EXPECT_EQ(kept, image->bitmap);
    EXPECT_EQ("17", image->tag);
    DeleteFileA(first.c_str());
    DeleteFileA(second.c_str());
}

TEST_F(ControlsTest, ImageThatCannotLoadIsLeftEmpty) {
    std::string path = WriteBitmapFile("carvella_image_d.bmp", 4, 4, 1);
    Image* image = Add(new Image(form, 0));
    image->Create();
    image->SetFilePath(path);
    ASSERT_NE(nullptr, image->bitmap);
    HBITMAP old = image->bitmap;
    image->SetFilePath("C:\\nowhere\\missing.bmp");
    EXPECT_EQ(nullptr, image->bitmap);
    EXPECT_EQ(0u, GetObjectType(old));
    EXPECT_EQ(0, SendMessageW(image->handle, STM_GETIMAGE, IMAGE_BITMAP, 0));
    image->SetResourceId(0x7FFF);
    EXPECT_EQ(nullptr, image->bitmap);
    // Without a parent window no window is made: the image stays uncreated.
    Form unshown(GetModuleHandleW(nullptr));
    Image* orphan = Add(new Image(&unshown, 0));
    orphan->SetFilePath(path);
    orphan->Create();
    EXPECT_FALSE(orphan->created);
    EXPECT_EQ(nullptr, orphan->bitmap);
    DeleteFileA(path.c_str());
}

TEST_F(ControlsTest, ImageDestructorFreesItsBitmap) {
    std::string path = WriteBitmapFile("carvella_image_e.bmp", 6, 6, 90);
    int before = GdiHeadroom();
    for (int i = 0; i < 100; ++i) {
        Image* image = new Image(form, 0);
        image->SetFilePath(path);
        image->Create();
        HWND window = image->handle;
        delete image;
        DestroyWindow(window);
    }
    EXPECT_GE(GdiHeadroom(), before - 5);
    DeleteFileA(path.c_str());
}

TEST_F(ControlsTest, TextBoxOptionsApplyToTheCreatedBox) {
    TextBox* box = Add(new TextBox(form, "abc"));
    box->maxLength = 5;
    box->Create();
    EXPECT_EQ(5, SendMessageW(box->handle, EM_GETLIMITTEXT, 0, 0));
    box->SetMultiline(true);
    box->SetReadOnly(true);
    box->SetVerticalScroll(true);
    EXPECT_EQ(0x50A118C4, Style(*box)) << std::hex << Style(*box);
    // Read-only: typed characters do not reach the text.
    SendMessageW(box->handle, WM_CHAR, 'z', 0);
    EXPECT_EQ(L"abc", box->GetText());
    box->SetReadOnly(false);
    SendMessageW(box->handle, EM_SETSEL, 3, 3);
    SendMessageW(box->handle, WM_CHAR, 'z', 0);
    EXPECT_EQ(L"abcz", box->GetText());
    box->SetPassword(true);
    EXPECT_EQ(L'*', SendMessageW(box->handle, EM_GETPASSWORDCHAR, 0, 0));
    box->SetPassword(false);
    EXPECT_EQ(0, SendMessageW(box->handle, EM_GETPASSWORDCHAR, 0, 0));
}

TEST_F(ControlsTest, TextBoxSettersBeforeCreationOnlyStore) {
    TextBox* box = Add(new TextBox(form, ""));
    box->SetUppercase(true);
    box->SetPassword(true);
    box->SetReadOnly(true);
    EXPECT_EQ(nullptr, box->handle);
    EXPECT_TRUE(box->uppercase && box->password && box->readOnly);
    box->Create();
    EXPECT_EQ(0x50810888, Style(*box)) << std::hex << Style(*box);
    // The password character comes only with the options applied later.
    EXPECT_EQ(0, SendMessageW(box->handle, EM_GETPASSWORDCHAR, 0, 0));
}

} // namespace
