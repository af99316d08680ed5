// The main frame's two large docking panes: the workspace bar at the left and the output
// window at the bottom, their show and hide commands, the output pages, and their sizes in
// the saved layout.
#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "editor/shell/SystemClipboard.h"
#include "editor/app/MainFrame.h"
#include "framework/CmdUI.h"
#include "editor/settings/EditorSettings.h"
#include "framework/DocApp.h"

#include <algorithm>
#include <array>

namespace {

// The three sizes a pane keeps, one per docking mode, and the letter naming each in the
// layout's value names ("auxhcx": workspace bar, horizontal, width).
struct PaneSizeMode {
    const char* letter;
    CSize (CDockingPaneBar::*get)() const;
    void (CDockingPaneBar::*set)(int, int);
};
const PaneSizeMode kPaneSizeModes[] = {
    {"h", &CDockingPaneBar::GetHorzSize, &CDockingPaneBar::SetHorzSize},
    {"v", &CDockingPaneBar::GetVertSize, &CDockingPaneBar::SetVertSize},
    {"f", &CDockingPaneBar::GetFloatSize, &CDockingPaneBar::SetFloatSize},
};

struct PaneSizeEntry {
    const char* prefix;
    CDockingPaneBar& bar;
    CSize fallback;  // when the layout lacks a value
};

std::array<PaneSizeEntry, 2> PaneSizeEntries(CWorkspaceBar& workspace, COutputBar& output)
{
    return {{{"aux", workspace, {200, 480}}, {"out", output, {640, 80}}}};
}

// A size read back from the profile, kept to what a pane can show.
int PaneExtent(UINT value)
{
    constexpr int kLargest = 32767;
    return static_cast<int>(std::max<UINT>(kDockMinimumSize, std::min<UINT>(value, kLargest)));
}

}  // namespace

bool CMainFrame::CreatePaneBars()
{
    if (!m_wndWorkspace.Create(this, 200, 480, ID_WORKSPACE_BAR, WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_BORDER_RIGHT))
        return false;
    m_wndWorkspace.SetHost(&m_workspaceHost);
    m_wndWorkspace.SetWindowText(LoadResourceText(IDS_WORKSPACE_TITLE));
    m_wndWorkspace.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    DockControlBar(&m_wndWorkspace, AFX_IDW_DOCKBAR_LEFT);
    if (!m_wndOutput.Create(this, 640, 100, ID_OUTPUT_BAR, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_BORDER_TOP))
        return false;
    m_wndOutput.SetListFont(TheEditorSettings().otherFonts[kOutputFontRow], FALSE);
    m_wndOutput.SetWindowText(LoadResourceText(IDS_OUTPUT_TITLE));
    m_wndOutput.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    DockControlBar(&m_wndOutput, AFX_IDW_DOCKBAR_BOTTOM);
    return true;
}

// ---- workspace pages ----

bool CMainFrame::IsWorkspacePageVisible(int page) const
{
    return m_wndWorkspace.IsVisible() && m_wndWorkspace.GetPage() == page;
}

void CMainFrame::ShowWorkspacePage(int page)
{
    if (m_wndWorkspace.GetPage() != page)
        m_wndWorkspace.SelectPage(page);
    ShowControlBar(&m_wndWorkspace, TRUE, FALSE);
}

void CMainFrame::ToggleWorkspacePage(int page)
{
    if (IsWorkspacePageVisible(page))
        ShowControlBar(&m_wndWorkspace, FALSE, FALSE);
    else
        ShowWorkspacePage(page);
}

void CMainFrame::OnViewFolderPage()
{
    ToggleWorkspacePage(CWorkspaceBar::kDirectoryPage);
}

void CMainFrame::OnUpdateViewFolderPage(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(IsWorkspacePageVisible(CWorkspaceBar::kDirectoryPage));
}

void CMainFrame::OnViewProjectPage()
{
    ToggleWorkspacePage(CWorkspaceBar::kProjectPage);
}

void CMainFrame::OnUpdateViewProjectPage(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(IsWorkspacePageVisible(CWorkspaceBar::kProjectPage));
}

// The directory page follows the active document, when it is a local file with a path.
void CMainFrame::OnWorkspaceSync()
{
    auto* document = dynamic_cast<CWrenDoc*>(GetActiveEditorDoc());
    if (document == nullptr || document->IsRemote() || document->GetPathName().IsEmpty())
        return;
    m_wndWorkspace.SyncToPath(document->GetPathName());
}

void CMainFrame::OnHideWorkspace()
{
    ShowControlBar(&m_wndWorkspace, FALSE, FALSE);
}

// ---- output window ----

void CMainFrame::OnViewOutput()
{
    ShowControlBar(&m_wndOutput, !m_wndOutput.IsVisible(), FALSE);
}

void CMainFrame::OnUpdateViewOutput(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(m_wndOutput.IsVisible());
}

void CMainFrame::OnHideOutput()
{
    ShowControlBar(&m_wndOutput, FALSE, FALSE);
}

void CMainFrame::OnOutputPrevious()
{
    m_wndOutput.ShowPreviousPage();
}

void CMainFrame::OnOutputNext()
{
    m_wndOutput.ShowNextPage();
}

void CMainFrame::OnOutputCopyLine()
{
    CSystemClipboard clipboard(m_hWnd);
    m_wndOutput.CopySelectedLine(clipboard);
}

void CMainFrame::OnUpdateOutputCopyLine(CCmdUI* cmdUI)
{
    cmdUI->Enable(!m_wndOutput.SelectedLine().IsEmpty());
}

void CMainFrame::OnOutputCopyAll()
{
    CSystemClipboard clipboard(m_hWnd);
    m_wndOutput.CopyAllLines(clipboard);
}

// New output is kept as a page of the history before the list is emptied.
void CMainFrame::OnOutputClear()
{
    m_wndOutput.ClearPage(TRUE);
}

void CMainFrame::OnUpdateOutputContents(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_wndOutput.HasLines());
}

// The keys reach the frame before the accelerators and go on to them; the table has no
// entries of its own for them, so that Ctrl+F8 starts one build.
void CMainFrame::OnBuildKey(bool f8, bool ctrl)
{
    if (ctrl)
        SendMessage(WM_COMMAND, f8 ? ID_PROJECT_BUILD : ID_PROJECT_RUN);
    else if (m_wndOutput.IsVisible())
        f8 ? m_wndOutput.ShowPreviousPage() : m_wndOutput.ShowNextPage();
}

// ---- sizes in the layout ----

void CMainFrame::SavePaneSizes(LPCTSTR section)
{
    CWinApp* app = AfxGetApp();
    for (const PaneSizeEntry& pane : PaneSizeEntries(m_wndWorkspace, m_wndOutput))
        for (const PaneSizeMode& mode : kPaneSizeModes) {
            CSize size = (pane.bar.*mode.get)();
            CString name = CString(pane.prefix) + mode.letter;
            app->WriteProfileInt(section, name + "cx", size.cx);
            app->WriteProfileInt(section, name + "cy", size.cy);
        }
}

void CMainFrame::RestorePaneSizes(LPCTSTR section)
{
    CWinApp* app = AfxGetApp();
    for (const PaneSizeEntry& pane : PaneSizeEntries(m_wndWorkspace, m_wndOutput))
        for (const PaneSizeMode& mode : kPaneSizeModes) {
            CString name = CString(pane.prefix) + mode.letter;
            (pane.bar.*mode.set)(PaneExtent(app->GetProfileInt(section, name + "cx", pane.fallback.cx)),
                                 PaneExtent(app->GetProfileInt(section, name + "cy", pane.fallback.cy)));
        }
}
