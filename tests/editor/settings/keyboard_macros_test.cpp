#include "editor/res/resource.h"
#include "editor/settings/KeyboardMacros.h"

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

TEST(KeyboardMacros, RecordStoreReloadAndReplay)
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

TEST(KeyboardMacros, CaretStepsKeepEveryModifier)
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

TEST(KeyboardMacros, ReplayWhileRecordingCancelsAndEmptySlotsDoNothing)
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

TEST(KeyboardMacros, SlotsMenuTextsAndHotKeys)
{
    const int kCommands[] = {ID_MACRO_REPLAY, ID_MACRO_SLOT_1, ID_MACRO_SLOT_2, ID_MACRO_SLOT_3, ID_MACRO_SLOT_4,
        ID_MACRO_SLOT_5, ID_MACRO_SLOT_6, ID_MACRO_SLOT_7, ID_MACRO_SLOT_8, ID_MACRO_SLOT_9, ID_MACRO_SLOT_10};
    for (int slot = 0; slot <= kMacroSlots; ++slot) {
        EXPECT_EQ(kCommands[slot], MacroSlotCommand(slot));
        EXPECT_EQ(slot, MacroSlotOfCommand(kCommands[slot]));
    }

    MacroSlotTable macros;
    AppendMacroStep(macros[3], {kStepChar, 'a'});
    macros[3].name = "宏三";
    AppendMacroStep(macros[10], {kStepChar, 'b'});
    macros[10].vk = '0';
    macros[10].modifiers = kModAlt;
    AppendMacroStep(macros[7], {kStepChar, 'c'});
    macros[7].vk = '0';
    macros[7].modifiers = kModAlt | kModShift;
    EXPECT_EQ("&3 宏三\tAlt+3", S(MacroMenuText(macros[3], 3)));
    EXPECT_EQ("&7 [无名]\tAlt+Shift+0", S(MacroMenuText(macros[7], 7)));
    EXPECT_EQ("&0 [无名]\tAlt+0", S(MacroMenuText(macros[10], 10)));
    EXPECT_EQ(10, FindMacroHotKey(macros, '0', kModAlt));
    EXPECT_EQ(7, FindMacroHotKey(macros, '0', kModAlt | kModShift));
    EXPECT_EQ(0, FindMacroHotKey(macros, '0', kModCtrl));
    macros[10].Clear();
    macros[10].vk = '0';
    macros[10].modifiers = kModAlt;
    EXPECT_EQ(0, FindMacroHotKey(macros, '0', kModAlt)) << "an empty slot has no hot key";

    for (int id : {ID_EDIT_DELETE_KEY, ID_EDIT_INSERT_TIME, ID_EDIT_COMMENT_LINES, ID_EDIT_DELETE_TO_LINE_START,
        ID_SEARCH_FIND_NEXT, ID_SEARCH_PREV_OCCURRENCE, ID_TOOLS_EVALUATE_LINE, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL})
        EXPECT_TRUE(IsReplayableMacroCommand(id)) << id;
    for (int id : {ID_EDIT_INSERT_FILE, 41021, 41023, ID_EDIT_COLUMN_MODE, ID_FIND_IN_FILES, ID_SEARCH_CONFIRM_REPLACE,
        ID_MACRO_REPLAY, ID_EDIT_FIND, 0})
        EXPECT_FALSE(IsReplayableMacroCommand(id)) << id;
}

TEST(KeyboardMacros, DamagedFilesAreRefusedWhole)
{
    TempDir dir;
    const std::string path = dir / "坏.宏";
    const struct {
        const char* what;
        void (*damage)(CUserMacro&);
    } kCases[] = {
        {"unknown kind", [](CUserMacro& m) { m.kinds.AddTail(9); }},
        {"kind 0", [](CUserMacro& m) { m.kinds.AddTail(0); }},
        {"text step without its text", [](CUserMacro& m) { m.kinds.AddTail(kStepString); }},
        {"replace with one text", [](CUserMacro& m) {
             m.kinds.AddTail(kStepReplace);
             m.values1.AddTail(0);
             m.texts.AddTail("a");
         }},
        {"caret key without its modifiers", [](CUserMacro& m) {
             m.kinds.AddTail(kStepCaretKey);
             m.values1.AddTail(kKeyLeft);
         }},
        {"a value left over", [](CUserMacro& m) {
             m.kinds.AddTail(kStepChar);
             m.values1.AddTail('a');
             m.values1.AddTail('b');
         }},
        {"a text left over", [](CUserMacro& m) { m.texts.AddTail("x"); }},
        {"a key no control holds", [](CUserMacro& m) { m.vk = 0x1FF; }},
        {"unknown modifier bits", [](CUserMacro& m) { m.modifiers = 0x10; }},
    };
    for (const auto& c : kCases) {
        MacroSlotTable bad;
        c.damage(bad[6]);
        ASSERT_TRUE(SaveUserMacros(path.c_str(), bad));
        MacroSlotTable table;
        table[1].name = "kept";
        EXPECT_EQ(SetFileLoad::kRefused, LoadMacroFile(path.c_str(), table)) << c.what;
        EXPECT_EQ("kept", S(table[1].name)) << c.what;
    }
    MacroSlotTable table;
    EXPECT_EQ(SetFileLoad::kMissing, LoadMacroFile((dir / "没有.宏").c_str(), table));
    dir.WriteFile("外来.宏", "用户宏 1.1");
    EXPECT_EQ(SetFileLoad::kRefused, LoadMacroFile((dir / "外来.宏").c_str(), table));

    // Macro sets: the program folder's 工具\*.宏, at most eight, in order.
    ::CreateDirectoryA((dir / "工具").c_str(), nullptr);
    for (int i = 9; i >= 0; --i)
        dir.WriteFile("工具\\组" + std::to_string(i) + ".宏", "");
    CStringArray sets;
    LoadMacroSets(dir.Path().c_str(), sets);
    ASSERT_EQ(kMaxMacroSets, sets.GetSize());
    EXPECT_EQ(dir / "工具\\组0.宏", S(sets[0]));
    EXPECT_EQ(dir / "工具\\组7.宏", S(sets[7]));
}
