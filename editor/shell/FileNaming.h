#pragma once
#include <windows.h>

#include "editor/settings/EditorSettings.h"

// The names the open and save dialogs start from: the filter list built from the
// file-type filters, and the generated names of new files.

// "description (patterns)|patterns|" for every usable filter (or "All Files (*.*)|*.*|"
// when none), then one more "|".
CString BuildFileFilter(const CEditorSettings& settings);
// Position in that list of filter index type: the usable filters before it.
int FilterIndexToType(const CEditorSettings& settings, int type);
// Index of the usable filter at a list position; 0 when there is none.
int TypeFromFilterIndex(const CEditorSettings& settings, int position);
// The default extension of the last-used filter.
CString DefaultExtensionOfLastFilter(const CEditorSettings& settings);

// True for the names the framework gives untitled documents ("新文件1", ...).
bool IsUntitledName(const char* path);
// The folder a save-as starts in: for an untitled document the last save folder, or
// without one the installation folder's "我的项目"; otherwise the current folder.
CString ProposedSaveFolder(const char* path, const CString& lastSaveFolder, const CString& installFolder,
                           const CString& currentFolder);
// The name proposed for an untitled document at a local time: with autoSave the short
// form prefix + "%05u_%05u", otherwise prefix + "%u年%u月%u日%u时%u分%u"; the prefix is
// "墨" when empty.
CString GeneratedNewFileName(const CString& prefix, bool autoSave, const SYSTEMTIME& time);
// folder + "\" + name, with ".墨" when the name has no extension, made unique: when the
// file exists, "_2", "_3", ... goes before the extension, so no file is ever overwritten.
CString UniqueNewFilePath(const CString& folder, const CString& name);
