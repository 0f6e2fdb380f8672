// Header values: UTF-8 validity, Windows-1252 both ways, and keeping each value's encoding.
#include "core/headertext.h"

#include <gtest/gtest.h>

#include <string>

namespace w4 {
namespace {

struct Utf8Case {
    const char* Name;
    std::string Bytes;
    bool Valid;
};

TEST(HeaderTextTest, Utf8Validity)
{
    const Utf8Case cases[] = {
        {"empty", "", true},
        {"ascii", "Corner", true},
        {"e acute", "\xC3\xA9t\xC3\xA9", true},
        {"euro sign", "\xE2\x82\xAC", true},
        {"four bytes", "\xF0\x9F\x98\x80", true},
        {"highest code point", "\xF4\x8F\xBF\xBF", true},
        {"lone Windows-1252 e acute", "caf\xE9", false},
        {"lone continuation", "\x80", false},
        {"truncated two-byte", "\xC3", false},
        {"truncated three-byte", "\xE2\x82", false},
        {"overlong slash", "\xC0\xAF", false},
        {"overlong three-byte", "\xE0\x80\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"F5 lead", "\xF5\x80\x80\x80", false},
        {"continuation missing in the middle", "\xE2(\xAC", false},
        {"embedded NUL is still text", std::string("a\0b", 3), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidUtf8(c.Bytes), c.Valid) << c.Name;
}

struct Cp1252Case {
    std::string Legacy;
    std::string Utf8;
};

TEST(HeaderTextTest, Windows1252ToUtf8AndBack)
{
    const Cp1252Case cases[] = {
        {"plain", "plain"},
        {"\xE9l\xE8ve", "\xC3\xA9l\xC3\xA8ve"},                  // élève
        {"\x80", "\xE2\x82\xAC"},                                // euro
        {"\x8C\x9C", "\xC5\x92\xC5\x93"},                        // Œœ
        {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},    // curly quotes
        {"\x9F", "\xC5\xB8"},                                    // Ÿ
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},                        // no-break space, ÿ
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // the undefined five
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Windows1252ToUtf8(c.Legacy), c.Utf8);
        EXPECT_EQ(Utf8ToWindows1252(c.Utf8), c.Legacy);
    }
}

TEST(HeaderTextTest, EveryByteSurvivesTheWindows1252RoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string shown = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(shown));
    EXPECT_EQ(Utf8ToWindows1252(shown), all);
}

TEST(HeaderTextTest, TextWindows1252CannotExpressIsRefused)
{
    EXPECT_FALSE(Utf8ToWindows1252("\xCE\xA9").has_value());        // Omega
    EXPECT_FALSE(Utf8ToWindows1252("\xF0\x9F\x98\x80").has_value()); // emoji
    EXPECT_FALSE(Utf8ToWindows1252("caf\xE9").has_value());          // not UTF-8 at all
}

TEST(HeaderTextTest, DecodeShowsUtf8AsItIsAndLegacyBytesAsWindows1252)
{
    EXPECT_EQ(DecodeHeaderValue("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(DecodeHeaderValue("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(DecodeHeaderValue("Corner"), "Corner");
}

struct EncodeCase {
    const char* Name;
    std::string Shown;     // the text in the edit box, UTF-8
    std::string Original;  // the stored bytes before the edit
    std::string Stored;    // the bytes to store
};

TEST(HeaderTextTest, EncodeKeepsTheEncodingTheValueCameIn)
{
    const EncodeCase cases[] = {
        {"unchanged legacy", "\xC3\xA9t\xC3\xA9", "\xE9t\xE9", "\xE9t\xE9"},
        {"edited legacy stays legacy", "\xC3\xA9t\xC3\xA9 2", "\xE9t\xE9", "\xE9t\xE9 2"},
        {"legacy edited to ascii", "summer", "\xE9t\xE9", "summer"},
        {"utf-8 stays utf-8", "\xC3\xA9l\xC3\xA8ve", "\xC3\xA9t\xC3\xA9", "\xC3\xA9l\xC3\xA8ve"},
        {"ascii original takes utf-8", "\xC3\xA9t\xC3\xA9", "ete", "\xC3\xA9t\xC3\xA9"},
        {"new field takes utf-8", "\xC3\xA9t\xC3\xA9", "", "\xC3\xA9t\xC3\xA9"},
        // Windows-1252 cannot hold Omega: UTF-8 loses nothing and reads back the same.
        {"legacy with an inexpressible letter", "\xCE\xA9 \xC3\xA9", "\xE9t\xE9", "\xCE\xA9 \xC3\xA9"},
        // As Windows-1252 "Ã©" would be the bytes C3 A9, which read back as "é".
        {"legacy that would read back as utf-8", "\xC3\x83\xC2\xA9", "\xE9t\xE9", "\xC3\x83\xC2\xA9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeHeaderValue(c.Shown, c.Original), c.Stored) << c.Name;
        EXPECT_EQ(DecodeHeaderValue(EncodeHeaderValue(c.Shown, c.Original)), c.Shown) << c.Name;
    }
}

TEST(HeaderTextTest, ShowingAndStoringUnchangedGivesTheSameBytes)
{
    // Pseudo-random byte strings, many of them invalid UTF-8.
    std::uint32_t state = 2024;
    for (int i = 0; i < 2000; ++i) {
        std::string bytes(static_cast<std::size_t>(i % 17), '\0');
        for (char& c : bytes) {
            state = state * 1664525u + 1013904223u;
            c = static_cast<char>(state >> 24);
        }
        ASSERT_EQ(EncodeHeaderValue(DecodeHeaderValue(bytes), bytes), bytes) << "case " << i;
    }
}

} // namespace
} // namespace w4
