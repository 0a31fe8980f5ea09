#include "toolkit/TextServices.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace Tavrik;

TEST(TextConversion, BytesBecomeUnitsOfTheSameValue) {
    EXPECT_EQ(TextToWide("\xE0"), std::wstring(1, L'\u00E0'));
    EXPECT_EQ(TextToWide("Vinci \xFF"), L"Vinci \u00FF");
    EXPECT_EQ(TextToWide(std::string("ab\0cd", 5)), L"ab");
    EXPECT_EQ(TextToWide(""), L"");
}

TEST(TextConversion, UnitsKeepTheirLowByteAndTheLength) {
    EXPECT_EQ(WideToText(L"\u20AC"), "\xAC");
    EXPECT_EQ(WideToText(L"PASSO"), "PASSO");
    EXPECT_EQ(WideToText(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(WideToText(TextToWide("Citt\xE0")), "Citt\xE0");
}

struct LocaleCase {
    const wchar_t* locale;
    int value;
    const char* text;
};

TEST(IntToText, GroupsDigitsAsTheLocaleSays) {
    const LocaleCase cases[] = {
        {L"it-IT", 0, "0"},
        {L"it-IT", 999, "999"},
        {L"it-IT", 1500, "1.500"},
        {L"it-IT", 15000, "15.000"},
        {L"it-IT", -1500, "-1.500"},
        {L"it-IT", -500, "-500"},
        {L"it-IT", 1000000, "1.000.000"},
        {L"it-IT", INT_MAX, "2.147.483.647"},
        {L"it-IT", INT_MIN, "-2.147.483.648"},
        {L"en-US", 0, "0"},
        {L"en-US", 15000, "15,000"},
        {L"en-US", -1500, "-1,500"},
        {L"en-US", INT_MAX, "2,147,483,647"},
        {L"en-US", INT_MIN, "-2,147,483,648"},
        {L"hi-IN", 1234567, "12,34,567"},
    };
    for (const LocaleCase& c : cases) {
        EXPECT_EQ(IntToTextForLocale(c.value, c.locale), c.text)
            << WideToText(c.locale) << " " << c.value;
    }
}

TEST(IntToText, UnreadableLocaleGivesPlainDigits) {
    EXPECT_EQ(IntToTextForLocale(-1234567, L"zz-no-such-locale"), "-1234567");
    EXPECT_EQ(IntToTextForLocale(INT_MIN, L"zz-no-such-locale"), "-2147483648");
}

TEST(IntToText, UserSettingsKeepTheSignAndDigits) {
    EXPECT_EQ(IntToText(0), "0");
    std::string text = IntToText(-1500);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front(), '-');
    EXPECT_EQ(text.substr(0, 2), "-1");
    EXPECT_EQ(text.substr(text.size() - 3), "500");
}

TEST(Int64ToText, PlainDecimal) {
    EXPECT_EQ(Int64ToText(1500), "1500");
    EXPECT_EQ(Int64ToText(0), "0");
    EXPECT_EQ(Int64ToText(-42), "-42");
    EXPECT_EQ(Int64ToText(LLONG_MIN), "-9223372036854775808");
    EXPECT_EQ(Int64ToWideText(1500), L"1500");
    EXPECT_EQ(Int64ToWideText(-7), L"-7");
}

struct ReplaceCase {
    const char* text;
    const char* searched;
    const char* replacement;
    const char* result;
};

TEST(ReplaceAll, ReplacesEveryOccurrenceAndAlwaysEnds) {
    const ReplaceCase cases[] = {
        {"http://www.carvella-giochi.it", "http://www.", "info@", "info@carvella-giochi.it"},
        {"a-b-c", "-", "+", "a+b+c"},
        {"nothing here", "xyz", "abc", "nothing here"},
        {"", "a", "b", ""},
        {"abab", "ab", "", ""},
        // These two never ended when every pass searched from the start again.
        {"some text", "", "x", "some text"},
        {"a.b", ".", "..", "a..b"},
        {"aaa", "a", "aa", "aaaaaa"},
    };
    for (const ReplaceCase& c : cases) {
        EXPECT_EQ(ReplaceAll(c.text, c.searched, c.replacement), c.result)
            << c.text << " / " << c.searched << " / " << c.replacement;
    }
}

TEST(RandomUpTo, StaysInRangeAndRepeatsForOneSeed) {
    SeedRandom(1234);
    std::string first;
    bool seen[7] = {};
    for (int i = 0; i < 600; ++i) {
        int value = RandomUpTo(6);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 6);
        seen[value] = true;
        first += static_cast<char>('0' + value);
    }
    for (int v = 1; v <= 6; ++v) {
        EXPECT_TRUE(seen[v]) << v;
    }
    SeedRandom(1234);
    std::string second;
    for (int i = 0; i < 600; ++i) {
        second += static_cast<char>('0' + RandomUpTo(6));
    }
    EXPECT_EQ(first, second);
}

TEST(RandomUpTo, OneOrLessGivesOne) {
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(RandomUpTo(1), 1);
    }
    EXPECT_EQ(RandomUpTo(0), 1);
    EXPECT_EQ(RandomUpTo(-5), 1);
    EXPECT_EQ(RandomUpTo(INT_MIN), 1);
}

class OpenDocumentTest : public ::testing::Test {
protected:
    static std::string opened;
    static int calls;
    static bool accept;

    static bool Record(const std::string& target) {
        opened = target;
        ++calls;
        return accept;
    }

    void SetUp() override {
        opened.clear();
        calls = 0;
        SetDocumentOpener(&Record);
    }
    void TearDown() override { SetDocumentOpener(nullptr); }
};

std::string OpenDocumentTest::opened;
int OpenDocumentTest::calls = 0;
bool OpenDocumentTest::accept = true;

TEST_F(OpenDocumentTest, HandsTheTargetToTheOpenerAndReportsItsAnswer) {
    accept = true;
    EXPECT_TRUE(OpenDocument("http://www.carvella-giochi.it"));
    EXPECT_EQ(opened, "http://www.carvella-giochi.it");
    accept = false;
    EXPECT_FALSE(OpenDocument("mailto:info@carvella-giochi.it"));
    EXPECT_EQ(opened, "mailto:info@carvella-giochi.it");
    EXPECT_EQ(calls, 2);
}

TEST(OpenDocument, SystemRefusesAMissingFile) {
    SetDocumentOpener(nullptr);
    EXPECT_FALSE(OpenDocument("C:\\carvella-missing-folder\\missing-file.carvella"));
}
