#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/源码/文件.h"
#include "temp_dir.h"
#include "tools/converter/InputReader.h"

namespace {

std::vector<CharCode> ReadAll(const std::string& path, bool blocks)
{
    FILE* stream = fopen(path.c_str(), "r");
    static InputReader reader;
    InputReaderOpen(&reader, stream);
    std::vector<CharCode> codes;
    CharCode code = 0;
    while ((blocks ? InputReadChar(&reader, &code) : FileReadChar(stream, &code)) > 0)
        codes.push_back(code);
    fclose(stream);
    return codes;
}

}  // namespace

// The block reader joins characters exactly as the library's FileReadChar does, also across
// block boundaries and with text-mode line ends.
TEST(InputReader, SameCharactersAsTheLibrary)
{
    std::string text;
    while (text.size() < 3 * kInputBlockSize)
        text += "中文 abc\r\n\x81\x30\x81\x30 ＡＢ\t";
    text += "\xB0";   // a lead byte cut off by the end of the file
    TempDir dir;
    std::string path = dir.WriteFile("in.txt", text);
    std::vector<CharCode> expected = ReadAll(path, false);
    EXPECT_EQ(expected, ReadAll(path, true));
    EXPECT_EQ((CharCode)0xB0, expected.back());
}

TEST(InputReader, EndAndNullStream)
{
    static InputReader reader;
    InputReaderOpen(&reader, nullptr);
    CharCode code = 0;
    EXPECT_EQ(0, InputReadChar(&reader, &code));
    EXPECT_EQ((CharCode)-1, code);
}
