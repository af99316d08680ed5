#include "editor/view/MacroPlayer.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "EditTestSupport.h"
#include "editor/res/resource.h"

namespace {

// The window's side of a replay: a few command bodies, the files it could not insert, and
// what the replaying flag said whenever a step reached it.
struct FakeCommandHost : IMacroCommandHost {
    explicit FakeCommandHost(EditFixture& f) : f(f) {}

    bool RunCommandBody(int commandId) override
    {
        commands.push_back(commandId);
        replayingSeen &= f.modes.macroReplaying;
        switch (commandId) {
        case ID_EDIT_ENTER: return f.commands.DoEnterKey(1);
        case ID_SEARCH_REPLACE_ALL_IN_FILE: return f.search.DoReplaceAllInFile() > 0;
        case ID_EDIT_JOIN_LINES: throw std::bad_alloc();  // this step runs out of memory
        default: return false;
        }
    }
    void ReportUnreadableFile(const char* path) override { unreadable.push_back(path); }

    EditFixture& f;
    std::vector<int> commands;
    std::vector<std::string> unreadable;
    bool replayingSeen = true;
};

struct PlayerFixture : EditFixture {
    PlayerFixture() : recorder(macros), host(*this), player(commands, search, groups, prompts, host)
    {
        Load({"one two", "three two", "four"});
        Caret(0, 0);
    }
    // Slot 1 holds exactly these steps.
    void Macro(const std::vector<MacroStep>& steps)
    {
        macros[1].Clear();
        for (const MacroStep& step : steps)
            AppendMacroStep(macros[1], step);
    }
    MacroReplay Play() { return player.Replay(recorder, 1); }

    MacroSlotTable macros;
    KeyboardMacroRecorder recorder;
    FakeCommandHost host;
    CMacroPlayer player;
};

TEST(MacroPlayer, EachKindOfStepReplaysAsOneUndoStep)
{
    const struct Case {
        const char* name;
        std::vector<MacroStep> steps;
        Texts after;
    } cases[] = {
        {"typed characters", {{kStepChar, 'x'}, {kStepChar, 'y'}}, {"xyone two", "three two", "four"}},
        {"a typed string", {{kStepString, 0, 0, "墨 "}}, {"墨 one two", "three two", "four"}},
        {"a selecting caret key, then typing over the selection",
         {{kStepCaretKey, kKeyEnd, kModShift}, {kStepChar, 'z'}},
         {"z", "three two", "four"}},
        {"a find searches before the next step", {{kStepFind, 0, 0, "two"}, {kStepChar, '2'}},
         {"one 2", "three two", "four"}},
        {"an upward find from a line gone to",
         {{kStepGoTo, 3}, {kStepFind, kRecordedFindUpward, 0, "two"}, {kStepChar, '2'}},
         {"one two", "three 2", "four"}},
        {"a replace prepares what a replace command then does",
         {{kStepReplace, 0, 0, "two", "2"}, {kStepCommand, ID_SEARCH_REPLACE_ALL_IN_FILE}},
         {"one 2", "three 2", "four"}},
        {"a command that is not replayed is skipped",
         {{kStepCommand, ID_MACRO_RECORD}, {kStepCommand, ID_EDIT_ENTER}},
         {"", "one two", "three two", "four"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlayerFixture f;
        const Texts before = f.Lines();
        f.Macro(c.steps);
        ASSERT_EQ(MacroReplay::kReplayed, f.Play());
        EXPECT_EQ(c.after, f.Lines());
        EXPECT_TRUE(f.host.replayingSeen);
        EXPECT_FALSE(f.modes.macroReplaying);
        EXPECT_FALSE(f.recorder.IsReplaying());
        EXPECT_TRUE(f.view.Check());
        for (int id : f.host.commands)
            EXPECT_NE(ID_MACRO_RECORD, id);
        ASSERT_EQ(1, f.document.GetUndoSet().GetGroupCount());
        ASSERT_TRUE(f.Undo());
        EXPECT_EQ(before, f.Lines());
    }
}

// A step that runs out of memory ends the replay: the steps behind it never run, what
// the steps before it did is taken back, and the failure is reported once.
TEST(MacroPlayer, AReplayThatFailsMidwayStopsTakesItselfBackAndReports)
{
    PlayerFixture f;
    const Texts before = f.Lines();
    f.Macro({{kStepChar, 'x'},
             {kStepCommand, ID_EDIT_ENTER},
             {kStepCommand, ID_EDIT_JOIN_LINES},
             {kStepCommand, ID_EDIT_ENTER},
             {kStepChar, 'y'}});
    EXPECT_EQ(MacroReplay::kFailed, f.Play());
    EXPECT_EQ((std::vector<int>{ID_EDIT_ENTER, ID_EDIT_JOIN_LINES}), f.host.commands);
    EXPECT_EQ(before, f.Lines());
    EXPECT_EQ(1, f.prompts.outOfMemory);
    EXPECT_EQ(0, f.document.GetUndoSet().GetGroupCount());
    EXPECT_FALSE(f.document.IsModified());
    EXPECT_FALSE(f.modes.macroReplaying);
    EXPECT_FALSE(f.recorder.IsReplaying());
    EXPECT_TRUE(f.view.Check());
    // The player is whole afterwards: the next replay runs.
    f.Macro({{kStepChar, 'y'}});
    EXPECT_EQ(MacroReplay::kReplayed, f.Play());
    EXPECT_EQ("yone two", f.Line(0));
}

TEST(MacroPlayer, RefusalsAndStepsThatCannotBeDone)
{
    PlayerFixture f;
    const Texts before = f.Lines();
    // While recording: refused, reported and the recording cancelled; nothing replayed.
    f.Macro({{kStepChar, 'x'}});
    f.recorder.Start(2, "二");
    f.recorder.RecordChar('r');
    EXPECT_EQ(MacroReplay::kRefusedWhileRecording, f.Play());
    EXPECT_EQ(std::vector<std::string>{"Replay Macro"}, f.prompts.refusals);
    EXPECT_FALSE(f.recorder.IsRecording());
    EXPECT_TRUE(f.macros[0].kinds.IsEmpty()) << "the recording buffer is emptied";
    EXPECT_EQ(before, f.Lines());
    // An empty slot changes nothing.
    f.Macro({});
    EXPECT_EQ(MacroReplay::kEmpty, f.Play());
    EXPECT_EQ(before, f.Lines());
    // A file that cannot be read is reported and the replay goes on.
    f.Macro({{kStepInsertFile, 0, 0, "Z:\\nowhere\\missing.txt"}, {kStepChar, 'x'}});
    EXPECT_EQ(MacroReplay::kReplayed, f.Play());
    EXPECT_EQ(std::vector<std::string>{"Z:\\nowhere\\missing.txt"}, f.host.unreadable);
    EXPECT_EQ("xone two", f.Line(0));
}

} // namespace
