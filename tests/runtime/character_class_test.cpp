#include <gtest/gtest.h>

#include <cmath>
#include <string>

// The umbrella header, so that every module header is compiled as C++ too.
#include "runtime/源码/墨语言.h"

namespace {

// The code of the first character of a (GBK) literal.
CharCode C(const char* text)
{
    return MbCharAt(text);
}

TEST(KindWords, PackTheGbkBytesInReadingOrder)
{
    EXPECT_EQ(0xBFAAu, 开);
    EXPECT_EQ(0xB9D8u, 关);
    EXPECT_EQ(0xB0EBBDC7u, 半角);
    struct Case {
        KindWord word;
        const char* text;
    } cases[] = {
        { 半角, "半角" }, { 全角, "全角" }, { 半全, "半全" }, { 全半, "全半" }, { 简体, "简体" },
        { 繁体, "繁体" }, { 简繁, "简繁" }, { 大写, "大写" }, { 小写, "小写" }, { 汉字, "汉字" },
        { 符号, "符号" }, { 双汉, "双汉" }, { 双字, "双字" }, { 四字, "四字" }, { 失败, "失败" },
        { 显示, "显示" }, { 隐藏, "隐藏" }, { 立即, "立即" }, { 调试, "调试" }, { 清除, "清除" },
        { 设置, "设置" }, { 添加, "添加" }, { 重置, "重置" }, { 检查, "检查" }, { 起始, "起始" },
        { 当前, "当前" }, { 搜索, "搜索" }, { 并发, "并发" }, { 覆盖, "覆盖" }, { 后台, "后台" },
    };
    for (const Case& c : cases) {
        const unsigned char* b = (const unsigned char*)c.text;
        KindWord packed = ((KindWord)b[0] << 24) | ((KindWord)b[1] << 16) | ((KindWord)b[2] << 8) | b[3];
        EXPECT_EQ(packed, c.word) << c.text;
    }
}

TEST(CharacterClass, DigitsByKind)
{
    struct Case {
        const char* character;
        KindWord kind;
        int expected;
    } cases[] = {
        { "7", 0, 1 }, { "７", 0, 1 }, { "７", 半全, 1 }, { "7", 全半, 1 },
        { "7", 半角, 1 }, { "７", 半角, 0 }, { "７", 全角, 1 }, { "7", 全角, 0 },
        { "零", 简体, 0 }, { "零", 繁体, 1 }, { "零", 简繁, 1 },
        { "亿", 简体, 1 }, { "亿", 繁体, 0 }, { "仟", 繁体, 1 }, { "千", 简繁, 1 },
        { "a", 0, 0 }, { "7", 开, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ChIsDigit(C(c.character), c.kind)) << c.character << std::hex << c.kind;
}

TEST(CharacterClass, LettersAndHexDigitsByWidthAndCase)
{
    struct Case {
        const char* character;
        KindWord width, letterCase;
        int letter, hex;
    } cases[] = {
        { "a", 0, 0, 1, 1 },       { "a", 半角, 小写, 1, 1 }, { "a", 半角, 大写, 0, 0 },
        { "G", 半角, 0, 1, 0 },    { "Ｇ", 全角, 大写, 1, 0 }, { "ｆ", 全角, 小写, 1, 1 },
        { "ｆ", 半角, 0, 0, 0 },   { "Ｆ", 0, 大写, 1, 1 },   { "9", 全角, 0, 0, 0 },
        { "９", 全角, 0, 0, 1 },   { "a", 简体, 0, 0, 0 },    { "a", 0, 汉字, 0, 0 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.letter, ChIsLetter(C(c.character), c.width, c.letterCase)) << c.character;
        EXPECT_EQ(c.hex, ChIsHexDigit(C(c.character), c.width, c.letterCase)) << c.character;
    }
    EXPECT_EQ(1, ChIsAlnum(C("Ｚ"), 0));
    EXPECT_EQ(1, ChIsAlnum(C("８"), 全角));
    EXPECT_EQ(0, ChIsAlnum(C("８"), 半角));
    EXPECT_EQ(0, ChIsAlnum('a', 大写));
}

TEST(CharacterClass, SpacesControlsAndWidths)
{
    const CharCode fullSpace = 0xA1A1;
    EXPECT_EQ(1, ChIsSpace(fullSpace));
    EXPECT_EQ(1, ChIsSpace('\v'));
    EXPECT_EQ(0, ChIsBlank('\t'));
    EXPECT_EQ(1, ChIsBlankTab('\t'));
    EXPECT_EQ(1, ChIsBlank(fullSpace));
    EXPECT_EQ(1, ChIsControl(127));
    EXPECT_EQ(0, ChIsControl(' '));
    EXPECT_EQ(1, ChIsNonControl(0xD6D0));
    EXPECT_EQ(1, ChIsPrint('~'));
    EXPECT_EQ(0, ChIsPrint(127));
    EXPECT_EQ(1, ChIsFullWidth(fullSpace));
    EXPECT_EQ(1, ChIsFullWidth(0xA3FE));
    EXPECT_EQ(0, ChIsFullWidth(0xA3A0));
    EXPECT_EQ(1, ChIsTwoByte(0xD6D0));
    EXPECT_EQ(0, ChIsTwoByte(0x81308130u));
    EXPECT_EQ(0, ChIsTwoByte('a'));
}

TEST(CharacterClass, GbkAndGb2312Kinds)
{
    const CharCode zhong = 0xD6D0, comma = 0xA1A2, extension = 0x8140, four = 0x81308130u;
    struct Case {
        CharCode code;
        KindWord kind;
        int gbk;
    } cases[] = {
        { zhong, 汉字, 1 }, { zhong, 双汉, 1 }, { zhong, 双字, 1 }, { zhong, 四字, 0 }, { zhong, 0, 1 },
        { comma, 汉字, 0 }, { comma, 双汉, 0 }, { comma, 双字, 1 }, { comma, 0, 1 },
        { extension, 汉字, 1 }, { four, 汉字, 1 }, { four, 四字, 1 }, { four, 双字, 0 },
        { 0xD67F, 0, 0 }, { 0xD6FF, 0, 0 }, { 'a', 0, 0 }, { zhong, 全角, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.gbk, ChIsGbk(c.code, c.kind)) << std::hex << c.code << " " << c.kind;

    EXPECT_EQ(1, ChIsGb2312(zhong, 0));
    EXPECT_EQ(1, ChIsGb2312(zhong, 汉字));
    EXPECT_EQ(0, ChIsGb2312(zhong, 符号));
    EXPECT_EQ(1, ChIsGb2312(comma, 符号));
    EXPECT_EQ(0, ChIsGb2312(extension, 0));
    EXPECT_EQ(0, ChIsGb2312(four, 0));
    EXPECT_EQ(0, ChIsGb2312(zhong, 开));
}

TEST(CharacterClass, IdentifierCharacters)
{
    EXPECT_EQ(1, ChIsIdentStart(C("中")));
    EXPECT_EQ(1, ChIsIdentStart(C("ａ")));
    EXPECT_EQ(0, ChIsIdentStart('1'));
    EXPECT_EQ(1, ChIsIdentChar(C("１")));
    EXPECT_EQ(0, ChIsIdentChar(C("，")));
    EXPECT_EQ(1, ChIsHanzi(0x81308130u));
}

TEST(Conversion, WidthAndCase)
{
    EXPECT_EQ((CharCode)'0', CvtToHalfWidth(C("０")));
    EXPECT_EQ((CharCode)' ', CvtToHalfWidth(0xA1A1));
    EXPECT_EQ(0xA3FEu, CvtToFullWidth('~'));
    EXPECT_EQ(0xA1A1u, CvtToFullWidth(' '));
    EXPECT_EQ((CharCode)'\n', CvtToFullWidth('\n'));
    EXPECT_EQ(0xD6D0u, CvtToHalfWidth(0xD6D0));
    EXPECT_EQ((CharCode)'A', CvtToUpper('a'));
    EXPECT_EQ(C("Ａ"), CvtToUpper(C("ａ")));
    EXPECT_EQ(C("ｚ"), CvtToLower(C("Ｚ")));
    EXPECT_EQ(0xD6D0u, CvtToLower(0xD6D0));
    EXPECT_EQ((CharCode)'1', CvtToUpper('1'));
}

TEST(Conversion, HexDigits)
{
    EXPECT_EQ('0', CvtHexDigitChar(0));
    EXPECT_EQ('F', CvtHexDigitChar(15));
    EXPECT_EQ(0, CvtHexDigitChar(16));
    EXPECT_EQ(11, CvtHexDigitValue('b'));
    EXPECT_EQ(12, CvtHexDigitValue(C("Ｃ")));
    EXPECT_EQ(13, CvtHexDigitValue(C("ｄ")));
    EXPECT_EQ(9, CvtHexDigitValue(C("９")));
    EXPECT_EQ(0, CvtHexDigitValue('g'));
}

TEST(Conversion, StringWidthsStopAtTheFirstCharacterThatDoesNotFit)
{
    char buffer[16];
    EXPECT_EQ(5, CvtStrToHalfWidth("ａ１　中", buffer, sizeof buffer));
    EXPECT_STREQ("a1 中", buffer);
    EXPECT_EQ(4, CvtStrToFullWidth("ab", buffer, sizeof buffer));
    EXPECT_STREQ("ａｂ", buffer);
    EXPECT_EQ(2, CvtStrToFullWidth("abc", buffer, 4));  // ｂ needs bytes 2-3 and the NUL
    EXPECT_STREQ("ａ", buffer);
    EXPECT_EQ(0, CvtStrToHalfWidth(nullptr, buffer, 4));
    EXPECT_EQ(0, CvtStrToHalfWidth("a", nullptr, 4));
}

TEST(Conversion, ChineseNumerals)
{
    EXPECT_EQ(C("零"), CvtDigitToChinese(0, 简体));
    EXPECT_EQ(C("十"), CvtDigitToChinese(10, 0));
    EXPECT_EQ(C("拾"), CvtDigitToChinese(10, 繁体));
    EXPECT_EQ(C("叁"), CvtDigitToChinese(3, 开));
    EXPECT_EQ(0u, CvtDigitToChinese(11, 简体));
    EXPECT_EQ(0u, CvtDigitToChinese(-1, 简体));
    EXPECT_EQ(0, CvtChineseToDigit(C("零")));
    EXPECT_EQ(7, CvtChineseToDigit(C("柒")));
    EXPECT_EQ(7, CvtChineseToDigit(C("七")));
    EXPECT_EQ(-1, CvtChineseToDigit(C("百")));
}

TEST(Conversion, NumbersFromTextOfEitherWidth)
{
    const char text[] = "１２３ab";
    char* end = nullptr;
    EXPECT_EQ(123, CvtStrToLong(text, 10, &end));
    EXPECT_STREQ("ab", end);
    EXPECT_EQ(-255, CvtStrToLong("－ｆｆ", 16, &end));
    EXPECT_EQ(0u, *end);
    EXPECT_EQ(4000000000ul, CvtStrToULong("4000000000", 10, &end));
    EXPECT_DOUBLE_EQ(3.5, CvtStrToDouble("３．５元", &end));
    EXPECT_STREQ("元", end);
    EXPECT_EQ(0, CvtStrToLong(nullptr, 10, &end));
    EXPECT_EQ(nullptr, end);
    EXPECT_EQ(0.0, CvtStrToDouble(nullptr, nullptr));
}

TEST(Conversion, NumbersToTextAreCutToTheBuffer)
{
    char buffer[40];
    EXPECT_STREQ("-123", CvtLongToStr(-123, buffer, sizeof buffer, 10));
    EXPECT_STREQ("ff", CvtULongToStr(255, buffer, sizeof buffer, 16));
    char small[4];
    EXPECT_EQ(small, CvtLongToStr(-12345, small, sizeof small, 10));
    EXPECT_STREQ("-12", small);
    EXPECT_EQ(nullptr, CvtLongToStr(1, buffer, sizeof buffer, 1));
    EXPECT_EQ(nullptr, CvtLongToStr(1, nullptr, 8, 10));

    EXPECT_EQ(nullptr, CvtDoubleToStr(1.5, buffer, 10, 3));
    EXPECT_STREQ("1.5", CvtDoubleToStr(1.5, buffer, 11, 3));
    EXPECT_STREQ("3.14", CvtDoubleToStr(3.14159, buffer, sizeof buffer, 3));

    int point = 0, sign = 0;
    EXPECT_STREQ("12346", CvtDoubleToDigits(-123.456, 2, &point, &sign));
    EXPECT_EQ(3, point);
    EXPECT_NE(0, sign);
    const char* huge = CvtDoubleToDigits(1e300, 100, &point, &sign);
    EXPECT_LE(std::string(huge).size(), 347u);
}

}  // namespace
