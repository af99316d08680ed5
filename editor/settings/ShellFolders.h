#pragma once
#include "framework/CString.h"

// Names the IDE derives from where it runs.

// Program folder + "\" + name.
CString ProgramFilePath(const char* name);
// The running executable's file name without folder and extension: the main window's
// title and the start of every profile section name.
CString GetExeTitle();
// The section of the profile value named by word: the executable's title and the word.
CString ProfileSection(const char* word);
// The process's current directory without a trailing backslash; empty when it is too long.
CString CurrentFolder();
// True for the sibling editions, whose program title begins "墨苇舟" or "墨51".
bool IsSiblingEdition(const CString& exeTitle);
