#include "editor/settings/KeyboardMacros.h"

#include <windows.h>

#include "editor/res/resource.h"

namespace {

// What each kind takes from the value and text lists.
struct StepShape {
    bool value1;
    bool value2;
    int texts;
};

bool ShapeOf(int32_t kind, StepShape& shape)
{
    switch (kind) {
    case kStepCaretKey: shape = {true, true, 0}; return true;
    case kStepChar:
    case kStepGoTo:
    case kStepCommand: shape = {true, false, 0}; return true;
    case kStepString:
    case kStepInsertFile: shape = {false, false, 1}; return true;
    case kStepFind: shape = {true, false, 1}; return true;
    case kStepReplace: shape = {true, false, 2}; return true;
    default: return false;
    }
}

const struct {
    int32_t first;
    int32_t last;
} kReplayableCommands[] = {
    {ID_EDIT_DELETE_KEY, ID_EDIT_INSERT_TIME},
    {ID_EDIT_JOIN_LINES, ID_EDIT_INVERT_CASE},
    {ID_EDIT_COMMENT_LINES, ID_EDIT_COMMENT_LINES},
    {ID_EDIT_UNCOMMENT_LINES, ID_EDIT_LEADING_SPACES_TO_TABS},
    {ID_EDIT_DELETE_TO_LINE_START, ID_EDIT_DELETE_TO_LINE_START},
    {ID_SEARCH_FIND_NEXT, ID_SEARCH_FIND_PREV},
    {ID_BOOKMARK_TOGGLE, ID_GO_TO_PREV_EDIT},
    {ID_SEARCH_FIND_AGAIN_NEXT, ID_SEARCH_REPLACE_ALL_IN_FILE},
    {ID_SEARCH_REPLACE_THIS, ID_SEARCH_PREV_OCCURRENCE},
    {ID_TOOLS_EVALUATE_LINE, ID_TOOLS_EVALUATE_LINE},
    {ID_EDIT_COPY, ID_EDIT_CUT},
    {ID_EDIT_PASTE, ID_EDIT_PASTE},
    {ID_EDIT_SELECT_ALL, ID_EDIT_SELECT_ALL},
};

const int kReplayLastCommand = ID_MACRO_REPLAY;
const int kReplaySlot10Command = ID_MACRO_SLOT_10;
const int kReplaySlot1Command = ID_MACRO_SLOT_1;

bool HoldsMacro(const CUserMacro& macro)
{
    return !macro.kinds.IsEmpty();
}

} // namespace

void AppendMacroStep(CUserMacro& macro, const MacroStep& step)
{
    StepShape shape;
    if (!ShapeOf(step.kind, shape))
        return;
    macro.kinds.AddTail(step.kind);
    if (shape.value1)
        macro.values1.AddTail(step.value1);
    if (shape.value2)
        macro.values2.AddTail(step.value2);
    if (shape.texts >= 1)
        macro.texts.AddTail(step.text);
    if (shape.texts >= 2)
        macro.texts.AddTail(step.text2);
}

bool DecodeMacroSteps(const CUserMacro& macro, std::vector<MacroStep>& steps)
{
    steps.clear();
    POSITION value1 = macro.values1.GetHeadPosition();
    POSITION value2 = macro.values2.GetHeadPosition();
    POSITION text = macro.texts.GetHeadPosition();
    for (POSITION kind = macro.kinds.GetHeadPosition(); kind;) {
        MacroStep step;
        step.kind = macro.kinds.GetNext(kind);
        StepShape shape;
        if (!ShapeOf(step.kind, shape))
            return false;
        if (shape.value1) {
            if (!value1)
                return false;
            step.value1 = macro.values1.GetNext(value1);
        }
        if (shape.value2) {
            if (!value2)
                return false;
            step.value2 = macro.values2.GetNext(value2);
        }
        for (int i = 0; i < shape.texts; ++i) {
            if (!text)
                return false;
            (i == 0 ? step.text : step.text2) = macro.texts.GetNext(text);
        }
        steps.push_back(step);
    }
    return !value1 && !value2 && !text;
}

bool IsReplayableMacroCommand(int32_t commandId)
{
    for (const auto& range : kReplayableCommands) {
        if (commandId >= range.first && commandId <= range.last)
            return true;
    }
    return false;
}

int MacroSlotCommand(int slot)
{
    if (slot == 0)
        return kReplayLastCommand;
    if (slot >= 1 && slot <= 9)
        return kReplaySlot1Command + slot - 1;
    return slot == kMacroSlots ? kReplaySlot10Command : 0;
}

int MacroSlotOfCommand(int commandId)
{
    for (int slot = 0; slot <= kMacroSlots; ++slot) {
        if (MacroSlotCommand(slot) == commandId)
            return slot;
    }
    return -1;
}

CString MacroMenuText(const CUserMacro& macro, int slot)
{
    CString key = macro.GetKeyText();
    if (key.IsEmpty())
        key.Format("Alt+%d", slot % 10);
    const char* name = !HoldsMacro(macro) ? "- 空 -" : macro.name.IsEmpty() ? "[无名]" : (LPCTSTR)macro.name;
    CString text;
    text.Format("&%d %s\t%s", slot % 10, name, (LPCTSTR)key);
    return text;
}

int FindMacroHotKey(const MacroSlotTable& macros, uint16_t vk, uint16_t modifiers)
{
    const uint16_t mask = kModShift | kModCtrl | kModAlt;
    for (int slot = 1; slot <= kMacroSlots; ++slot) {
        const CUserMacro& macro = macros[slot];
        if (HoldsMacro(macro) && macro.vk == vk && (macro.modifiers & mask) == (modifiers & mask))
            return slot;
    }
    return 0;
}

SetFileLoad LoadMacroFile(const char* path, MacroSlotTable& macros)
{
    if (::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        return SetFileLoad::kMissing;
    MacroSlotTable loaded;
    if (!LoadUserMacros(path, loaded))
        return SetFileLoad::kRefused;
    std::vector<MacroStep> steps;
    for (const CUserMacro& macro : loaded) {
        if (!IsStorableHotKey(macro.vk, macro.modifiers) || !DecodeMacroSteps(macro, steps))
            return SetFileLoad::kRefused;
    }
    macros = loaded;
    return SetFileLoad::kLoaded;
}

void LoadMacroSets(const CString& programFolder, CStringArray& files)
{
    CollectSetFiles(programFolder, "*.宏", kMaxMacroSets, files);
}
