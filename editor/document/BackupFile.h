#pragma once
#include <functional>

#include "editor/document/DocumentServices.h"
#include "framework/CString.h"

// Backup copies of a file, made before it is saved over or when it is opened, named and
// placed as the settings say.

// The backup name of path. In a backup folder the file's own folder follows a folder for
// its drive ("C drive", or "Network" for a share); exists tells which names are taken, for
// the "$$$" counter. Empty when every counter value is taken.
CString BackupFileName(const char* path, const CDocumentSettings& settings,
                       const std::function<bool(const CString&)>& exists);
// Copies the file to its backup name, creating missing folders and replacing an older
// backup; false when that fails.
bool BackupFile(const char* path, const CDocumentSettings& settings);
