#include "editor/view/MacroRecorder.h"

#include "editor/util/ScopedFlag.h"
#include "editor/view/ViewTypes.h"

namespace {

bool HoldsMacro(const CUserMacro& macro)
{
    return !macro.kinds.IsEmpty();
}

} // namespace

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
