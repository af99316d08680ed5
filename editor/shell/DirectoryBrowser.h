#pragma once
#include <windows.h>

#include <vector>

#include "framework/Collections.h"
#include "framework/CString.h"

// Window-free pieces of the workspace bar's directory browser and of its folder chooser.

// The path lists the shell's file operations take: every path followed by a NUL, then one
// more NUL. The buffer is sized from the paths, so a GBK path of any length fits.
std::vector<char> BuildShellPathList(const CStringArray& paths);
std::vector<char> BuildShellPathList(const CString& path);

// The folder chooser's status text: a path longer than 35 bytes shows as its first
// characters (never more than 35 bytes, never half a double-byte character) and "...".
CString FolderChooserStatusText(const CString& path);

// The entries of a folder as the directory tree lists them: its subfolders (not "." or
// ".."), then the files that are not hidden and match the filter's patterns, each group
// sorted ignoring letter case. Both arrays are emptied first.
void ListFolderEntries(const CString& folder, const char* patterns, CStringArray& folders, CStringArray& files);
// True when the folder holds a subfolder or a visible matching file: the tree then gives
// its item an expand button.
bool FolderHasEntries(const CString& folder, const char* patterns);

// The drive list's entry of a root: "[C:] " and the volume label when the volume could be
// read, else the drive type's text ("[D:] CD-ROM").
CString DriveEntryText(char letter, bool volumeRead, const CString& label, UINT driveType);
// True when the entry is the one of the drive given as its letter and a colon.
bool IsDriveEntry(const CString& entry, const CString& drive);
