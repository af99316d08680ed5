#include "editor/util/CharClasses.h"

#include <gtest/gtest.h>

namespace {

struct ClassCase {
    unsigned int code;
    bool digit, letter, hanzi, word;
};

const ClassCase kClassCases[] = {
    {'0', true, false, false, true},
    {'9', true, false, false, true},
    {0xA3B0, true, false, false, true},   // full-width 0
    {0xA3B5, true, false, false, true},   // full-width 5
    {0xA3B9, true, false, false, true},
    {0xA3BA, false, false, false, false}, // full-width colon
    {'A', false, true, false, true},
    {'z', false, true, false, true},
    {'@', false, false, false, false},
    {'[', false, false, false, false},
    {0xA3C1, false, true, false, true},   // full-width A
    {0xA3DA, false, true, false, true},
    {0xA3E1, false, true, false, true},   // full-width a
    {0xA3FA, false, true, false, true},
    {0xB0A1, false, false, true, true},   // 啊
    {0xD6D0, false, false, true, true},   // 中
    {0x8140, false, false, true, true},   // first GBK extension code
    {0xFEFE, false, false, true, true},
    {0xA140, false, false, true, true},   // symbol-row lead with a low trail counts
    {0xAFA0, false, false, true, true},
    {0xA1A1, false, false, false, false}, // full-width space
    {0xA3AC, false, false, false, false}, // full-width comma
    {0xAFFE, false, false, false, false},
    {0x817F, false, false, false, false}, // 0x7F is never a trail byte
    {0x813F, false, false, false, false},
    {0x81FF, false, false, false, false},
    {0x80A1, false, false, false, false},
    {0xFFA1, false, false, false, false},
    {'_', false, false, false, true},
    {0xA3DF, false, false, false, true},  // full-width low line
    {0, false, false, false, false},
    {' ', false, false, false, false},
    {0x1B0A1, false, false, false, false}, // above 16 bits
    {0x10030, false, false, false, false},
};

TEST(CharClasses, ClassifiesCodes)
{
    for (const ClassCase& c : kClassCases) {
        SCOPED_TRACE(testing::Message() << std::hex << "code 0x" << c.code);
        EXPECT_EQ(IsDigitChar(c.code), c.digit);
        EXPECT_EQ(IsLetterChar(c.code), c.letter);
        EXPECT_EQ(IsGbkHanzi(c.code), c.hanzi);
        EXPECT_EQ(IsWordChar(c.code), c.word);
    }
}

TEST(CharClasses, CharLengthNeverStepsPastTerminator)
{
    EXPECT_EQ(GbkText::CharLength("中"), 2);
    EXPECT_EQ(GbkText::CharLength("a"), 1);
    EXPECT_EQ(GbkText::CharLength("\xB0"), 1);  // truncated pair
    EXPECT_EQ(GbkText::CharLength("\x80" "A"), 1);
    EXPECT_EQ(GbkText::CharLength("\xFF" "A"), 1);
}

}  // namespace
