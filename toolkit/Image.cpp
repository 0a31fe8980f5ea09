#include "toolkit/Image.h"

#include "toolkit/Drawing.h"
#include "toolkit/Label.h"

namespace Tavrik {

Image::Image(GUIElement* parent, int resourceId)
    : Child(parent), bitmap(nullptr), resourceId(resourceId), border(false) {
    type = "image";
}

Image::~Image() {
    if (bitmap)
        DeleteObject(bitmap);
}

DWORD Image::Style() const {
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP;
    if (!enabled)
        style |= WS_DISABLED;
    if (border)
        style |= WS_BORDER;
    return style;
}

DWORD Image::ExtendedStyle() const {
    return border ? WS_EX_CLIENTEDGE : 0;
}

void Image::ShowBitmap(HBITMAP loaded) {
    // Without a new bitmap the control is emptied too, so that it never keeps
    // the handle of the one just deleted.
    bitmap = loaded;
    SendMessageW(handle, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

void Image::DropBitmap() {
    if (bitmap)
        DeleteObject(bitmap);
    bitmap = nullptr;
}

void Image::SetResourceId(int id) {
    filePath.clear();
    resourceId = id;
    if (!created || id <= 0)
        return;
    DropBitmap();
    ShowBitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

void Image::SetFilePath(const std::string& path) {
    filePath = path;
    resourceId = -1;
    if (!created || path.empty())
        return;
    DropBitmap();
    ShowBitmap(LoadBitmapFromFile(path));
}

void Image::Create() {
    if (created)
        return;
    id = NextElementId();
    // Without a window the image stays uncreated and loads nothing.
    if (!MakeControlWindow(*this, L"static", Style(), ExtendedStyle()))
        return;
    created = true;
    if (resourceId == -1)
        SetFilePath(filePath);
    else
        SetResourceId(resourceId);
    Subclass();
    ApplyFont();
}

} // namespace Tavrik
