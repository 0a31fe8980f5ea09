// The pictures, icon, sound and version record are found in the executable the way the game
// loads them, with the sizes and formats the table relies on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

HMODULE Module() {
    return GetModuleHandleW(nullptr);
}

// A bitmap loaded as the game's picture controls load it.
class LoadedBitmap {
public:
    explicit LoadedBitmap(int id)
        : handle_(static_cast<HBITMAP>(LoadImageW(Module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0,
                                                  0, LR_CREATEDIBSECTION))) {
        if (handle_)
            GetObjectW(handle_, sizeof section_, &section_);
    }
    ~LoadedBitmap() {
        if (handle_)
            DeleteObject(handle_);
    }
    LoadedBitmap(const LoadedBitmap&) = delete;
    LoadedBitmap& operator=(const LoadedBitmap&) = delete;

    HBITMAP Handle() const { return handle_; }
    const BITMAP& Info() const { return section_.dsBm; }
    std::vector<unsigned char> Bits() const {
        const auto* p = static_cast<const unsigned char*>(section_.dsBm.bmBits);
        return std::vector<unsigned char>(p,
                                          p + section_.dsBm.bmWidthBytes * section_.dsBm.bmHeight);
    }
    // Colour of a pixel, counting rows from the top.
    COLORREF Pixel(int x, int y) const {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, handle_);
        COLORREF c = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteDC(dc);
        return c;
    }
    std::vector<RGBQUAD> ColourTable() const {
        std::vector<RGBQUAD> table(256);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, handle_);
        table.resize(GetDIBColorTable(dc, 0, 256, table.data()));
        SelectObject(dc, old);
        DeleteDC(dc);
        return table;
    }

private:
    HBITMAP handle_;
    DIBSECTION section_{};
};

struct BitmapCase {
    int id, width, height, bits;
};

std::vector<BitmapCase> AllBitmaps() {
    std::vector<BitmapCase> cases;
    for (int id = IDB_CARD_BACK; id <= IDB_CARD_BACK + 40; ++id)
        cases.push_back({id, 63, 101, 4});
    cases.push_back({IDB_DEALER, 33, 33, 4});
    cases.push_back({IDB_BANNER_TABLE, 200, 50, 24});
    cases.push_back({IDB_BANNER_ABOUT, 163, 50, 24});
    return cases;
}

const COLORREF kStandardPalette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                       0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                       0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

const COLORREF kTableGreen = RGB(0, 128, 0);

TEST(ResourceBitmaps, EveryBitmapLoadsWithItsSizeDepthAndPalette) {
    for (const BitmapCase& c : AllBitmaps()) {
        SCOPED_TRACE("bitmap " + std::to_string(c.id));
        LoadedBitmap bmp(c.id);
        ASSERT_NE(bmp.Handle(), nullptr);
        EXPECT_EQ(bmp.Info().bmWidth, c.width);
        EXPECT_EQ(bmp.Info().bmHeight, c.height);
        EXPECT_EQ(bmp.Info().bmBitsPixel, c.bits);
        if (c.bits == 4) {
            std::vector<RGBQUAD> table = bmp.ColourTable();
            ASSERT_EQ(table.size(), 16u);
            for (int i = 0; i < 16; ++i)
                EXPECT_EQ(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue),
                          kStandardPalette[i])
                    << "palette entry " << i;
        }
    }
}

TEST(ResourceBitmaps, NoTwoCardsAreAlike) {
    std::vector<std::vector<unsigned char>> seen;
    for (int id = IDB_CARD_BACK; id <= IDB_CARD_BACK + 40; ++id) {
        LoadedBitmap bmp(id);
        ASSERT_NE(bmp.Handle(), nullptr) << id;
        std::vector<unsigned char> bits = bmp.Bits();
        for (size_t k = 0; k < seen.size(); ++k)
            EXPECT_NE(bits, seen[k]) << "bitmap " << id << " repeats " << IDB_CARD_BACK + k;
        seen.push_back(bits);
    }
}

TEST(ResourceBitmaps, PicturesSitOnTheTableGreen) {
    // Corners of the banners and the marker, and the rounded corners of the cards.
    const int ids[] = {IDB_BANNER_TABLE, IDB_BANNER_ABOUT,  IDB_DEALER,
                       IDB_CARD_BACK,    IDB_CARD_BACK + 1, IDB_CARD_BACK + 40};
    for (int id : ids) {
        LoadedBitmap bmp(id);
        ASSERT_NE(bmp.Handle(), nullptr) << id;
        EXPECT_EQ(bmp.Pixel(0, 0), kTableGreen) << id;
        EXPECT_EQ(bmp.Pixel(0, bmp.Info().bmHeight - 1), kTableGreen) << id;
    }
    LoadedBitmap card(IDB_CARD_BACK + 5);
    EXPECT_EQ(card.Pixel(31, 0), RGB(0, 0, 0)) << "a card has a black edge";
}

TEST(ResourceBitmaps, AMissingIdLoadsNothing) {
    LoadedBitmap bmp(IDB_DEALER + 1);
    EXPECT_EQ(bmp.Handle(), nullptr);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

TEST(ResourceIcon, GroupHoldsSixteenColourImagesOfThreeSizes) {
    HRSRC res = FindResourceW(Module(), MAKEINTRESOURCEW(IDI_CARVELLA), MAKEINTRESOURCEW(14));
    ASSERT_NE(res, nullptr);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(Module(), res)));
    ASSERT_NE(data, nullptr);
    GroupIconHeader header;
    std::memcpy(&header, data, sizeof header);
    ASSERT_EQ(header.type, 1);
    ASSERT_EQ(header.count, 3);
    std::vector<int> sizes;
    for (int i = 0; i < header.count; ++i) {
        GroupIconEntry e;
        std::memcpy(&e, data + sizeof header + i * sizeof e, sizeof e);
        sizes.push_back(e.width);
        EXPECT_EQ(e.height, e.width);
        EXPECT_EQ(e.bitCount, 4);
        // The image itself is a 16-colour bitmap of the listed size with its mask below.
        HRSRC image = FindResourceW(Module(), MAKEINTRESOURCEW(e.id), MAKEINTRESOURCEW(3));
        ASSERT_NE(image, nullptr);
        BITMAPINFOHEADER bih;
        std::memcpy(&bih, LockResource(LoadResource(Module(), image)), sizeof bih);
        EXPECT_EQ(bih.biWidth, e.width);
        EXPECT_EQ(bih.biHeight, 2 * e.width);
        EXPECT_EQ(bih.biBitCount, 4);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
}

TEST(ResourceIcon, LoadsAtEachSizeAndAsTheWindowIcon) {
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(
            LoadImageW(Module(), MAKEINTRESOURCEW(IDI_CARVELLA), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    HICON shared = LoadIconW(Module(), MAKEINTRESOURCEW(IDI_CARVELLA));
    EXPECT_NE(shared, nullptr);
}

#pragma pack(push, 1)
struct WaveHeader {
    char riff[4];
    DWORD riffSize;
    char wave[4];
    char fmt[4];
    DWORD fmtSize;
    WORD format, channels;
    DWORD rate, byteRate;
    WORD blockAlign, bits;
    char data[4];
    DWORD dataSize;
};
#pragma pack(pop)

TEST(ResourceSound, TurnChimeIsShortMonoPcm) {
    HRSRC res = FindResourceW(Module(), MAKEINTRESOURCEW(IDW_TURN), L"WAVE");
    ASSERT_NE(res, nullptr);
    DWORD size = SizeofResource(Module(), res);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(Module(), res)));
    ASSERT_NE(data, nullptr);
    ASSERT_GE(size, sizeof(WaveHeader));
    WaveHeader h;
    std::memcpy(&h, data, sizeof h);
    EXPECT_EQ(std::string(h.riff, 4), "RIFF");
    EXPECT_EQ(std::string(h.wave, 4), "WAVE");
    EXPECT_EQ(std::string(h.fmt, 4), "fmt ");
    EXPECT_EQ(std::string(h.data, 4), "data");
    EXPECT_EQ(h.riffSize, size - 8);
    EXPECT_EQ(h.format, 1);
    EXPECT_EQ(h.channels, 1);
    EXPECT_EQ(h.rate, 44100u);
    EXPECT_EQ(h.bits, 16);
    EXPECT_EQ(h.blockAlign, 2);
    EXPECT_EQ(h.byteRate, 88200u);
    ASSERT_EQ(h.dataSize, size - sizeof h);
    double seconds = h.dataSize / 2 / 44100.0;
    EXPECT_GE(seconds, 0.08);
    EXPECT_LE(seconds, 0.15);

    std::vector<short> samples(h.dataSize / 2);
    std::memcpy(samples.data(), data + sizeof h, h.dataSize);
    int peak = 0;
    for (short s : samples)
        peak = s < 0 ? (-s > peak ? -s : peak) : (s > peak ? s : peak);
    EXPECT_GT(peak, 4000) << "audible";
    EXPECT_LT(peak, 32000) << "not clipped";
    // Soft ends: no click when playback starts or stops.
    EXPECT_LT(std::abs(samples.front()), 200);
    EXPECT_LT(std::abs(samples.back()), 200);
    EXPECT_LT(std::abs(samples[20]), peak / 4) << "the attack rises gradually";
}

// The version record read back through the system's version service.
class VersionRecord {
public:
    VersionRecord() {
        library_ = LoadLibraryW(L"version.dll");
        if (!library_)
            return;
        auto sizeOf = reinterpret_cast<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>(
            reinterpret_cast<void (*)()>(GetProcAddress(library_, "GetFileVersionInfoSizeW")));
        auto read = reinterpret_cast<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>(
            reinterpret_cast<void (*)()>(GetProcAddress(library_, "GetFileVersionInfoW")));
        query_ = reinterpret_cast<BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT)>(
            reinterpret_cast<void (*)()>(GetProcAddress(library_, "VerQueryValueW")));
        if (!sizeOf || !read || !query_)
            return;
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        DWORD handle = 0;
        block_.resize(sizeOf(path, &handle));
        if (block_.empty() || !read(path, 0, block_.size(), block_.data()))
            block_.clear();
    }
    ~VersionRecord() {
        if (library_)
            FreeLibrary(library_);
    }
    VersionRecord(const VersionRecord&) = delete;
    VersionRecord& operator=(const VersionRecord&) = delete;

    bool Found() const { return !block_.empty(); }
    const void* Query(const wchar_t* path, UINT* length) const {
        void* value = nullptr;
        *length = 0;
        if (!Found() || !query_(block_.data(), path, &value, length))
            return nullptr;
        return value;
    }
    std::wstring Text(const wchar_t* path) const {
        UINT length = 0;
        const auto* text = static_cast<const wchar_t*>(Query(path, &length));
        return text ? std::wstring(text) : std::wstring();
    }

private:
    HMODULE library_ = nullptr;
    BOOL(WINAPI* query_)(LPCVOID, LPCWSTR, LPVOID*, PUINT) = nullptr;
    std::vector<BYTE> block_;
};

std::wstring Wide(const char* text) {
    return std::wstring(text, text + std::strlen(text));
}

TEST(ResourceVersion, RecordNamesTheProgramInItalian) {
    VersionRecord record;
    ASSERT_TRUE(record.Found());
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(record.Query(L"\\", &length));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    const auto* translation =
        static_cast<const WORD*>(record.Query(L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(translation, nullptr);
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0410);
    EXPECT_EQ(translation[1], 1200);

    EXPECT_EQ(record.Text(L"\\StringFileInfo\\041004B0\\FileVersion"), L"1.0.0.0");
    EXPECT_EQ(record.Text(L"\\StringFileInfo\\041004B0\\ProductVersion"),
              Wide(CARVELLA_VERSION_TEXT));
    EXPECT_EQ(record.Text(L"\\StringFileInfo\\041004B0\\ProductName"), L"Carvella");
    EXPECT_EQ(record.Text(L"\\StringFileInfo\\041004B0\\LegalCopyright"), Wide(CARVELLA_COPYRIGHT));
}

} // namespace
