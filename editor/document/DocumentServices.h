#pragma once
#include <vector>

#include "editor/settings/SettingsRecords.h"
#include "framework/CString.h"

class IProgressSink;

// What the application hands every open document: the save and backup settings, the FTP
// accounts with the dialogs that move remote files, and the few dialogs of its own that a
// document command opens. The application fills these at start-up (the settings block, the
// account table, the FTP dialogs); tests put fakes in their place.

// The editor settings a document reads when it opens, saves or backs up a file.
struct CDocumentSettings {
    // 0 none, 1 before saving over a file, 2 when a local file is opened.
    int backupMode = 0;
    // 1 "$(文件名).$(文件后缀).$(备份后缀)", 2 "$(文件名)_$(备份后缀).$(文件后缀)".
    int backupNaming = 1;
    // Empty means "备份"; exactly "$$$" is replaced by the first free counter 000, 001, ...
    CString backupSuffix;
    // Empty: beside the file.
    CString backupFolder;
    // Shorter than 2 characters: the program folder's "\remote".
    CString remoteCacheFolder;
    bool trimTrailingBlanksBeforeSave = false;
    bool tabsToBlanksBeforeSave = false;
    bool saveAsUnix = false;
    bool saveRemoteAsUnix = true;
};

// One row of the syntax-type table: a name for the menu and the spec and keyword files.
struct CSyntaxTypeRow {
    CString description;
    CString specFile;
    CString keywordFile;
};

// What a remote document needs to know of an FTP account.
struct CRemoteAccount {
    CString host;
    CString user;
    // The password is stored with the account, or was entered since the editor started.
    bool passwordSaved = false;
    bool passwordGiven = false;
    // "user@host": the name of the account's cache folder.
    CString GetAccountName() const { return user + "@" + host; }
    // "ftp://user@host", or "ftp://host" for an anonymous account.
    CString GetUrlForm() const { return user.IsEmpty() ? "ftp://" + host : "ftp://" + user + "@" + host; }
};

// The outcome of one transfer dialog.
enum class TransferResult { kDone, kFailed, kCancelled };

// The FTP account table and the dialogs that move one file; the FTP dialogs implement it.
class IRemoteFiles {
public:
    virtual ~IRemoteFiles() = default;
    // False when there is no such account.
    virtual bool GetAccount(int index, CRemoteAccount& account) = 0;
    // Asks for the account's password (the dialog shows the account name); the entered
    // password stays with the account until the editor exits. False when cancelled.
    virtual bool AskPassword(int index) = 0;
    // The password worked: it need not be asked again in this run.
    virtual void MarkPasswordGiven(int index) = 0;
    // Runs the transfer dialog: download the remote file to the local path, or upload the
    // local file to the remote path. size is the expected size in bytes for the progress bar;
    // above 0 a download must bring exactly that many bytes, so only a size the server listed
    // just now is given, never one recorded earlier (0: unknown).
    virtual TransferResult Transfer(bool download, int index, const CString& remotePath,
                                    const CString& localPath, long long size) = 0;
};

// The application's dialogs and panes a document command reaches.
class IDocumentShell {
public:
    virtual ~IDocumentShell() = default;
    // The save-as dialog for new files, starting at name; false when cancelled.
    virtual bool PromptNewFileName(CString& name) = 0;
    // The remote save-as dialog, starting at the account and the file name; false when cancelled.
    virtual bool PromptRemoteSaveAs(int& account, CString& remotePath) = 0;
    // The reload-as dialog: index 0 automatic detection, 1 to 5 an encoding; false when cancelled.
    virtual bool ChooseReloadEncoding(int& index) = 0;
    // The status bar's format pane shows the document's formats anew.
    virtual void ShowFormats() = 0;
    // Posts the reload command to the main window (after the encoding changed).
    virtual void PostReload() = 0;
};

// The document summary's fields.
struct CDocumentSummary {
    CString path;
    CString encodingName;
    CString lineEndName;
    long long fileSize = 0;
    int lineCount = 0;
    int wordCount = 0;
    long long byteCount = 0;
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
    CString changeTime;
};

// The summary dialog; a separate interface because the dialogs subsystem implements it.
class IDocumentSummaryDialog {
public:
    virtual ~IDocumentSummaryDialog() = default;
    virtual void Show(const CDocumentSummary& summary) = 0;
};

// The process-wide services. The pointers are null until the application sets them: a
// document without remote services refuses remote operations, one without a shell takes
// the framework's own save-as prompt.
struct CDocumentServices {
    CDocumentSettings settings;
    std::vector<CSyntaxTypeRow> syntaxTypes = std::vector<CSyntaxTypeRow>(kSyntaxTypeCount);
    IRemoteFiles* remoteFiles = nullptr;
    IDocumentShell* shell = nullptr;
    IDocumentSummaryDialog* summaryDialog = nullptr;
    IProgressSink* progress = nullptr;
};

CDocumentServices& DocumentServices();

// The local cache copy of a remote file, the one place both opening and saving use: the
// remote cache folder, the account's name ("user@host") and the remote path as a relative
// name below it.
CString RemoteCacheFile(const CString& accountName, const CString& remotePath);
