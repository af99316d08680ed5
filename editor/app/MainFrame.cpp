#include "editor/app/MainFrame.h"

#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/viewwindow/WrenView.h"
#include "editor/app/EditorApp.h"
#include "editor/settings/EditorSettings.h"
#include "editor/settings/SettingsFiles.h"
#include "editor/settings/ShellFolders.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/View.h"

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_WM_ACTIVATEAPP()
    ON_WM_SIZE()
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CARET, OnUpdateCaretPane)
    ON_COMMAND(ID_VIEW_TAB_BAR, OnViewTabBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TAB_BAR, OnUpdateViewTabBar)
    ON_COMMAND(ID_VIEW_VARIABLE_BAR, OnViewVariableBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_VARIABLE_BAR, OnUpdateViewVariableBar)
    ON_COMMAND(ID_WINDOW_RECENT, OnWindowRecent)
    ON_COMMAND(ID_WINDOW_NEXT, OnWindowNext)
    ON_COMMAND(ID_WINDOW_PREVIOUS, OnWindowPrevious)
    ON_COMMAND(ID_VIEW_FOLDER_PAGE, OnViewFolderPage)
    ON_UPDATE_COMMAND_UI(ID_VIEW_FOLDER_PAGE, OnUpdateViewFolderPage)
    ON_COMMAND(ID_VIEW_PROJECT_PAGE, OnViewProjectPage)
    ON_UPDATE_COMMAND_UI(ID_VIEW_PROJECT_PAGE, OnUpdateViewProjectPage)
    ON_COMMAND(ID_VIEW_OUTPUT, OnViewOutput)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OUTPUT, OnUpdateViewOutput)
    ON_COMMAND(ID_WORKSPACE_HIDE, OnHideWorkspace)
    ON_COMMAND(ID_OUTPUT_HIDE, OnHideOutput)
    ON_COMMAND(ID_OUTPUT_PREVIOUS, OnOutputPrevious)
    ON_COMMAND(ID_OUTPUT_NEXT, OnOutputNext)
    ON_COMMAND(ID_OUTPUT_COPY_LINE, OnOutputCopyLine)
    ON_UPDATE_COMMAND_UI(ID_OUTPUT_COPY_LINE, OnUpdateOutputCopyLine)
    ON_COMMAND(ID_OUTPUT_COPY_ALL, OnOutputCopyAll)
    ON_UPDATE_COMMAND_UI(ID_OUTPUT_COPY_ALL, OnUpdateOutputContents)
    ON_COMMAND(ID_OUTPUT_CLEAR, OnOutputClear)
    ON_UPDATE_COMMAND_UI(ID_OUTPUT_CLEAR, OnUpdateOutputContents)
    ON_COMMAND(ID_WORKSPACE_SYNC, OnWorkspaceSync)
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {
    ID_SEPARATOR,           ID_INDICATOR_CARET,     ID_INDICATOR_LINES,     ID_INDICATOR_FORMAT,
    ID_INDICATOR_READ_ONLY, ID_INDICATOR_REC, ID_INDICATOR_COLUMN_MODE, ID_INDICATOR_OVR,
};
const COLORREF kPaneColours[] = {
    0, RGB(0, 0, 128), RGB(0, 0, 128), RGB(0, 0, 128), RGB(128, 128, 128), RGB(160, 64, 64), RGB(64, 160, 64),
    RGB(64, 64, 160),
};
enum Pane { kCaretPane = 1, kLinesPane, kFormatPane, kReadOnlyPane, kRecordingPane, kColumnModePane, kOverwritePane };

// Ctrl counts as held when its key state has any of the bits 0xF0 set.
bool CtrlHeld()
{
    return (::GetKeyState(VK_CONTROL) & 0xF0) != 0;
}

bool ShiftHeld()
{
    return ::GetKeyState(VK_SHIFT) < 0;
}

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

}  // namespace

CMainFrame::CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CMDIFrameWnd::OnCreate(createStruct) == -1)
        return -1;
    if (!m_statusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_BORDER_TOP) || !SetStatusPanes())
        return -1;
    UINT mainBar = IsSiblingEdition(GetExeTitle()) ? IDR_MAIN_BAR_SIBLING : IDR_MAIN_BAR;
    if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT,
                            WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                CBRS_SIZE_DYNAMIC) ||
        !m_toolBar.LoadToolBar(mainBar))
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    m_toolBar.SetWindowText(LoadText(IDS_TOOLBAR_TITLE));
    m_toolBar.EnableDocking(CBRS_ALIGN_TOP);
    DockControlBar(&m_toolBar, AFX_IDW_DOCKBAR_TOP);
    if (!CreatePaletteBars(this, m_palettes))
        return -1;
    if (!m_tabBar.Create(this, ID_DOC_TAB_BAR))
        return -1;
    m_tabBar.SetWindowText(LoadText(IDS_TAB_BAR_TITLE));
    m_tabBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    DockControlBar(&m_tabBar, AFX_IDW_DOCKBAR_TOP);
    if (!CreatePaneBars())
        return -1;
    SetCaretPosPanes(0, 0, 0);
    if (!CreatePromptPopup())
        return -1;
    return 0;
}

// Panes 1 to 7 are drawn by the bar alone, each in its colour.
bool CMainFrame::SetStatusPanes()
{
    if (!m_statusBar.SetIndicators(kIndicators, static_cast<int>(sizeof kIndicators / sizeof kIndicators[0])))
        return false;
    for (int pane = 1; pane < m_statusBar.GetCount(); ++pane) {
        m_statusBar.SetPaneStyle(pane, m_statusBar.GetPaneStyle(pane) | SBPS_DISABLED);
        m_statusBar.SetPaneTextColor(pane, kPaneColours[pane]);
    }
    return true;
}

// The preview's status bar is its single message pane; leaving the preview brings the
// document panes back and has the views' bitmap made again for the frame's size.
void CMainFrame::OnSetPreviewMode(BOOL preview, CPrintPreviewState* state)
{
    if (preview) {
        m_previewActive = true;
        static const UINT kMessagePane[] = {ID_SEPARATOR};
        m_statusBar.SetIndicators(kMessagePane, 1);
        CMDIFrameWnd::OnSetPreviewMode(preview, state);
        return;
    }
    CMDIFrameWnd::OnSetPreviewMode(preview, state);
    SetStatusPanes();
    m_previewActive = false;
    CRect outer;
    GetWindowRect(&outer);
    PostMessage(kRefreshViewsMessage, 0, MAKELPARAM(outer.Width(), outer.Height()));
}

// ---- status panes ----

void CMainFrame::SetCaretPosPanes(int line, int column, int lineCount)
{
    if (m_previewActive)
        return;
    CString count;
    count.Format("%d", lineCount);
    m_statusBar.SetPaneTextIfChanged(kCaretPane, CaretPaneText(line, column));
    m_statusBar.SetPaneTextIfChanged(kLinesPane, count);
}

void CMainFrame::SetDocFormatPane(int encoding, int lineEnd, bool readOnly)
{
    if (m_previewActive)
        return;
    m_statusBar.SetPaneTextIfChanged(kFormatPane, FormatPaneText(encoding, lineEnd));
    m_statusBar.SetPaneHighlight(kReadOnlyPane, readOnly);
}

void CMainFrame::SetRecordingPane(bool on)
{
    if (!m_previewActive)
        m_statusBar.SetPaneHighlight(kRecordingPane, on);
}

void CMainFrame::SetColumnModePane(bool on)
{
    if (!m_previewActive)
        m_statusBar.SetPaneHighlight(kColumnModePane, on);
}

void CMainFrame::SetOverwritePane(bool on)
{
    if (!m_previewActive)
        m_statusBar.SetPaneHighlight(kOverwritePane, on);
}

// ---- document windows ----

int CMainFrame::MaxTabTitle() const
{
    return TheEditorSettings().maxTabTitle;
}

void CMainFrame::RegisterChildWindow(CMDIChildWnd* child)
{
    m_tabBar.AddTab(child);
    m_recent.PushHead(child);
}

void CMainFrame::UnregisterChildWindow(CMDIChildWnd* child)
{
    m_tabBar.RemoveTab(child);
    m_recent.Remove(child);
}

void CMainFrame::UpdateChildTitle(CMDIChildWnd* child)
{
    m_tabBar.UpdateTabTitle(child, MaxTabTitle());
}

void CMainFrame::OnChildActivated(CMDIChildWnd* child)
{
    ShowHintWindow(0, 0, "", 0);
    m_tabBar.SelectTab(child);
    m_tabBar.UpdateTabTitle(child, MaxTabTitle());
    if (!m_recentFrozen)
        MoveToRecentHead(child);
}

CView* CMainFrame::GetActiveEditorView()
{
    CMDIChildWnd* child = MDIGetActive();
    return child != nullptr ? child->GetActiveView() : nullptr;
}

CDocument* CMainFrame::GetActiveEditorDoc()
{
    CView* view = GetActiveEditorView();
    return view != nullptr ? view->GetDocument() : nullptr;
}

void CMainFrame::ActivateRecentWindow(int n)
{
    if (auto* window = static_cast<CWnd*>(m_recent.At(n)))
        MDIActivate(window);
}

void CMainFrame::MoveToRecentHead(CWnd* window)
{
    if (window == nullptr)
        window = MDIGetActive();
    if (window != nullptr)
        m_recent.MoveToHead(window);
}

void CMainFrame::ActivateNextTab()
{
    if (CWnd* window = m_tabBar.GetNextTabWindow())
        MDIActivate(window);
}

void CMainFrame::ActivatePrevTab()
{
    if (CWnd* window = m_tabBar.GetPrevTabWindow())
        MDIActivate(window);
}

void CMainFrame::RunFrozen(void (CMainFrame::*step)())
{
    m_recentFrozen = true;
    (this->*step)();
    m_recentFrozen = false;
    MoveToRecentHead();
}

void CMainFrame::OnWindowRecent()
{
    m_recentFrozen = true;
    ActivateRecentWindow(1);
    m_recentFrozen = false;
    MoveToRecentHead();
}

void CMainFrame::OnWindowNext()
{
    RunFrozen(&CMainFrame::ActivateNextTab);
}

void CMainFrame::OnWindowPrevious()
{
    RunFrozen(&CMainFrame::ActivatePrevTab);
}

void CMainFrame::OnViewTabBar()
{
    ShowControlBar(&m_tabBar, !m_tabBar.IsWindowVisible(), FALSE);
}

void CMainFrame::OnUpdateViewTabBar(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(m_tabBar.IsWindowVisible());
}

void CMainFrame::OnViewVariableBar()
{
    ShowControlBar(&m_palettes[0], !m_palettes[0].IsWindowVisible(), FALSE);
    RecalcLayout();
}

void CMainFrame::OnUpdateViewVariableBar(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(m_palettes[0].IsWindowVisible());
}

// ---- keys ----

bool CMainFrame::PreTranslateKey(const MSG& msg)
{
    if (msg.message == WM_KEYUP && msg.wParam == VK_CONTROL) {
        m_recentFrozen = false;
        MoveToRecentHead();
        return false;
    }
    if (msg.message != WM_KEYDOWN)
        return false;
    bool ctrl = CtrlHeld();
    switch (msg.wParam) {
    case VK_CONTROL:
        m_recentFrozen = true;
        m_recentCycleCount = 0;
        return false;
    case VK_TAB:
        if (!ctrl)
            return false;
        ActivateRecentWindow(++m_recentCycleCount);
        return true;
    case VK_PRIOR:
    case VK_NEXT:
        if (!ctrl)
            return false;
        msg.wParam == VK_PRIOR ? ActivatePrevTab() : ActivateNextTab();
        return true;
    case VK_F8:
    case VK_F9:
        OnBuildKey(msg.wParam == VK_F8, ctrl);
        return false;
    case VK_F5:
    case VK_F6:
        if (!ctrl)
            return false;
        // F6 goes forward and F5 back; Shift turns either round.
        ((msg.wParam == VK_F6) != ShiftHeld()) ? ActivateNextTab() : ActivatePrevTab();
        return true;
    default:
        return false;
    }
}

void CMainFrame::InvalidateAllViews()
{
    CEditorApp* app = TheEditorApp();
    if (app == nullptr)
        return;
    for (POSITION at = app->GetFirstDocument(); at != nullptr;) {
        CDocument* document = app->GetNextDocument(at);
        for (POSITION view = document->GetFirstViewPosition(); view != nullptr;)
            document->GetNextView(view)->Invalidate(FALSE);
    }
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg)
{
    if (msg->message == kRefreshViewsMessage && msg->hwnd == m_hWnd) {
        if (!m_previewActive) {
            CreateViewBackBuffer(LOWORD(msg->lParam), HIWORD(msg->lParam));
            InvalidateAllViews();
        }
        return TRUE;
    }
    if (PreTranslateKey(*msg))
        return TRUE;
    return CMDIFrameWnd::PreTranslateMessage(msg);
}

// ---- submenus ----

HMENU CMainFrame::FindMenuContaining(HMENU menu, UINT id)
{
    if (menu == nullptr)
        return nullptr;
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (::GetMenuItemID(menu, i) == id)
            return menu;
        if (HMENU found = FindMenuContaining(::GetSubMenu(menu, i), id))
            return found;
    }
    return nullptr;
}

bool CMainFrame::RebuildSyntaxTypeMenu()
{
    HMENU menu = FindMenuContaining(::GetMenu(m_hWnd), ID_SYNTAX_AUTO);
    if (menu == nullptr)
        return false;
    // Kept around the types: two choices and a separator before, a separator and the
    // customise and document-information items after.
    for (int i = ::GetMenuItemCount(menu) - 4; i >= 3; --i)
        ::DeleteMenu(menu, i, MF_BYPOSITION);
    const auto& types = TheEditorSettings().syntaxTypes;
    int at = 3;
    for (int slot = 0; slot < static_cast<int>(types.size()); ++slot)
        if (!types[slot].Description().IsEmpty())
            ::InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING, ID_SYNTAX_TYPE_FIRST + slot, types[slot].Description());
    return true;
}

bool CMainFrame::RebuildSetMenu(UINT firstId, const std::vector<CString>& setTitles)
{
    HMENU menu = FindMenuContaining(::GetMenu(m_hWnd), firstId);
    if (menu == nullptr)
        return false;
    while (::GetMenuItemCount(menu) > 1)
        ::DeleteMenu(menu, 1, MF_BYPOSITION);
    CString first = !setTitles.empty() && !setTitles[0].IsEmpty() ? setTitles[0] : LoadText(IDS_NO_FILE_IN_SET);
    ::ModifyMenuA(menu, 0, MF_BYPOSITION | MF_STRING, firstId, first);
    int at = 1;
    for (int slot = 1; slot < kToolSetCount && slot < static_cast<int>(setTitles.size()); ++slot)
        if (!setTitles[slot].IsEmpty())
            ::InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING, firstId + slot, setTitles[slot]);
    return true;
}

bool CMainFrame::RebuildUserToolMenu(const std::vector<CString>& setTitles)
{
    return RebuildSetMenu(ID_TOOL_SET_FIRST, setTitles);
}

bool CMainFrame::RebuildUserMacroMenu(const std::vector<CString>& setTitles)
{
    return RebuildSetMenu(ID_MACRO_SET_FIRST, setTitles);
}

// ---- layout ----

void CMainFrame::SaveLayout(LPCTSTR section)
{
    CWinApp* app = AfxGetApp();
    WINDOWPLACEMENT placement = {sizeof placement};
    ::GetWindowPlacement(m_hWnd, &placement);
    const struct {
        const char* name;
        int value;
    } values[] = {
        {"flags", (int)placement.flags},
        {"showCmd", (int)placement.showCmd},
        {"minX", placement.ptMinPosition.x},
        {"minY", placement.ptMinPosition.y},
        {"maxX", placement.ptMaxPosition.x},
        {"maxY", placement.ptMaxPosition.y},
        {"left", placement.rcNormalPosition.left},
        {"top", placement.rcNormalPosition.top},
        {"right", placement.rcNormalPosition.right},
        {"bottom", placement.rcNormalPosition.bottom},
    };
    for (const auto& value : values)
        app->WriteProfileInt(section, value.name, value.value);
    SavePaneSizes(section);
    app->WriteProfileInt(section, "saved", 1);
}

bool CMainFrame::RestoreLayout(LPCTSTR section)
{
    CWinApp* app = AfxGetApp();
    if (app->GetProfileInt(section, "saved", 0) == 0)
        return false;
    RestorePaneSizes(section);
    auto read = [&](const char* name) { return static_cast<int>(app->GetProfileInt(section, name, 0)); };
    WINDOWPLACEMENT placement = {sizeof placement};
    placement.flags = read("flags");
    placement.showCmd = read("showCmd");
    placement.ptMinPosition = {read("minX"), read("minY")};
    placement.ptMaxPosition = {read("maxX"), read("maxY")};
    placement.rcNormalPosition = {read("left"), read("top"), read("right"), read("bottom")};
    RECT workArea;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT screen = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
    screen.right = screen.left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    WINDOWPLACEMENT repaired = RepairPlacement(placement, workArea, screen);
    // Applied hidden: showing is start-up's step.
    UINT show = repaired.showCmd;
    repaired.showCmd = SW_HIDE;
    ::SetWindowPlacement(m_hWnd, &repaired);
    AfxGetApp()->m_nCmdShow = show == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOW;
    return true;
}

void CMainFrame::OnClose()
{
    if (!m_previewActive) {
        CString title = GetExeTitle();
        SaveBarState(title + "状态栏状态");
        SaveLayout(title + "窗口布局");
        if (CEditorApp* app = TheEditorApp()) {
            app->SaveEditorConfig();
            app->SaveWorkspaceState();
        }
    }
    CMDIFrameWnd::OnClose();
}

// ---- other messages ----

void CMainFrame::OnSize(UINT type, int cx, int cy)
{
    CMDIFrameWnd::OnSize(type, cx, cy);
    if (!m_previewActive && cx > 0 && cy > 0)
        CreateViewBackBuffer(cx, cy);
}

void CMainFrame::OnUpdateCaretPane(CCmdUI*)
{
    auto* view = dynamic_cast<CWrenView*>(GetActiveEditorView());
    CViewEngine* engine = view != nullptr ? view->GetEngine() : nullptr;
    auto* document = view != nullptr ? dynamic_cast<CWrenDoc*>(view->GetDocument()) : nullptr;
    if (engine == nullptr || document == nullptr) {
        SetCaretPosPanes(0, 0, 0);
        return;
    }
    DocPosition caret = engine->GetCaretDocPosition();
    SetCaretPosPanes(caret.line + 1, caret.column + 1, document->GetText().GetLineCount());
    SetDocFormatPane(document->GetText().GetEncoding(), document->GetText().GetLineEnd(),
                     (document->GetFileAttributes() & FILE_ATTRIBUTE_READONLY) != 0);
    const CEditingModes& modes = TheEditingModes();
    SetColumnModePane(modes.columnMode);
    SetOverwritePane(modes.overwriteMode);
    SetRecordingPane(modes.macroRecording);
    if (CMDIChildWnd* child = MDIGetActive())
        UpdateChildTitle(child);
}

void CMainFrame::StartChildPoll(std::function<void()> poll)
{
    m_childPoll = std::move(poll);
    SetTimer(kChildPollTimer, 200);
}

void CMainFrame::StopChildPoll()
{
    KillTimer(kChildPollTimer);
    m_childPoll = nullptr;
}

void CMainFrame::OnTimer(UINT_PTR id)
{
    if (id == kChildPollTimer && m_childPoll)
        m_childPoll();
    Default();
}

void CMainFrame::OnActivateApp(BOOL active, DWORD threadId)
{
    CMDIFrameWnd::OnActivateApp(active, threadId);
    if (active)
        if (CEditorApp* app = TheEditorApp())
            app->CheckChangedDocuments(false);
}

void CMainFrame::RecalcLayout(BOOL notify)
{
    CMDIFrameWnd::RecalcLayout(notify);
    CMDIFrameWnd::RecalcLayout(notify);
}

void CMainFrame::OnUpdateFrameTitle(BOOL addToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CMDIFrameWnd::OnUpdateFrameTitle(addToTitle);
    SetWindowText(GetExeTitle());
}
