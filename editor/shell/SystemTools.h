#pragma once
#include <windows.h>

#include "framework/CString.h"

// The tools menu's commands that hand the document to a program of the system: the command
// interpreter in the document's folder, the browser, and the Explorer on the folder. They
// find the browser and start programs through seams, so that a test sees the command lines
// instead of the programs.

// Starts a command line shown normally (WinExec); above 31 is success.
using CommandLineStarter = UINT (*)(const char* commandLine, UINT showMode);
// Opens a file or folder with the shell's "open" verb (ShellExecute); above 32 is success.
using FolderOpener = INT_PTR (*)(const char* target, int showMode);

// The registered command that opens ".htm" files (GetHtmlOpenCommand).
using BrowserLookup = CString (*)();

struct SystemToolSeams {
    CommandLineStarter start = nullptr;
    FolderOpener open = nullptr;
    BrowserLookup browser = nullptr;
};
// The seams the commands use; null members take WinExec, ShellOpenDocument and
// GetHtmlOpenCommand.
SystemToolSeams& TheSystemToolSeams();

enum class SystemToolResult {
    kStarted,
    kNoInterpreter,   // COMSPEC is missing or too long
    kNoBrowser,       // no program is registered for ".htm" files
    kNoDocumentPath,  // the document was never saved
    kStartFailed,
};

// The command interpreter; with a local document (a path) its folder is made current first.
SystemToolResult RunCommandInterpreter(const CString& localDocumentPath);
// The registered HTML open command started on the (saved) document's path, quoted.
SystemToolResult ViewInBrowser(const CString& documentPath);
// The Explorer on the local document's folder, or on installFolder for an untitled or
// remote document (an empty path).
SystemToolResult ExploreDocumentFolder(const CString& localDocumentPath, const CString& installFolder);

// The message of a result other than kStarted (empty for kStarted).
CString SystemToolMessage(SystemToolResult result);
