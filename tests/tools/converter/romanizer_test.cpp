#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "tools/converter/Romanizer.h"
#include "tools/converter/RomanizerTable.h"

namespace {

std::string NameOf(const RomanizerRow& row)
{
    return std::string(row.name, strnlen(row.name, kRomanizerNameSize));
}

bool IsUnassigned(uint16_t code) { return code >= 0xD7FA && code <= 0xD7FE; }

std::string Romanize(const char* text, KindWord style = kRomanizeStyleShort)
{
    char out[512];
    RomanizeName(text, out, sizeof out, style);
    return out;
}

std::string CharName(CharCode code, KindWord style)
{
    char out[16] = "";
    RomanizeChar(code, out, sizeof out, style);
    return out;
}

}  // namespace

TEST(RomanizerTable, FirstRowsFollowTheRowFormula)
{
    for (int row = 0; row < kRomanizerGb2312Rows; ++row) {
        uint16_t code = kRomanizerCodeTable[row].code;
        ASSERT_EQ(row, ((code >> 8) - 0xB0) * 94 + ((code & 0xFF) - 0xA1)) << std::hex << code;
        EXPECT_EQ(0, kRomanizerCodeTable[row].zero);
        if (IsUnassigned(code)) {
            char hex[8];
            snprintf(hex, sizeof hex, "%04X", code);
            EXPECT_EQ(hex, NameOf(kRomanizerCodeTable[row]));
            EXPECT_EQ(0, kRomanizerCodeTable[row].readings);
        } else {
            EXPECT_GE(kRomanizerCodeTable[row].readings, 1);
            EXPECT_LE(kRomanizerCodeTable[row].readings, 4);
        }
    }
}

TEST(RomanizerTable, FurtherReadingsMatchTheReadingCounts)
{
    std::map<uint16_t, int> further;
    for (int row = kRomanizerGb2312Rows; row < kRomanizerCodeRows; ++row) {
        const RomanizerRow& r = kRomanizerCodeTable[row];
        ++further[r.code];
        // Numbered 2, 3, 4 in order for each character.
        EXPECT_EQ(further[r.code] + 1, r.readings) << std::hex << r.code;
    }
    for (int row = 0; row < kRomanizerGb2312Rows; ++row) {
        const RomanizerRow& r = kRomanizerCodeTable[row];
        if (!IsUnassigned(r.code)) {
            EXPECT_EQ(r.readings - 1, further[r.code]) << std::hex << r.code;
        }
    }
}

TEST(RomanizerTable, NamesAreUniqueLettersThenDigits)
{
    std::set<std::string> names;
    for (int row = 0; row < kRomanizerCodeRows; ++row) {
        const RomanizerRow& r = kRomanizerCodeTable[row];
        if (IsUnassigned(r.code))
            continue;
        std::string name = NameOf(r);
        EXPECT_GE(name.size(), 2u) << name;
        EXPECT_LE(name.size(), 6u) << name;
        size_t letters = 0;
        while (letters < name.size() && isalpha((unsigned char)name[letters]))
            ++letters;
        EXPECT_GE(letters, 1u) << name;
        EXPECT_LT(letters, name.size()) << name;
        for (size_t i = letters; i < name.size(); ++i)
            EXPECT_TRUE(isdigit((unsigned char)name[i])) << name;
        for (size_t i = name.size(); i < (size_t)kRomanizerNameSize; ++i)
            EXPECT_EQ('\0', r.name[i]) << name;
        EXPECT_TRUE(names.insert(name).second) << "duplicate " << name;
    }
    EXPECT_EQ((size_t)kRomanizerNameRows, names.size());
}

TEST(RomanizerTable, NameTableHoldsTheNamedRowsInLetterOrder)
{
    std::multiset<std::pair<uint16_t, std::string>> codeRows, nameRows;
    for (int row = 0; row < kRomanizerCodeRows; ++row) {
        if (!IsUnassigned(kRomanizerCodeTable[row].code))
            codeRows.insert({kRomanizerCodeTable[row].code, NameOf(kRomanizerCodeTable[row])});
    }
    for (int row = 0; row < kRomanizerNameRows; ++row) {
        nameRows.insert({kRomanizerNameTable[row].code, NameOf(kRomanizerNameTable[row])});
        if (row > 0) {
            EXPECT_LE(kRomanizerNameTable[row - 1].name[0], kRomanizerNameTable[row].name[0]) << row;
        }
    }
    EXPECT_EQ(codeRows, nameRows);

    for (int i = 0; i < kRomanizerLetters; ++i) {
        const RomanizerLetterRange& range = kRomanizerLetterIndex[i];
        char letter = i < 26 ? 'A' + i : 'a' + i - 26;
        EXPECT_EQ(letter, range.letter);
        if (range.firstRow < 0) {
            EXPECT_EQ(-1, range.lastRow);
            for (int row = 0; row < kRomanizerNameRows; ++row)
                ASSERT_NE(letter, kRomanizerNameTable[row].name[0]);
            continue;
        }
        for (int row = range.firstRow; row <= range.lastRow; ++row)
            ASSERT_EQ(letter, kRomanizerNameTable[row].name[0]);
        if (range.firstRow > 0) {
            EXPECT_NE(letter, kRomanizerNameTable[range.firstRow - 1].name[0]);
        }
        if (range.lastRow + 1 < kRomanizerNameRows) {
            EXPECT_NE(letter, kRomanizerNameTable[range.lastRow + 1].name[0]);
        }
    }
    // No syllable begins with i, u or v.
    EXPECT_EQ(-1, kRomanizerLetterIndex['u' - 'a' + 26].firstRow);
    EXPECT_EQ(-1, kRomanizerLetterIndex['V' - 'A'].firstRow);
}

TEST(RomanizerTable, EveryNameReadsBackToItsCharacter)
{
    for (int row = 0; row < kRomanizerNameRows; ++row) {
        std::string name = NameOf(kRomanizerNameTable[row]);
        CharCode code = 0;
        ASSERT_EQ((int)name.size(), DeromanizeChar(name.c_str(), &code)) << name;
        ASSERT_EQ(kRomanizerNameTable[row].code, code) << name;
    }
}

TEST(RomanizerTable, ExamplesThatFollowFromCodeOrder)
{
    const struct { CharCode code; const char* name; } kExamples[] = {
        {0xB0A1, "a00"}, {0xB0A2, "a01"}, {0xB0EF, "bag1"}, {0xB0FC, "bao2"},
        {0xB9FA, "guo2"}, {0xCEC4, "wen3"}, {0xD6D0, "zhog0"},
    };
    for (const auto& example : kExamples)
        EXPECT_EQ(example.name, CharName(example.code, kRomanizeStyleShort));
}

TEST(Romanizer, StylesOfOneCharacter)
{
    const struct { KindWord style; const char* name; } kCases[] = {
        {kRomanizeStyleFull, "zhong0"}, {1, "zhong0"},
        {kRomanizeStylePinyin, "zhong"}, {2, "zhong"},
        {kRomanizeStyleInitial, "Zhong"}, {3, "Zhong"},
        {kRomanizeStyleShort, "zhog0"}, {0, "zhog0"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.name, CharName(0xD6D0, c.style)) << c.style;
}

TEST(Romanizer, StyleWordsAreTheGbkOfTheirNames)
{
    auto word = [](const char* text) {
        const unsigned char* b = (const unsigned char*)text;
        return (KindWord)b[0] << 24 | (KindWord)b[1] << 16 | (KindWord)b[2] << 8 | b[3];
    };
    EXPECT_EQ(word("全拼"), kRomanizeStyleFull);
    EXPECT_EQ(word("拼音"), kRomanizeStylePinyin);
    EXPECT_EQ(word("首拼"), kRomanizeStyleInitial);
    EXPECT_EQ(word("简拼"), kRomanizeStyleShort);
}

TEST(Romanizer, CharacterEdgeCases)
{
    char out[16] = "x";
    EXPECT_EQ(0, RomanizeChar(0xD6D0, out, 8, kRomanizeStyleShort));
    EXPECT_STREQ("x", out);
    EXPECT_EQ(0, RomanizeChar('a', out, sizeof out, kRomanizeStyleShort));
    EXPECT_EQ(0, RomanizeChar(0xA1A1, out, sizeof out, kRomanizeStyleShort));
    // GBK extension characters become their hex code.
    EXPECT_EQ(4, RomanizeChar(0x8140, out, sizeof out, kRomanizeStyleShort));
    EXPECT_STREQ("8140", out);
    CharCode code = 0;
    EXPECT_EQ(0, DeromanizeChar("8140", &code));
    EXPECT_EQ(4, RomanizeChar(0xFE40, out, sizeof out, kRomanizeStyleShort));
    EXPECT_EQ(4, DeromanizeChar("FE40", &code));
    EXPECT_EQ(0xFE40u, code);
    EXPECT_EQ(0, DeromanizeChar("z", &code));
    EXPECT_EQ(0, DeromanizeChar(nullptr, &code));
    EXPECT_EQ(0, DeromanizeChar("1a", &code));
}

TEST(Romanizer, NamesOfTheExamples)
{
    EXPECT_EQ("zh_zhog0wen3", Romanize("中文"));
    EXPECT_EQ("zh_a_zhog0", Romanize("a中"));
    EXPECT_EQ("zh_iA_iB_zhog0", Romanize("ＡＢ中"));
    EXPECT_EQ("zh_" + CharName(0xB1E4, 0) + CharName(0xC1BF, 0) + "vi_" + CharName(0xD2BB, 0),
              Romanize("变量＿一"));
    EXPECT_EQ("plain_name", Romanize("plain_name"));
}

TEST(Romanizer, StopsAtCharactersOutsideNames)
{
    char out[64];
    EXPECT_EQ(4, RomanizeName("中文-x", out, sizeof out, kRomanizeStyleShort));
    EXPECT_STREQ("zh_zhog0wen3", out);
    EXPECT_EQ(0, RomanizeName(nullptr, out, sizeof out, kRomanizeStyleShort));
}

TEST(Romanizer, BufferTooSmallConsumesOnlyWhatFits)
{
    char out[12];
    int consumed = RomanizeName("中文字", out, sizeof out, kRomanizeStyleShort);
    EXPECT_LT(consumed, 6);
    EXPECT_LT(strlen(out), sizeof out);
}

TEST(Deromanizer, CopiesNamesWithoutThePrefix)
{
    const char* kNames[] = { "printf", "zh", "zh_", "zh_-x", "_zh_a" };
    for (const char* name : kNames) {
        char out[64];
        EXPECT_EQ((int)strlen(name), DeromanizeName(name, out, sizeof out)) << name;
        EXPECT_STREQ(name, out);
    }
    char small[4];
    EXPECT_EQ(0, DeromanizeName("zh_a", small, sizeof small));
}

// The native build's address sanitizer catches the same read in the test above.
#ifdef _WIN32
// A name shorter than the prefix is read only up to its terminator: here the page after
// the terminator cannot be read at all.
TEST(Deromanizer, ShortNameIsNotReadPastItsEnd_Regression)
{
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const DWORD page = system.dwPageSize;
    char* pages = (char*)VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(nullptr, pages);
    DWORD previous = 0;
    ASSERT_TRUE(VirtualProtect(pages + page, page, PAGE_NOACCESS, &previous));
    for (const char* name : { "", "z", "zh" }) {
        char* at = pages + page - strlen(name) - 1;
        memcpy(at, name, strlen(name) + 1);
        char out[16];
        EXPECT_EQ((int)strlen(name), DeromanizeName(at, out, sizeof out)) << name;
        EXPECT_STREQ(name, out);
    }
    VirtualFree(pages, 0, MEM_RELEASE);
}
#endif

// Every identifier comes back unchanged from its romanized name.
TEST(Deromanizer, RoundTripsIdentifiers)
{
    const char* kIdentifiers[] = {
        "中文", "a中", "ＡＢ中", "变量＿一", "中a_b", "中ab", "ab中", "中_", "中__",
        "_中", "中a", "中１", "i中", "中i_x", "v中",
        // Digits after Chinese characters.
        "变量1", "变量2", "变量12", "变量_1", "变量__1", "变量1_", "_1中", "1中", "中1a", "a_1中",
    };
    std::set<std::string> names;
    for (const char* identifier : kIdentifiers) {
        std::string name = Romanize(identifier);
        EXPECT_TRUE(names.insert(name).second) << identifier << " -> " << name;
        char back[64];
        EXPECT_EQ((int)name.size(), DeromanizeName(name.c_str(), back, sizeof back)) << name;
        EXPECT_STREQ(identifier, back) << name;
    }
}

TEST(Deromanizer, DigitsAfterChineseKeepTheirNames_Regression)
{
    std::string one = Romanize("变量1");
    std::string two = Romanize("变量2");
    EXPECT_NE(one, two);
    EXPECT_EQ(Romanize("变量") + "_1", one);
    char back[64];
    DeromanizeName(two.c_str(), back, sizeof back);
    EXPECT_STREQ("变量2", back);
}

TEST(Deromanizer, UndecodableZhWordIsNotDropped_Regression)
{
    const char* kWords[] = { "zh_xyz", "zh_zhog0xyz", "zh_8140", "zh_1x" };
    for (const char* word : kWords) {
        char out[64] = "unchanged";
        EXPECT_EQ(0, DeromanizeName(word, out, sizeof out)) << word;
    }
}

// C's own zh_a or zh_1 is no romanized name: decoding it would turn it into a or 1.
TEST(Deromanizer, ZhIdentifierWithoutChineseIsKept_Regression)
{
    const char* kWords[] = { "zh_a", "zh_1", "zh__", "zh_x_y", "zh_iA", "zh_vi_", "zh_a_1" };
    for (const char* word : kWords) {
        char out[64];
        EXPECT_EQ(0, DeromanizeName(word, out, sizeof out)) << word;
    }
}
