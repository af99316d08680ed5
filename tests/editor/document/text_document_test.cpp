#include "editor/document/TextDocument.h"
#include "framework/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"
#include "undo_replay.h"

TEST(TextDocument, NewDocumentIsOneEmptyAnsiDosLine)
{
    CTextDocument doc;
    EXPECT_EQ((std::vector<std::string>{""}), DocumentTexts(doc));
    EXPECT_EQ(kEncodingAnsi, doc.GetEncoding());
    EXPECT_EQ(kLineEndDos, doc.GetLineEnd());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(0, doc.GetSavePointDepth());
    EXPECT_EQ(1, doc.GetRecordTarget());
}

TEST(TextDocument, LoadDetectsFormatsAndClearsTheLogs)
{
    TempDir dir;
    const std::string path = dir.WriteFile("a.txt", "x\ny\n");
    CTextDocument doc;
    doc.BeginUndoGroup(1);
    doc.InsertChar(0, 0, 'q');
    doc.EndUndoGroup();
    ASSERT_TRUE(doc.LoadFromFile(path.c_str()));
    EXPECT_EQ((std::vector<std::string>{"x", "y", ""}), DocumentTexts(doc));
    EXPECT_EQ(kEncodingAnsi, doc.GetEncoding());
    EXPECT_EQ(kLineEndUnix, doc.GetLineEnd());
    EXPECT_EQ(0, doc.GetUndoSet().GetGroupCount());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.HasReplacedCharacters());
}

TEST(TextDocument, LoadWithAChosenEncoding)
{
    TempDir dir;
    // "中" in UTF-8 without a mark: detected as ANSI, read as UTF-8 when asked.
    const std::string path = dir.WriteFile("u.txt", "\xE4\xB8\xAD");
    CTextDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(path.c_str(), kEncodingUtf8));
    EXPECT_EQ(kEncodingUtf8, doc.GetEncoding());
    EXPECT_EQ((std::vector<std::string>{"\xD6\xD0"}), DocumentTexts(doc));
    ASSERT_TRUE(doc.SaveToFile(path.c_str()));
    EXPECT_EQ("\xE4\xB8\xAD", TempDir::ReadFile(path));
}

// Many Chinese characters hold a 0A or 0D byte in UTF-16 (上 is U+4E0A, 不 U+4E0D): a file
// without a mark read as UTF-16 must have its line ends found in units, not bytes.
TEST(TextDocument, ChosenUtf16WithoutAMarkFindsLineEndsInUnitsNotBytes)
{
    struct Case {
        const char* name;
        std::string bytes;
        EncodingCode encoding;
        LineEndCode lineEnd;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"CR ends, 上 holds a LF byte", std::string("\x0A\x4E\x0D\x00\x0B\x4E", 6), kEncodingUtf16Le,
         kLineEndMac, {"\xC9\xCF", "\xCF\xC2"}},
        {"LF ends, 不 holds a CR byte", std::string("\x0D\x4E\x0A\x00\x0B\x4E", 6), kEncodingUtf16Le,
         kLineEndUnix, {"\xB2\xBB", "\xCF\xC2"}},
        {"big-endian CR ends", std::string("\x4E\x0A\x00\x0D\x4E\x0B", 6), kEncodingUtf16Be,
         kLineEndMac, {"\xC9\xCF", "\xCF\xC2"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.WriteFile("w.txt", c.bytes);
        CTextDocument doc;
        ASSERT_TRUE(doc.LoadFromFile(path.c_str(), c.encoding)) << c.name;
        EXPECT_EQ(c.lineEnd, doc.GetLineEnd()) << c.name;
        EXPECT_EQ(c.lines, DocumentTexts(doc)) << c.name;
        ASSERT_TRUE(doc.SaveToFile(path.c_str())) << c.name;
        // Saving writes the mark the encoding carries, then the same units.
        const std::string mark = c.encoding == kEncodingUtf16Le ? "\xFF\xFE" : "\xFE\xFF";
        EXPECT_EQ(mark + c.bytes, TempDir::ReadFile(path)) << c.name;
    }
}

TEST(TextDocument, LoadTellsWhenCharactersWereReplaced)
{
    TempDir dir;
    const std::string path = dir.WriteFile("k.txt", "\xEF\xBB\xBF\xED\x95\x9C");  // a Hangul syllable
    CTextDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(path.c_str()));
    EXPECT_EQ(kEncodingUtf8Bom, doc.GetEncoding());
    EXPECT_TRUE(doc.HasReplacedCharacters());
}

TEST(TextDocument, LoadOfAMissingFileFailsAndKeepsOneLine)
{
    ScopedMessageBoxHook boxes;
    CTextDocument doc;
    EXPECT_FALSE(doc.LoadFromFile("C:\\no\\such\\file.txt"));
    EXPECT_EQ(1, doc.GetLineCount());
    EXPECT_EQ(0, boxes.Count()) << "the framework document reports it";
}

TEST(TextDocument, TypeTwiceUndoTwiceRedoOnce)
{
    CTextDocument doc;
    for (char c : {'a', 'b'}) {
        doc.BeginUndoGroup(1);
        doc.InsertChar(doc.GetLine(0)->GetLength(), 0, c);
        doc.EndUndoGroup();
        doc.GetRedoSet().Clear();
        doc.DropStaleSavePoint();
    }
    ReplayNewestGroup(doc, true);
    doc.CheckSavePoint();
    ReplayNewestGroup(doc, true);
    doc.CheckSavePoint();
    EXPECT_FALSE(doc.IsModified());
    ReplayNewestGroup(doc, false);
    doc.CheckSavePoint();
    EXPECT_EQ((std::vector<std::string>{"a"}), DocumentTexts(doc));
    EXPECT_EQ(1, doc.GetUndoSet().GetGroupCount());
    EXPECT_EQ(1, doc.GetRedoSet().GetGroupCount());
    EXPECT_TRUE(doc.IsModified());
}
