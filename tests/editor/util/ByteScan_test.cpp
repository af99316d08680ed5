#include "editor/util/ByteScan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Offset of a result in its buffer; -1 for the buffer's end (not found).
int OffsetOf(const std::string& buffer, const char* found)
{
    return found == buffer.data() + buffer.size() ? -1 : static_cast<int>(found - buffer.data());
}

// Every length up to a few words and every place in it, with neighbours one bit away from
// the byte sought, so both the word-wide test and the bytes after it are exercised.
TEST(ByteScan, FindsTheFirstByteAtEveryPlace)
{
    const struct {
        unsigned char sought;
        unsigned char found;  // a byte the search must stop at
        unsigned char filler;
    } kCases[] = {
        {'\n', '\n', 0x0B}, {'\n', '\n', 0x8A}, {0xBC, 0xBC, 0xBD}, {0x01, 0x01, 0x00},
        {0x80, 0x80, 0x7F},   {'a', 'A', 'B'},      {'a', 'a', 0xC1},   {'z', 'Z', '['},
    };
    for (const auto& c : kCases) {
        const bool letter = c.sought >= 'a' && c.sought <= 'z';
        for (size_t length = 0; length <= 24; ++length) {
            for (size_t at = 0; at <= length; ++at) {
                std::string buffer(length, static_cast<char>(c.filler));
                if (at < length) buffer[at] = static_cast<char>(c.found);
                if (at + 1 < length) buffer[at + 1] = static_cast<char>(c.found);
                const char* end = buffer.data() + buffer.size();
                const char* found = letter ? FindLetterEitherCase(buffer.data(), end, c.sought)
                                           : FindByte(buffer.data(), end, c.sought);
                EXPECT_EQ(OffsetOf(buffer, found), at < length ? static_cast<int>(at) : -1)
                    << int(c.sought) << " length " << length << " at " << at;
            }
        }
    }
}

TEST(ByteScan, FindsBinaryBytes)
{
    for (unsigned char binary : {0x07, 0x08, 0x7F, 0xFF}) {
        for (size_t at = 0; at < 19; ++at) {
            std::string buffer = "text \x06\x09\x7E\xFE\x80 more text";
            buffer[at] = static_cast<char>(binary);
            EXPECT_EQ(OffsetOf(buffer, FindBinaryByte(buffer.data(), buffer.data() + buffer.size())),
                      static_cast<int>(at))
                << int(binary) << " at " << at;
        }
    }
    const std::string text = "text \x06\x09\x7E\xFE\x80 more text";
    EXPECT_EQ(OffsetOf(text, FindBinaryByte(text.data(), text.data() + text.size())), -1);
}

TEST(ByteScan, LiteralScanFindsTheWholeLiteral)
{
    const struct {
        const char* buffer;
        const char* literal;
        bool foldCase;
        int from;
        int offset;
    } kCases[] = {
        {"xxabc", "abc", false, 0, 2},
        {"xxABC", "abc", false, 0, -1},
        {"xxABC", "abc", true, 0, 2},
        {"xab xAbC", "aBc", true, 0, 5},    // the first "ab" is not followed by c
        {"abcabc", "abc", false, 1, 3},
        {"abc", "abcd", false, 0, -1},      // longer than the buffer
        {"abc", "", false, 1, 1},           // an empty literal stands everywhere
        {"a 加 加", " 加", false, 0, 1},     // searched for by its rarer byte
        {"加x 加", " 加", false, 0, 3},      // the rarer byte's first place is too early
        {"12-34", "-3", true, 0, 2},        // folding a literal without letters
        // Bytes, not characters: the trail byte 0x41 of B0 41 is an 'A' here, and the bytes
        // of 计 (BC C6) stand across the two characters 81 BC and C6 31. The line search
        // behind the scan decides.
        {"\xB0\x41" "bc", "abc", true, 0, 1},
        {"\x81\xBC\xC6\x31", "计", false, 0, 1},
    };
    for (const auto& c : kCases) {
        const std::string buffer = c.buffer;
        const LiteralScan scan(c.literal, c.foldCase);
        const char* found = scan.Next(buffer.data() + c.from, buffer.data() + buffer.size());
        EXPECT_EQ(OffsetOf(buffer, found), c.offset) << c.buffer << " / " << c.literal;
    }
}

}  // namespace
