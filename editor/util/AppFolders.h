#pragma once

#include "framework/CString.h"

// The process-wide folders and the double-byte flag the editor starts with. They are taken
// from the system on first use: the program folder is the folder of the running executable
// (it holds the settings files), the installation folder its parent (tools, libraries,
// help), and the double-byte flag is the system metric SM_DBCSENABLED. Tests replace them.

// The program folder, without a trailing backslash.
CString GetProgramFolder();
// The installation folder, without a trailing backslash.
CString GetInstallDirectory();
// True when the system reports double-byte character support; lead bytes are tested only
// while it is set.
bool DbcsEnabled();

// Test hooks. Setting the program folder also sets the installation folder to its parent.
void SetProgramFolderForTest(const char* folder);
void SetInstallDirectoryForTest(const char* folder);
void SetDbcsEnabledForTest(bool enabled);
// Puts back the values taken from the system.
void ResetAppFoldersForTest();
