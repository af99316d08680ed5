#pragma once
#include "editor/view/MacroRecorder.h"

class CEditCommands;
class CEditGroups;
class CSearchCommands;
class CViewEngine;
class IViewPrompts;

// What a replay needs of the window around the view: the bodies of the commands a macro
// replays, several of which belong to the window, and the report of a file it could not
// insert.
class IMacroCommandHost {
public:
    virtual ~IMacroCommandHost() = default;
    // A command's body alone, without edit group or repaint; false for a command a macro
    // does not replay.
    virtual bool RunCommandBody(int commandId) = 0;
    // "打开文件失败." with the path; the replay goes on with its next step.
    virtual void ReportUnreadableFile(const char* path) = 0;
};

// Replays a keyboard macro into one view. Every step goes through the command bodies that
// the user's keys and commands reach, with the process-wide replaying flag set, so nothing
// of it is recorded; the whole replay is one edit group, so one undo takes it back.
class CMacroPlayer : private MacroReplayTarget {
public:
    CMacroPlayer(CEditCommands& commands, CSearchCommands& search, CEditGroups& groups, IViewPrompts& prompts,
                 IMacroCommandHost& host);
    CMacroPlayer(const CMacroPlayer&) = delete;
    CMacroPlayer& operator=(const CMacroPlayer&) = delete;

    // Replays a slot of the recorder (0 the last recording) once, and keeps the caret in
    // view. Refused while recording: reported as "Replay Macro" and the recording cancelled.
    // A step that runs out of memory ends the replay there: what the replay did so far is
    // taken back and reported (kFailed).
    MacroReplay Replay(KeyboardMacroRecorder& recorder, int slot);

private:
    void CaretKey(int key, unsigned viewModifiers) override;
    void TypeChar(int character) override;
    void InsertString(const char* text) override;
    void InsertFile(const char* path) override;
    void Find(const char* pattern, int flags) override;
    void Replace(const char* pattern, const char* replacement, int flags) override;
    void GoToLine(int line) override;
    void Command(int commandId) override;
    void StepDone() override;
    CViewEngine& View() const;

    CEditCommands& m_commands;
    CSearchCommands& m_search;
    CEditGroups& m_groups;
    IViewPrompts& m_prompts;
    IMacroCommandHost& m_host;
};
