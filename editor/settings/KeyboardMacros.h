#pragma once
#include <cstdint>
#include <vector>

#include "editor/settings/SettingsFiles.h"
#include "editor/settings/UserTools.h"
#include "framework/CString.h"

// Keyboard macros: the recording buffer (slot 0 of the MacroSlotTable), the steps a view
// records while a macro is recorded, their replay through the same view actions, the ten
// macro slots with their Alt hot keys, and the macro sets of the program folder.

enum MacroStepKind : int32_t {
    kStepCaretKey = 1,    // key code; modifiers held (hot-key bits: 1 Shift, 2 Ctrl, 4 Alt)
    kStepChar = 2,        // character code
    kStepString = 3,      // text
    kStepInsertFile = 4,  // path
    kStepFind = 5,        // find flags; pattern
    kStepReplace = 6,     // flags; pattern, replacement
    kStepGoTo = 7,        // line number
    kStepCommand = 8,     // command id
};

// One step as the view records and replays it. A caret key keeps every modifier held with
// it: Shift alone (1) is the selecting move that the file has always stored.
struct MacroStep {
    int32_t kind = 0;
    int32_t value1 = 0;
    int32_t value2 = 0;
    CString text;
    CString text2;
};

constexpr int kMacroSlots = 10;  // slots 1-10; slot 0 is the recording buffer
constexpr int kMaxMacroSets = 8;

// Appends a step to the record's four lists, each taking only what the kind needs.
void AppendMacroStep(CUserMacro& macro, const MacroStep& step);
// The steps of a record; false when the lists do not match the kinds (an unknown kind,
// missing or left-over values or texts).
bool DecodeMacroSteps(const CUserMacro& macro, std::vector<MacroStep>& steps);

// The view's modifier bits (1 Ctrl, 2 Shift, 4 Alt) as hot-key bits (1 Shift, 2 Ctrl, 4 Alt),
// the form steps and hot keys are stored in, and back.
uint16_t ViewToHotKeyModifiers(unsigned viewModifiers);
unsigned HotKeyToViewModifiers(uint16_t modifiers);

// Whether a command step replays its command; others are skipped.
bool IsReplayableMacroCommand(int32_t commandId);
// Replay command of slot 1-10 (slot 10 is Alt+0), 0 for others; and back.
int MacroSlotCommand(int slot);
int MacroSlotOfCommand(int commandId);
// "&%d %s\t%s": slot number modulo 10, name ("[无名]" for an unnamed macro, "- 空 -" for an
// empty slot) and key text (else Alt and the digit).
CString MacroMenuText(const CUserMacro& macro, int slot);
// The first of slots 1-10 holding a macro whose hot key is vk with exactly these modifiers.
int FindMacroHotKey(const MacroSlotTable& macros, uint16_t vk, uint16_t modifiers);

// The view actions a replay performs, each as a replayed action (never recorded).
class MacroReplayTarget {
public:
    virtual ~MacroReplayTarget() = default;
    virtual void CaretKey(int key, unsigned viewModifiers) = 0;
    virtual void TypeChar(int character) = 0;
    virtual void InsertString(const char* text) = 0;
    virtual void InsertFile(const char* path) = 0;
    // Searches at once, before the next step.
    virtual void Find(const char* pattern, int flags) = 0;
    virtual void Replace(const char* pattern, const char* replacement, int flags) = 0;
    virtual void GoToLine(int line) = 0;
    virtual void Command(int commandId) = 0;
    // After each step: caret and scroll state brought up to date as after a user action.
    virtual void StepDone() = 0;
};

// Told when recording starts or stops (the status bar's macro pane).
class MacroRecordingObserver {
public:
    virtual ~MacroRecordingObserver() = default;
    virtual void RecordingChanged(bool recording) = 0;
};

enum class MacroReplay {
    kReplayed,
    kEmpty,                 // the slot holds no steps
    kRefusedWhileRecording, // message 54006; the recording was cancelled
    kDamaged,               // the slot's lists do not make steps
};

// Recording and replaying over a macro table. Process-wide in the IDE; one per test.
class KeyboardMacroRecorder {
public:
    KeyboardMacroRecorder(MacroSlotTable& macros, MacroRecordingObserver* observer = nullptr)
        : m_macros(macros), m_observer(observer) {}

    void SetObserver(MacroRecordingObserver* observer) { m_observer = observer; }
    bool IsRecording() const { return m_recording; }
    bool IsReplaying() const { return m_replaying; }
    // Whether a view action should record itself now.
    bool ShouldRecord() const { return m_recording && !m_replaying; }

    void Start(int slot, const CString& name);
    // Stores the buffer into the chosen slot with its name and writes every slot to the
    // macro file; false when the file could not be written (the slot is stored even so).
    bool Stop(const char* macroFilePath);
    void Cancel();

    void RecordCaretKey(int key, unsigned viewModifiers);
    void RecordChar(int character);
    void RecordString(const char* text);
    void RecordInsertFile(const char* path);
    void RecordFind(const char* pattern, int flags);
    void RecordReplace(const char* pattern, const char* replacement, int flags);
    void RecordGoTo(int line);
    void RecordCommand(int commandId);

    // Replays a slot (0 the last recording, 1-10 the hot-key slots) once, front to back.
    MacroReplay Replay(int slot, MacroReplayTarget& target);

private:
    void Record(const MacroStep& step);

    MacroSlotTable& m_macros;
    MacroRecordingObserver* m_observer;
    bool m_recording = false;
    bool m_replaying = false;
    int m_slot = 0;
    CString m_name;
};

// A macro file ("vuze.宏" or a macro set): every slot must hold well-formed steps and a
// hot key a hot-key control can hold.
SetFileLoad LoadMacroFile(const char* path, MacroSlotTable& macros);
void LoadMacroSets(const CString& programFolder, CStringArray& files);
