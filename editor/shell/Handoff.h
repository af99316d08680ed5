#pragma once
#include <windows.h>

#include <vector>

#include "editor/shell/CommandArgs.h"
#include "framework/Collections.h"
#include "framework/CString.h"

// Single instance: the first instance registers its main thread (and later its main
// window) in values every copy of the program shares; a later start appends its command
// line to the hand-off file under a named mutex and wakes the first instance with a
// thread message, which then reads and empties the file.

// The thread message that tells the first instance to read the hand-off file.
const UINT kHandoffMessage = WM_USER + 1;
// The mutex that guards the hand-off file.
extern const char kHandoffMutexName[];  // "墨语言编辑器.CmdLine"
// The hand-off file in the program folder.
extern const char kHandoffFileName[];  // "命令行.文本"

// The values shared by the running copies: 0 means none.
struct InstanceSlot {
    volatile LONG threadId;
    volatile LONG window;
};

// The slot in the program's shared data section.
InstanceSlot& SharedInstanceSlot();

// True when the registered thread still runs and the registered window, if any, is its own.
bool IsRegisteredInstanceAlive(const InstanceSlot& slot);

// How a start goes on.
enum class InstanceRole {
    kFirst,    // runs on; the only or first running instance
    kAnother,  // runs on beside a first instance (several instances allowed)
    kHandOff,  // hands its command line to the first instance and ends
};

// Registers the calling thread (after making sure it has a message queue) unless it must
// hand off. A registration whose thread has ended counts as none and is replaced, so a
// start never hands over to an instance that is gone.
InstanceRole RegisterInstance(InstanceSlot& slot, bool multipleAllowed);
// Publishes the main window when none is registered yet.
void RegisterInstanceWindow(InstanceSlot& slot, HWND window);

// "/D:" + quoted start folder (less a trailing backslash, which would escape the quote) + " "
// + the command line (without the program name).
CString FormatHandoffLine(const CString& startFolder, const char* commandLine);
// The command line a later start hands over for what it resolved by a first start's rules
// (its missing files already created): /NC, the line and each full path quoted, so the
// first instance reads back exactly these files.
CString HandoffCommandLine(const std::vector<CommandLineTarget>& targets);

// The hand-off file and its mutex.
class HandoffChannel {
public:
    explicit HandoffChannel(const CString& filePath, const char* mutexName = kHandoffMutexName);

    // Appends one line (a line feed is added), writing the file anew through a temporary
    // file beside it; false, with the file as it was, when that fails.
    bool Append(const CString& line);
    // The non-empty lines, whole and in order, without their line ends; the file is
    // emptied. False when there is no file, or when it cannot be emptied: the lines then
    // stay for the next take.
    bool TakeLines(CStringArray& lines);

private:
    CString m_path;
    CString m_mutexName;
};

// Notices the hand-off message in whatever loop takes it from the calling thread's queue:
// a menu's, a message box's or a common dialog's loop would dispatch it to no window and
// lose it. The message is blanked there, and the request waits until the owner takes it
// at rest (the main loop's idle time, after the menu or the modal dialog closed). One per
// thread; its hook goes with it.
class HandoffWatch {
public:
    HandoffWatch();
    ~HandoffWatch();
    HandoffWatch(const HandoffWatch&) = delete;
    HandoffWatch& operator=(const HandoffWatch&) = delete;

    // True when a hand-off message arrived since the last call.
    bool TakePending();

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hook;
    bool m_pending = false;
};

// Appends the line, brings the first instance's window forward (its last active pop-up:
// a modal dialog, never the main window it disabled) and posts the hand-off message. False when the request cannot be delivered: the caller then runs as the first
// instance and, since its line may already be in the file, processes the lines it takes
// from the channel instead of its own command line.
bool HandOff(const InstanceSlot& slot, HandoffChannel& channel, const CString& line);

// What the handed-over lines ask to open, line by line in the order written; each line's
// relative names start from the folder of the start that wrote it. Names that match nothing
// are skipped: a line read from the file creates no file or folder, whoever wrote it. Empties
// the file.
std::vector<CommandLineTarget> TakeHandoffTargets(HandoffChannel& channel, const CString& startFolder);
