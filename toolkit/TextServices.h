#pragma once

#include <string>

namespace Tavrik {

// Every byte up to the first zero byte becomes the UTF-16 unit of the same value.
std::wstring TextToWide(std::string text);
// Every UTF-16 unit becomes the byte of its low 8 bits; the length stays the same.
std::string WideToText(const std::wstring& text);

// Decimal with the digit grouping and group separator of the user's regional settings.
std::string IntToText(int value);
// The same for a named locale (for example L"it-IT"); plain digits when the locale cannot be read.
std::string IntToTextForLocale(int value, const wchar_t* localeName);
// Plain decimal, no grouping.
std::string Int64ToText(long long value);
std::wstring Int64ToWideText(long long value);

// Replaces every occurrence of searched, left to right; inserted text is not searched again.
// An empty searched text leaves the text unchanged.
std::string ReplaceAll(std::string text, const std::string& searched,
                       const std::string& replacement);

// 1..n from the runtime generator, seeded from the clock on first use; 1 when n is below 1.
int RandomUpTo(int n);
// Seeds the generator with a fixed value, so that later draws are repeatable.
void SeedRandom(unsigned seed);

// Opens a web or mail address in the system's handler; true when the system accepted it.
bool OpenDocument(std::string target);
// Replaces the system call behind OpenDocument; null restores it.
using DocumentOpener = bool (*)(const std::string& target);
void SetDocumentOpener(DocumentOpener opener);

} // namespace Tavrik
