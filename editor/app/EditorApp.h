#pragma once
#include <windows.h>

#include "editor/app/BuildCommands.h"
#include "editor/app/SetCommands.h"
#include "editor/app/ViewOptionCommands.h"
#include "editor/app/WorkspaceCommands.h"
#include "editor/dialogs/DocumentDialogs.h"
#include "editor/dialogs/PreferencesDlg.h"
#include "editor/document/DocumentServices.h"
#include "editor/settings/ChildEnvironment.h"
#include "editor/shell/CommandArgs.h"
#include "editor/shell/Handoff.h"
#include "editor/shell/OpenRequests.h"
#include "editor/settings/TextSettings.h"
#include "framework/Collections.h"
#include "framework/DocApp.h"
#include "framework/RuntimeClass.h"

#include <memory>
#include <vector>

class CDocument;
class CFtpRemoteFiles;
class CMainFrame;
class CWrenDoc;
struct COpenRequest;
class CWrenView;
class CCmdUI;

// The remote-file dialog of the FTP part: picks an account and one or more remote files to
// open, or an account and a remote name to save as. Both return false on Cancel; the
// accounts they edited are saved by the caller either way.
class IRemoteFileDialog {
public:
    struct Choice {
        CString path;
        int size = 0;
    };
    virtual ~IRemoteFileDialog() = default;
    virtual bool ChooseToOpen(const CString& filter, int& account, int& filterPosition, std::vector<Choice>& files) = 0;
    virtual bool ChooseToSave(const CString& filter, int& account, int& filterPosition, CString& remotePath) = 0;
    // The FTP settings dialog on the account table; false on Cancel.
    virtual bool EditAccounts() = 0;
};

// The editor's application object: start-up and exit, the single instance with its
// hand-off, the command line, and the one road by which files reach the editor. Its build,
// view option, tool and macro set, and workspace commands are command targets of their own,
// offered each command before the application's own map.
class CEditorApp : public CDocApp, public IDocumentShell, public PreferencesHost {
public:
    // viewClass: the views of the document windows.
    explicit CEditorApp(const CRuntimeClass* viewClass);
    ~CEditorApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    // Hand-offs are taken at rest, never under an open menu or a modal dialog.
    BOOL OnIdle(LONG count) override;
    // Offers each command to the application's command targets, then to its own map.
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    CDocument* OpenDocumentFile(LPCTSTR path) override;

    // ---- documents ----
    POSITION GetFirstDocument() const;
    CDocument* GetNextDocument(POSITION& position) const;
    int CountDocuments() const;
    CDocument* FindOpenDocument(const char* path) const;

    // ---- opening files ----
    // Opens (or activates) the file and moves every view to line (0: stays); null when the
    // framework could not open it.
    CWrenDoc* OpenFileAtLine(const char* path, int line, const WINDOWPLACEMENT* placement = nullptr);
    CWrenDoc* OpenRemoteFile(int account, const CString& remotePath, int size, int line,
                             const WINDOWPLACEMENT* placement = nullptr);
    // Queue a request and post the command that serves it.
    void PostOpenFile(const char* path, int line);
    void PostRemoteOpen(int account, const char* path, int size, int line);
    int ProcessCommandLine(const CCommandArgs& args);
    // Reads and empties the hand-off file and opens what its lines name.
    void ReadHandoffFile();
    // Compares every open document with its file; unmodified ones (or all, with reloadAll)
    // reload, the user is asked about modified ones. True when a file had changed.
    bool CheckChangedDocuments(bool reloadAll);
    void NewDocumentIfNone();

    // Saves the active document before a user tool runs (File Save): with "新建文件自动保存="
    // on, an untitled document takes a generated name without a dialog.
    void SaveActiveDocumentForTool();

    // ---- IDocumentShell ----
    bool PromptNewFileName(CString& name) override;
    bool PromptRemoteSaveAs(int& account, CString& remotePath) override;
    bool ChooseReloadEncoding(int& index) override;
    void ShowFormats() override;
    void PostReload() override;

    // ---- PreferencesHost ----
    bool MultiInstance() const override { return m_multiInstance; }
    void SetMultiInstance(bool allowed) override;
    void ApplyToOpenViews() override;
    // The output window's list takes the output font of the settings again.
    void RefreshOutputFont() override;
    // Gives the workspace bar's folder panel the filter list and its remembered filter.
    void RefreshPanelFilters() override;

    // ---- workspace ----
    // At exit: the browsed and working folders and the workspace for the next start, and the
    // open project or the default workspace saved.
    void SaveWorkspaceState();

    void SaveEditorConfig();
    // Every editor view of every open document.
    std::vector<CWrenView*> GetOpenViews() const;
    CMainFrame* GetMainFrame() const;
    const CString& GetStartFolder() const { return m_startFolder; }
    const CUserSettings& GetUserSettings() const { return m_userSettings; }
    bool IsFirstInstance() const { return m_firstInstance; }
    // The open project's path; empty without one.
    CString GetOpenProjectPath() const;
    // The FTP part plugs its dialog in; without one the remote commands do nothing.
    void SetRemoteFileDialog(IRemoteFileDialog* dialog) { m_remoteDialog = dialog; }

protected:
    // A new document, from the template a queued request names when there is one.
    void OnFileNew();
    void OnFileOpen();
    void OnFileOpenTemplate();
    void OnRemoteOpen();
    void OnFtpSettings();
    void OnCloseAll();
    void OnHistoryBack();
    void OnHistoryForward();
    void OnAppAbout();
    void OnPreferences(UINT id);
    void OnHelpPage(UINT id);
    void OnPaletteToggle(UINT id);
    void OnUpdatePaletteToggle(CCmdUI* cmdUI);
    void OnResetDefaults();
    DECLARE_MESSAGE_MAP()

private:
    void PrepareEnvironment();
    bool CreateMainFrame();
    void ApplyDocumentServices();
    void RunWelcome();
    void OpenTargets(const std::vector<CommandLineTarget>& targets);
    // Opens (or activates) the file the request names, then as OpenFileAtLine.
    CWrenDoc* OpenRequested(const COpenRequest& request, int line, const WINDOWPLACEMENT* placement);
    void SaveFtpAccountTable();
    void ConnectRemoteFiles();

    const CRuntimeClass* m_viewClass;
    CString m_startFolder;
    CString m_lastSaveFolder;
    CString m_lastWorkspacePath;
    int m_lastRemoteAccount = 0;
    bool m_firstInstance = true;
    std::unique_ptr<HandoffWatch> m_handoffWatch;
    bool m_multiInstance = false;
    bool m_checkingChanges = false;
    bool m_savingForTool = false;
    CUserSettings m_userSettings;
    SavedEnvironment m_savedEnvironment;
    OpenRequestQueue m_openRequests;
    IRemoteFileDialog* m_remoteDialog = nullptr;
    // The FTP side over the account table, alive as long as the program.
    std::unique_ptr<CFtpRemoteFiles> m_remoteFiles;
    std::unique_ptr<IRemoteFileDialog> m_ftpDialog;
    CDocumentSummaryDialog m_summaryDialog;
    CBuildCommands m_buildCommands;
    CViewOptionCommands m_viewOptionCommands;
    CSetCommands m_setCommands;
    CWorkspaceCommands m_workspaceCommands;
};

// The running editor, or null outside it (tests of the window-free parts).
CEditorApp* TheEditorApp();
