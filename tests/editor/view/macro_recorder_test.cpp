#include "editor/res/resource.h"
#include "editor/view/MacroRecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/view/ViewTypes.h"
#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

// Writes down every action a replay asks for, and whether the recorder said "replaying".
struct FakeView : MacroReplayTarget {
    KeyboardMacroRecorder* recorder = nullptr;
    std::vector<std::string> actions;
    int steps = 0;
    bool recordedDuringReplay = false;

    void Note(const std::string& action)
    {
        actions.push_back(action);
        recordedDuringReplay |= recorder != nullptr && (!recorder->IsReplaying() || recorder->ShouldRecord());
    }
    void CaretKey(int key, unsigned modifiers) override
    {
        Note("caret " + std::to_string(key) + " " + std::to_string(modifiers));
    }
    void TypeChar(int character) override { Note("char " + std::to_string(character)); }
    void InsertString(const char* text) override { Note(std::string("string ") + text); }
    void InsertFile(const char* path) override { Note(std::string("file ") + path); }
    void Find(const char* pattern, int flags) override { Note(std::string("find ") + pattern + " " + std::to_string(flags)); }
    void Replace(const char* pattern, const char* replacement, int flags) override
    {
        Note(std::string("replace ") + pattern + " " + replacement + " " + std::to_string(flags));
    }
    void GoToLine(int line) override { Note("goto " + std::to_string(line)); }
    void Command(int id) override { Note("command " + std::to_string(id)); }
    void StepDone() override { ++steps; }
};

struct StatusPane : MacroRecordingObserver {
    std::vector<bool> changes;
    void RecordingChanged(bool recording) override { changes.push_back(recording); }
};

} // namespace

TEST(MacroRecorder, RecordStoreReloadAndReplay)
{
    TempDir dir;
    const std::string file = dir / "vuze.宏";
    MacroSlotTable macros;
    StatusPane pane;
    KeyboardMacroRecorder recorder(macros, &pane);

    recorder.RecordChar('x');  // not recording: nothing kept
    recorder.Start(3, "宏三");
    recorder.RecordChar('a');
    recorder.RecordString("中文");
    recorder.RecordCaretKey(kKeyRight, kModifierCtrl | kModifierShift);
    recorder.RecordCaretKey(kKeyHome, kModifierAlt);
    recorder.RecordCaretKey(kKeyDown, 0);
    recorder.RecordFind("甲", 3);
    recorder.RecordReplace("a", "乙", 5);
    recorder.RecordGoTo(10);
    recorder.RecordCommand(ID_EDIT_DELETE_LINE);
    recorder.RecordCommand(41023);  // recorded, but no command a replay runs
    recorder.RecordInsertFile("C:\\片段.墨");
    ASSERT_TRUE(recorder.Stop(file.c_str()));
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_EQ((std::vector<bool>{true, false}), pane.changes);

    MacroSlotTable loaded;
    ASSERT_EQ(SetFileLoad::kLoaded, LoadMacroFile(file.c_str(), loaded));
    EXPECT_EQ("宏三", S(loaded[3].name));
    KeyboardMacroRecorder replayer(loaded);
    const std::vector<std::string> expected = {
        "char 97", "string 中文", "caret 39 3", "caret 36 4", "caret 40 0", "find 甲 3", "replace a 乙 5",
        "goto 10", "command 41015", "file C:\\片段.墨",
    };
    for (int slot : {3, 0}) {  // the slot, and "执行宏" replaying the last recording
        FakeView view;
        view.recorder = &replayer;
        ASSERT_EQ(MacroReplay::kReplayed, replayer.Replay(slot, view)) << slot;
        EXPECT_EQ(expected, view.actions);
        EXPECT_EQ(10, view.steps);
        EXPECT_FALSE(view.recordedDuringReplay);
        EXPECT_FALSE(replayer.IsReplaying());
    }
}

TEST(MacroRecorder, CaretStepsKeepEveryModifier)
{
    // The view's bits (1 Ctrl, 2 Shift, 4 Alt) and the stored ones (1 Shift, 2 Ctrl, 4 Alt).
    EXPECT_EQ(kModCtrl, ViewToHotKeyModifiers(kModifierCtrl));
    EXPECT_EQ(kModShift, ViewToHotKeyModifiers(kModifierShift));
    for (unsigned view = 0; view < 8; ++view)
        EXPECT_EQ(view, HotKeyToViewModifiers(ViewToHotKeyModifiers(view)));

    // Files that stored only the selection flag replay it as Shift.
    MacroSlotTable macros;
    AppendMacroStep(macros[1], {kStepCaretKey, kKeyEnd, 1});
    KeyboardMacroRecorder recorder(macros);
    FakeView view;
    ASSERT_EQ(MacroReplay::kReplayed, recorder.Replay(1, view));
    EXPECT_EQ(std::vector<std::string>{"caret 35 2"}, view.actions);
}

TEST(MacroRecorder, ReplayWhileRecordingCancelsAndEmptySlotsDoNothing)
{
    MacroSlotTable macros;
    AppendMacroStep(macros[2], {kStepChar, 'z'});
    StatusPane pane;
    KeyboardMacroRecorder recorder(macros, &pane);
    FakeView view;
    recorder.Start(5, "五");
    recorder.RecordChar('a');
    EXPECT_EQ(MacroReplay::kRefusedWhileRecording, recorder.Replay(2, view));
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_TRUE(macros[0].kinds.IsEmpty());
    EXPECT_TRUE(view.actions.empty());
    EXPECT_EQ((std::vector<bool>{true, false}), pane.changes);

    EXPECT_EQ(MacroReplay::kEmpty, recorder.Replay(4, view));
    EXPECT_EQ(MacroReplay::kEmpty, recorder.Replay(11, view));

    // A recording without steps stores an empty slot.
    TempDir dir;
    recorder.Start(2, "空");
    ASSERT_TRUE(recorder.Stop((dir / "vuze.宏").c_str()));
    EXPECT_TRUE(macros[2].kinds.IsEmpty());
    EXPECT_EQ("&2 - 空 -\tAlt+2", S(MacroMenuText(macros[2], 2)));
}
