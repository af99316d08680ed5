#pragma once
#include <windows.h>

#include "editor/dialogs/DocumentDialogs.h"
#include "editor/dialogs/PreferencesDlg.h"
#include "editor/document/DocumentServices.h"
#include "editor/settings/ChildEnvironment.h"
#include "editor/shell/CommandArgs.h"
#include "editor/shell/Handoff.h"
#include "editor/shell/OpenRequests.h"
#include "editor/shell/ProjectCommands.h"
#include "editor/settings/TextSettings.h"
#include "editor/viewwindow/ViewShell.h"
#include "framework/Collections.h"
#include "framework/DocApp.h"
#include "framework/RuntimeClass.h"

#include <memory>
#include <vector>

class AppOutputHost;
class CDocument;
class CFindInFilesDlg;
class CFtpRemoteFiles;
class OutputCommands;
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
// hand-off, the command line, and the one road by which files reach the editor.
class CEditorApp : public CDocApp, public IDocumentShell, public PreferencesHost, public ProjectHost, public IViewShell {
public:
    // viewClass: the views of the document windows.
    explicit CEditorApp(const CRuntimeClass* viewClass);
    ~CEditorApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    // Hand-offs are taken at rest, never under an open menu or a modal dialog.
    BOOL OnIdle(LONG count) override;
    CDocument* OpenDocumentFile(LPCTSTR path) override;

    // ---- documents ----
    POSITION GetFirstDocument() const;
    CDocument* GetNextDocument(POSITION& position) const;
    int CountDocuments() const override;
    CDocument* FindOpenDocument(const char* path) const;

    // ---- opening files ----
    // Opens (or activates) the file and moves every view to line (0: stays); null when the
    // framework could not open it.
    CWrenDoc* OpenFileAtLine(const char* path, int line, const WINDOWPLACEMENT* placement = nullptr);
    CWrenDoc* OpenRemoteFile(int account, const CString& remotePath, int size, int line,
                             const WINDOWPLACEMENT* placement = nullptr);
    // Queue a request and post the command that serves it.
    void PostOpenFile(const char* path, int line) override;
    void PostRemoteOpen(int account, const char* path, int size, int line) override;
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

    // ---- IViewShell (EditorAppBuild.cpp) ----
    // Searches and writes the hits to the output window; false when the regular expression
    // does not compile. The view's selection searches call it directly.
    bool FindInFiles(const char* text, const char* types, const CString& folder, int scope, int mode) override;
    bool IsOutputBusy() override;
    void BeginOutputReport() override;
    void EndOutputReport() override;
    void AppendOutputLine(const char* line) override;
    std::vector<CWrenView*> OpenDocumentViews() override;

    // ---- PreferencesHost ----
    bool MultiInstance() const override { return m_multiInstance; }
    void SetMultiInstance(bool allowed) override;
    void ApplyToOpenViews() override;
    // The output window's list takes the output font of the settings again.
    void RefreshOutputFont() override;
    // Gives the workspace bar's folder panel the filter list and its remembered filter.
    void RefreshPanelFilters() override;

    // ---- workspace bar and projects ----
    // The frame's workspace bar: filled, synchronised with the saved folder, and the last
    // workspace reopened. The project and directory commands act on it.
    void AttachWorkspaceBar(CWorkspaceBar& bar);
    // At exit: the browsed and working folders and the workspace for the next start, and the
    // open project or the default workspace saved.
    void SaveWorkspaceState();
    ProjectCommands* GetProjects() { return m_projects.get(); }
    // The vocabulary tree shows the shipped table of the kind (1 to 4), which is remembered
    // whether or not it could be read.
    bool LoadVocabularyTable(int kind);
    int GetVocabularyKind() const { return m_vocabularyKind; }

    // ---- ProjectHost ----
    std::vector<WorkspaceDocument> OpenDocuments() override;
    bool ActiveDocument(WorkspaceDocument& document) override;
    void OpenListedDocument(const WorkspaceDocument& document) override;
    bool SaveModifiedDocuments() override;
    void CloseDocuments() override;
    bool ChooseProjectFile(bool create, CString& path) override;
    bool ChooseFilesToAdd(std::vector<CString>& paths) override;
    bool AskCategoryName(CString& name) override;
    CString ProgramFolder() override;
    CString VersionTag() override;

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
    // Build, run, tools and find in files (EditorAppBuild.cpp).
    void OnBuild();
    void OnRun();
    void OnToolSlot(UINT id);
    void OnUpdateToolSlot(CCmdUI* cmdUI);
    void OnSendChildInput();
    void OnKillChild();
    void OnUpdateChildCommand(CCmdUI* cmdUI);
    void OnFindInFiles();
    // The view option commands (EditorAppViewOptions.cpp).
    void OnViewOption(UINT id);
    void OnUpdateViewOption(CCmdUI* cmdUI);
    void OnDirectoryCommand(UINT id);
    void OnProjectCommand(UINT id);
    void OnUpdateProjectCommand(CCmdUI* cmdUI);
    void OnProjectSettings();
    void OnHelpPage(UINT id);
    void OnPaletteToggle(UINT id);
    void OnUpdatePaletteToggle(CCmdUI* cmdUI);
    void OnResetDefaults();
    void OnVocabularyTable(UINT id);
    // The tool-set and macro-set menus (EditorAppSets.cpp).
    void OnLoadToolSet(UINT id);
    void OnLoadMacroSet(UINT id);
    void OnUpdateToolSet(CCmdUI* cmdUI);
    void OnUpdateMacroSet(CCmdUI* cmdUI);
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
    void ConnectOutputCommands();
    // The find-in-files dialog's text, types and folder from the active view.
    void PrepareFindInFiles(CFindInFilesDlg& dialog);
    // A document with a path as a workspace lists it; false for one without a path.
    bool DescribeDocument(CDocument* document, WorkspaceDocument& described);
    // The sets of the program's tool folder found again and their menu rebuilt.
    void RefreshToolSets();
    void RefreshMacroSets();

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
    std::unique_ptr<AppOutputHost> m_outputHost;
    std::unique_ptr<OutputCommands> m_outputCommands;
    std::unique_ptr<CFindInFilesDlg> m_findInFilesDlg;
    CWorkspaceBar* m_workspaceBar = nullptr;
    std::unique_ptr<ProjectCommands> m_projects;
    CString m_lastProjectFolder;
    // The table the vocabulary tree was last asked to show; 0 before the first request.
    int m_vocabularyKind = 0;
    // The set files the tool-set and macro-set menus list, in menu order.
    CStringArray m_toolSetFiles;
    CStringArray m_macroSetFiles;
};

// The running editor, or null outside it (tests of the window-free parts).
CEditorApp* TheEditorApp();
