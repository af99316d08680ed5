#include "editor/view/MacroPlayer.h"

#include "editor/util/ScopedFlag.h"
#include "editor/view/EditCommands.h"
#include "editor/view/EditGroups.h"
#include "editor/view/SearchCommands.h"
#include "editor/view/ViewPrompts.h"

CMacroPlayer::CMacroPlayer(CEditCommands& commands, CSearchCommands& search, CEditGroups& groups,
                           IViewPrompts& prompts, IMacroCommandHost& host)
    : m_commands(commands), m_search(search), m_groups(groups), m_prompts(prompts), m_host(host)
{
}

CViewEngine& CMacroPlayer::View() const { return m_search.GetView(); }

MacroReplay CMacroPlayer::Replay(KeyboardMacroRecorder& recorder, int slot)
{
    if (recorder.IsRecording()) {
        m_prompts.ReportRefusedWhileRecording("Replay Macro");
        recorder.Cancel();
        return MacroReplay::kRefusedWhileRecording;
    }
    MacroReplay result = MacroReplay::kEmpty;
    {
        ScopedFlag replaying(View().GetModes().macroReplaying);
        if (!m_groups.RunAction([&] { result = recorder.Replay(slot, *this); }))
            result = MacroReplay::kFailed;
    }
    View().EnsureCaretVisible();
    return result;
}

void CMacroPlayer::CaretKey(int key, unsigned viewModifiers) { m_commands.MoveCaretByKey(key, (int)viewModifiers); }

void CMacroPlayer::TypeChar(int character) { m_commands.DoTypeChar((char)character); }

void CMacroPlayer::InsertString(const char* text) { m_commands.DoTypeString(CString(text)); }

void CMacroPlayer::InsertFile(const char* path)
{
    if (!m_commands.InsertFileAtCaret(path))
        m_host.ReportUnreadableFile(path);
}

// The search runs at once, before the next step, in the direction it was recorded with.
void CMacroPlayer::Find(const char* pattern, int flags)
{
    if (!m_search.DoFind(CString(pattern), flags & ~kRecordedFindUpward))
        return;
    if (flags & kRecordedFindUpward)
        m_search.DoFindPrevOccurrence();
    else
        m_search.DoFindNextOccurrence();
}

void CMacroPlayer::Replace(const char* pattern, const char* replacement, int flags)
{
    m_search.DoReplace(CString(pattern), CString(replacement), flags);
}

void CMacroPlayer::GoToLine(int line) { m_search.DoGoToLine(line); }

void CMacroPlayer::Command(int commandId) { m_host.RunCommandBody(commandId); }

void CMacroPlayer::StepDone() { View().EnsureCaretVisible(); }
