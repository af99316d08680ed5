#pragma once
#include <windows.h>

#include "editor/app/ColorStatusBar.h"
#include "editor/app/DocTabBar.h"
#include "editor/shell/OutputBar.h"
#include "editor/shell/WorkspaceBar.h"
#include "editor/app/WorkspaceHost.h"
#include "editor/shell/FrameGeometry.h"
#include "framework/MdiFrameWnd.h"
#include "editor/inputaids/PaletteBars.h"
#include "editor/inputaids/PromptListDlg.h"
#include "framework/ToolBar.h"

#include <functional>
#include <vector>

class CDocument;
class CView;

// The editor's one top-level window: an MDI frame that owns the status bar, the main tool
// bar, the four input palettes, the document tab bar, the workspace bar, the output
// window and the vocabulary prompt popup, keeps the most-recently-used order of the
// document windows, routes a few keys before the accelerators, rebuilds the dynamic
// submenus and keeps its layout in the profile.
class CMainFrame : public CMDIFrameWnd, public IPromptHost {
    DECLARE_DYNAMIC(CMainFrame)

public:
    static const UINT kChildPollTimer = 32876;
    static const UINT kRefreshViewsMessage = WM_USER + 2;
    static const int kToolSetCount = 10;

    CMainFrame();

    // ---- status panes (nothing while print preview shows) ----
    void SetCaretPosPanes(int line, int column, int lineCount);
    void SetDocFormatPane(int encoding, int lineEnd, bool readOnly);
    void SetRecordingPane(bool on);
    void SetColumnModePane(bool on);
    void SetOverwritePane(bool on);
    CColorStatusBar& GetStatusBar() { return m_statusBar; }
    CDocTabBar& GetTabBar() { return m_tabBar; }
    CToolBar& GetMainToolBar() { return m_toolBar; }
    CWorkspaceBar& GetWorkspaceBar() { return m_wndWorkspace; }
    COutputBar& GetOutputBar() { return m_wndOutput; }

    // ---- the workspace bar's pages (CWorkspaceBar::Page) ----
    // Shows the bar on the page.
    void ShowWorkspacePage(int page);
    // Hides the bar when it shows the page, else shows it there.
    void ToggleWorkspacePage(int page);

    // ---- document windows ----
    void RegisterChildWindow(CMDIChildWnd* child);
    void UnregisterChildWindow(CMDIChildWnd* child);
    void UpdateChildTitle(CMDIChildWnd* child);
    void OnChildActivated(CMDIChildWnd* child);
    CView* GetActiveEditorView();
    CDocument* GetActiveEditorDoc();
    void ActivateRecentWindow(int n);
    void MoveToRecentHead(CWnd* window = nullptr);
    void ActivateNextTab();
    void ActivatePrevTab();
    const RecentWindowList& GetRecentWindows() const { return m_recent; }

    // ---- dynamic submenus ----
    // The popup of the frame's menu that holds command id, searched depth first.
    static HMENU FindMenuContaining(HMENU menu, UINT id);
    bool RebuildSyntaxTypeMenu();
    // The tool-set and macro-set menus list the file title of each of the ten sets.
    bool RebuildUserToolMenu(const std::vector<CString>& setTitles);
    bool RebuildUserMacroMenu(const std::vector<CString>& setTitles);

    // ---- the vocabulary prompt popup (MainFramePrompt.cpp) ----
    void ShowHintWindow(int x, int y, const char* prefix, int tableIndex) override;
    CPromptListDlg& GetPromptPopup() { return m_prompt; }

    // ---- layout in the profile ----
    void SaveLayout(LPCTSTR section);
    bool RestoreLayout(LPCTSTR section);

    // ---- the captured child process's poll, every 200 ms while it runs ----
    void StartChildPoll(std::function<void()> poll);
    void StopChildPoll();

    BOOL PreTranslateMessage(MSG* msg) override;
    void RecalcLayout(BOOL notify = TRUE) override;
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    void OnSetPreviewMode(BOOL preview, CPrintPreviewState* state) override;
    bool IsPreviewActive() const { return m_previewActive; }

protected:
    int OnCreate(LPCREATESTRUCT createStruct);
    void OnClose();
    void OnTimer(UINT_PTR id);
    void OnActivateApp(BOOL active, DWORD threadId);
    void OnSize(UINT type, int cx, int cy);
    // The panes follow the active document at idle time.
    void OnUpdateCaretPane(CCmdUI* cmdUI);
    void OnViewTabBar();
    void OnUpdateViewTabBar(CCmdUI* cmdUI);
    void OnViewVariableBar();
    void OnUpdateViewVariableBar(CCmdUI* cmdUI);
    void OnWindowRecent();
    void OnWindowNext();
    void OnWindowPrevious();
    void OnViewFolderPage();
    void OnUpdateViewFolderPage(CCmdUI* cmdUI);
    void OnViewProjectPage();
    void OnUpdateViewProjectPage(CCmdUI* cmdUI);
    void OnViewOutput();
    void OnUpdateViewOutput(CCmdUI* cmdUI);
    void OnHideWorkspace();
    void OnHideOutput();
    void OnOutputPrevious();
    void OnOutputNext();
    void OnOutputCopyLine();
    void OnUpdateOutputCopyLine(CCmdUI* cmdUI);
    void OnOutputCopyAll();
    void OnOutputClear();
    void OnUpdateOutputContents(CCmdUI* cmdUI);
    void OnWorkspaceSync();
    DECLARE_MESSAGE_MAP()

private:
    // The eight status panes with their colours; false when the bar refused them.
    bool SetStatusPanes();
    bool PreTranslateKey(const MSG& msg);
    void RunFrozen(void (CMainFrame::*step)());
    bool RebuildSetMenu(UINT firstId, const std::vector<CString>& setTitles);
    // Creates, titles and docks the workspace bar and the output window.
    bool CreatePaneBars();
    // F8 and F9: with Ctrl the build and run commands, without it the output pages.
    void OnBuildKey(bool f8, bool ctrl);
    bool IsWorkspacePageVisible(int page) const;
    void SavePaneSizes(LPCTSTR section);
    void RestorePaneSizes(LPCTSTR section);
    void InvalidateAllViews();
    int MaxTabTitle() const;
    // Makes the hidden popup with the delays of the user settings.
    bool CreatePromptPopup();

    // The input palettes; the first is the variable bar the View menu toggles.
    CPaletteBar m_palettes[kPaletteBarCount];
    RecentWindowList m_recent;
    bool m_recentFrozen = false;
    bool m_previewActive = false;
    CColorStatusBar m_statusBar;
    CToolBar m_toolBar;
    CDocTabBar m_tabBar;
    CWorkspaceHost m_workspaceHost{*this};
    CWorkspaceBar m_wndWorkspace;
    COutputBar m_wndOutput;
    int m_recentCycleCount = 0;
    std::function<void()> m_childPoll;
    CPromptListDlg m_prompt;
};
