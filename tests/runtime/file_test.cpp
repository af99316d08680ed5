// Files: open modes, whole-character I/O, formatted streams, copy and move through the
// command processor, renames, searches and attributes.
#include <gtest/gtest.h>

#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdarg>
#include <string>
#include <vector>

#include "runtime/源码/内存.h"
#include "runtime/源码/文件.h"
#include "runtime/源码/文件格式化.h"
#include "runtime/源码/进程.h"
#include "std_stream_redirect.h"
#include "temp_dir.h"

namespace {

TEST(FileModeText, TranslatesModeWords)
{
    struct Case {
        const char* mode;
        int size;
        const char* expected;
    } cases[] = {
        {"读数", 20, "rb"}, {"添+", 20, "a+"}, {"ｒ", 20, "r"}, {"x", 20, ""},
        {"写文", 20, "wt"}, {"ｗ＋ｂ", 20, "w+b"}, {"读写添数文+xyz", 4, "rwa"}, {"r", 1, ""},
    };
    for (const auto& c : cases) {
        char buffer[24];
        memset(buffer, 'Z', sizeof buffer);
        EXPECT_STREQ(FileModeText(c.mode, buffer, c.size), c.expected) << c.mode;
        EXPECT_EQ(buffer[c.size], 'Z') << c.mode;
    }
}

TEST(FileOpen, ChineseNameAndModeWords)
{
    TempDir dir;
    std::string name = dir / "中文 名字.txt";
    FILE* out = FileOpen(name.c_str(), "写数");
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(FilePutString(out, "第一行\n"), 0);
    FileClose(out);
    FILE* more = FileOpen(name.c_str(), "添数");
    ASSERT_NE(more, nullptr);
    FilePutString(more, "second\n");
    FileClose(more);
    EXPECT_EQ(TempDir::ReadFile(name), "第一行\nsecond\n");

    FILE* in = FileOpen(name.c_str(), "读");
    ASSERT_NE(in, nullptr);
    char line[8];
    EXPECT_STREQ(FileGetLine(in, line, sizeof line), "第一行\n");
    EXPECT_STREQ(FileGetLine(in, line, 4), "sec");
    EXPECT_EQ(FileLength(in), 14);
    FileClose(in);

    EXPECT_EQ(FileOpen((dir / "不存在\\x.txt").c_str(), "读"), nullptr);
    EXPECT_EQ(FileOpen(nullptr, "读"), nullptr);
    EXPECT_EQ(FileOpen(name.c_str(), nullptr), nullptr);
    EXPECT_EQ(FileClose(nullptr), 0);
}

TEST(FileOpenOrExitDeathTest, EndsTheProgramWhenTheFileCannotBeOpened)
{
    // The child process ends inside the statement, so nothing before it may need cleaning up.
    EXPECT_EXIT(FileOpenOrExit("C:\\没有这个目录\\x.txt", "读"), ::testing::ExitedWithCode(-1), "");
    TempDir dir;
    std::string present = dir.WriteFile("有.txt", "x");
    FILE* stream = FileOpenOrExit(present.c_str(), "读");
    EXPECT_NE(stream, nullptr);
    FileClose(stream);
}

struct ReadCharResult {
    int count;
    CharCode code;
    bool operator==(const ReadCharResult& o) const { return count == o.count && code == o.code; }
};

std::vector<ReadCharResult> ReadAllChars(const std::string& path)
{
    FILE* in = FileOpen(path.c_str(), "读数");
    std::vector<ReadCharResult> results;
    for (;;) {
        ReadCharResult r;
        r.count = FileReadChar(in, &r.code);
        results.push_back(r);
        if (r.count <= 0)
            break;
    }
    FileClose(in);
    return results;
}

TEST(FileReadChar, JoinsCharactersWithoutTheNewlineRule)
{
    TempDir dir;
    std::string path = dir.WriteFile("chars.bin", "中a\x81\x30\x81\x30\xD6\n\xB0");
    std::vector<ReadCharResult> expected = {
        {2, 0xD6D0}, {1, 'a'}, {4, 0x81308130}, {2, 0xD60A}, {1, 0xB0}, {0, (CharCode)-1}};
    EXPECT_EQ(ReadAllChars(path), expected);
}

TEST(FileWriteChar, WritesTheCharactersBytes)
{
    TempDir dir;
    std::string path = dir / "out.bin";
    FILE* out = FileOpen(path.c_str(), "写数");
    EXPECT_EQ(FileWriteChar(out, 0xD6D0), 2);
    EXPECT_EQ(FileWriteChar(out, 'x'), 1);
    EXPECT_EQ(FileWriteChar(out, 0x81308130), 4);
    EXPECT_EQ(FilePutByte(out, 'y'), 'y');
    FileClose(out);
    EXPECT_EQ(TempDir::ReadFile(path), "中x\x81\x30\x81\x30y");
    EXPECT_EQ(FileWriteChar(nullptr, 'x'), 0);
}

TEST(FileStreams, BytesPositionsAndFlags)
{
    TempDir dir;
    std::string path = dir.WriteFile("data.bin", "abcdef");
    FILE* f = FileOpen(path.c_str(), "读数");
    EXPECT_EQ(FileGetByte(f), 'a');
    EXPECT_EQ(FileUngetByte(f, 'z'), 'z');
    EXPECT_EQ(FileGetByte(f), 'z');
    EXPECT_EQ(FileSeek(f, 4, SEEK_SET), 0);
    EXPECT_EQ(FileTell(f), 4);
    char records[4] = "";
    EXPECT_EQ(FileRead(f, records, 1, 4), 2);
    EXPECT_NE(FileAtEnd(f), 0);
    FileClearError(f);
    EXPECT_EQ(FileAtEnd(f), 0);
    FileRewind(f);
    EXPECT_EQ(FileGetByte(f), 'a');
    EXPECT_EQ(FileHasError(f), 0);
    EXPECT_GE(FileNumber(f), 3);
    FileClose(f);
    EXPECT_EQ(FileGetByte(nullptr), -1);
    EXPECT_EQ(FileNumber(nullptr), -1);
}

TEST(FileLength, CountsWrittenBytesStillInTheStreamsBuffer)
{
    TempDir dir;
    std::string path = dir / "length.bin";
    FILE* out = FileOpen(path.c_str(), "写数");
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(FileWrite(out, "0123456789", 1, 10), 10);
    EXPECT_EQ(FileLength(out), 10);
    FileClose(out);

    FILE* both = FileOpen(path.c_str(), "读+数");
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(FileGetByte(both), '0');
    EXPECT_EQ(FileLength(both), 10);
    // Asking for the length while reading drops no buffered input.
    EXPECT_EQ(FileGetByte(both), '1');
    EXPECT_EQ(FileSeek(both, 0, SEEK_END), 0);
    EXPECT_EQ(FileWrite(both, "ab", 1, 2), 2);
    EXPECT_EQ(FileLength(both), 12);
    FileClose(both);
    EXPECT_EQ(FileLength(nullptr), -1);
}

TEST(FdToStream, OpensAStreamWithModeWords)
{
    TempDir dir;
    std::string path = dir.WriteFile("fd.txt", "甲乙");
    int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY);
    ASSERT_GE(fd, 0);
    FILE* stream = FdToStream(fd, "读数");
    ASSERT_NE(stream, nullptr);
    CharCode code = 0;
    EXPECT_EQ(FileReadChar(stream, &code), 2);
    EXPECT_STREQ(MbCharText(code), "甲");
    FileClose(stream);
    EXPECT_EQ(FdToStream(0, nullptr), nullptr);
}

int VPrint(FILE* f, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int result = FileVPrint(f, format, args);
    va_end(args);
    return result;
}

int VScan(FILE* f, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int result = FileVScan(f, format, args);
    va_end(args);
    return result;
}

TEST(FilePrint, RoundTripsThroughFileScan)
{
    TempDir dir;
    std::string path = dir / "values.txt";
    FILE* out = FileOpen(path.c_str(), "写数");
    EXPECT_EQ(FilePrint(out, "%整 %串 %（双精度）%行", -3, "中文", 2.5), 17);
    EXPECT_EQ(VPrint(out, "%六 ", 255), 3);
    EXPECT_EQ(FilePrintRaw(out, "%d", 9), 1);
    FileClose(out);
    EXPECT_EQ(TempDir::ReadFile(path), "-3 中文 2.500000\nff 9");

    FILE* in = FileOpen(path.c_str(), "读数");
    int number = 0, hex = 0, last = 0;
    char word[16] = "";
    double real = 0;
    EXPECT_EQ(FileScan(in, "%整 %串 %双", &number, word, &real), 3);
    EXPECT_EQ(VScan(in, "%六", &hex), 1);
    EXPECT_EQ(FileScanRaw(in, "%d", &last), 1);
    FileClose(in);
    EXPECT_EQ(number, -3);
    EXPECT_STREQ(word, "中文");
    EXPECT_EQ(real, 2.5);
    EXPECT_EQ(hex, 255);
    EXPECT_EQ(last, 9);

    EXPECT_EQ(FilePrint(nullptr, "%整", 1), 0);
    EXPECT_EQ(FileScan(nullptr, "%整", &number), 0);
}

// Names with blanks or the command processor's special characters used to be split or to
// redirect the copy.
TEST(FileCopy, QuotesNamesForTheCommandProcessor)
{
    TempDir dir;
    const char* names[][2] = {
        {"源 文件.txt", "目标 文件.txt"},
        {"a&b.txt", "c^d.txt"},
        {"plain.txt", "copy.txt"},
    };
    for (const auto& pair : names) {
        std::string source = dir.WriteFile(pair[0], "内容");
        std::string target = dir / pair[1];
        EXPECT_EQ(FileCopy(source.c_str(), target.c_str(), "/y >nul"), 0) << pair[0];
        EXPECT_EQ(TempDir::ReadFile(target), "内容") << pair[1];
        EXPECT_EQ(TempDir::ReadFile(source), "内容") << pair[0];
    }
    EXPECT_EQ(FileCopy(nullptr, "x", nullptr), -1);
}

TEST(FileMove, MovesNamesWithBlanks)
{
    TempDir dir;
    std::string source = dir.WriteFile("旧 名.txt", "x");
    std::string target = dir / "新 名.txt";
    EXPECT_EQ(FileMove(source.c_str(), target.c_str(), nullptr), 0);
    EXPECT_EQ(FileAccess(source.c_str(), 0), -1);
    EXPECT_EQ(TempDir::ReadFile(target), "x");
}

TEST(FileCopy, FreesItsCommandAtTheFileModulesLine)
{
    TempDir dir;
    std::string source = dir.WriteFile("a.txt", "x");
    std::string target = dir / "b.txt";
    StdStreamRedirect out(1);
    int previous = MemSetTrace(开);
    FileCopy(source.c_str(), target.c_str(), nullptr);
    MemSetTrace(previous);
    std::string log = out.Restore();
#if MOYU_EDITION == 172
    EXPECT_NE(log.find("源码\\墨语言文件.墨(49行)"), std::string::npos) << log;
#else
    EXPECT_NE(log.find("源码\\墨语言文件.墨(54行)"), std::string::npos) << log;
#endif
}

TEST(FileRename, ReportsLastErrorCode)
{
    TempDir dir;
    std::string a = dir.WriteFile("a.txt", "a");
    std::string b = dir.WriteFile("b.txt", "b");
    std::string c = dir / "c 中.txt";
    EXPECT_EQ(FileRename(a.c_str(), c.c_str()), 0);
    EXPECT_EQ(TempDir::ReadFile(c), "a");
#if MOYU_EDITION == 172
    EXPECT_EQ(FileRename(c.c_str(), b.c_str()), EEXIST);
#else
    EXPECT_EQ(FileRename(c.c_str(), b.c_str()), ERROR_ALREADY_EXISTS);
#endif
    EXPECT_EQ(FileDelete(b.c_str()), 0);
    EXPECT_EQ(FileDelete(b.c_str()), -1);
}

TEST(FileFind, WalksMatchesAndReportsTheEnd)
{
    TempDir dir;
    dir.WriteFile("一.txt", "");
    dir.WriteFile("二.txt", "");
    dir.WriteFile("三.dat", "");
    FileFindRecord record;
    std::vector<std::string> found;
    ASSERT_EQ(FileFindFirst((dir / "*.txt").c_str(), &record), 0);
    found.push_back(record.data.name);
    int result;
    while ((result = FileFindNext(&record)) == 0)
        found.push_back(record.data.name);
#if MOYU_EDITION == 172
    EXPECT_EQ(result, ENOENT);
#else
    EXPECT_EQ(result, ERROR_NO_MORE_FILES);
#endif
    EXPECT_EQ(FileFindClose(&record), 0);
    EXPECT_EQ(found.size(), 2u);

    FileFindRecord none;
#if MOYU_EDITION == 172
    EXPECT_EQ(FileFindFirst((dir / "*.none").c_str(), &none), ENOENT);
#else
    EXPECT_EQ(FileFindFirst((dir / "*.none").c_str(), &none), ERROR_FILE_NOT_FOUND);
#endif
}

TEST(FileChmod, SetsAndClearsReadOnly)
{
    TempDir dir;
    std::string path = dir.WriteFile("ro.txt", "x");
    EXPECT_EQ(FileChmod(path.c_str(), 0), 0);
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(FileChmod(path.c_str(), 0x80), 0);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(FileChmod((dir / "none").c_str(), 0x80), -1);
    EXPECT_EQ(FileAccess(path.c_str(), 0), 0);
}

TEST(FileSearchEnv, FindsFileAlongVariable)
{
    TempDir dir;
    CreateDirectoryA((dir / "甲").c_str(), nullptr);
    CreateDirectoryA((dir / "乙").c_str(), nullptr);
    dir.WriteFile("乙\\目标.txt", "x");
    std::string assignment = "MOYU_SEARCH_TEST=" + (dir / "甲") + ";" + (dir / "乙");
    ASSERT_EQ(ProcPutEnv(assignment.c_str()), 0);
    char buffer[260];
    EXPECT_EQ(std::string(FileSearchEnv("目标.txt", "MOYU_SEARCH_TEST", buffer)), dir / "乙\\目标.txt");
    EXPECT_STREQ(FileSearchEnv("没有.txt", "MOYU_SEARCH_TEST", buffer), "");
}

}  // namespace
