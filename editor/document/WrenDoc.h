#pragma once
#include <windows.h>

#include "editor/document/DocumentServices.h"
#include "editor/document/TextDocument.h"
#include "editor/res/resource.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/File.h"

class CCmdUI;

// What one open of a document asks for. With a path: that file, local, or the cache copy of
// the file remotePath on the server of the FTP account remoteAccount (-1: local). Without
// one: a new document, holding templatePath's text when a template is named.
struct COpenRequest {
    CString path;
    int remoteAccount = -1;
    CString remotePath;
    CString templatePath;

    static COpenRequest LocalFile(const CString& path);
    static COpenRequest RemoteFile(int account, const CString& remotePath, const CString& cachePath);
    static COpenRequest NewFromTemplate(const CString& templatePath);
};

// The framework document of one open file. It owns the text core (lines, formats, logs,
// language files, watchers: the one modified flag lives there) and adds what reaches
// beyond it: the file on disk with its status and attributes, backups, the syntax type
// chosen for the file, a remote file's identity, and the document commands. Load and save
// statuses of the core become the message boxes here; the core shows nothing of its own.
class CWrenDoc : public CDocument {
    DECLARE_DYNCREATE(CWrenDoc)

public:
    CWrenDoc();
    ~CWrenDoc() override;

    CTextDocument& GetText() { return m_text; }
    const CTextDocument& GetText() const { return m_text; }

    // ---- the framework's sequence ----
    // The title becomes the full path of a local file or the remote title of a remote one;
    // only local files go to the recent-file list.
    void SetPathName(LPCTSTR path, BOOL addToMRU = TRUE) override;
    BOOL IsModified() override { return m_text.IsModified(); }
    void SetModifiedFlag(BOOL modified = TRUE) override { m_text.SetModifiedFlag(modified); }
    // An empty new document.
    BOOL OnNewDocument() override;
    // The local file at path.
    BOOL OnOpenDocument(LPCTSTR path) override;
    // Opens what the request names; a file fails (the new frame goes away) when it cannot be
    // read whole.
    BOOL Open(const COpenRequest& request);
    // Saves to path as a local file. The document counts as saved only once its text reached
    // the disk: a failed save leaves it modified with its save point where it was.
    BOOL OnSaveDocument(LPCTSTR path) override;
    BOOL SaveModified() override;
    BOOL DoFileSave() override;

    // ---- reloading ----
    // The file again, in the given encoding (0: detected); the syntax type stays.
    BOOL OpenWithEncoding(LPCTSTR path, EncodingCode encoding);
    // From disk or from the server, keeping the caret line of the first view.
    BOOL Reload(EncodingCode encoding);
    BOOL ReloadLocal(LPCTSTR path, LineIndex line, EncodingCode encoding);
    BOOL ReloadRemote(int account, const CString& remotePath, long long size, LineIndex line,
                      EncodingCode encoding);
    // 53016 when a line is longer than a column can count: saving would cut it.
    void WarnOverlongLines();

    // ---- saving ----
    BOOL SaveAs();
    BOOL SaveLocal(LPCTSTR path);
    // Saves the cache copy and uploads it; every failure leaves the modified flag and the
    // save point as they were before.
    BOOL SaveRemote(int account, const CString& remotePath);
    BOOL Backup(LPCTSTR path);
    // The cache copy of a remote file; empty when the account does not exist.
    CString RemoteCachePath(int account, const CString& remotePath) const;

    // ---- the file on disk ----
    // The file's change time differs from the stored one (local documents with a path only).
    bool IsFileChangedOnDisk() const;
    // Stores the file's current status; 0 without a path or when it cannot be read.
    int ReadFileStatus();
    const CFileStatus& GetFileStatus() const { return m_fileStatus; }
    DWORD GetFileAttributes() const { return m_attributes; }

    // ---- identity ----
    bool IsRemote() const { return m_remoteAccount >= 0; }
    int GetRemoteAccount() const { return m_remoteAccount; }
    const CString& GetRemotePath() const { return m_remotePath; }
    // The local path, or the account's URL form followed by the remote path.
    CString GetDisplayPath() const;
    bool IsSyntaxAuto() const { return m_syntaxAuto; }

    // ---- views (each watcher of the text) ----
    // Every view to the 1-based line.
    void GoToLineInViews(LineIndex line);

    // ---- document commands ----
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileSaveAll();
    void OnFileRemoteSaveAs();
    void OnFileReload();
    void OnFileReloadAs();
    void OnSyntaxAuto();
    void OnSyntaxPlain();
    void OnSyntaxType(UINT id);
    void MarkFormatChanged();
    void OnLineEnd(UINT id);
    void OnEncoding(UINT id);
    void OnDocumentSummary();
    void OnUpdateSyntaxAuto(CCmdUI* cmdUI);
    void OnUpdateSyntaxPlain(CCmdUI* cmdUI);
    void OnUpdateSyntaxType(CCmdUI* cmdUI);
    void OnUpdateLineEnd(CCmdUI* cmdUI);
    void OnUpdateEncoding(CCmdUI* cmdUI);

    // The summary's fields as the dialog shows them.
    CDocumentSummary GetSummary() const;

protected:
    void DeleteContents() override;

    DECLARE_MESSAGE_MAP()

private:
    // Steps shared by opening and reloading: load the file through the core and store its
    // status; false (reported) when it cannot be read whole.
    bool LoadFile(LPCTSTR path, EncodingCode encoding);
    // Plain text, then the type detected from the path and the first line (automatic).
    void DetectSyntaxType(const CString& path);
    // Colours every line, with progress, and tells every view to start again.
    void AnalyseAndResetViews();
    // Every line coloured again and every view rebuilt, after the syntax type changed.
    void AnalyseAndRefreshViews();
    // Runs a whole-document transform as one undoable action (the save options).
    void RunSaveTransform(int (CTextDocument::*transform)());
    // 54017, 54019, 54020: whether the file at path may be written.
    bool CheckWritable(LPCTSTR path);
    bool StoreFileStatus(LPCTSTR path);
    BOOL OpenNew(const CString& templatePath);
    BOOL OpenFile(const COpenRequest& request);
    // OnSaveDocument for a file local (account -1) or the cache copy of a remote one.
    BOOL SaveFile(const CString& path, int remoteAccount, const CString& remotePath);
    bool AskSaveOverReplacedCharacters(LPCTSTR path);
    bool GetAccount(int index, CRemoteAccount& account) const;
    // The account's URL form followed by the remote path.
    CString RemoteTitle() const;
    // Asks for the account's password unless it is saved or was given; false when cancelled.
    bool EnsurePassword(int index, const CRemoteAccount& account);
    bool QuestionReloadWhenModified();
    // OpenWithEncoding, then every view to the 1-based line (0: stays) and the overlong warning.
    BOOL ReopenAt(const CString& path, LineIndex line, EncodingCode encoding);

    CTextDocument m_text;
    CFileStatus m_fileStatus;
    DWORD m_attributes = 128;
    int m_remoteAccount = -1;
    CString m_remotePath;
    bool m_syntaxAuto = true;
};

// The framework's open sequence (frame, view, path, activation of a document already open)
// with the request in place of the bare path.
DocumentLoader OpenRequestLoader(const COpenRequest& request);

// Message 53016's limit: columns are 16-bit.
const int kOverlongLineLimit = 32767;
