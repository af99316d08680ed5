#include "editor/util/MbSearch.h"

#include <gtest/gtest.h>

namespace {

// Offset of a search result in its text, -1 for none.
int OffsetOf(const char* text, const char* found)
{
    return found ? static_cast<int>(found - text) : -1;
}

struct CharCase {
    const char* text;
    unsigned char byte;
    int offset;
};

const CharCase kCharCases[] = {
    {"abc", 'b', 1},
    {"abc", 'd', -1},
    {"", 'a', -1},
    {"\xB0\x41\x41", 'A', 2},     // the trail byte 0x41 is skipped
    {"\xB0\x41", 'A', -1},
    {"我中", 0xD6, 2},            // a lead byte finds the character it starts
    {"\xCE\xD6\xD6\xD0", 0xD6, 2},  // ... but not a trail byte of the same value
    {"a\xB0", 0xB0, 1},           // a lone lead byte at the end is a character
};

TEST(MbSearch, FindsCharacterStartsOnly)
{
    for (const CharCase& c : kCharCases)
        EXPECT_EQ(OffsetOf(c.text, MbFindChar(c.text, c.byte)), c.offset) << c.text;
    EXPECT_EQ(MbFindChar(nullptr, 'a'), nullptr);
    EXPECT_EQ(MbFindChar("abc", 0), nullptr);
}

struct StringCase {
    const char* text;
    const char* needle;
    int offset;
};

const StringCase kStringCases[] = {
    {"abcabc", "ca", 2},
    {"abc", "abcd", -1},
    {"abc", "", 0},
    {"", "a", -1},
    {"\xB0\x41\x42\x41\x42", "AB", 3},  // not at 1, inside the character B0 41
    {"我的中文", "中文", 4},
    {"\xD6\xD0\xCE\xC4", "\xD0\xCE", -1},  // spans two characters' halves
};

TEST(MbSearch, FindsSubstringsAtCharacterStartsOnly)
{
    for (const StringCase& c : kStringCases)
        EXPECT_EQ(OffsetOf(c.text, MbFindString(c.text, c.needle)), c.offset) << c.text;
    EXPECT_EQ(MbFindString(nullptr, "a"), nullptr);
    EXPECT_EQ(MbFindString("a", nullptr), nullptr);
}

}  // namespace
