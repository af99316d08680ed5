#include "editor/res/resource.h"
#include "editor/settings/KeyboardMacros.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

} // namespace

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
             m.values1.AddTail(VK_LEFT);
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
