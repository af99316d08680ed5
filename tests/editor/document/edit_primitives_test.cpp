#include "editor/document/TextDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "undo_replay.h"

namespace {

CStringLineList Block(std::initializer_list<const char*> strings)
{
    CStringLineList block;
    for (const char* s : strings)
        block.AddTail(CString(s));
    return block;
}

void Expect(const CTextDocument& doc, const std::vector<std::string>& expected, const char* what)
{
    EXPECT_EQ(expected, DocumentTexts(doc)) << what;
    EXPECT_TRUE(doc.GetLines().Check()) << what;
}

} // namespace

// Each primitive, then undo and redo of its group: the text goes back and forth exactly and
// the logs stay consistent after every change.
TEST(EditPrimitives, EachPrimitiveUndoesAndRedoes)
{
    struct Case {
        const char* name;
        std::function<bool(CTextDocument&)> edit;
        std::vector<std::string> after;
    } cases[] = {
        {"insert char", [](CTextDocument& d) { return d.InsertChar(1, 0, 'x'); }, {"axbc", "def", "ghi"}},
        {"insert char at end", [](CTextDocument& d) { return d.InsertChar(3, 2, 'x'); }, {"abc", "def", "ghix"}},
        {"delete char", [](CTextDocument& d) { return d.DeleteChar(0, 1); }, {"abc", "ef", "ghi"}},
        {"insert string", [](CTextDocument& d) { return d.InsertString(2, 1, "XY", 2); }, {"abc", "deXYf", "ghi"}},
        {"delete string", [](CTextDocument& d) { return d.DeleteString(1, 2, 2); }, {"abc", "def", "g"}},
        {"insert one-line block",
         [](CTextDocument& d) {
             ByteColumn c;
             LineIndex l;
             return d.InsertBlock(1, 0, &c, &l, Block({"xy"}));
         },
         {"axybc", "def", "ghi"}},
        {"insert block",
         [](CTextDocument& d) {
             ByteColumn c;
             LineIndex l;
             return d.InsertBlock(1, 0, &c, &l, Block({"x", "", "y"}));
         },
         {"ax", "", "ybc", "def", "ghi"}},
        {"insert block at the last line",
         [](CTextDocument& d) {
             ByteColumn c;
             LineIndex l;
             return d.InsertBlock(3, 2, &c, &l, Block({"", "z"}));
         },
         {"abc", "def", "ghi", "z"}},
        {"delete block", [](CTextDocument& d) { return d.DeleteBlock(1, 0, 2, 2); }, {"ai"}},
        {"delete block in one line", [](CTextDocument& d) { return d.DeleteBlock(1, 1, 2, 1); }, {"abc", "df", "ghi"}},
        {"split line", [](CTextDocument& d) { return d.SplitLine(1, 1); }, {"abc", "d", "ef", "ghi"}},
        {"split at line end", [](CTextDocument& d) { return d.SplitLine(3, 2); }, {"abc", "def", "ghi", ""}},
        {"join lines", [](CTextDocument& d) { return d.JoinLines(3, 0); }, {"abcdef", "ghi"}},
    };
    const std::vector<std::string> before = {"abc", "def", "ghi"};
    for (const Case& c : cases) {
        CTextDocument doc;
        SetDocumentTexts(doc, before);
        doc.BeginUndoGroup(1);
        ASSERT_TRUE(c.edit(doc)) << c.name;
        doc.EndUndoGroup();
        Expect(doc, c.after, c.name);
        EXPECT_TRUE(doc.IsModified()) << c.name;
        EXPECT_EQ(1, doc.GetUndoSet().GetGroupCount()) << c.name;
        EXPECT_TRUE(doc.GetUndoSet().Check()) << c.name;

        ReplayNewestGroup(doc, true);
        Expect(doc, before, c.name);
        EXPECT_EQ(0, doc.GetUndoSet().GetGroupCount()) << c.name;
        EXPECT_EQ(1, doc.GetRedoSet().GetGroupCount()) << c.name;
        EXPECT_TRUE(doc.GetRedoSet().Check()) << c.name;

        ReplayNewestGroup(doc, false);
        Expect(doc, c.after, c.name);
        EXPECT_EQ(1, doc.GetUndoSet().GetGroupCount()) << c.name;
        EXPECT_EQ(0, doc.GetRedoSet().GetGroupCount()) << c.name;
    }
}

TEST(EditPrimitives, InsertBlockGivesTheEndOfTheInsertedText)
{
    CTextDocument doc;
    SetDocumentTexts(doc, {"abc"});
    ByteColumn column = -1;
    LineIndex line = -1;
    ASSERT_TRUE(doc.InsertBlock(1, 0, &column, &line, Block({"xy"})));
    EXPECT_EQ(3, column);
    EXPECT_EQ(0, line);

    SetDocumentTexts(doc, {"abc"});
    ASSERT_TRUE(doc.InsertBlock(1, 0, &column, &line, Block({"x", "y"})));
    Expect(doc, {"ax", "ybc"}, "two strings");
    EXPECT_EQ(1, column);
    EXPECT_EQ(1, line);
}

TEST(EditPrimitives, DeleteBlockRecordsTheRemovedLines)
{
    CTextDocument doc;
    SetDocumentTexts(doc, {"abc", "def", "ghi"});
    doc.BeginUndoGroup(1);
    ASSERT_TRUE(doc.DeleteBlock(1, 0, 2, 2));
    doc.EndUndoGroup();
    Expect(doc, {"ai"}, "delete block");
    ASSERT_EQ(1, doc.GetUndoSet().PopGroup());
    UndoStep step;
    ASSERT_TRUE(doc.GetUndoSet().PopStep(&step));
    EXPECT_EQ(kUndoDeleteBlock, step.op);
    EXPECT_EQ(1, step.column);
    EXPECT_EQ(0, step.line);
    EXPECT_EQ(Block({"bc", "def", "gh"}), step.block);
}

// Indexes outside the text are refused without a change or a step; the last line in
// particular is never joined with itself (the lookup clamps to the last line).
TEST(EditPrimitives, PrimitivesRefuseIndexesOutsideTheTextInsteadOfClampingToTheLastLine)
{
    struct Case {
        const char* name;
        std::function<bool(CTextDocument&)> edit;
    } cases[] = {
        {"join last line with itself", [](CTextDocument& d) { return d.JoinLines(3, 1); }},
        {"join past the end", [](CTextDocument& d) { return d.JoinLines(0, 5); }},
        {"join negative line", [](CTextDocument& d) { return d.JoinLines(0, -1); }},
        {"insert char past line end", [](CTextDocument& d) { return d.InsertChar(4, 0, 'x'); }},
        {"insert char negative column", [](CTextDocument& d) { return d.InsertChar(-1, 0, 'x'); }},
        {"insert char past last line", [](CTextDocument& d) { return d.InsertChar(0, 2, 'x'); }},
        {"delete char at line end", [](CTextDocument& d) { return d.DeleteChar(3, 0); }},
        {"delete string too long", [](CTextDocument& d) { return d.DeleteString(1, 0, 3); }},
        {"delete string negative length", [](CTextDocument& d) { return d.DeleteString(1, 0, -1); }},
        {"insert string negative length", [](CTextDocument& d) { return d.InsertString(0, 0, "x", -2); }},
        {"split past line end", [](CTextDocument& d) { return d.SplitLine(9, 0); }},
        {"split past last line", [](CTextDocument& d) { return d.SplitLine(0, 2); }},
        {"delete block reversed", [](CTextDocument& d) { return d.DeleteBlock(0, 1, 0, 0); }},
        {"delete block reversed columns", [](CTextDocument& d) { return d.DeleteBlock(2, 0, 1, 0); }},
        {"delete block past end", [](CTextDocument& d) { return d.DeleteBlock(0, 0, 0, 2); }},
        {"delete block column past line", [](CTextDocument& d) { return d.DeleteBlock(0, 0, 4, 1); }},
        {"insert empty block",
         [](CTextDocument& d) {
             ByteColumn c;
             LineIndex l;
             return d.InsertBlock(0, 0, &c, &l, CStringLineList());
         }},
        {"insert block past last line",
         [](CTextDocument& d) {
             ByteColumn c;
             LineIndex l;
             return d.InsertBlock(0, 7, &c, &l, Block({"x"}));
         }},
    };
    for (const Case& c : cases) {
        CTextDocument doc;
        SetDocumentTexts(doc, {"abc", "def"});
        doc.BeginUndoGroup(1);
        EXPECT_FALSE(c.edit(doc)) << c.name;
        doc.EndUndoGroup();
        Expect(doc, {"abc", "def"}, c.name);
        EXPECT_FALSE(doc.IsModified()) << c.name;
        EXPECT_EQ(0, doc.GetUndoSet().GetStepCount()) << c.name;
        EXPECT_EQ(0, doc.GetUndoSet().GetGroupCount()) << c.name;
    }
}

TEST(EditPrimitives, GroupWithoutChangesPushesNothing)
{
    CTextDocument doc;
    doc.BeginUndoGroup(1);
    EXPECT_TRUE(doc.InsertString(0, 0, "", 0));
    doc.EndUndoGroup();
    EXPECT_EQ(0, doc.GetUndoSet().GetGroupCount());
    EXPECT_FALSE(doc.IsModified());
}

TEST(EditPrimitives, GroupCollectsStepsAndReplaysThemInReverse)
{
    CTextDocument doc;
    SetDocumentTexts(doc, {"abc"});
    doc.BeginUndoGroup(1);
    doc.SplitLine(1, 0);
    doc.InsertString(0, 1, "12", 2);
    doc.DeleteChar(0, 0);
    doc.EndUndoGroup();
    Expect(doc, {"", "12bc"}, "group");
    EXPECT_EQ(3, doc.GetUndoSet().GetStepCount());

    ByteColumn column = -1;
    LineIndex line = -1;
    ASSERT_TRUE(doc.GetUndoSet().GetLastPosition(&column, &line));
    EXPECT_EQ(0, column);
    EXPECT_EQ(0, line);

    ReplayNewestGroup(doc, true);
    Expect(doc, {"abc"}, "undone");
    ReplayNewestGroup(doc, false);
    Expect(doc, {"", "12bc"}, "redone");
}

TEST(EditPrimitives, GetLastPositionWithoutGroupLeavesOutputs)
{
    CUndoSet set;
    ByteColumn column = 7;
    LineIndex line = 9;
    EXPECT_FALSE(set.GetLastPosition(&column, &line));
    EXPECT_EQ(7, column);
    EXPECT_EQ(9, line);
}

TEST(EditPrimitives, EditKeepsBookmarkAndReanalysesTheLine)
{
    CTextDocument doc;
    SetDocumentTexts(doc, {"abc"});
    CTextLine* line = doc.GetLine(0);
    const CColorRun run = {kRunWordByte, 0, 0, 3};
    line->SetRuns(&run, 1);
    doc.ToggleBookmark(0);
    doc.BeginUndoGroup(1);
    doc.InsertChar(0, 0, 'x');
    doc.EndUndoGroup();
    EXPECT_TRUE(line->IsBookmarked());

    CTextDocument fresh;
    SetDocumentTexts(fresh, {"xabc"});
    fresh.AnalyzeAllLines(0, 1);
    const CTextLine* expected = fresh.GetLine(0);
    ASSERT_EQ(expected->GetRunCount(), line->GetRunCount());
    for (int i = 0; i < line->GetRunCount(); ++i) {
        EXPECT_EQ(expected->GetRuns()[i].kind, line->GetRuns()[i].kind) << i;
        EXPECT_EQ(expected->GetRuns()[i].start, line->GetRuns()[i].start) << i;
        EXPECT_EQ(expected->GetRuns()[i].length, line->GetRuns()[i].length) << i;
    }
}

TEST(EditPrimitives, GetLineTextAndCopyBlock)
{
    CTextDocument doc;
    SetDocumentTexts(doc, {"abc", "def", "ghi"});
    CString text;
    doc.GetLineText(text, 1, 1, 5);
    EXPECT_EQ(CString("ef"), text);
    doc.GetLineText(text, 4, 1, 1);
    EXPECT_TRUE(text.IsEmpty());

    CStringLineList block;
    ASSERT_TRUE(doc.CopyBlock(block, 2, 0, 1, 2));
    EXPECT_EQ(Block({"c", "def", "g"}), block);
    EXPECT_FALSE(doc.CopyBlock(block, 0, 2, 0, 1));
    EXPECT_TRUE(block.IsEmpty());
}

// Save point: save, type, undo clears the modified flag; undoing past the save point and
// then acting drops it for good.
TEST(EditPrimitives, SavePoint)
{
    CTextDocument doc;
    auto type = [&](char c) {
        doc.BeginUndoGroup(1);
        doc.InsertChar(0, 0, c);
        doc.EndUndoGroup();
        doc.GetRedoSet().Clear();
        doc.DropStaleSavePoint();
    };
    auto undo = [&] {
        ReplayNewestGroup(doc, true);
        doc.CheckSavePoint();
    };
    auto redo = [&] {
        ReplayNewestGroup(doc, false);
        doc.CheckSavePoint();
    };
    type('a');
    doc.SetSavePointDepth(doc.GetUndoSet().GetGroupCount());
    doc.SetModifiedFlag(0);
    type('b');
    EXPECT_TRUE(doc.IsModified());
    undo();
    EXPECT_FALSE(doc.IsModified());
    undo();
    EXPECT_TRUE(doc.IsModified());
    // A new action here makes the saved state unreachable, also when the count comes back
    // to the save point's depth.
    type('c');
    EXPECT_EQ(-1, doc.GetSavePointDepth());
    undo();
    redo();
    undo();
    EXPECT_TRUE(doc.IsModified());
}

// Past the memory limit the log forgets its oldest groups but keeps the newest, however
// large; the save point moves with the depths and is gone with the group it stood on.
TEST(EditPrimitives, UndoLogForgetsItsOldestGroupsPastTheLimit)
{
    CTextDocument doc;
    SetDocumentTexts(doc, {std::string(1000, 'a'), std::string(1000, 'b'), "c"});
    doc.SetSavePointDepth(1);
    for (LineIndex line : {0, 1}) {
        doc.BeginUndoGroup(1);
        doc.InsertChar(0, 2, 'x');  // each group mixes kinds of steps
        doc.DeleteString(0, line, 1000);
        doc.InsertBlock(0, 2, nullptr, nullptr, Block({"p", "q"}));
        doc.EndUndoGroup();
        EXPECT_TRUE(doc.GetUndoSet().Check());
    }
    EXPECT_EQ(2, doc.GetUndoSet().GetGroupCount());
    EXPECT_EQ(1, doc.GetSavePointDepth());

    doc.SetUndoMemoryLimit(doc.GetUndoSet().GetMemoryEstimate());
    doc.BeginUndoGroup(1);
    doc.DeleteString(0, 3, 1);  // the line "c" moved down by the blocks
    doc.EndUndoGroup();
    EXPECT_EQ(2, doc.GetUndoSet().GetGroupCount()) << "the oldest went";
    EXPECT_EQ(0, doc.GetSavePointDepth());
    EXPECT_TRUE(doc.GetUndoSet().Check());

    doc.SetUndoMemoryLimit(1);
    doc.BeginUndoGroup(1);
    doc.InsertChar(0, 0, 'y');
    doc.EndUndoGroup();
    EXPECT_EQ(1, doc.GetUndoSet().GetGroupCount()) << "the newest stays";
    EXPECT_EQ(-1, doc.GetSavePointDepth()) << "the saved state is out of reach";
    EXPECT_TRUE(doc.GetUndoSet().Check());
    ReplayNewestGroup(doc, true);
    EXPECT_EQ(std::string(), DocumentTexts(doc)[0]);
}
