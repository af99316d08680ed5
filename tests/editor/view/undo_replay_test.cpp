#include <gtest/gtest.h>

#include <cstdlib>

#include "EditTestSupport.h"

namespace {

void Save(CTextDocument& document)
{
    document.SetSavePointDepth(document.GetUndoSet().GetGroupCount());
    document.SetModifiedFlag(0);
}

TEST(UndoReplayTest, TwoActionsUndoneTwiceRedoneOnce)
{
    EditFixture f;
    f.Load({""});
    f.Act([&] { f.commands.DoTypeChar('a'); });
    f.Act([&] { f.commands.DoTypeChar('b'); });
    ASSERT_TRUE(f.Undo());
    ASSERT_TRUE(f.Undo());
    ASSERT_TRUE(f.Redo());
    EXPECT_EQ((Texts{"a"}), f.Lines());
    EXPECT_EQ(1, f.groups.CanUndo());
    EXPECT_EQ(1, f.groups.CanRedo());
    EXPECT_TRUE(f.document.IsModified());
    EXPECT_EQ(1, f.CaretAt().column);
}

TEST(UndoReplayTest, UndoBackToTheSavePointClearsModified)
{
    EditFixture f;
    f.Load({"x"});
    Save(f.document);
    f.Caret(1, 0);
    f.Act([&] { f.commands.DoTypeChar('a'); });
    EXPECT_TRUE(f.document.IsModified());
    ASSERT_TRUE(f.Undo());
    EXPECT_FALSE(f.document.IsModified());
    ASSERT_TRUE(f.Redo());
    EXPECT_TRUE(f.document.IsModified());
}

// After save, undo and a new edit, the saved state cannot come back; a later undo that
// brought the group count back to the old depth showed the document unmodified.
TEST(UndoReplayTest, SavePointDroppedWhenANewEditFollowsUndoBelowIt)
{
    EditFixture f;
    f.Load({""});
    f.Act([&] { f.commands.DoTypeChar('a'); });
    Save(f.document);  // saved text: "a", depth 1
    ASSERT_TRUE(f.Undo());
    f.Act([&] { f.commands.DoTypeChar('b'); });  // text "b", again one group
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(f.document.IsModified());
        f.Undo();
        EXPECT_TRUE(f.document.IsModified()) << "text: " << f.Line(0);
        f.Redo();
    }
    EXPECT_EQ((Texts{"b"}), f.Lines());
    EXPECT_EQ(-1, f.document.GetSavePointDepth());
}

TEST(UndoReplayTest, ReplayedBlockDeletionPutsTheCaretAtTheBlockEnd)
{
    EditFixture f;
    f.Load({"abc", "def", "ghi"});
    f.Select(1, 0, 2, 1);
    f.Act([&] { f.commands.DoDeleteKey(); });
    EXPECT_EQ((Texts{"af", "ghi"}), f.Lines());
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"abc", "def", "ghi"}), f.Lines());
    EXPECT_EQ(2, f.CaretAt().column);
    EXPECT_EQ(1, f.CaretAt().line);
    EXPECT_FALSE(f.view.IsSelectionActive());
}

TEST(UndoReplayTest, UndoWhileRecordingAMacroIsRefused)
{
    EditFixture f;
    f.Load({""});
    f.Act([&] { f.commands.DoTypeChar('a'); });
    f.modes.macroRecording = true;
    EXPECT_FALSE(f.Undo());
    EXPECT_EQ((Texts{"a"}), f.Lines());
    ASSERT_EQ(1u, f.prompts.refusals.size());
    EXPECT_EQ("Undo", f.prompts.refusals[0]);
}

TEST(UndoReplayTest, PreviousEditPositionIsTheNewestStep)
{
    EditFixture f;
    f.Load({"abc", "def"});
    f.Caret(2, 1);
    f.Act([&] { f.commands.DoTypeChar('x'); });
    f.Caret(0, 0);
    EXPECT_TRUE(f.search.DoGoToPrevEditPos());
    EXPECT_EQ(2, f.CaretAt().column);
    EXPECT_EQ(1, f.CaretAt().line);
}

// After any sequence of edits the display lines agree with a fresh layout, and undoing
// everything gives the original text back.
TEST(UndoReplayTest, RandomEditsKeepTheLayoutAndUndoAllRestores)
{
    for (int wrap = 0; wrap < 2; ++wrap) {
        SCOPED_TRACE(wrap ? "wrap on" : "wrap off");
        EditFixture f;
        f.Load({"int main() {", "    return 0; // \xD6\xD0\xCE\xC4 text that is long enough to wrap",
                "}", "", "\tlast line"},
               wrap != 0, 240);
        const Texts original = f.Lines();
        srand(7);
        int actions = 0;
        for (int step = 0; step < 300; ++step) {
            const LineIndex line = rand() % f.document.GetLineCount();
            const int length = f.document.GetLine(line)->GetLength();
            const ByteColumn column = length > 0 ? rand() % (length + 1) : 0;
            if (rand() % 5 == 0) {
                const LineIndex other = rand() % f.document.GetLineCount();
                f.Select(column, line, 0, other);
            } else {
                f.Caret(column, line);
            }
            const int choice = rand() % 10;
            f.Act([&] {
                switch (choice) {
                case 0: f.commands.DoTypeChar('a' + (char)(rand() % 26)); break;
                case 1: f.commands.DoTypeString("\xBA\xC3"); break;
                case 2: f.commands.DoEnterKey(1); break;
                case 3: f.commands.DoBackspaceKey(); break;
                case 4: f.commands.DoDeleteKey(); break;
                case 5: f.commands.DoTabKey(); break;
                case 6: f.commands.DoDuplicateLine(); break;
                case 7: f.commands.DoDeleteLine(1); break;
                case 8: f.commands.DoJoinLines(); break;
                case 9: f.commands.DoDeletePrevWord(); break;
                }
            });
            ++actions;
            ASSERT_TRUE(f.view.Check()) << "step " << step << " action " << choice;
        }
        while (f.groups.CanUndo())
            ASSERT_TRUE(f.Undo());
        EXPECT_EQ(original, f.Lines());
        EXPECT_TRUE(f.view.Check());
        EXPECT_GT(actions, 0);
    }
}

} // namespace
