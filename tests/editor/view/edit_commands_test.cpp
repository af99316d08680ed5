#include <gtest/gtest.h>

#include <functional>

#include "EditTestSupport.h"

namespace {

enum class Selection { kNone, kStream, kStreamLines, kZeroWidthBlock, kBlock };

struct BodyCase {
    const char* name;
    Selection selection;
    std::function<bool(CEditCommands&)> body;  // false: refused
    Texts after;
    bool activeAfter;
    bool refused = false;
};

// Every case starts from the same three lines, with the selection the case names:
// stream "bc" of line 0, stream lines 0-1 (from column 1 to column 1), a zero-width block
// at cell 2 over lines 0-1, or a block of cells 1-3 over lines 0-1. The caret without a
// selection stands at column 2 of line 0.
void RunBodyCase(const BodyCase& c)
{
    SCOPED_TRACE(c.name);
    EditFixture f;
    f.Load({"abcd", "efgh", "ijkl"});
    f.modes.columnMode = c.selection == Selection::kZeroWidthBlock || c.selection == Selection::kBlock;
    switch (c.selection) {
    case Selection::kNone: f.Caret(2, 0); break;
    case Selection::kStream: f.Select(1, 0, 3, 0); break;
    case Selection::kStreamLines: f.Select(1, 0, 1, 1); break;
    case Selection::kZeroWidthBlock: f.Block(2, 0, 2, 1); break;
    case Selection::kBlock: f.Block(1, 0, 3, 1); break;
    }
    bool result = true;
    f.Act([&] { result = c.body(f.commands); });
    EXPECT_EQ(c.after, f.Lines());
    EXPECT_EQ(c.activeAfter, f.view.IsSelectionActive());
    EXPECT_EQ(c.refused, !result);
    EXPECT_EQ(c.refused ? 1 : 0, f.host.beeps);
    EXPECT_TRUE(f.view.Check());
}

bool Type(CEditCommands& c) { c.DoTypeChar('x'); return true; }
bool Enter(CEditCommands& c) { return c.DoEnterKey(0); }
bool Backspace(CEditCommands& c) { c.DoBackspaceKey(); return true; }
bool Delete(CEditCommands& c) { c.DoDeleteKey(); return true; }
bool Tab(CEditCommands& c) { c.DoTabKey(); return true; }
bool DeleteLine(CEditCommands& c) { return c.DoDeleteLine(0); }
bool Indent(CEditCommands& c) { return c.DoIndent(0); }
bool Comment(CEditCommands& c) { return c.DoCommentLines(0); }
bool DeleteToEnd(CEditCommands& c) { c.DoDeleteToLineEnd(); return true; }
bool Escape(CEditCommands& c) { c.DoEscapeKey(); return true; }

TEST(EditCommandsTest, BodyTablePerMode)
{
    using S = Selection;
    const BodyCase cases[] = {
        {"type, none", S::kNone, Type, {"abxcd", "efgh", "ijkl"}, false},
        {"type, stream", S::kStream, Type, {"axd", "efgh", "ijkl"}, false},
        {"type, zero-width block", S::kZeroWidthBlock, Type, {"abxcd", "efxgh", "ijkl"}, true},
        {"type, block", S::kBlock, Type, {"axd", "exh", "ijkl"}, true},
        {"enter, none", S::kNone, Enter, {"ab", "cd", "efgh", "ijkl"}, false},
        // The table holds over the edge case: Enter replaces a stream selection by a line end.
        {"enter, stream", S::kStream, Enter, {"a", "d", "efgh", "ijkl"}, false},
        {"enter, zero-width block refuses", S::kZeroWidthBlock, Enter, {"abcd", "efgh", "ijkl"},
         true, true},
        {"enter, block only deletes it", S::kBlock, Enter, {"ad", "eh", "ijkl"}, true},
        {"backspace, none", S::kNone, Backspace, {"acd", "efgh", "ijkl"}, false},
        {"backspace, stream only deletes it", S::kStream, Backspace, {"ad", "efgh", "ijkl"}, false},
        {"backspace, zero-width block", S::kZeroWidthBlock, Backspace, {"acd", "egh", "ijkl"}, true},
        {"backspace, block", S::kBlock, Backspace, {"ad", "eh", "ijkl"}, true},
        {"delete, none", S::kNone, Delete, {"abd", "efgh", "ijkl"}, false},
        {"delete, stream only deletes it", S::kStream, Delete, {"ad", "efgh", "ijkl"}, false},
        {"delete, zero-width block", S::kZeroWidthBlock, Delete, {"abd", "efh", "ijkl"}, true},
        {"tab, none", S::kNone, Tab, {"ab\tcd", "efgh", "ijkl"}, false},
        {"tab, one-line stream", S::kStream, Tab, {"a\td", "efgh", "ijkl"}, false},
        {"tab, stream over lines indents them", S::kStreamLines, Tab, {"\tabcd", "\tefgh", "ijkl"},
         true},
        {"tab, zero-width block", S::kZeroWidthBlock, Tab, {"ab\tcd", "ef\tgh", "ijkl"}, true},
        {"delete line, none", S::kNone, DeleteLine, {"efgh", "ijkl"}, false},
        {"delete line, stream", S::kStream, DeleteLine, {"ad", "efgh", "ijkl"}, false},
        {"delete line, zero-width block refuses", S::kZeroWidthBlock, DeleteLine,
         {"abcd", "efgh", "ijkl"}, true, true},
        {"delete line, block", S::kBlock, DeleteLine, {"ad", "eh", "ijkl"}, true},
        {"delete to end, zero-width block", S::kZeroWidthBlock, DeleteToEnd, {"ab", "ef", "ijkl"},
         true},
        {"indent, none", S::kNone, Indent, {"\tabcd", "efgh", "ijkl"}, false},
        {"indent, stream over lines", S::kStreamLines, Indent, {"\tabcd", "\tefgh", "ijkl"}, true},
        {"indent, block refuses", S::kBlock, Indent, {"abcd", "efgh", "ijkl"}, true, true},
        {"comment, none", S::kNone, Comment, {"// abcd", "efgh", "ijkl"}, false},
        {"comment, stream over lines", S::kStreamLines, Comment, {"// abcd", "// efgh", "ijkl"},
         true},
        {"comment, zero-width block refuses", S::kZeroWidthBlock, Comment, {"abcd", "efgh", "ijkl"},
         true, true},
        {"escape, stream", S::kStream, Escape, {"abcd", "efgh", "ijkl"}, false},
    };
    for (const BodyCase& c : cases)
        RunBodyCase(c);
}

TEST(EditCommandsTest, RefusalIsSilentWhenQuiet)
{
    EditFixture f;
    f.Load({"abcd", "efgh"});
    f.modes.columnMode = true;
    f.Block(2, 0, 2, 1);
    EXPECT_FALSE(f.commands.DoEnterKey(1));
    EXPECT_EQ(0, f.host.beeps);
}

TEST(EditCommandsTest, CommentsRefusedWithoutALineCommentMarker)
{
    EditFixture f;
    f.document.GetLanguageFiles().GetLangSpec().m_lineComment[0].clear();
    f.Load({"abcd"});
    EXPECT_FALSE(f.commands.DoCommentLines(0));
    EXPECT_FALSE(f.commands.DoUncommentLines(0));
    EXPECT_EQ(2, f.host.beeps);
    EXPECT_EQ((Texts{"abcd"}), f.Lines());
}

TEST(EditCommandsTest, ForcedNewLineSplitsEvenInOverwriteAndColumnMode)
{
    EditFixture f;
    f.Load({"abcd", "efgh"});
    f.modes.overwriteMode = true;
    f.modes.columnMode = true;
    f.Caret(2, 0);
    f.Act([&] { f.commands.DoForcedNewLine(); });
    EXPECT_EQ((Texts{"ab", "cd", "efgh"}), f.Lines());
    EXPECT_TRUE(f.modes.overwriteMode);
    EXPECT_TRUE(f.modes.columnMode);
}

TEST(EditCommandsTest, CutWithoutSelectionTakesTheLineAndItsLineEnd)
{
    EditFixture f;
    f.Load({"ab", "cd"});
    f.Caret(1, 0);
    f.Act([&] { EXPECT_TRUE(f.commands.DoCut(0)); });
    EXPECT_EQ((Texts{"cd"}), f.Lines());
    EXPECT_EQ(0, f.clipboard.text.compare(0, 4, "ab\r\n"));
}

// A clipboard text ending with a line end was split without its last break, so a copied
// line pasted into the middle of another line instead of above it.
TEST(EditCommandsTest, ClipboardTextEndingWithLineEndPastesAsWholeLines)
{
    EditFixture f;
    f.Load({"ab", "cd"});
    f.Caret(1, 0);
    f.Act([&] { f.commands.DoCopy(0); });
    f.Caret(0, 1);
    f.Act([&] { EXPECT_TRUE(f.commands.DoPaste(0)); });
    EXPECT_EQ((Texts{"ab", "ab", "cd"}), f.Lines());
    EXPECT_EQ(0, f.CaretAt().column);
    EXPECT_EQ(2, f.CaretAt().line);

    f.clipboard.text = std::string("x\ny\n\0\0", 6);
    f.Act([&] { f.commands.DoPaste(0); });
    EXPECT_EQ((Texts{"ab", "ab", "x", "y", "cd"}), f.Lines());
}

TEST(EditCommandsTest, PasteReplacesAStreamSelectionAndUndoesInOneStep)
{
    EditFixture f;
    f.Load({"abcd", "efgh"});
    f.clipboard.has = true;
    f.clipboard.text = "1\r\n2";
    f.Select(1, 0, 2, 1);
    f.Act([&] { f.commands.DoPaste(0); });
    EXPECT_EQ((Texts{"a1", "2gh"}), f.Lines());
    EXPECT_EQ(1, f.CaretAt().column);
    EXPECT_EQ(1, f.CaretAt().line);
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"abcd", "efgh"}), f.Lines());
}

TEST(EditCommandsTest, PasteWithEmptyClipboardRefuses)
{
    EditFixture f;
    f.Load({"ab"});
    EXPECT_FALSE(f.commands.DoPaste(0));
    EXPECT_EQ(1, f.host.beeps);
}

TEST(EditCommandsTest, AppendCopyAddsTheSelectionToTheClipboardText)
{
    EditFixture f;
    f.Load({"abcd"});
    f.clipboard.has = true;
    f.clipboard.text = "xy\r\n";
    f.Select(1, 0, 3, 0);
    EXPECT_TRUE(f.commands.DoAppendCopy(0));
    CStringLineList lines;
    ASSERT_TRUE(f.commands.ReadClipboardLines(lines));
    ASSERT_EQ(2, lines.GetCount());
    EXPECT_STREQ("xy", lines.GetAt(0));
    EXPECT_STREQ("bc", lines.GetAt(1));
}

// The case commands changed the bytes of the copied text one by one, so a block edge that
// cut a double-byte character left its trail byte (which may be an ASCII letter) exposed.
TEST(EditCommandsTest, CaseCommandsNeverChangeATrailByte)
{
    const std::string dbcsWithLetterTrail = "\x81\x61";  // lead 0x81, trail 'a'
    {
        EditFixture f;
        f.Load({"x" + dbcsWithLetterTrail + "yz"});
        f.modes.columnMode = true;
        f.Block(2, 0, 5, 0);  // the left edge cuts the character in two
        f.Act([&] { EXPECT_TRUE(f.commands.DoUpperCase(0)); });
        EXPECT_EQ((Texts{"x" + dbcsWithLetterTrail + "YZ"}), f.Lines());
    }
    {
        EditFixture f;
        f.Load({"Ab" + dbcsWithLetterTrail + "c"});
        f.Select(0, 0, 5, 0);
        f.Act([&] { EXPECT_TRUE(f.commands.DoInvertCase(0)); });
        EXPECT_EQ((Texts{"aB" + dbcsWithLetterTrail + "C"}), f.Lines());
        f.Act([&] { EXPECT_TRUE(f.commands.DoCapitalize(0)); });
        EXPECT_EQ((Texts{"Ab" + dbcsWithLetterTrail + "C"}), f.Lines());
    }
}

TEST(EditCommandsTest, CaseCommandsRefuseWithoutSelection)
{
    EditFixture f;
    f.Load({"ab"});
    EXPECT_FALSE(f.commands.DoLowerCase(0));
    EXPECT_EQ(1, f.host.beeps);
}

struct KeyCase {
    const char* name;
    bool selection;
    int key;
    int modifiers;
    DocPosition caret;
    bool activeAfter;
};

TEST(EditCommandsTest, CaretKeysWithAndWithoutShift)
{
    const KeyCase cases[] = {
        {"shift+left starts a selection", false, kKeyLeft, kModifierShift, {2, 1}, true},
        {"left leaves a selection at its start", true, kKeyLeft, 0, {1, 0}, false},
        {"right leaves a selection at its end", true, kKeyRight, 0, {3, 1}, false},
        {"down moves from the selection's end", true, kKeyDown, 0, {3, 2}, false},
        {"plain right", false, kKeyRight, 0, {4, 1}, false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        EditFixture f;
        f.Load({"abcdef", "abcdef", "abcdef"});
        if (c.selection)
            f.Select(1, 0, 3, 1);
        else
            f.Caret(3, 1);
        f.commands.MoveCaretByKey(c.key, c.modifiers);
        EXPECT_EQ(c.caret.column, f.CaretAt().column);
        EXPECT_EQ(c.caret.line, f.CaretAt().line);
        EXPECT_EQ(c.activeAfter, f.view.IsSelectionActive());
    }
}

TEST(EditCommandsTest, CaretKeyShowsTheCodeOfTheBytesAtTheCaret)
{
    EditFixture f;
    f.Load({"ab\xD6\xD0" "c"});
    f.Caret(0, 0);
    f.commands.MoveCaretByKey(kKeyRight, 0);
    EXPECT_EQ("\xA1\xBE" "62D6,D063\xA1\xBF", f.host.status);
    f.Caret(5, 0);
    f.commands.MoveCaretByKey(kKeyRight, 0);
    EXPECT_EQ("", f.host.status);
}

} // namespace

namespace {

TEST(EditCommandsTest, DragMoveWithinALineAdjustsTheDropPoint)
{
    EditFixture f;
    f.Load({"abcd", "efgh"});
    const PixelPosition anchor = f.view.PixelsFromDocPosition(1, 0);
    const PixelPosition caret = f.view.PixelsFromDocPosition(3, 0);
    const PixelPosition drop = f.view.PixelsFromDocPosition(4, 0);
    CStringLineList moved;
    moved.AddTail("bc");
    f.Act([&] {
        f.commands.DeleteDragSource(caret, anchor);
        f.commands.DropText(f.commands.AdjustDropPoint(caret, anchor, drop), moved);
    });
    EXPECT_EQ((Texts{"adbc", "efgh"}), f.Lines());
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"abcd", "efgh"}), f.Lines());
}

TEST(EditCommandsTest, DropBelowAMultiLineSourceMovesUpByItsSpan)
{
    EditFixture f;
    f.Load({"abcd", "efgh", "ijkl"});
    const PixelPosition anchor = f.view.PixelsFromDocPosition(2, 0);
    const PixelPosition caret = f.view.PixelsFromDocPosition(2, 1);
    const PixelPosition drop = f.view.PixelsFromDocPosition(1, 2);
    const PixelPosition adjusted = f.commands.AdjustDropPoint(caret, anchor, drop);
    EXPECT_EQ(drop.x, adjusted.x);
    EXPECT_EQ(drop.y - f.view.GetLineHeight(), adjusted.y);
    const PixelPosition onLastLine = f.view.PixelsFromDocPosition(3, 1);
    const PixelPosition moved = f.commands.AdjustDropPoint(caret, anchor, onLastLine);
    EXPECT_EQ(f.view.PixelsFromDocPosition(3, 0).x, moved.x);
    EXPECT_EQ(0, moved.y);
}

} // namespace

#include "temp_dir.h"

namespace {

TEST(EditCommandsTest, InsertFileReplacesTheSelectionWithTheFileLines)
{
    TempDir dir;
    const std::string path = dir.WriteFile("part.txt", "one\r\ntwo\r\n");
    EditFixture f;
    f.Load({"abcd"});
    f.Select(1, 0, 3, 0);
    f.Act([&] { EXPECT_TRUE(f.commands.InsertFileAtCaret(path.c_str())); });
    // The file's last line end is kept: its lines go in whole.
    EXPECT_EQ((Texts{"aone", "two", "d"}), f.Lines());
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"abcd"}), f.Lines());
}

TEST(EditCommandsTest, PlainInsertIgnoresOverwriteAndReplacesTheSelection)
{
    EditFixture f;
    f.Load({"abcd"});
    f.modes.overwriteMode = true;
    f.Select(1, 0, 2, 0);
    f.Act([&] { f.actions.InsertStringPlain("XY"); });
    EXPECT_EQ((Texts{"aXYcd"}), f.Lines());
    EXPECT_TRUE(f.modes.overwriteMode);
    EXPECT_FALSE(f.view.IsSelectionActive());
}

} // namespace
