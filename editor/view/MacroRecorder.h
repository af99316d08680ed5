#pragma once
#include <cstdint>

#include "editor/settings/KeyboardMacros.h"

// Recording the view's actions as macro steps into the recording buffer, and replaying a
// slot's steps through the same actions.

// The view's modifier bits (1 Ctrl, 2 Shift, 4 Alt) as hot-key bits (1 Shift, 2 Ctrl, 4 Alt),
// the form steps and hot keys are stored in, and back.
uint16_t ViewToHotKeyModifiers(unsigned viewModifiers);
unsigned HotKeyToViewModifiers(uint16_t modifiers);

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

// A recorded find that searched upward; the other bits of its flags are the search flags.
constexpr int kRecordedFindUpward = 0x100;

enum class MacroReplay {
    kReplayed,
    kEmpty,                 // the slot holds no steps
    kRefusedWhileRecording, // message 54006; the recording was cancelled
    kDamaged,               // the slot's lists do not make steps
    kFailed,                // a step ran out of memory: the replay stopped and was taken back
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
