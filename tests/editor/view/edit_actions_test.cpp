#include <gtest/gtest.h>

#include <functional>

#include "EditTestSupport.h"

namespace {

struct ActionCase {
    const char* name;
    Texts before;
    DocPosition caret;
    std::function<void(CEditActions&)> action;
    Texts after;
    DocPosition caretAfter;
    bool overwrite = false;
    bool columnMode = false;
    bool spacesForTab = false;
};

void RunCase(const ActionCase& c)
{
    SCOPED_TRACE(c.name);
    EditFixture f;
    f.modes.overwriteMode = c.overwrite;
    f.modes.columnMode = c.columnMode;
    f.settings.spacesForTab = c.spacesForTab ? 1 : 0;
    SetDocumentLines(f.document, {});
    CLineList& list = f.document.GetLines();
    list.RemoveAll();
    for (const std::string& line : c.before)
        list.AddTail(line.data(), (int)line.size());
    f.document.AnalyzeAllLines(0, f.document.GetLineCount());
    f.view.SetClientSize(800, 480);
    f.view.InitialUpdate(nullptr);
    f.view.ReformatDocument();
    f.Caret(c.caret.column, c.caret.line);

    f.Act([&] { c.action(f.actions); });
    EXPECT_EQ(c.after, f.Lines());
    EXPECT_EQ(c.caretAfter.column, f.CaretAt().column);
    EXPECT_EQ(c.caretAfter.line, f.CaretAt().line);
    EXPECT_TRUE(f.view.Check());

    if (c.after != c.before) {
        ASSERT_TRUE(f.Undo());
        EXPECT_EQ(c.before, f.Lines()) << "after undo";
        EXPECT_TRUE(f.view.Check());
        ASSERT_TRUE(f.Redo());
        EXPECT_EQ(c.after, f.Lines()) << "after redo";
        EXPECT_TRUE(f.view.Check());
    }
}

// GBK bytes of the characters the cases use.
const std::string kZhong = "\xD6\xD0";         // 中
const std::string kOpenParen = "\xA3\xA8";     // （
const std::string kCloseParen = "\xA3\xA9";    // ）
const std::string kDash = "\xA1\xAA";          // —
const std::string kFullStop = "\xA1\xA3";      // 。
const std::string kOpenBracket = "\xA1\xBE";   // 【
const std::string kCloseBracket = "\xA1\xBF";  // 】
const std::string kEquals = "\xA3\xBD";        // ＝

using A = CEditActions;

TEST(EditActionsTest, EachCaretActionAndItsUndo)
{
    const ActionCase cases[] = {
        {"type inserts", {"abc"}, {1, 0}, [](A& a) { a.TypeCharAtCaret('x'); }, {"axbc"}, {2, 0}},
        {"overwrite replaces a byte", {"abc"}, {1, 0}, [](A& a) { a.TypeCharAtCaret('x'); },
         {"axc"}, {2, 0}, true},
        {"overwrite at the end appends", {"ab"}, {2, 0}, [](A& a) { a.TypeCharAtCaret('x'); },
         {"abx"}, {3, 0}, true},
        {"type past the end in column mode pads", {"ab"}, {5, 0},
         [](A& a) { a.TypeCharAtCaret('x'); }, {"ab   x"}, {6, 0}, false, true},
        {"closing mark as first text outdents", {"{", "    "}, {4, 1},
         [](A& a) { a.TypeCharAtCaret('}'); }, {"{", "}"}, {1, 1}},
        {"closing mark after text stays", {"  a"}, {3, 0}, [](A& a) { a.TypeCharAtCaret('}'); },
         {"  a}"}, {4, 0}},
        {"tab as spaces to the next stop", {"ab"}, {1, 0}, [](A& a) { a.InsertTabSpaces(); },
         {"a   b"}, {4, 0}, false, false, true},
        {"string inserts", {"ad"}, {1, 0}, [](A& a) { a.InsertStringAtCaret("bc"); }, {"abcd"},
         {3, 0}},
        {"string overwrites", {"abcd"}, {1, 0}, [](A& a) { a.InsertStringAtCaret("XY"); },
         {"aXYd"}, {3, 0}, true},
        {"string overwrite ending inside a double-byte character pads",
         {"a" + kZhong + "b"}, {0, 0}, [](A& a) { a.InsertStringAtCaret("XY"); }, {"XY b"},
         {2, 0}, true},
        {"string at a column moves a caret right of it", {"abcd"}, {3, 0},
         [](A& a) { a.InsertStringAtColumn(1, "XY"); }, {"aXYbcd"}, {5, 0}},
        {"enter splits", {"abc"}, {1, 0}, [](A& a) { a.NewLineWithIndent(); }, {"a", "bc"},
         {0, 1}},
        {"enter keeps the indentation", {"    abc"}, {7, 0}, [](A& a) { a.NewLineWithIndent(); },
         {"    abc", "    "}, {4, 1}},
        {"enter after the opening mark indents one step more", {"  if {"}, {6, 0},
         [](A& a) { a.NewLineWithIndent(); }, {"  if {", "\t  "}, {3, 1}},
        {"enter below blank lines takes the indentation above them", {"  a", "", ""}, {0, 2},
         [](A& a) { a.NewLineWithIndent(); }, {"  a", "", "", "  "}, {2, 3}},
        {"overwrite enter moves to the next line's text", {"abc", "  def"}, {1, 0},
         [](A& a) { a.NewLineWithIndent(); }, {"abc", "  def"}, {2, 1}, true},
        {"overwrite enter on the last line splits", {"abc"}, {1, 0},
         [](A& a) { a.NewLineWithIndent(); }, {"a", "bc"}, {0, 1}, true},
        {"backspace deletes a byte", {"abc"}, {2, 0}, [](A& a) { a.BackspaceAtCaret(); }, {"ac"},
         {1, 0}},
        {"backspace at a line start joins", {"ab", "cd"}, {0, 1},
         [](A& a) { a.BackspaceAtCaret(); }, {"abcd"}, {2, 0}},
        {"backspace at the document start does nothing", {"ab"}, {0, 0},
         [](A& a) { a.BackspaceAtCaret(); }, {"ab"}, {0, 0}},
        {"backspace in virtual space only moves", {"ab"}, {5, 0},
         [](A& a) { a.BackspaceAtCaret(); }, {"ab"}, {4, 0}, false, true},
        {"backspace deletes a double-byte character whole", {"a" + kZhong}, {3, 0},
         [](A& a) { a.BackspaceAtCaret(); }, {"a"}, {1, 0}},
        {"delete removes a byte", {"abc"}, {1, 0}, [](A& a) { a.DeleteAtCaret(); }, {"ac"},
         {1, 0}},
        {"delete removes a double-byte character whole", {"a" + kZhong + "b"}, {1, 0},
         [](A& a) { a.DeleteAtCaret(); }, {"ab"}, {1, 0}},
        {"delete at the end joins", {"ab", "cd"}, {2, 0}, [](A& a) { a.DeleteAtCaret(); },
         {"abcd"}, {2, 0}},
        {"delete in virtual space pads and joins", {"ab", "cd"}, {4, 0},
         [](A& a) { a.DeleteAtCaret(); }, {"ab  cd"}, {4, 0}, false, true},
        {"delete at the document end does nothing", {"ab"}, {2, 0},
         [](A& a) { a.DeleteAtCaret(); }, {"ab"}, {2, 0}},
        {"join trims and puts one blank", {"ab  ", "   cd"}, {0, 0},
         [](A& a) { a.JoinWithNextLine(); }, {"ab cd"}, {2, 0}},
        {"join on the last line does nothing", {"ab"}, {1, 0}, [](A& a) { a.JoinWithNextLine(); },
         {"ab"}, {1, 0}},
        {"split keeps the caret", {"abcd"}, {2, 0}, [](A& a) { a.SplitLineAtCaret(); },
         {"ab", "cd"}, {2, 0}},
        {"delete word to the next word", {"foo bar"}, {0, 0}, [](A& a) { a.DeleteWordAtCaret(); },
         {"bar"}, {0, 0}},
        {"delete word at the end joins", {"ab", "cd"}, {2, 0},
         [](A& a) { a.DeleteWordAtCaret(); }, {"abcd"}, {2, 0}},
        {"delete previous word", {"foo bar"}, {7, 0}, [](A& a) { a.DeletePrevWordAtCaret(); },
         {"foo "}, {4, 0}},
        {"delete previous word at a line start joins", {"ab", "cd"}, {0, 1},
         [](A& a) { a.DeletePrevWordAtCaret(); }, {"abcd"}, {2, 0}},
        {"delete previous word in virtual space trims", {"ab  "}, {6, 0},
         [](A& a) { a.DeletePrevWordAtCaret(); }, {"ab"}, {2, 0}, false, true},
        {"delete to line end", {"abcdef"}, {2, 0}, [](A& a) { a.DeleteToLineEndAtCaret(); },
         {"ab"}, {2, 0}},
        {"delete to line start", {"abcdef"}, {2, 0}, [](A& a) { a.DeleteToLineStartAtCaret(); },
         {"cdef"}, {0, 0}},
        {"delete to line start at column 0 joins", {"ab", "cd"}, {0, 1},
         [](A& a) { a.DeleteToLineStartAtCaret(); }, {"abcd"}, {2, 0}},
        {"delete line", {"a", "bc", "d"}, {1, 1}, [](A& a) { a.DeleteCaretLine(); }, {"a", "d"},
         {1, 1}},
        {"delete the last line empties it", {"a", "bc"}, {1, 1}, [](A& a) { a.DeleteCaretLine(); },
         {"a", ""}, {0, 1}},
        {"duplicate line", {"ab", "c"}, {1, 0}, [](A& a) { a.DuplicateCaretLine(); },
         {"ab", "ab", "c"}, {1, 1}},
        {"indent line", {"ab"}, {1, 0}, [](A& a) { a.IndentCaretLine(); }, {"\tab"}, {2, 0}},
        {"indent line with blanks", {"ab"}, {1, 0}, [](A& a) { a.IndentCaretLine(); },
         {"    ab"}, {5, 0}, false, false, true},
        {"outdent line", {"\tab"}, {2, 0}, [](A& a) { a.OutdentCaretLine(); }, {"ab"}, {1, 0}},
        {"comment line", {"ab"}, {0, 0}, [](A& a) { a.CommentCaretLine(); }, {"// ab"}, {3, 0}},
        {"uncomment line", {"// ab"}, {5, 0}, [](A& a) { a.UncommentCaretLine(); }, {"ab"},
         {2, 0}},
    };
    for (const ActionCase& c : cases)
        RunCase(c);
}

// Overwrite judged double-byte characters by the run they stood in, so a full-width
// delimiter or quotation mark lost only its lead byte.
TEST(EditActionsTest, OverwriteReplacesWholeDoubleByteCharacterInAnyRun)
{
    const ActionCase cases[] = {
        {"hanzi", {"a" + kZhong + "b"}, {1, 0}, [](A& a) { a.TypeCharAtCaret('x'); },
         {"ax b"}, {2, 0}, true},
        {"full-width delimiter", {"a" + kOpenParen + "b"}, {1, 0},
         [](A& a) { a.TypeCharAtCaret('x'); }, {"ax b"}, {2, 0}, true},
        {"inside a quotation", {"\"" + kZhong + "\""}, {1, 0},
         [](A& a) { a.TypeCharAtCaret('x'); }, {"\"x \""}, {2, 0}, true},
        {"inside a comment", {"// " + kEquals}, {3, 0}, [](A& a) { a.TypeCharAtCaret('x'); },
         {"// x "}, {4, 0}, true},
    };
    for (const ActionCase& c : cases)
        RunCase(c);
}

TEST(EditActionsTest, BackspaceTurnsFullWidthPunctuationIntoAscii)
{
    struct BackspaceCase {
        std::string before;
        std::string after;
        ByteColumn caretAfter;
    };
    const BackspaceCase cases[] = {
        {"a" + kFullStop, "a.", 2},
        {kOpenParen + kCloseParen, "()", 2},
        {kOpenParen, "(", 1},
        {"x" + kCloseParen, "x)", 2},
        {kOpenBracket + kCloseBracket, "[]", 2},
        {kDash + kDash, "_", 1},
        {"\xA1\xB6", "<", 1},
        {"\xA1\xB7", ">", 1},
        {"\xA3\xA4", "$", 1},
        {"\xA1\xA2", "\\", 1},
        {kEquals, "=", 1},
        {"\xA3\xFB\xA3\xFD", "{}", 2},
        {kDash, "", 0},
        {"a" + kZhong, "a", 1},
    };
    for (const BackspaceCase& c : cases) {
        RunCase({c.before.c_str(), {c.before}, {(int)c.before.size(), 0},
                 [](A& a) { a.BackspaceAtCaret(); }, {c.after}, {c.caretAfter, 0}});
    }
}

TEST(EditActionsTest, BackspaceInQuotationConvertsOnlyTextMarks)
{
    // In a quotation the full stop still turns into ASCII; brackets and the equals sign
    // are deleted instead.
    const std::string quote = "\"";
    RunCase({"full stop", {quote + "a" + kFullStop}, {4, 0}, [](A& a) { a.BackspaceAtCaret(); },
             {quote + "a."}, {3, 0}});
    RunCase({"parenthesis", {quote + "a" + kOpenParen}, {4, 0},
             [](A& a) { a.BackspaceAtCaret(); }, {quote + "a"}, {2, 0}});
    RunCase({"equals", {"// " + kEquals}, {5, 0}, [](A& a) { a.BackspaceAtCaret(); }, {"// "},
             {3, 0}});
}

TEST(EditActionsTest, MoveToPrevTabStopOnlyMovesTheCaret)
{
    EditFixture f;
    f.Load({"abcdefghij"});
    f.Caret(6, 0);
    f.actions.MoveToPrevTabStop();
    EXPECT_EQ(4, f.CaretAt().column);
    f.actions.MoveToPrevTabStop();
    EXPECT_EQ(0, f.CaretAt().column);
    EXPECT_EQ(Texts{"abcdefghij"}, f.Lines());
}

TEST(EditActionsTest, WholeDocumentTransformKeepsCaretAndAnchorOnTheirText)
{
    EditFixture f;
    f.Load({"\tab", "x\ty"});
    f.Select(1, 0, 2, 1);
    f.Act([&] { f.actions.TabsToSpacesKeepingPositions(); });
    EXPECT_EQ((Texts{"    ab", "x   y"}), f.Lines());
    EXPECT_EQ(0, f.view.GetAnchorDocPosition().line);
    EXPECT_EQ(1, f.CaretAt().line);
    EXPECT_EQ(2, f.CaretAt().column);
    EXPECT_TRUE(f.view.Check());
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"\tab", "x\ty"}), f.Lines());
}

TEST(EditActionsTest, IndentSelectedLinesCoversWholeLinesAndSelectsThem)
{
    EditFixture f;
    f.Load({"a", "b", "c", "d"});
    f.Select(1, 1, 1, 2);
    f.Act([&] { f.actions.IndentSelectedLines(); });
    EXPECT_EQ((Texts{"a", "\tb", "\tc", "d"}), f.Lines());
    EXPECT_EQ(0, f.CaretAt().column);
    EXPECT_EQ(1, f.CaretAt().line);
    EXPECT_EQ(0, f.view.GetAnchorDocPosition().column);
    EXPECT_EQ(3, f.view.GetAnchorDocPosition().line);
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"a", "b", "c", "d"}), f.Lines());
}

TEST(EditActionsTest, CommentSelectionEndingOnTheLastLineCoversIt)
{
    EditFixture f;
    f.Load({"a", "b"});
    f.Select(0, 0, 1, 1);
    f.Act([&] { f.actions.CommentSelectedLines(); });
    EXPECT_EQ((Texts{"// a", "// b"}), f.Lines());
    EXPECT_EQ(4, f.view.GetAnchorDocPosition().column);
}

} // namespace
