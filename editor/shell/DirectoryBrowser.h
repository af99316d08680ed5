#pragma once
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
