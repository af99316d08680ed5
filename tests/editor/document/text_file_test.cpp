#include "editor/document/FileHandle.h"
#include "editor/document/LineList.h"
#include "editor/document/TextDecoding.h"
#include "framework/MessageBox.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

std::vector<std::string> Texts(const CLineList& lines)
{
    std::vector<std::string> texts;
    for (int i = 0; i < lines.GetCount(); ++i)
        texts.emplace_back(lines.GetLine(i)->GetText(), (size_t)lines.GetLine(i)->GetLength());
    return texts;
}

struct Detected {
    EncodingCode encoding;
    LineEndCode lineEnd;
};

Detected DetectBytes(const std::string& bytes)
{
    Detected d{};
    DetectTextFormatOfBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                            &d.encoding, &d.lineEnd);
    return d;
}

// "中文" in GBK, UTF-8, UTF-16 LE and BE.
const std::string kGbkWord = "\xD6\xD0\xCE\xC4";
const std::string kUtf8Word = "\xE4\xB8\xAD\xE6\x96\x87";
const std::string kUtf16LeWord = std::string("\x2D\x4E\x87\x65", 4);
const std::string kUtf16BeWord = std::string("\x4E\x2D\x65\x87", 4);

} // namespace

TEST(TextFormat, ShortNames)
{
    EXPECT_STREQ("N.A.", GetEncodingShortName(0));
    EXPECT_STREQ("ASCII", GetEncodingShortName(1));
    EXPECT_STREQ("Unicode", GetEncodingShortName(3));
    EXPECT_STREQ("UTF-8", GetEncodingShortName(5));
    EXPECT_STREQ("N.A.", GetEncodingShortName(6));
    EXPECT_STREQ("DOS", GetLineEndShortName(1));
    EXPECT_STREQ("UNIX", GetLineEndShortName(2));
    EXPECT_STREQ("MAC", GetLineEndShortName(3));
    EXPECT_STREQ("N.A.", GetLineEndShortName(-1));
}

TEST(TextFormat, Detection)
{
    struct Case {
        const char* name;
        std::string bytes;
        EncodingCode encoding;
        LineEndCode lineEnd;
    } cases[] = {
        {"empty", "", kEncodingAnsi, kLineEndDos},
        {"crlf", "a\r\nb", kEncodingAnsi, kLineEndDos},
        {"lf", "a\nb\n", kEncodingAnsi, kLineEndUnix},
        {"cr", "a\rb\r", kEncodingAnsi, kLineEndMac},
        {"lf with a stray cr", "a\nb\rc\n", kEncodingAnsi, kLineEndDos},
        {"utf8 without mark is ansi", kUtf8Word + "\n", kEncodingAnsi, kLineEndUnix},
        {"utf8 mark", "\xEF\xBB\xBF" "a\r\n", kEncodingUtf8Bom, kLineEndDos},
        {"utf16le mark", std::string("\xFF\xFE" "a\0\n\0", 6), kEncodingUtf16Le, kLineEndUnix},
        {"utf16be mark", std::string("\xFE\xFF\0a\0\r", 6), kEncodingUtf16Be, kLineEndMac},
        {"only FF FE", "\xFF\xFE", kEncodingUtf16Le, kLineEndDos},
    };
    for (const Case& c : cases) {
        Detected d = DetectBytes(c.bytes);
        EXPECT_EQ(c.encoding, d.encoding) << c.name;
        EXPECT_EQ(c.lineEnd, d.lineEnd) << c.name;
    }
}

// U+4E0A (上) is 0A 4E in UTF-16 LE and U+0D4E... such units hold a 0A or 0D byte that is
// not a line end; only whole 16-bit units count.
TEST(TextFormat, Utf16LineEndsAreDetectedByUnitsNotBytes)
{
    const std::string le = std::string("\xFF\xFE\x0A\x4E\x0D\x4E\x0A\x00", 8);
    EXPECT_EQ(kLineEndUnix, DetectBytes(le).lineEnd);
    const std::string be = std::string("\xFE\xFF\x4E\x0A\x4E\x0D\x00\x0D", 8);
    EXPECT_EQ(kLineEndMac, DetectBytes(be).lineEnd);
}

class TextFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes) { return m_dir.WriteFile("t.txt", bytes); }

    std::vector<std::string> LoadDetected(const std::string& bytes, EncodingCode* encoding = nullptr,
                                          LineEndCode* lineEnd = nullptr)
    {
        const std::string path = Write(bytes);
        EncodingCode e;
        LineEndCode l;
        EXPECT_TRUE(DetectTextFormat(path.c_str(), &e, &l));
        EXPECT_TRUE(m_lines.Load(path.c_str(), e, l));
        EXPECT_TRUE(m_lines.Check());
        if (encoding)
            *encoding = e;
        if (lineEnd)
            *lineEnd = l;
        return Texts(m_lines);
    }

    std::string SaveAndRead(EncodingCode encoding, LineEndCode lineEnd)
    {
        const std::string path = m_dir / "out.txt";
        EXPECT_TRUE(m_lines.Save(path.c_str(), encoding, lineEnd));
        return TempDir::ReadFile(path);
    }

    TempDir m_dir;
    CLineList m_lines;
    ScopedMessageBoxHook m_boxes;
};

TEST_F(TextFileTest, OnlyByteOrderMarkLoadsAsOneEmptyLine)
{
    EncodingCode e;
    EXPECT_EQ(std::vector<std::string>{""}, LoadDetected("\xFF\xFE", &e));
    EXPECT_EQ(kEncodingUtf16Le, e);
}

TEST_F(TextFileTest, EmptyFileLoadsAsOneEmptyLine)
{
    EXPECT_EQ(std::vector<std::string>{""}, LoadDetected(""));
}

TEST_F(TextFileTest, DosFileSavedAsUnix)
{
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), LoadDetected("a\r\nb"));
    EXPECT_EQ("a\nb", SaveAndRead(kEncodingAnsi, kLineEndUnix));
}

TEST_F(TextFileTest, UnixFileWithAStrayCrIsStillSplitAtLf)
{
    EXPECT_EQ((std::vector<std::string>{"a", "b\rc", ""}), LoadDetected("a\nb\rc\n"));
}

TEST_F(TextFileTest, MacFileRoundTrips)
{
    EXPECT_EQ((std::vector<std::string>{"a", "b", ""}), LoadDetected("a\rb\r"));
    EXPECT_EQ("a\rb\r", SaveAndRead(kEncodingAnsi, kLineEndMac));
}

TEST_F(TextFileTest, ZeroBytesInsideALineAreKept)
{
    const std::string bytes("a\0b\r\nc", 6);
    EXPECT_EQ((std::vector<std::string>{std::string("a\0b", 3), "c"}), LoadDetected(bytes));
    EXPECT_EQ(bytes, SaveAndRead(kEncodingAnsi, kLineEndDos));
}

// Every encoding and line end, written and read back byte for byte.
TEST_F(TextFileTest, EveryEncodingAndLineEndRoundTrips)
{
    struct Form {
        EncodingCode encoding;
        std::string mark;
        std::string word;
        std::string (*unit)(char);
    };
    auto le = [](char c) { return std::string{c, '\0'}; };
    auto be = [](char c) { return std::string{'\0', c}; };
    auto byte = [](char c) { return std::string(1, c); };
    const Form forms[] = {
        {kEncodingAnsi, "", kGbkWord, byte},
        {kEncodingUtf16Le, "\xFF\xFE", kUtf16LeWord, le},
        {kEncodingUtf16Be, "\xFE\xFF", kUtf16BeWord, be},
        {kEncodingUtf8Bom, "\xEF\xBB\xBF", kUtf8Word, byte},
        {kEncodingUtf8, "", kUtf8Word, byte},
    };
    const LineEndCode ends[] = {kLineEndDos, kLineEndUnix, kLineEndMac};
    for (const Form& f : forms) {
        for (LineEndCode end : ends) {
            std::string eol = end == kLineEndDos ? f.unit('\r') + f.unit('\n')
                                                 : f.unit(end == kLineEndUnix ? '\n' : '\r');
            const std::string bytes = f.mark + f.unit('x') + f.word + eol + eol + f.word + eol;
            const std::string path = Write(bytes);
            ASSERT_TRUE(m_lines.Load(path.c_str(), f.encoding, end));
            EXPECT_EQ((std::vector<std::string>{"x" + kGbkWord, "", kGbkWord, ""}), Texts(m_lines))
                << "encoding " << f.encoding << " line end " << end;
            EXPECT_EQ(bytes, SaveAndRead(f.encoding, end))
                << "encoding " << f.encoding << " line end " << end;
        }
    }
}

// A UTF-8 sequence cut by the boundary of two read blocks is converted whole. (UTF-16
// units start at even offsets, so a block boundary never cuts one.)
TEST_F(TextFileTest, Utf8SequenceStraddlingABlockBoundary)
{
    const size_t block = 1 << 20;
    for (size_t shift = 1; shift < kUtf8Word.size(); ++shift) {
        std::string bytes = "\xEF\xBB\xBF";
        bytes.resize(block - shift, 'a');
        bytes += kUtf8Word;
        const std::string path = Write(bytes);
        TextLoadReport report;
        ASSERT_TRUE(m_lines.Load(path.c_str(), kEncodingUtf8Bom, kLineEndDos, &report));
        ASSERT_EQ(1, m_lines.GetCount());
        const std::string text = m_lines.GetLine(0)->GetText();
        EXPECT_EQ("a" + kGbkWord, text.substr(text.size() - 5)) << "shift " << shift;
        EXPECT_FALSE(report.replacedCharacters);
    }
}

TEST_F(TextFileTest, CrAtTheEndOfOneBlockAndLfAtTheStartOfTheNext)
{
    const size_t block = 1 << 20;
    std::string bytes(block - 1, 'a');
    bytes += "\r\nb";
    EXPECT_EQ((std::vector<std::string>{std::string(block - 1, 'a'), "b"}), LoadDetected(bytes));
}

TEST_F(TextFileTest, LoadReportsCharactersGbkCannotHold)
{
    const std::string path = Write("\xEF\xBB\xBF" "a\xED\x95\x9C" "b" + kUtf8Word);  // a Hangul syllable
    TextLoadReport report;
    ASSERT_TRUE(m_lines.Load(path.c_str(), kEncodingUtf8Bom, kLineEndDos, &report));
    EXPECT_TRUE(report.replacedCharacters);
    EXPECT_EQ("a?b" + kGbkWord, Texts(m_lines)[0]);

    const std::string clean = Write("\xEF\xBB\xBF" + kUtf8Word);
    TextLoadReport cleanReport;
    ASSERT_TRUE(m_lines.Load(clean.c_str(), kEncodingUtf8Bom, kLineEndDos, &cleanReport));
    EXPECT_FALSE(cleanReport.replacedCharacters);
}

// Loaded lines keep their text in the list's arena; edits give lines text of their own and
// a second load replaces everything.
TEST_F(TextFileTest, LoadedLinesCanBeEditedRemovedAndReloaded)
{
    std::string bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += "line " + std::to_string(i) + "\r\n";
    const std::string path = Write(bytes);
    CLineList lines;
    ASSERT_TRUE(lines.Load(path.c_str(), kEncodingAnsi, kLineEndDos));
    ASSERT_EQ(5001, lines.GetCount());
    EXPECT_STREQ("line 4999", lines.GetLine(4999)->GetText());
    lines.GetLine(10)->Assign("edited");
    lines.InsertLine(11, "new", 3);
    lines.RemoveLines(0, 5);
    EXPECT_STREQ("edited", lines.GetLine(5)->GetText());
    EXPECT_STREQ("new", lines.GetLine(6)->GetText());
    EXPECT_STREQ("line 11", lines.GetLine(7)->GetText());
    ASSERT_TRUE(lines.Load(path.c_str(), kEncodingAnsi, kLineEndDos));
    EXPECT_EQ(5001, lines.GetCount());
    EXPECT_STREQ("line 10", lines.GetLine(10)->GetText());
    EXPECT_TRUE(lines.Check());
}

// The load and save of the lines return their status and show nothing: the document
// reports failures.
TEST_F(TextFileTest, MissingFileFailsQuietly)
{
    EXPECT_FALSE(m_lines.Load((m_dir / "none.txt").c_str(), kEncodingAnsi, kLineEndDos));
    EXPECT_EQ(0, m_boxes.Count());
}

TEST_F(TextFileTest, SaveWritesNoLineEndAfterTheLastLine)
{
    m_lines.AddTail("a", 1);
    m_lines.AddTail("b", 1);
    EXPECT_EQ(std::string("\xFF\xFE" "a\0\r\0\n\0b\0", 10), SaveAndRead(kEncodingUtf16Le, kLineEndDos));
}

// Sharing locks and file attributes are the platform's: these cases run in the Windows build.
#ifdef _WIN32
TEST_F(TextFileTest, SaveOverALockedFileFailsAndKeepsTheOriginal)
{
    const std::string path = m_dir.WriteFile("locked.txt", "original");
    m_lines.AddTail("new", 3);
    HANDLE lock = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_FALSE(m_lines.Save(path.c_str(), kEncodingAnsi, kLineEndDos));
    ::CloseHandle(lock);
    EXPECT_EQ("original", TempDir::ReadFile(path));
    EXPECT_EQ(0, m_boxes.Count());
    // No temporary file is left behind.
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((m_dir / "*.tmp").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search);
    if (search != INVALID_HANDLE_VALUE)
        ::FindClose(search);
}

TEST_F(TextFileTest, SaveKeepsTheTargetsAttributes)
{
    const std::string path = m_dir.WriteFile("hidden.txt", "old");
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    m_lines.AddTail("new", 3);
    ASSERT_TRUE(m_lines.Save(path.c_str(), kEncodingAnsi, kLineEndDos));
    EXPECT_EQ("new", TempDir::ReadFile(path));
    EXPECT_TRUE((::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0);
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}
#endif

TEST_F(TextFileTest, SaveIntoAMissingFolderFails)
{
    m_lines.AddTail("x", 1);
    EXPECT_FALSE(m_lines.Save((m_dir / "no\\such.txt").c_str(), kEncodingAnsi, kLineEndDos));
    EXPECT_EQ(0, m_boxes.Count());
}

TEST(FileHandle, FolderOfPathStepsByCharacter)
{
    EXPECT_EQ("C:\\a", FolderOfPath("C:\\a\\b.txt"));
    EXPECT_EQ("C:\\", FolderOfPath("C:\\b.txt"));
    EXPECT_EQ(".", FolderOfPath("b.txt"));
    // 0x81 0x5C is one character whose trail byte is a backslash.
    EXPECT_EQ("C:\\d", FolderOfPath("C:\\d\\\x81\x5C.txt"));
}
