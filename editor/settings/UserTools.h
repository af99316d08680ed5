#pragma once
#include <cstdint>

#include "editor/settings/SettingsFiles.h"
#include "framework/Collections.h"
#include "framework/CString.h"

class EnvironmentAccess;

// The user tools of the 工具 menu: slots 1 to 15 of the UserToolTable, the $(…) macros of
// their command lines, the tool sets of the program folder, and the follow-up of the source
// conversion tool, whose success lines name the files to open.

constexpr int kFirstToolSlot = 1;
constexpr int kLastToolSlot = 15;
// The build without a project runs the window-program build of this slot.
constexpr int kBuildToolSlot = 3;
// The source conversion; its "[恭喜]" lines name the files it wrote.
constexpr int kConversionToolSlot = 15;
constexpr int kMaxToolSets = 10;

// The view command of a slot (1-15), 0 for others; and back, 0 for no slot's command.
int ToolSlotCommand(int slot);
int ToolSlotOfCommand(int commandId);
// "&%d %s\t%s": the slot number modulo 10, the name ("- 空 -" when empty) and the key text
// (without a key, slots up to 10 show Ctrl and their digit).
CString ToolMenuText(const CUserCommand& tool, int slot);
// The first slot with a tool whose hot key is vk with exactly these modifiers (1 Shift,
// 2 Ctrl, 4 Alt); 0 when none.
int FindToolHotKey(const UserToolTable& tools, uint16_t vk, uint16_t modifiers);
// A key a hot-key control can hold: a virtual key below 256 and no modifier bits but these.
bool IsStorableHotKey(uint16_t vk, uint16_t modifiers);
// The Shift, Ctrl and Alt keys held now, as hot-key modifier bits.
uint16_t HeldHotKeyModifiers();

// What the macros of a command line stand for.
struct ToolMacroValues {
    CString filePath;  // the active document's path (its short form with the short-name option)
    CString lineNum;   // the caret line, in decimal
    CString currWord;  // the selection, else the word at the caret
    CString userInput;
    CString selectPath1, selectPath2;
    CString selectDir1, selectDir2;
    // The command runs through the command interpreter: the selection is quoted so that
    // & | < > ^ in it stay text.
    bool batch = false;
};

// The dialogs to run, in this order, before the arguments can be expanded.
enum ToolDialog : unsigned {
    kAskUserInput = 1,
    kAskPath1 = 2,
    kAskPath2 = 4,
    kAskDir1 = 8,
    kAskDir2 = 16,
};
unsigned ToolDialogsNeeded(const char* arguments);

// Replaces every macro, "$(spec)" or "$name", in one pass from left to right; what a value
// holds is never expanded again, and a "$" that starts no macro stays as it is. A spec is a
// name (English or Chinese, else an environment variable) with at most one modifier:
// "=default", ":start[,length]", "#prefix" (removed from the front) or "%suffix" (removed
// from the end). A macro between two double quotes loses the quotes when its value needs
// none.
CString ExpandToolMacros(const char* text, const ToolMacroValues& values, EnvironmentAccess& env);

// A command beginning with "..\" starts in the installation folder, one beginning with ".\"
// in the program folder.
CString ResolveToolCommand(const CString& command, const CString& installFolder, const CString& programFolder);

enum ToolKind {
    kToolProgram,   // .exe, .com: started directly
    kToolBatch,     // .bat, .cmd: started through the command interpreter
    kToolWinHelp,   // .hlp
    kToolHtmlHelp,  // .chm
    kToolUnknown,   // refused
};
ToolKind ClassifyToolCommand(const CString& command);

// A tool ready to start: command, arguments and folder expanded (the folder ends in "\"
// unless empty) and the kind of its command.
struct PreparedTool {
    CString command;
    CString arguments;
    CString folder;
    ToolKind kind = kToolUnknown;
};
PreparedTool PrepareTool(const CUserCommand& tool, ToolMacroValues values, const CString& installFolder,
                         const CString& programFolder, EnvironmentAccess& env);

// The name written after "[恭喜]" and before the last "(1)" of a success line; false for any
// other line.
bool CongratsFileName(const char* line, CString& name);
// The existing files that the success lines name: first tried in the active document's
// folder (when given), then as written.
void CongratsFilesToOpen(const CStringArray& lines, const CString& documentFolder, CStringArray& files);

// The set files matching pattern in the program folder's 工具 folder (not folders, not
// hidden), in multibyte order, at most limit of them.
void CollectSetFiles(const CString& programFolder, const char* pattern, int limit, CStringArray& files);
void LoadToolSets(const CString& programFolder, CStringArray& files);

enum class SetFileLoad {
    kLoaded,
    kMissing,  // no such file: the table is unchanged
    kRefused,  // foreign, damaged or inconsistent: the table is unchanged
};
// A tool file ("vuze.工具" or a tool set): the records, with hot keys that a hot-key control
// can hold.
SetFileLoad LoadToolFile(const char* path, UserToolTable& tools);
// The message for a refused settings file.
CString SetFileRefusalMessage(const char* path);
