#pragma once
#include <windows.h>

#include <atomic>
#include <functional>

#include "editor/dialogs/FtpListing.h"
#include "framework/Collections.h"
#include "framework/CString.h"

class CFtpSiteRecord;

// Told the bytes moved so far after every block; returns nonzero to go on, 0 to stop.
using TransferProgressCallback = std::function<int(DWORD bytesSoFar)>;

// Moves one remote file, or lists one remote folder, for an FTP account, through the IDE's
// own client or the platform's internet classes as the account chooses. Failures are shown
// in stop boxes and return 0; an account without a title or host fails at once, silently.
//
// A download goes to a scratch file beside the local path, which replaces the local file
// only when the whole file arrived: the server's final reply was 2xx and, when the
// expected size is known (above 0), exactly that many bytes came. A failed or stopped
// download leaves the local file as it was. An upload opens the local file before it
// touches the server; when it fails or is stopped after the server began to take the file,
// the user is warned that the remote file may now be incomplete.
//
// Raising *cancel stops a transfer like a progress callback returning 0, and the own client
// at once, even in the middle of a socket call; the internet classes stop between blocks.
// A cancelled transfer shows no failure box, only an upload's warning once it reached the
// server.
int RemoteGetFile(const CFtpSiteRecord& account, LPCTSTR remotePath, LPCTSTR localPath,
                  const TransferProgressCallback& progress, DWORD expectedSize = 0,
                  const std::atomic<int>* cancel = nullptr);
int RemotePutFile(const CFtpSiteRecord& account, LPCTSTR localPath, LPCTSTR remotePath,
                  const TransferProgressCallback& progress, const std::atomic<int>* cancel = nullptr);

// Lists the account's folder (or the server's start folder when that cannot be entered) into
// rows "D/name/N" (folder), "D/name/L" (link) and "F/name/size" (a file matching one of the
// ';'-separated patterns of filter); the account's folder becomes the server's working
// folder. 1 on success; a listing that fails is reported, returns 0 and leaves rows and the
// account's folder alone. progress, when given, is told the count of entries so far and
// stops the listing by returning 0; raising *cancel stops it too, even in the middle of a
// socket call of the own client. A stopped listing returns -1 and reports nothing.
int RemoteListDirectory(CStringArray& rows, CFtpSiteRecord& account, LPCTSTR filter,
                        const TransferProgressCallback& progress = nullptr,
                        const std::atomic<int>* cancel = nullptr);

// Starts the socket layer the first time it succeeds; says so in a box when it cannot.
int InitSocketsOnce();

