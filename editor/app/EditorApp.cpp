#include "editor/app/EditorApp.h"


#include "editor/dialogs/AboutDlg.h"
#include "editor/dialogs/FtpRemoteFiles.h"
#include "editor/dialogs/SmallDialogs.h"
#include "editor/inputaids/PaletteBars.h"
#include "editor/shell/HelpPages.h"
#include "editor/util/ShellHelpers.h"
#include "editor/inputaids/CustomVocabulary.h"
#include "editor/inputaids/VocabularyList.h"
#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/app/ChildFrame.h"
#include "editor/app/FtpFileDialog.h"
#include "editor/settings/EditorSettings.h"
#include "editor/shell/FileNaming.h"
#include "editor/shell/Handoff.h"
#include "editor/settings/KeyboardMacros.h"
#include "editor/app/MainFrame.h"
#include "editor/app/StartupVocabulary.h"
#include "editor/settings/PositionHistory.h"
#include "editor/settings/SettingsFiles.h"
#include "editor/shell/FolderChooser.h"
#include "editor/settings/ShellFolders.h"
#include "editor/settings/StartupSettings.h"
#include "editor/app/WelcomeDlg.h"
#include "editor/viewwindow/ViewOptions.h"
#include "editor/viewwindow/WrenView.h"
#include "editor/util/PathUtil.h"
#include "editor/util/ScopedFlag.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/CommonControls.h"
#include "framework/CommonDialogs.h"
#include "framework/DocTemplate.h"
#include "framework/MessageBox.h"
#include "framework/Ole.h"
#include "framework/View.h"

#include <shellapi.h>

// The commands that open the preferences: the page each opens on (0: the page shown last)
// and, for the fonts, the tab (-1: as it was). Read by the message map and by OnPreferences.
#define PREFERENCES_OPENINGS(X)              \
    X(ID_TOOLS_PREFERENCES, 0, -1)           \
    X(ID_VIEW_TAB_SIZE_CUSTOM, 1, -1)        \
    X(ID_VIEW_SPACING_CUSTOM, 2, -1)         \
    X(ID_VIEW_COLUMN_MARKERS, 2, -1)         \
    X(ID_VIEW_SET_SCREEN_FONT, 3, 0)         \
    X(ID_VIEW_SET_PRINTER_FONT, 3, 1)        \
    X(ID_VIEW_SET_COLORS, 4, -1)             \
    X(ID_SYNTAX_CUSTOMIZE, 9, -1)            \
    X(ID_TOOLS_CONFIGURE_TOOLS, 12, -1)      \
    X(ID_MACRO_CONFIGURE, 13, -1)
#define PREFERENCES_MAP_ENTRY(id, page, fontTab) ON_COMMAND_RANGE(id, id, OnPreferences)
#define PREFERENCES_OPENING_ROW(id, page, fontTab) {id, page, fontTab},

BEGIN_MESSAGE_MAP(CEditorApp, CDocApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_OPEN_TEMPLATE, OnFileOpenTemplate)
    ON_COMMAND(ID_FILE_REMOTE_OPEN, OnRemoteOpen)
    ON_COMMAND(ID_FTP_SETTINGS, OnFtpSettings)
    ON_COMMAND(ID_FILE_CLOSE_ALL, OnCloseAll)
    ON_COMMAND(ID_HISTORY_BACK, OnHistoryBack)
    ON_COMMAND(ID_HISTORY_FORWARD, OnHistoryForward)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    PREFERENCES_OPENINGS(PREFERENCES_MAP_ENTRY)
    ON_COMMAND_RANGE(ID_HELP_GUIDE, ID_HELP_SPONSOR, OnHelpPage)
    ON_COMMAND_RANGE(ID_HELP_TUTORIAL, ID_HELP_FORUM, OnHelpPage)
    ON_COMMAND_RANGE(ID_VIEW_TYPES_BAR, ID_VIEW_TYPES_BAR, OnPaletteToggle)
    ON_COMMAND_RANGE(ID_VIEW_LETTERS_BAR, ID_VIEW_LETTERS_BAR, OnPaletteToggle)
    ON_COMMAND_RANGE(ID_VIEW_OPERATORS_BAR, ID_VIEW_OPERATORS_BAR, OnPaletteToggle)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_TYPES_BAR, ID_VIEW_TYPES_BAR, OnUpdatePaletteToggle)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_LETTERS_BAR, ID_VIEW_LETTERS_BAR, OnUpdatePaletteToggle)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_OPERATORS_BAR, ID_VIEW_OPERATORS_BAR, OnUpdatePaletteToggle)
    ON_COMMAND(ID_TOOLS_RESET_DEFAULTS, OnResetDefaults)
END_MESSAGE_MAP()

namespace {

struct PaletteToggle {
    UINT command;
    UINT bar;
};
const PaletteToggle kPaletteToggles[] = {{ID_VIEW_TYPES_BAR, kTypesBarId}, {ID_VIEW_LETTERS_BAR, kLettersBarId},
    {ID_VIEW_OPERATORS_BAR, kOperatorsBarId}};

const char kDefaultFolderFile[] = "项目目录.文本";
const char kUserSettingsFile[] = "用户.设置";

// Shows a message with one formatted argument from the string table.
int ShowFormatted(UINT formatId, UINT type, LPCTSTR argument)
{
    CString text;
    text.Format(formatId, argument);
    return AfxMessageBox(text, type);
}

const char kMultiInstanceWord[] = "允许多实例";

}  // namespace

CEditorApp* TheEditorApp()
{
    return dynamic_cast<CEditorApp*>(AfxGetApp());
}

CEditorApp::CEditorApp(const CRuntimeClass* viewClass)
    : CDocApp("墨语言编辑器"), m_viewClass(viewClass), m_buildCommands(*this), m_viewOptionCommands(*this),
      m_setCommands(*this), m_workspaceCommands(*this)
{
}

CEditorApp::~CEditorApp() = default;

// Each command target of the application is offered the command before the application's
// own map; their ids do not overlap.
BOOL CEditorApp::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    CCmdTarget* const targets[] = {&m_buildCommands, &m_viewOptionCommands, &m_setCommands, &m_workspaceCommands};
    for (CCmdTarget* target : targets)
        if (target->OnCmdMsg(id, code, extra, handlerInfo))
            return TRUE;
    return CDocApp::OnCmdMsg(id, code, extra, handlerInfo);
}

// ---- start-up and exit ----

void CEditorApp::PrepareEnvironment()
{
    m_startFolder = CurrentFolder();
    ProcessEnvironment environment;
    m_savedEnvironment.Save(environment);
    ReadDefaultFolderFile(ProgramFilePath(kDefaultFolderFile), m_lastSaveFolder);
    ReadUserSettings(ProgramFilePath(kUserSettingsFile), m_userSettings);
    CWrenView::CompanionTitle() = m_userSettings.companionTitle;
    BuildChildEnvironment(GetInstallationFolder(), m_userSettings.noCompilerDetection == 0, m_savedEnvironment,
                          environment);
}

BOOL CEditorApp::InitInstance()
{
    SetRegistryKey("云杉工作室");
    PrepareEnvironment();

    // One instance unless the profile allows several: a later start hands its command line
    // over and ends. When the first instance cannot be reached, this one runs instead and
    // takes over what waits in the hand-off file, its own line included.
    HandoffChannel channel(ProgramFilePath(kHandoffFileName));
    m_multiInstance = GetProfileString(ProfileSection(kMultiInstanceWord), "", "").CompareNoCase("yes") == 0;
    InstanceSlot& slot = SharedInstanceSlot();
    InstanceRole role = RegisterInstance(slot, m_multiInstance);
    bool takeOverHandoff = false;
    if (role == InstanceRole::kHandOff) {
        // What a first start would create is created here; the first instance opens the
        // files it is handed and creates nothing.
        const CString line = HandoffCommandLine(ResolveCommandLine(CCommandArgs(__argc, __argv), m_startFolder));
        if (HandOff(slot, channel, FormatHandoffLine(m_startFolder, line)))
            return FALSE;
        RegisterInstance(slot, true);
        role = InstanceRole::kFirst;
        takeOverHandoff = true;
    }
    m_firstInstance = role == InstanceRole::kFirst;
    if (m_firstInstance)
        m_handoffWatch.reset(new HandoffWatch);

    if (!AfxOleInit()) {
        AfxMessageBox(IDS_OLE_INIT_FAILED, MB_OK);
        return FALSE;
    }
    AfxInitCommonControls();

    CEditorSettings& settings = TheEditorSettings();
    SettingsLoadResult loaded =
        LoadStartupSettings(GetProgramFolder(), settings, TheFtpAccounts(), TheUserTools(), TheUserMacros());
    if (loaded.configReset)
        AfxMessageBox(ConfigResetMessage(loaded), MB_ICONEXCLAMATION);
    ApplyDocumentServices();
    LoadStdProfileSettings(10);

    AddDocTemplate(new CMultiDocTemplate(IDR_WRENTYPE, RUNTIME_CLASS(CWrenDoc), RUNTIME_CLASS(CChildFrame),
                                         m_viewClass));
    if (!CreateMainFrame())
        return FALSE;
    ConnectRemoteFiles();
    m_buildCommands.Connect(*GetMainFrame(), m_userSettings.outputMaxLines);
    SetViewShell(&m_buildCommands);

    if (!settings.initialWorkingFolder.IsEmpty()) {
        ::SetCurrentDirectoryA(settings.initialWorkingFolder);
    } else {
        CString working = GetProfileString(ProfileSection("工作目录"), "", "");
        if (!working.IsEmpty())
            ::SetCurrentDirectoryA(working);
    }
    m_lastWorkspacePath = GetProfileString(ProfileSection("工作区"), "", "");

    CMainFrame* frame = GetMainFrame();
    LoadShippedVocabulary(frame->GetWorkspaceBar());
    frame->RestoreLayout(ProfileSection("窗口布局"));
    frame->LoadBarState(ProfileSection("状态栏状态"));
    frame->ShowWindow(m_nCmdShow == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOW);
    frame->UpdateWindow();
    m_workspaceCommands.Attach(frame->GetWorkspaceBar(), m_lastWorkspacePath);

    if (takeOverHandoff)
        ReadHandoffFile();
    else
        ProcessCommandLine(CCommandArgs(__argc, __argv));
    RunWelcome();
    frame->ShowWorkspacePage(CWorkspaceBar::kVocabularyPage);
    frame->ShowControlBar(&frame->GetOutputBar(), TRUE, FALSE);
    InitCustomVocabularyDefaults();
    LoadCustomVocabulary();
    return TRUE;
}

bool CEditorApp::CreateMainFrame()
{
    auto* frame = new CMainFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete frame;
        return false;
    }
    m_pMainWnd = frame;
    frame->SetWindowText(GetExeTitle());
    RegisterInstanceWindow(SharedInstanceSlot(), frame->m_hWnd);
    frame->DragAcceptFiles(TRUE);
    frame->RebuildSyntaxTypeMenu();
    DocumentServices().progress = &frame->GetStatusBar();
    return true;
}

void CEditorApp::ApplyDocumentServices()
{
    const CEditorSettings& settings = TheEditorSettings();
    CDocumentServices& services = DocumentServices();
    services.settings.backupMode = settings.backupMode;
    services.settings.backupNaming = settings.backupNameForm;
    services.settings.backupSuffix = settings.backupSuffix;
    services.settings.backupFolder = settings.backupFolder;
    services.settings.remoteCacheFolder = settings.remoteCacheFolder;
    services.settings.trimTrailingBlanksBeforeSave = settings.stripTrailingOnSave != 0;
    services.settings.tabsToBlanksBeforeSave = settings.tabsToSpacesOnSave != 0;
    services.settings.saveAsUnix = settings.saveUnixLineEnds != 0;
    services.settings.saveRemoteAsUnix = settings.saveRemoteUnixLineEnds != 0;
    for (int i = 0; i < kSyntaxTypeCount; ++i) {
        const CSyntaxTypeEntry& entry = settings.syntaxTypes[i];
        services.syntaxTypes[i] = {entry.Description(), entry.SpecFile(), entry.KeywordFile()};
    }
    services.shell = this;
    services.summaryDialog = &m_summaryDialog;
}

void CEditorApp::RunWelcome()
{
    // "启动时创建新文档" skips the question: the editor starts on a new document.
    if (TheEditorSettings().newDocumentAtStart != 0) {
        NewDocumentIfNone();
        return;
    }
    CWelcomeDlg dialog(m_pMainWnd);
    switch (dialog.DoModal()) {
    case IDOK:
        OnFileOpen();
        break;
    case CWelcomeDlg::kFromTemplate:
        OnFileOpenTemplate();
        break;
    case CWelcomeDlg::kGuide:
        OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr);
        OnHelpPage(ID_HELP_GUIDE);
        break;
    default:
        NewDocumentIfNone();
        break;
    }
}

int CEditorApp::ExitInstance()
{
    m_handoffWatch.reset();
    ProcessEnvironment environment;
    m_savedEnvironment.Restore(environment);
    if (!m_lastSaveFolder.IsEmpty())
        WriteDefaultFolderFile(ProgramFilePath(kDefaultFolderFile), m_lastSaveFolder);
    FreeVocabularyList();
    ThePositionHistory().FreeAll();
    DocumentServices().progress = nullptr;
    DocumentServices().shell = nullptr;
    SetViewShell(nullptr);
    DocumentServices().summaryDialog = nullptr;
    DocumentServices().remoteFiles = nullptr;
    return CDocApp::ExitInstance();
}

void CEditorApp::SaveEditorConfig()
{
    SaveConfig(ProgramFilePath(kEditorConfigFile), TheEditorSettings());
}

CString CEditorApp::GetOpenProjectPath() const
{
    return m_workspaceCommands.OpenProjectPath();
}

void CEditorApp::SaveWorkspaceState()
{
    m_workspaceCommands.SaveState();
}

void CEditorApp::RefreshPanelFilters()
{
    m_workspaceCommands.RefreshPanelFilters();
}

CMainFrame* CEditorApp::GetMainFrame() const
{
    return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

// ---- single instance ----

BOOL CEditorApp::OnIdle(LONG count)
{
    if (m_handoffWatch && m_handoffWatch->TakePending())
        ReadHandoffFile();
    return CDocApp::OnIdle(count);
}

void CEditorApp::ReadHandoffFile()
{
    HandoffChannel channel(ProgramFilePath(kHandoffFileName));
    OpenTargets(TakeHandoffTargets(channel, m_startFolder));
}

// ---- command line ----

int CEditorApp::ProcessCommandLine(const CCommandArgs& args)
{
    OpenTargets(ResolveCommandLine(args, m_startFolder));
    return 1;
}

void CEditorApp::OpenTargets(const std::vector<CommandLineTarget>& targets)
{
    for (const CommandLineTarget& target : targets) {
        if (target.project) {
            if (ProjectCommands* projects = m_workspaceCommands.Projects())
                projects->SwitchToProject(target.path);
            continue;
        }
        OpenFileAtLine(target.path, target.line);
    }
}

// ---- documents ----

POSITION CEditorApp::GetFirstDocument() const
{
    POSITION at = GetFirstDocTemplatePosition();
    return at != nullptr ? GetNextDocTemplate(at)->GetFirstDocPosition() : nullptr;
}

CDocument* CEditorApp::GetNextDocument(POSITION& position) const
{
    POSITION at = GetFirstDocTemplatePosition();
    return at != nullptr ? GetNextDocTemplate(at)->GetNextDoc(position) : nullptr;
}

int CEditorApp::CountDocuments() const
{
    int count = 0;
    for (POSITION at = GetFirstDocument(); at != nullptr; GetNextDocument(at))
        ++count;
    return count;
}

CDocument* CEditorApp::FindOpenDocument(const char* path) const
{
    for (POSITION at = GetFirstDocument(); at != nullptr;) {
        CDocument* document = GetNextDocument(at);
        if (document->GetPathName().CompareNoCase(path) == 0)
            return document;
    }
    return nullptr;
}

void CEditorApp::NewDocumentIfNone()
{
    if (CountDocuments() == 0 && m_pMainWnd != nullptr)
        m_pMainWnd->PostMessage(WM_COMMAND, ID_FILE_NEW);
}

// ---- opening files ----

CDocument* CEditorApp::OpenDocumentFile(LPCTSTR path)
{
    return OpenFileAtLine(path, 0);
}

CWrenDoc* CEditorApp::OpenFileAtLine(const char* path, int line, const WINDOWPLACEMENT* placement)
{
    return OpenRequested(COpenRequest::LocalFile(path), line, placement);
}

CWrenDoc* CEditorApp::OpenRequested(const COpenRequest& request, int line, const WINDOWPLACEMENT* placement)
{
    CWrenDoc* document = nullptr;
    {
        CScopedViewPlacement pending(placement);
        document = dynamic_cast<CWrenDoc*>(m_docManager.OpenDocumentFile(request.path, OpenRequestLoader(request)));
    }
    if (document == nullptr)
        return nullptr;
    if (line != 0)
        document->GoToLineInViews(line);
    if (m_pMainWnd != nullptr)
        m_pMainWnd->UpdateWindow();
    POSITION at = document->GetFirstViewPosition();
    if (CView* view = at != nullptr ? document->GetNextView(at) : nullptr)
        view->SetFocus();
    document->WarnOverlongLines();
    return document;
}

void CEditorApp::PostOpenFile(const char* path, int line)
{
    OpenRequestQueue::Request request;
    request.path = path;
    request.line = line;
    m_pMainWnd->PostMessage(WM_COMMAND, m_openRequests.Post(request));
}

void CEditorApp::PostRemoteOpen(int account, const char* path, int size, int line)
{
    OpenRequestQueue::Request request;
    request.account = account;
    request.path = path;
    request.size = size;
    request.line = line;
    m_pMainWnd->PostMessage(WM_COMMAND, m_openRequests.Post(request));
}

void CEditorApp::OnFileOpen()
{
    OpenRequestQueue::Request request;
    if (m_openRequests.Take(OpenRequestQueue::kFileOpenCommand, request)) {
        OpenFileAtLine(request.path, request.line);
        return;
    }
    CEditorSettings& settings = TheEditorSettings();
    CString filter = BuildFileFilter(settings);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT, filter,
                       m_pMainWnd);
    std::vector<char> names(4096, '\0');
    dialog.m_ofn.lpstrFile = names.data();
    dialog.m_ofn.nMaxFile = static_cast<DWORD>(names.size());
    dialog.m_ofn.nFilterIndex = FilterIndexToType(settings, settings.lastFileFilter) + 1;
    CString folder = CurrentFolder();
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return;
    settings.lastFileFilter = TypeFromFilterIndex(settings, static_cast<int>(dialog.m_ofn.nFilterIndex) - 1);
    for (POSITION at = dialog.GetStartPosition(); at != nullptr;)
        OpenFileAtLine(dialog.GetNextPathName(at), 0);
}

void CEditorApp::OnFileOpenTemplate()
{
    CEditorSettings& settings = TheEditorSettings();
    CString filter = BuildFileFilter(settings);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter, m_pMainWnd);
    CString title;
    title.LoadString(IDS_OPEN_TEMPLATE_TITLE);
    CString folder = GetProgramFolder() + "\\模板";
    dialog.m_ofn.lpstrTitle = title;
    dialog.m_ofn.lpstrInitialDir = folder;
    dialog.m_ofn.nFilterIndex = 1;
    CString current = CurrentFolder();
    int result = dialog.DoModal();
    ::SetCurrentDirectoryA(current);
    if (result != IDOK)
        return;
    settings.lastFileFilter = TypeFromFilterIndex(settings, static_cast<int>(dialog.m_ofn.nFilterIndex) - 1);
    OpenRequestQueue::Request request;
    request.path = dialog.GetPathName();
    request.fromTemplate = true;
    m_pMainWnd->PostMessage(WM_COMMAND, m_openRequests.Post(request));
}

void CEditorApp::OnFileNew()
{
    OpenRequestQueue::Request request;
    if (!m_openRequests.Take(OpenRequestQueue::kFileNewCommand, request)) {
        m_docManager.OnFileNew();
        return;
    }
    POSITION at = GetFirstDocTemplatePosition();
    if (at != nullptr)
        GetNextDocTemplate(at)->OpenDocumentFile(nullptr, TRUE,
                                                 OpenRequestLoader(COpenRequest::NewFromTemplate(request.path)));
}

void CEditorApp::ConnectRemoteFiles()
{
    FtpAccountTable& accounts = TheFtpAccounts();
    m_remoteFiles = std::make_unique<CFtpRemoteFiles>(accounts.data(), kFtpAccountCount, m_pMainWnd);
    DocumentServices().remoteFiles = m_remoteFiles.get();
    m_ftpDialog = std::make_unique<CFtpFileDialog>(m_pMainWnd);
    if (m_remoteDialog == nullptr)
        m_remoteDialog = m_ftpDialog.get();
}

void CEditorApp::SaveFtpAccountTable()
{
    SaveFtpAccounts(ProgramFilePath(kFtpAccountsFile), TheFtpAccounts());
}

void CEditorApp::OnRemoteOpen()
{
    OpenRequestQueue::Request request;
    if (m_openRequests.Take(OpenRequestQueue::kRemoteOpenCommand, request)) {
        OpenRemoteFile(request.account, request.path, request.size, request.line);
        return;
    }
    if (m_remoteDialog == nullptr)
        return;
    CEditorSettings& settings = TheEditorSettings();
    int account = m_lastRemoteAccount;
    int position = FilterIndexToType(settings, settings.lastFileFilter);
    std::vector<IRemoteFileDialog::Choice> files;
    bool chosen = m_remoteDialog->ChooseToOpen(BuildFileFilter(settings), account, position, files);
    SaveFtpAccountTable();
    if (!chosen)
        return;
    m_lastRemoteAccount = account;
    settings.lastFileFilter = TypeFromFilterIndex(settings, position);
    for (const auto& file : files)
        OpenRemoteFile(account, file.path, file.size, 0);
}

void CEditorApp::OnFtpSettings()
{
    if (m_remoteDialog != nullptr && m_remoteDialog->EditAccounts())
        SaveFtpAccountTable();
}

CWrenDoc* CEditorApp::OpenRemoteFile(int account, const CString& remotePath, int size, int line,
                                     const WINDOWPLACEMENT* placement)
{
    IRemoteFiles* remote = DocumentServices().remoteFiles;
    CRemoteAccount record;
    if (remote == nullptr || !remote->GetAccount(account, record))
        return nullptr;
    const CString cachePath = RemoteCacheFile(record.GetAccountName(), remotePath);
    // The folder only: the download puts the file in place once all of it arrived, and a
    // failed one must leave nothing behind.
    if (!EnsurePathExists(GetDirectoryPart(cachePath) + "\\")) {
        ShowFormatted(IDS_REMOTE_CACHE_FAILED, MB_ICONSTOP, cachePath);
        return nullptr;
    }
    if (FindOpenDocument(cachePath) == nullptr) {
        if (record.host.IsEmpty())
            return nullptr;
        if (!record.passwordSaved && !record.passwordGiven && !remote->AskPassword(account))
            return nullptr;
        TransferResult result = remote->Transfer(true, account, remotePath, cachePath, size);
        if (result == TransferResult::kCancelled) {
            AfxMessageBox(IDS_REMOTE_CANCELLED, MB_ICONSTOP);
            return nullptr;
        }
        if (result == TransferResult::kFailed) {
            ShowFormatted(IDS_REMOTE_OPEN_FAILED, MB_ICONSTOP, remotePath);
            return nullptr;
        }
        if (!record.passwordSaved)
            remote->MarkPasswordGiven(account);
    }
    return OpenRequested(COpenRequest::RemoteFile(account, remotePath, cachePath), line, placement);
}

// ---- changed files ----

bool CEditorApp::CheckChangedDocuments(bool reloadAll)
{
    // The question below is a modal box: activating the editor again while it is open
    // must not ask a second time.
    if (m_checkingChanges)
        return false;
    ScopedFlag checking(m_checkingChanges);
    bool anyChanged = false;
    for (POSITION at = GetFirstDocument(); at != nullptr;) {
        auto* document = dynamic_cast<CWrenDoc*>(GetNextDocument(at));
        if (document == nullptr || !document->IsFileChangedOnDisk())
            continue;
        anyChanged = true;
        if (!document->IsModified() || reloadAll ||
            ShowFormatted(IDS_FILE_CHANGED_ON_DISK, MB_YESNO | MB_ICONQUESTION, document->GetPathName()) == IDYES)
            document->Reload(document->GetText().GetEncoding());
        else
            document->ReadFileStatus();
    }
    return anyChanged;
}

void CEditorApp::OnCloseAll()
{
    if (SaveAllModified())
        CloseAllDocuments(FALSE);
}

// ---- position history ----

void CEditorApp::OnHistoryBack()
{
    PositionHistory::Position position;
    if (ThePositionHistory().NavigateBack(position))
        PostOpenFile(position.file, position.line);
}

void CEditorApp::OnHistoryForward()
{
    PositionHistory::Position position;
    if (ThePositionHistory().NavigateForward(position))
        PostOpenFile(position.file, position.line);
}

// ---- document shell ----

void CEditorApp::SaveActiveDocumentForTool()
{
    ScopedFlag saving(m_savingForTool);
    if (CMainFrame* frame = GetMainFrame())
        frame->SendMessage(WM_COMMAND, ID_FILE_SAVE);
}

bool CEditorApp::PromptNewFileName(CString& name)
{
    CEditorSettings& settings = TheEditorSettings();
    CString folder = ProposedSaveFolder(name, m_lastSaveFolder, GetInstallationFolder(), CurrentFolder());
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const bool untitled = IsUntitledName(name);
    if (untitled && m_savingForTool && m_userSettings.autoSaveNewFiles != 0) {
        // Never over an existing file: a second one in the same second takes "_2".
        name = UniqueNewFilePath(folder, GeneratedNewFileName(m_userSettings.newFilePrefix, true, now));
        m_lastSaveFolder = folder;
        return true;
    }
    CString proposed = untitled ? GeneratedNewFileName(m_userSettings.newFilePrefix, false, now) : GetFileNamePart(name);
    CFileDialog dialog(FALSE, nullptr, proposed, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, BuildFileFilter(settings),
                       m_pMainWnd);
    dialog.m_ofn.lpstrInitialDir = folder;
    dialog.m_ofn.nFilterIndex = FilterIndexToType(settings, settings.lastFileFilter) + 1;
    if (dialog.DoModal() != IDOK)
        return false;
    settings.lastFileFilter = TypeFromFilterIndex(settings, static_cast<int>(dialog.m_ofn.nFilterIndex) - 1);
    name = dialog.GetPathName();
    m_lastSaveFolder = GetDirectoryPart(name);
    CString extension = DefaultExtensionOfLastFilter(settings);
    if (GetFileNamePart(name).Find('.') < 0 && !extension.IsEmpty())
        name += "." + extension;
    return true;
}

bool CEditorApp::PromptRemoteSaveAs(int& account, CString& remotePath)
{
    if (m_remoteDialog == nullptr)
        return false;
    CEditorSettings& settings = TheEditorSettings();
    int position = FilterIndexToType(settings, settings.lastFileFilter);
    CString path = GetFileNamePart(remotePath);
    bool chosen = m_remoteDialog->ChooseToSave(BuildFileFilter(settings), account, position, path);
    SaveFtpAccountTable();
    if (!chosen)
        return false;
    settings.lastFileFilter = TypeFromFilterIndex(settings, position);
    remotePath = path;
    CString extension = DefaultExtensionOfLastFilter(settings);
    if (GetFileNamePart(remotePath).Find('.') < 0 && !extension.IsEmpty())
        remotePath += "." + extension;
    return true;
}

bool CEditorApp::ChooseReloadEncoding(int& index)
{
    return RunReloadAsDialog(m_pMainWnd, index);
}

void CEditorApp::ShowFormats()
{
    CMainFrame* frame = GetMainFrame();
    auto* document = frame != nullptr ? dynamic_cast<CWrenDoc*>(frame->GetActiveEditorDoc()) : nullptr;
    if (document != nullptr)
        frame->SetDocFormatPane(document->GetText().GetEncoding(), document->GetText().GetLineEnd(),
                                (document->GetFileAttributes() & FILE_ATTRIBUTE_READONLY) != 0);
}

void CEditorApp::PostReload()
{
    m_pMainWnd->PostMessage(WM_COMMAND, ID_FILE_RELOAD);
}

void CEditorApp::SetMultiInstance(bool allowed)
{
    m_multiInstance = allowed;
    const char* value = allowed ? "yes" : "no";
    CString section = ProfileSection(kMultiInstanceWord);
    // The section's unnamed value ("": a null entry would name the whole section).
    if (GetProfileString(section, "", "").CompareNoCase(value) != 0)
        WriteProfileString(section, "", value);
}

std::vector<CWrenView*> CEditorApp::GetOpenViews() const
{
    std::vector<CWrenView*> views;
    for (POSITION at = GetFirstDocument(); at != nullptr;) {
        CDocument* document = GetNextDocument(at);
        for (POSITION view = document->GetFirstViewPosition(); view != nullptr;)
            if (auto* wren = dynamic_cast<CWrenView*>(document->GetNextView(view)))
                views.push_back(wren);
    }
    return views;
}

void CEditorApp::ApplyToOpenViews()
{
    ApplyViewSettings(GetOpenViews());
}

void CEditorApp::RefreshOutputFont()
{
    if (CMainFrame* frame = GetMainFrame())
        frame->GetOutputBar().SetListFont(TheEditorSettings().otherFonts[kOutputFontRow], TRUE);
}

void CEditorApp::OnPreferences(UINT id)
{
    struct Opening {
        UINT id;
        int page;
        int fontTab;
    };
    static const Opening kOpenings[] = {PREFERENCES_OPENINGS(PREFERENCES_OPENING_ROW)};
    for (const Opening& opening : kOpenings) {
        if (opening.id != id)
            continue;
        if (opening.page != 0)
            PreferencesPage() = opening.page;
        if (opening.fontTab >= 0)
            FontPageTab() = opening.fontTab;
    }
    CPreferencesDlg dialog({TheEditorSettings(), TheUserTools(), TheUserMacros(), GetProgramFolder()}, *this,
                           m_pMainWnd);
    dialog.m_chooseFolder = ChooseFolder;
    dialog.DoModal();
}

void CEditorApp::OnAppAbout()
{
    CAboutDlg dialog(m_pMainWnd);
    dialog.m_versionText = GetExeTitle() + "2.0";
    dialog.DoModal();
}

// ---- help, palettes and the default settings ----

void CEditorApp::OnHelpPage(UINT id)
{
    const CString folder = GetInstallationFolder();
    if (IsHelpPageMissing(id, folder) || !OpenHelpPage(id, folder, &ShellOpenDocument))
        AfxMessageBox(HelpPageFailureMessage(id, folder), MB_ICONEXCLAMATION);
}

void CEditorApp::OnPaletteToggle(UINT id)
{
    CMainFrame* frame = GetMainFrame();
    for (const PaletteToggle& toggle : kPaletteToggles) {
        CControlBar* bar = frame != nullptr && toggle.command == id ? frame->GetControlBar(toggle.bar) : nullptr;
        if (bar != nullptr) {
            frame->ShowControlBar(bar, !bar->IsWindowVisible(), FALSE);
            frame->RecalcLayout();
        }
    }
}

void CEditorApp::OnUpdatePaletteToggle(CCmdUI* cmdUI)
{
    CMainFrame* frame = GetMainFrame();
    for (const PaletteToggle& toggle : kPaletteToggles) {
        CControlBar* bar = frame != nullptr && toggle.command == cmdUI->m_nID ? frame->GetControlBar(toggle.bar) : nullptr;
        if (bar != nullptr)
            cmdUI->SetCheck(bar->IsWindowVisible());
    }
}

// Every setting and colour the user chose goes at once, so the user is asked first; the
// open windows then show the defaults as the preferences' Apply would.
void CEditorApp::OnResetDefaults()
{
    if (AfxMessageBox("要恢复系统缺省配置吗?\n\n当前的编辑器配置和配色将被缺省值替换.",
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    CEditorSettings& settings = TheEditorSettings();
    ResetConfigDefaults(settings);
    SaveEditorConfig();
    ResetColorDefaults(settings);
    SaveColorScheme(ProgramFilePath(kColorSchemeFile), settings.view.colors);
    RefreshOutputFont();
    RefreshPanelFilters();
    ApplyToOpenViews();
}
