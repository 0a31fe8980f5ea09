#pragma once

#include <string>

#include "toolkit/GUIElement.h"

namespace Tavrik {

// A bitmap from the program's resources or from a file; it owns the one
// bitmap it shows.
class Image : public Child {
public:
    std::string tag;
    HBITMAP bitmap;
    std::string filePath;
    int resourceId;
    bool border;

    Image(GUIElement* parent, int resourceId);
    ~Image() override;

    DWORD Style() const;
    DWORD ExtendedStyle() const;
    void SetResourceId(int id);
    void SetFilePath(const std::string& path);
    void Create() override;

private:
    void DropBitmap();
    void ShowBitmap(HBITMAP loaded);
};

} // namespace Tavrik
