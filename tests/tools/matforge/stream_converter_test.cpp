#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "matforge_test_support.h"
#include "temp_dir.h"
#include "tools/matforge/StreamConverter.h"

namespace {

struct StreamResult {
    ConvertStatus status = kConvertDone;
    long lineNumber = 0;
    std::string output;  // LF line ends
};

// Converts GBK text through files opened in text mode, as the program opens them.
StreamResult ConvertFileText(const std::string& input)
{
    TempDir dir;
    std::string inputName = dir.WriteFile("in.txt", input);
    std::string outputName = dir / "out.txt";
    StreamResult result;
    FILE* in = std::fopen(inputName.c_str(), "r");
    FILE* out = std::fopen(outputName.c_str(), "w");
    if (!in || !out) {
        ADD_FAILURE() << "cannot open the temporary files";
    } else {
        result.status = ConvertStream(in, out, &result.lineNumber);
    }
    if (in)
        std::fclose(in);
    if (out)
        std::fclose(out);
    result.output = WithLineFeeds(TempDir::ReadFile(outputName));
    return result;
}

// A menu-item line of exactly length bytes whose last word is a flag.
std::string LongMenuItem(size_t length)
{
    std::string head = "菜单项 \"";
    std::string tail = "\", 101, 选择的";
    return head + std::string(length - head.size() - tail.size(), 'x') + tail;
}

}  // namespace

TEST(StreamConverter, LineEndsAndTheLastLine)
{
    const struct { const char* input; const char* output; } kCases[] = {
        {"", ""},
        {"#定义 A 1", "#define A 1\n"},
        {"#定义 A 1\n", "#define A 1\n"},
        {"#定义 A 1\r\n#否则\r\n", "#define A 1\n#else\n"},
        {"\n\n#否则\n", "\n\n#else\n"},
    };
    for (const auto& c : kCases) {
        StreamResult result = ConvertFileText(c.input);
        EXPECT_EQ(kConvertDone, result.status);
        EXPECT_EQ(GbkToUtf8(c.output), GbkToUtf8(result.output)) << GbkToUtf8(c.input);
    }
}

TEST(StreamConverter, RegressionLongLinesAreNeitherSplitNorCut)
{
    // Around the old 1000-byte line buffer, and far beyond it.
    for (size_t length : {998u, 999u, 1000u, 1001u, 1998u, 5000u, 70000u}) {
        std::string line = LongMenuItem(length);
        std::string script = "M 菜单\n开始\n" + line + "\n#否则\n结束\n";
        StreamResult result = ConvertFileText(script);
        EXPECT_EQ(kConvertDone, result.status) << length;
        std::string convertedLine = "MENUITEM" + line.substr(6, line.size() - 6 - 6) + "CHECKED";
        EXPECT_EQ("M MENU\nBEGIN\n" + convertedLine + "\n#else\nEND\n", result.output) << length;
    }
}

TEST(StreamConverter, RegressionOutputLongerThanTheOldBufferIsKeptWhole)
{
    // 990 bytes in, more than 999 out: the replacements are longer than the words.
    std::string line = "值 商标 " + std::string(980, 'v');
    std::string script = "版本信息\n开始\n" + line + "\n结束\n";
    StreamResult result = ConvertFileText(script);
    EXPECT_EQ(kConvertDone, result.status);
    EXPECT_EQ("1 VERSIONINFO\nBEGIN\nVALUE \"LegalTrademarks\" " + std::string(980, 'v') + "\nEND\n",
              result.output);
}

TEST(StreamConverter, AZeroByteIsReportedWithItsLine)
{
    StreamResult result = ConvertFileText(std::string("#否则\n#否则\na") + '\0' + "b\n");
    EXPECT_EQ(kConvertZeroByte, result.status);
    EXPECT_EQ(3, result.lineNumber);
}
