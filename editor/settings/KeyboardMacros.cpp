#include "editor/settings/KeyboardMacros.h"

#include <windows.h>

#include "editor/res/resource.h"
#include "editor/util/ScopedFlag.h"
#include "editor/view/ViewTypes.h"

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

uint16_t ViewToHotKeyModifiers(unsigned viewModifiers)
{
    uint16_t modifiers = 0;
    if (viewModifiers & kModifierShift)
        modifiers |= kModShift;
    if (viewModifiers & kModifierCtrl)
        modifiers |= kModCtrl;
    if (viewModifiers & kModifierAlt)
        modifiers |= kModAlt;
    return modifiers;
}

unsigned HotKeyToViewModifiers(uint16_t modifiers)
{
    unsigned viewModifiers = 0;
    if (modifiers & kModShift)
        viewModifiers |= kModifierShift;
    if (modifiers & kModCtrl)
        viewModifiers |= kModifierCtrl;
    if (modifiers & kModAlt)
        viewModifiers |= kModifierAlt;
    return viewModifiers;
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

void KeyboardMacroRecorder::Start(int slot, const CString& name)
{
    m_slot = slot >= 0 && slot <= kMacroSlots ? slot : 0;
    m_name = name;
    m_macros[0].Clear();
    m_recording = true;
    if (m_observer)
        m_observer->RecordingChanged(true);
}

bool KeyboardMacroRecorder::Stop(const char* macroFilePath)
{
    if (m_slot != 0) {
        CUserMacro& target = m_macros[m_slot];
        target.kinds = m_macros[0].kinds;
        target.values1 = m_macros[0].values1;
        target.values2 = m_macros[0].values2;
        target.texts = m_macros[0].texts;
    }
    m_macros[m_slot].name = m_name;
    m_recording = false;
    if (m_observer)
        m_observer->RecordingChanged(false);
    return SaveUserMacros(macroFilePath, m_macros);
}

void KeyboardMacroRecorder::Cancel()
{
    m_macros[0].Clear();
    m_recording = false;
    if (m_observer)
        m_observer->RecordingChanged(false);
}

void KeyboardMacroRecorder::Record(const MacroStep& step)
{
    if (ShouldRecord())
        AppendMacroStep(m_macros[0], step);
}

void KeyboardMacroRecorder::RecordCaretKey(int key, unsigned viewModifiers)
{
    Record({kStepCaretKey, key, ViewToHotKeyModifiers(viewModifiers)});
}

void KeyboardMacroRecorder::RecordChar(int character)
{
    Record({kStepChar, character});
}

void KeyboardMacroRecorder::RecordString(const char* text)
{
    Record({kStepString, 0, 0, text});
}

void KeyboardMacroRecorder::RecordInsertFile(const char* path)
{
    Record({kStepInsertFile, 0, 0, path});
}

void KeyboardMacroRecorder::RecordFind(const char* pattern, int flags)
{
    Record({kStepFind, flags, 0, pattern});
}

void KeyboardMacroRecorder::RecordReplace(const char* pattern, const char* replacement, int flags)
{
    Record({kStepReplace, flags, 0, pattern, replacement});
}

void KeyboardMacroRecorder::RecordGoTo(int line)
{
    Record({kStepGoTo, line});
}

void KeyboardMacroRecorder::RecordCommand(int commandId)
{
    Record({kStepCommand, commandId});
}

MacroReplay KeyboardMacroRecorder::Replay(int slot, MacroReplayTarget& target)
{
    if (m_recording) {
        Cancel();
        return MacroReplay::kRefusedWhileRecording;
    }
    if (slot < 0 || slot > kMacroSlots || !HoldsMacro(m_macros[slot]))
        return MacroReplay::kEmpty;
    std::vector<MacroStep> steps;
    if (!DecodeMacroSteps(m_macros[slot], steps))
        return MacroReplay::kDamaged;

    ScopedFlag replaying(m_replaying);
    for (const MacroStep& step : steps) {
        switch (step.kind) {
        case kStepCaretKey: target.CaretKey(step.value1, HotKeyToViewModifiers((uint16_t)step.value2)); break;
        case kStepChar: target.TypeChar(step.value1); break;
        case kStepString: target.InsertString(step.text); break;
        case kStepInsertFile: target.InsertFile(step.text); break;
        case kStepFind: target.Find(step.text, step.value1); break;
        case kStepReplace: target.Replace(step.text, step.text2, step.value1); break;
        case kStepGoTo: target.GoToLine(step.value1); break;
        case kStepCommand:
            if (!IsReplayableMacroCommand(step.value1))
                continue;
            target.Command(step.value1);
            break;
        }
        target.StepDone();
    }
    return MacroReplay::kReplayed;
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
