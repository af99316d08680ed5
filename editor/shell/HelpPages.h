#pragma once
#include <windows.h>

#include "framework/CString.h"

// The help menu's pages: the guides in the installation's 帮助 folder and the sponsor page
// on the project's web site.

// The web address the sponsor command opens.
extern const char kSponsorAddress[];

// What a help command opens: a page below installFolder's 帮助, or the sponsor address;
// empty for any other command.
CString HelpPageTarget(UINT command, const CString& installFolder);

// Opens a document or web address the way ShellOpenDocument does; above 32 is success.
using DocumentOpener = INT_PTR (*)(const char* target, int showMode);

// Hands the command's page to the opener, shown normally. False for another command or
// when the opener failed.
bool OpenHelpPage(UINT command, const CString& installFolder, DocumentOpener opener);

// True when the command's page belongs below installFolder's 帮助 and is not there; the
// sponsor address and other commands are never missing.
bool IsHelpPageMissing(UINT command, const CString& installFolder);

// The message of a help command that opened nothing: the page that is not installed, or the
// shell's failure on it.
CString HelpPageFailureMessage(UINT command, const CString& installFolder);
