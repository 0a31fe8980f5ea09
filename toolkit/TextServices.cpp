#include "toolkit/TextServices.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <ctime>
#include <vector>

namespace Tavrik {

namespace {

bool randomSeeded = false;
DocumentOpener documentOpener = nullptr;

std::wstring ReadLocaleInfo(const wchar_t* localeName, LCTYPE type) {
    wchar_t buffer[32];
    int length = GetLocaleInfoEx(localeName, type, buffer, 32);
    if (length <= 0) {
        return std::wstring();
    }
    return std::wstring(buffer, length - 1);
}

// Group sizes from the least significant digit on; repeatLast when the last size repeats.
struct Grouping {
    std::vector<int> sizes;
    bool repeatLast = false;
};

Grouping ParseGrouping(const std::wstring& text) {
    Grouping grouping;
    int size = 0;
    bool any = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] >= L'0' && text[i] <= L'9') {
            size = size * 10 + (text[i] - L'0');
            any = true;
            continue;
        }
        if (i < text.size() && text[i] != L';') {
            return Grouping();
        }
        if (any) {
            if (size == 0) {
                grouping.repeatLast = !grouping.sizes.empty();
                break;
            }
            grouping.sizes.push_back(size);
        }
        size = 0;
        any = false;
    }
    return grouping;
}

std::string GroupDigits(const std::string& digits, const Grouping& grouping,
                        const std::string& separator) {
    std::string result;
    size_t end = digits.size();
    size_t group = 0;
    std::vector<std::string> parts;
    while (end > 0) {
        size_t size = end;
        if (group < grouping.sizes.size()) {
            size = grouping.sizes[group++];
        } else if (grouping.repeatLast && !grouping.sizes.empty()) {
            size = grouping.sizes.back();
        }
        if (size > end) {
            size = end;
        }
        parts.push_back(digits.substr(end - size, size));
        end -= size;
    }
    for (size_t i = parts.size(); i-- > 0;) {
        result += parts[i];
        if (i > 0) {
            result += separator;
        }
    }
    return result;
}

// The program's texts are 8-bit: a separator outside that range becomes a no-break space.
std::string SeparatorText(const std::wstring& separator) {
    std::string result;
    for (wchar_t unit : separator) {
        result += unit <= 0xFF ? static_cast<char>(unit) : '\xA0';
    }
    return result;
}

bool ShellOpen(const std::string& target) {
    std::wstring wide = TextToWide(target);
    HINSTANCE result = ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

std::wstring TextToWide(std::string text) {
    std::wstring result;
    for (char byte : text) {
        if (byte == '\0') {
            break;
        }
        result += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    }
    return result;
}

std::string WideToText(const std::wstring& text) {
    std::string result(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        result[i] = static_cast<char>(text[i] & 0xFF);
    }
    return result;
}

std::string IntToText(int value) {
    return IntToTextForLocale(value, LOCALE_NAME_USER_DEFAULT);
}

std::string IntToTextForLocale(int value, const wchar_t* localeName) {
    long long wide = value;
    std::string digits = std::to_string(wide < 0 ? -wide : wide);
    std::wstring separator = ReadLocaleInfo(localeName, LOCALE_STHOUSAND);
    Grouping grouping = ParseGrouping(ReadLocaleInfo(localeName, LOCALE_SGROUPING));
    if (!separator.empty() && !grouping.sizes.empty()) {
        digits = GroupDigits(digits, grouping, SeparatorText(separator));
    }
    return value < 0 ? "-" + digits : digits;
}

std::string Int64ToText(long long value) {
    return std::to_string(value);
}

std::wstring Int64ToWideText(long long value) {
    return std::to_wstring(value);
}

std::string ReplaceAll(std::string text, const std::string& searched,
                       const std::string& replacement) {
    if (searched.empty()) {
        return text;
    }
    size_t position = text.find(searched);
    while (position != std::string::npos) {
        text.replace(position, searched.size(), replacement);
        position = text.find(searched, position + replacement.size());
    }
    return text;
}

int RandomUpTo(int n) {
    if (n < 1) {
        return 1;
    }
    if (!randomSeeded) {
        SeedRandom(static_cast<unsigned>(time(nullptr)));
    }
    return rand() % n + 1;
}

void SeedRandom(unsigned seed) {
    srand(seed);
    randomSeeded = true;
}

bool OpenDocument(std::string target) {
    return documentOpener ? documentOpener(target) : ShellOpen(target);
}

void SetDocumentOpener(DocumentOpener opener) {
    documentOpener = opener;
}

} // namespace Tavrik
