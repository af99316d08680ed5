#pragma once
#include "framework/CString.h"

// Names the IDE derives from where it runs.

// True when the path names an existing folder.
bool FolderExists(const char* path);
// Program folder + "\" + name.
CString ProgramFilePath(const char* name);
// The running executable's file name without folder and extension: the main window's
// title and the start of every profile section name.
CString GetExeTitle();
// True for the sibling editions, whose program title begins "墨苇舟" or "墨51".
bool IsSiblingEdition(const CString& exeTitle);
