#pragma once

#include "framework/CString.h"

#include <windows.h>

// Helpers over the environment, the shell and menus. Failures are reported by the result
// only; nothing is shown to the user.

// Most bytes taken from COMSPEC, terminator included.
constexpr DWORD kCommandInterpreterMaxBytes = 260;
// Most bytes taken from each registry value on the way to the HTML open command.
constexpr DWORD kHtmlCommandMaxBytes = 520;
// Most bytes of a menu item's text that FindSubMenuByText reads, terminator included.
constexpr int kMenuTextMaxBytes = 256;

// The value of COMSPEC; empty when it is missing or longer than the limit.
CString GetCommandInterpreter();

// The command that opens ".htm" files, cut in front of its "%1" placeholder (in front of the
// opening quote when the placeholder is quoted); empty when any registry step fails.
CString GetHtmlOpenCommand();
// The cut that GetHtmlOpenCommand applies to a registered command line.
CString CutAtOpenPlaceholder(const char* command);

// The command line that runs the HTML open command on target when the shell cannot open it:
// the command, a blank and the target in double quotes. False (and commandLine unchanged)
// when either is empty or the target holds a double quote, which would end the quoting.
bool BuildHtmlFallbackCommand(const char* htmlCommand, const char* target, CString& commandLine);

// Opens a file or web address with the shell verb "open". When the shell fails (a result of
// 32 or less) and an HTML open command is registered, runs that command on the target as a
// new process instead. Returns the shell's result, or the process start's (above 31 is
// success) when the fallback ran.
INT_PTR ShellOpenDocument(const char* target, int showMode);

// The submenu at the first item whose text is exactly text; null when no item matches.
HMENU FindSubMenuByText(HMENU menu, const char* text);
