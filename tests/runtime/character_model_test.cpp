#include <gtest/gtest.h>

#include <string>

#include "runtime/源码/字符.h"

namespace {

// GB18030 four-byte characters: 81 30 81 30 and 81 30 81 31.
const char kFourByte[] = "\x81\x30\x81\x30";
const char kMixed[] = "a中\x81\x30\x81\x30" "b";  // a, 中 (D6 D0), four-byte, b

struct Recognition {
    const char* bytes;
    CharCode code;
    int length;
};

TEST(CharacterModel, RecognisesOneTwoAndFourByteCharacters)
{
    const Recognition cases[] = {
        { "\xB0\xA1", 0xB0A1, 2 },
        { "\x81\x30\x81\x30", 0x81308130u, 4 },
        { "\x81", 0x81, 1 },              // lead byte before the NUL
        { "\x81\x30\x81", 0x81, 1 },      // four-byte form cut short
        { "\x81\x30\x20\x30", 0x81, 1 },  // third byte not a lead byte
        { "\x81\x7F", 0x81, 1 },          // 0x7F is no trail byte
        { "\x80\x41", 0x80, 1 },          // 0x80 is no lead byte
        { "\xFF\xA1", 0xFF, 1 },
        { "\xA1\x40", 0xA140, 2 },
        { "A", 'A', 1 },
        { "", 0, 1 },
    };
    for (const Recognition& c : cases) {
        int length = -1;
        EXPECT_EQ(c.code, MbCharAtLen(c.bytes, &length)) << c.bytes;
        EXPECT_EQ(c.length, length) << c.bytes;
        EXPECT_EQ(c.length, MbCharLen(c.bytes));
    }
}

TEST(CharacterModel, ByteClassTableMarksEachRange)
{
    EXPECT_EQ(kMbSingleByte, MbByteClass(0x00));
    EXPECT_EQ(kMbSingleByte | kMbFourByteDigit, MbByteClass('5'));
    EXPECT_EQ(kMbSingleByte | kMbTrailByte, MbByteClass('A'));
    EXPECT_EQ(kMbSingleByte, MbByteClass(0x7F));
    EXPECT_EQ(kMbTrailByte, MbByteClass(0x80));
    EXPECT_EQ(kMbLeadByte | kMbTrailByte, MbByteClass(0x81));
    EXPECT_EQ(kMbLeadByte | kMbTrailByte, MbByteClass(0xFE));
    EXPECT_EQ(0, MbByteClass(0xFF));
}

TEST(CharacterModel, NullTextsGiveZero)
{
    int length = 9;
    EXPECT_EQ(0u, MbCharAtLen(nullptr, &length));
    EXPECT_EQ(0, length);
    EXPECT_EQ(0, MbCharLen(nullptr));
    EXPECT_EQ(0, MbCountChars(nullptr));
    EXPECT_EQ(nullptr, MbSkipChars(nullptr, 2));
    EXPECT_EQ(0, MbLastCharPos(nullptr, 3));
}

TEST(CharacterModel, SizeNormalisesSignExtendedCodes)
{
    EXPECT_EQ(1, MbCharSize(0xFFFFFFB0u));
    EXPECT_EQ(2, MbCharSize(0xFFFFB0A1u));
    EXPECT_EQ(4, MbCharSize(0x81308130u));
    EXPECT_EQ(4, MbCharSize(0x10000u));
    EXPECT_EQ(2, MbCharSize(0xB0A1));
    EXPECT_EQ(1, MbCharSize('a'));
}

TEST(CharacterModel, ReadersWalkWholeCharacters)
{
    const char* p = kMixed;
    EXPECT_EQ((CharCode)'a', MbReadChar(&p));
    EXPECT_EQ(0xD6D0u, MbReadChar(&p));
    EXPECT_EQ(0x81308130u, MbReadChar(&p));
    EXPECT_EQ((CharCode)'b', MbReadChar(&p));
    EXPECT_EQ(0u, MbReadChar(&p));
    EXPECT_EQ(0u, MbReadChar(&p));  // stays on the terminating NUL
    EXPECT_EQ(kMixed + 8, p);

    int offset = 1;
    EXPECT_EQ(0xD6D0u, MbReadCharAt(kMixed, &offset));
    EXPECT_EQ(3, offset);
    EXPECT_EQ((CharCode)'b', MbNextCharAt(kMixed, &offset));
    EXPECT_EQ(7, offset);

    const char* q = kMixed;
    EXPECT_EQ(0xD6D0u, MbNextChar(&q));
    EXPECT_EQ(kMixed + 1, q);

    CharCode code = 0;
    EXPECT_EQ(kMixed + 7, MbCharAndNext(kMixed + 3, &code));
    EXPECT_EQ(0x81308130u, code);
}

TEST(CharacterModel, StepsBackToTheCharacterThatHoldsAByte)
{
    // Offsets 0 a, 1-2 中, 3-6 four-byte, 7 b.
    EXPECT_EQ(0, MbLastCharPos(kMixed, 0));
    EXPECT_EQ(0, MbLastCharPos(kMixed, 1));
    EXPECT_EQ(1, MbLastCharPos(kMixed, 2));
    EXPECT_EQ(1, MbLastCharPos(kMixed, 3));
    EXPECT_EQ(3, MbLastCharPos(kMixed, 6));
    EXPECT_EQ(3, MbLastCharPos(kMixed, 7));
    EXPECT_EQ(7, MbLastCharPos(kMixed, 8));
    EXPECT_EQ(4, MbLastCharLen(kMixed, 7));
    int pos = -1;
    EXPECT_EQ(2, MbLastCharLenPos(kMixed, 3, &pos));
    EXPECT_EQ(1, pos);
    EXPECT_EQ(0x81308130u, MbLastCharCodePos(kMixed, 5, &pos));
    EXPECT_EQ(3, pos);
    EXPECT_EQ(0u, MbLastCharCode(kMixed, 0));

    int offset = 7;
    EXPECT_EQ(0x81308130u, MbPrevChar(kMixed, &offset));
    EXPECT_EQ(3, offset);
    EXPECT_EQ(0x81308130u, MbCharAtStepBack(kMixed, &offset));
    EXPECT_EQ(1, offset);
    offset = 0;
    EXPECT_EQ(0u, MbPrevChar(kMixed, &offset));
    EXPECT_EQ(0, offset);
}

TEST(CharacterModel, IndexesCountCharactersNotBytes)
{
    EXPECT_EQ(4, MbCountChars(kMixed));
    EXPECT_EQ(0xD6D0u, MbCharAtIndex(kMixed, 1));
    EXPECT_EQ(4, MbCharLenAtIndex(kMixed, 2));
    EXPECT_EQ(0u, MbCharAtIndex(kMixed, -1));
    EXPECT_EQ(0u, MbCharAtIndex(kMixed, 10));
    EXPECT_EQ(7, MbIndexToOffset(kMixed, 3));
    EXPECT_EQ(8, MbCharsToBytes(kMixed, 99));
    EXPECT_EQ(0, MbCharsToBytes(kMixed, -1));
    EXPECT_EQ(kMixed + 3, MbSkipChars(kMixed, 2));
    EXPECT_EQ(0xD6D0u, MbCharAtOffset(kMixed, 1));
    EXPECT_EQ(2, MbCharLenAt(kMixed, 1));
    int length = 0;
    EXPECT_EQ(0x81308130u, MbCharAtOffsetLen(kMixed, 3, &length));
    EXPECT_EQ(4, length);

    const char* p = kMixed;
    EXPECT_EQ(3, MbAdvanceChars(&p, 2));
    EXPECT_EQ(kMixed + 3, p);
}

TEST(CharacterModel, MoveCharsStopsAtTheStart)
{
    const char text[] = "中a";
    int offset = 2;
    EXPECT_EQ(-2, MbMoveChars(text, &offset, -3));
    EXPECT_EQ(0, offset);
    EXPECT_EQ(3, MbMoveChars(text, &offset, 5));
    EXPECT_EQ(3, offset);
    EXPECT_EQ(-1, MbMoveChars(text, &offset, -1));
}

TEST(CharacterModel, CountsHanzi)
{
    // 中 and the four-byte form count; 、 (A1A2, a symbol), a and b do not.
    EXPECT_EQ(2, MbCountHanzi("a中、\x81\x30\x81\x30" "b"));
}

TEST(CharacterModel, CharToBytesWritesWhatFitsAndAlwaysTheNul)
{
    struct Case {
        CharCode code;
        int size;
        const char* expected;
        int count;
    } cases[] = {
        { 0xFFFFFFB0u, 8, "\xB0", 1 },
        { 0xB0A1, 3, "\xB0\xA1", 2 },
        { 0xB0A1, 2, "\xA1", 1 },                 // one byte of room: the low byte
        { 0x81308130u, 5, kFourByte, 4 },
        { 0x81308130u, 4, "\x81\x30", 2 },        // 3 bytes of room: low two bytes
        { 0x81308130u, 3, "\x81\x30", 2 },
        { 0x81308130u, 2, "\x30", 1 },
        { 'x', 1, "", 0 },
    };
    for (const Case& c : cases) {
        char buffer[8];
        memset(buffer, '?', sizeof buffer);
        EXPECT_EQ(c.count, MbCharToBytes(c.code, buffer, c.size)) << std::hex << c.code;
        EXPECT_STREQ(c.expected, buffer);
    }
    char buffer[4];
    EXPECT_EQ(0, MbCharToBytes('a', nullptr, 4));
    EXPECT_EQ(0, MbCharToBytes('a', buffer, 0));
}

TEST(CharacterModel, PutCharAtHonoursTheLimit)
{
    char buffer[8] = "......";
    EXPECT_EQ(0, MbPutCharAt(buffer, 4, 3, 0xB0A1));  // 3 + 2 > 4
    EXPECT_EQ(2, MbPutCharAt(buffer, 4, 2, 0xB0A1));
    EXPECT_EQ(std::string("..\xB0\xA1.."), buffer);
    EXPECT_EQ(4, MbPutCharAt(buffer, -1, 0, 0x81308130u));
    EXPECT_EQ(0, MbPutCharAt(buffer, 8, -1, 'a'));

    char out[8] = {};
    char* cursor = out;
    int room = 3;
    EXPECT_EQ(2, MbPutCharAdvance(&cursor, &room, 0, 0xD6D0));
    EXPECT_EQ(out + 2, cursor);
    EXPECT_EQ(1, room);
    EXPECT_EQ(0, MbPutCharAdvance(&cursor, &room, 0, 0xD6D0));
    EXPECT_EQ(1, MbPutCharAdvance(&cursor, nullptr, 0, 'z'));

    char text[5] = {};
    int pos = 0;
    EXPECT_EQ(2, MbAppendChar(text, 4, &pos, 0xD6D0));
    EXPECT_EQ(1, MbAppendChar(text, 4, &pos, 'a'));
    EXPECT_EQ(0, MbAppendChar(text, 4, &pos, 0xD6D0));  // 3 + 2 > 4
    EXPECT_EQ(1, MbAppendChar(text, 4, &pos, 'b'));
    EXPECT_EQ(0, MbAppendChar(text, 4, &pos, 'c'));
    EXPECT_EQ(4, pos);
    EXPECT_EQ(std::string("中ab"), std::string(text, 4));
}

TEST(CharacterModel, RawWritersAndOverwrite)
{
    char buffer[8] = {};
    EXPECT_EQ(4, MbPutCharRaw(buffer, 0x81308130u));
    EXPECT_EQ(buffer + 2, MbPutCharRawEnd(buffer, 0xFFFFD6D0u));
    EXPECT_EQ(std::string("中\x81\x30", 4), std::string(buffer, 4));

    char text[] = "中a";
    EXPECT_EQ(2, MbOverwriteChar(text, '*'));
    EXPECT_STREQ("**a", text);
    EXPECT_EQ(0, MbOverwriteChar(text + 3, '*'));  // never the terminating NUL
}

TEST(CharacterModel, CharTextRotatesEightBuffers)
{
    const char* first = MbCharText(0xD6D0);
    EXPECT_STREQ("中", first);
    for (int i = 0; i < 7; i++)
        EXPECT_NE(first, MbCharText('a'));
    EXPECT_EQ(first, MbCharText('b'));
}

TEST(CharacterModel, HexDigitsOfCodes)
{
    char buffer[9];
    EXPECT_EQ(8, MbCharToHex(0x81308130u, buffer, sizeof buffer));
    EXPECT_STREQ("81308130", buffer);
    EXPECT_EQ(6, MbCharToHex(0x81308130u, buffer, 8));  // high four and middle two
    EXPECT_STREQ("813081", buffer);
    EXPECT_EQ(4, MbCharToHex(0xd6d0, buffer, sizeof buffer));
    EXPECT_STREQ("D6D0", buffer);
    EXPECT_EQ(2, MbCharToHex(0xd6d0, buffer, 4));
    EXPECT_STREQ("D6", buffer);
    EXPECT_STREQ("0A", MbCharHexText('\n'));

    struct Case {
        const char* text;
        int digits;
        CharCode code;
    } cases[] = {
        { "d6d0", 4, 0xD6D0 },
        { "81308130", 8, 0x81308130u },
        { "813081", 6, 0x813081 },
        { "8130", 4, 0x8130 },
        { "41d6", 2, 0x41 },       // 41 is no lead byte
        { "d6", 2, 0xD6 },
        { "d6x0", 2, 0xD6 },
        { "g1", 0, 0x1234 },       // nothing read: the code is left alone
    };
    for (const Case& c : cases) {
        CharCode code = 0x1234;
        EXPECT_EQ(c.digits, MbCharFromHex(c.text, &code)) << c.text;
        EXPECT_EQ(c.code, code) << c.text;
    }
}

TEST(CharacterModel, StrCopyNKeepsWholeCharacters)
{
    char buffer[8];
    EXPECT_EQ(buffer, MbStrCopyN("a中文", buffer, 5));
    EXPECT_STREQ("a中", buffer);  // 文 would need bytes 3-4 plus the NUL
    EXPECT_EQ(buffer, MbStrCopyN("\x81\x30\x81\x30" "x", buffer, 4));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(nullptr, MbStrCopyN("abc", buffer, 0));
    EXPECT_EQ(nullptr, MbStrCopyN(nullptr, buffer, 4));
}

}  // namespace
